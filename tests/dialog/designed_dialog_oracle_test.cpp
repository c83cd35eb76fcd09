// A dialog changed in the designer and written as script compiles with windres to a template that
// agrees with our model: moved, resized, aligned, reordered and newly placed controls of every
// kind keep their kind, layout, styles, identifiers and captions through the resource compiler.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "base/text.h"
#include "base/text_writer.h"
#include "dialog/designer_editing.h"
#include "dialog/dialog.h"
#include "dialog/dialog_template.h"
#include "formats/res_records.h"
#include "model/undo_history.h"
#include "script/statement_harness.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";

constexpr std::string_view original =
    "#include <windows.h>\n"
    "#define IDD_SETTINGS 100\n#define IDC_NAME 1001\n#define IDC_SMALL 1002\n"
    "IDD_SETTINGS DIALOGEX 0, 0, 260, 200\n"
    "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    "CAPTION \"Settings\"\n"
    "FONT 8, \"MS Shell Dlg\", 400, 0, 1\n"
    "BEGIN\n"
    "    GROUPBOX        \"Display\", -1, 7, 7, 186, 50\n"
    "    AUTORADIOBUTTON \"&Small icons\", IDC_SMALL, 14, 20, 80, 10, WS_GROUP | WS_TABSTOP\n"
    "    EDITTEXT        IDC_NAME, 40, 64, 153, 14, ES_AUTOHSCROLL\n"
    "    DEFPUSHBUTTON   \"OK\", 1, 89, 100, 50, 14\n"
    "    PUSHBUTTON      \"Cancel\", 2, 143, 100, 50, 14\n"
    "END\n";

bool available(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

Bytes compiled_dialog(const std::filesystem::path& res) {
    std::ifstream in(res, std::ios::binary);
    const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const auto& record : testing::read_res_records(file)) {
        if (!record.type.is_text && record.type.ordinal == 5) {
            return Bytes(record.padded_data.begin(), record.padded_data.begin() + record.data_size);
        }
    }
    return {};
}

TEST(DesignedDialogOracle, ADesignedDialogCompilesToOurTemplate) {
    const bool windres = available("x86_64-w64-mingw32-windres");
    if (!windres) GTEST_SKIP() << "windres is not installed";
    if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";

    testing::StatementHarness harness;
    harness.session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
    const ReadStatus status = harness.read(original);
    ASSERT_TRUE(status) << text_to_utf8(status.failure().message);
    auto& dialog = *static_cast<Dialog*>(harness.find(kind::dialog, u"IDD_SETTINGS"));

    UndoHistory history(harness.platform);
    DesignerSettings settings;
    DesignerSelection selection;
    DesignerEditing editing(dialog, history, settings, selection);
    selection.select_only(dialog.controls()[2]->unique_key());
    ASSERT_TRUE(editing.move_selection(Offset{3, -2}));
    ASSERT_TRUE(editing.arrow_key(ArrowKey::right, false, true));
    for (int number = 1; number <= control_kind_count; ++number) {
        const auto kind = control_kind_of(number);
        ASSERT_TRUE(editing.place_control(kind, DialogRect{20 + (number % 6) * 40, 120 + (number / 6) * 15, -1, -1}))
            << number;
    }
    selection.clear();
    selection.add(dialog.controls()[2]->unique_key());
    selection.add(dialog.controls()[3]->unique_key());
    ASSERT_TRUE(editing.layout(LayoutCommand::align_tops));
    ASSERT_TRUE(editing.z_order(ZOrder::send_to_back));

    TextWriter text;
    dialog.write_script_text(text, harness.session.workspace());
    std::string script = "#include <windows.h>\n#include <commctrl.h>\n#include <richedit.h>\n";
    // The identifiers of the dialog's controls, as the header writer would give them.
    std::set<std::string> defined;
    for (const auto& control : dialog.controls()) {
        const std::string name = text_to_utf8(control->identifier());
        if (name.empty() || name == "IDC_STATIC" || name[0] == '-' || (name[0] >= '0' && name[0] <= '9')) continue;
        if (!defined.insert(name).second) continue;
        script += "#define " + name + " " + std::to_string(control->identifier_value()) + "\n";
    }
    script += "#ifndef IDC_STATIC\n#define IDC_STATIC (-1)\n#endif\n";
    script += text_to_utf8(text.take());
    const auto path = harness.folder.write("designed.rc", script);

    const auto compile = [&](const std::string& command, const std::filesystem::path& res) {
        SCOPED_TRACE(command);
        ASSERT_EQ(std::system(command.c_str()), 0) << script;
        const Bytes theirs = compiled_dialog(res);
        ASSERT_FALSE(theirs.empty());
        ScriptedPlatform platform;
        Session session(platform);
        const auto decoded = decode_dialog_template(theirs, session.workspace());
        ASSERT_TRUE(decoded);
        ASSERT_EQ((*decoded)->controls().size(), dialog.controls().size());
        for (std::size_t i = 0; i < dialog.controls().size(); ++i) {
            EXPECT_EQ((*decoded)->controls()[i]->rect(), dialog.controls()[i]->rect()) << i;
            EXPECT_EQ((*decoded)->controls()[i]->kind(), dialog.controls()[i]->kind()) << i;
            EXPECT_EQ((*decoded)->controls()[i]->style(), dialog.controls()[i]->style()) << i;
            // WS_EX_NOPARENTNOTIFY, which placed controls start with, is implied by the script text and
            // not written, so the compiler leaves it out.
            EXPECT_EQ((*decoded)->controls()[i]->extended_style(), dialog.controls()[i]->extended_style() & ~0x4u) << i;
            EXPECT_EQ((*decoded)->controls()[i]->identifier_value(), dialog.controls()[i]->identifier_value()) << i;
            EXPECT_EQ((*decoded)->controls()[i]->text(), dialog.controls()[i]->text()) << i;
        }
    };
    const auto folder = harness.folder.path();
    if (windres) {
        compile("x86_64-w64-mingw32-windres -I " + mingw_include.string() + " -O res -o " +
                    (folder / "windres.res").string() + " " + path.string() + " >" + (folder / "w.log").string() +
                    " 2>&1",
                folder / "windres.res");
    }
}

}  // namespace
}  // namespace tavorin

#endif
