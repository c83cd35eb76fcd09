// Read -> write -> read: a script whose identifiers come from several headers, conditional
// sections, expressions and the script itself is saved with its header, and the saved pair reads
// back to the same resources.

#include <gtest/gtest.h>

#include <string>

#include "app/convert.h"
#include "app/session.h"
#include "base/text.h"
#include "formats/res_records.h"
#include "formats/writer_test_support.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";

class HeaderRoundTrip : public ::testing::Test {
protected:
    bool convert(const std::filesystem::path& input, const std::filesystem::path& output) {
        ScriptedPlatform platform;
        Session session(platform);
        // The written script includes the platform's headers.
        session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
        // The whole-script writer: its header must hold every identifier the script uses.
        session.config().keep_scripts = keep_scripts;
        failure = {};
        return convert_file(session, (folder / input).u16string(), (folder / output).u16string(), &failure);
    }

    bool keep_scripts = false;
    testing::TempFolder folder;
    ReadFailure failure;
};

TEST_F(HeaderRoundTrip, EveryIdentifierAResourceUsesIsInTheWrittenHeader) {
    if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";
    folder.write("src/resource.h",
                 "#define IDD_MAIN 100\n#define IDC_BASE 1000\n#define IDC_EDIT (IDC_BASE + 1)\n"
                 "#define IDC_ZERO 0\n#define IDR_MENU 0x65\n");
    folder.write("src/ids.h",
                 "#ifdef EXTRA_IDS\n#define IDS_TITLE 5\n#else\n#define IDS_TITLE 6\n#endif\n"
                 "#define ID_FILE_OPEN 40001\n#define ID_FILE_SAVE (ID_FILE_OPEN + 1)\n");
    folder.write("src/app.rc", R"(#include <windows.h>
#include "resource.h"
#include "ids.h"
#define IDC_LOCAL 1200
#if IDC_EDIT > 1000
IDD_MAIN DIALOGEX 0, 0, 100, 50
CAPTION "Main"
BEGIN
    EDITTEXT IDC_EDIT, 5, 5, 50, 12
    LTEXT "x", IDC_ZERO, 5, 20, 50, 8
    PUSHBUTTON "Local", IDC_LOCAL, 5, 30, 50, 12
    AUTORADIOBUTTON "No tab stop", 1300, 5, 40, 50, 10, NOT WS_TABSTOP
END
#endif
IDR_MENU MENU
BEGIN
    MENUITEM "&Open", ID_FILE_OPEN
    MENUITEM "&Save", ID_FILE_SAVE
END
STRINGTABLE
BEGIN
    IDS_TITLE "Title"
END
)");
    folder.write("out/readme.txt", "the saved script goes here\n");
    ASSERT_TRUE(convert("src/app.rc", "direct.res")) << text_to_utf8(failure.message);
    ASSERT_TRUE(convert("src/app.rc", "out/app.rc")) << text_to_utf8(failure.message);
    const std::string header = folder.text("out/resource.h");
    for (const char* name : {"IDD_MAIN", "IDC_EDIT", "IDC_ZERO", "IDR_MENU", "IDS_TITLE", "ID_FILE_OPEN",
                             "ID_FILE_SAVE", "IDC_LOCAL"}) {
        EXPECT_NE(header.find(std::string("#define ") + name + " "), std::string::npos) << name << "\n" << header;
    }
    ASSERT_TRUE(convert("out/app.rc", "again.res")) << text_to_utf8(failure.message) << " line " << failure.line;

    const auto direct = testing::read_res_records(folder.bytes("direct.res"));
    const auto again = testing::read_res_records(folder.bytes("again.res"));
    ASSERT_EQ(direct.size(), again.size());
    for (std::size_t i = 0; i < direct.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(again[i].type, direct[i].type);
        EXPECT_EQ(again[i].name, direct[i].name);
        EXPECT_EQ(again[i].padded_data, direct[i].padded_data);
    }
}

}  // namespace
}  // namespace tavorin
