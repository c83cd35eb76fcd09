#include "app/project_files.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "formats/code_generation.h"
#include "formats/writer_test_support.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

// C/C++ code is written with the measures the write carries (the program's screen), else with the
// portable ones; either way the project keeps its unsaved changes.
TEST(ProjectFiles, CodeTakesTheWritesMeasuresAndLeavesTheProjectModified) {
    ScriptedPlatform platform;
    Session session(platform);
    session.config().encoding = TextEncoding::utf8;
    session.config().insert_bom = false;
    Resource& dialog = *session.project().add_resource(make_new_dialog(session.workspace()));
    session.project().set_modified(dialog, true);
    const CodeContext screen =
        code_context(session.config(), [](const FontSpec&) { return ScreenFont{-20, 10, 24}; }, nominal_window_frame);
    testing::TempFolder folder;

    ProjectWrite to_screen;
    to_screen.target = folder / "screen.c";
    to_screen.code = screen;
    EXPECT_EQ(write_project_file(session, to_screen), WriteOutcome::code_written);
    ProjectWrite portable;
    portable.target = folder / "portable.cpp";
    EXPECT_EQ(write_project_file(session, portable), WriteOutcome::code_written);

    EXPECT_EQ(folder.text("screen.c"), text_to_utf8(c_code_preview(session.workspace(), screen)));
    EXPECT_EQ(folder.text("portable.cpp"), text_to_utf8(c_code_preview(session.workspace(), code_context(session.config()))));
    EXPECT_NE(folder.text("screen.c"), folder.text("portable.cpp")) << "the measures reach the geometry";
    EXPECT_NE(folder.text("screen.c").find("CreateFont(-20, "), std::string::npos);
    EXPECT_TRUE(dialog.identity().modified);
}

}  // namespace
}  // namespace tavorin
