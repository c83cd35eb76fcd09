// Saving a script that was read from disk: what the user did not change keeps its bytes in every
// file, and each change lands in the statement (or header line) it belongs to.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "app/new_resources.h"
#include "base/text.h"
#include "formats/script_save.h"
#include "dialog/dialog.h"
#include "dialog/designer_editing.h"
#include "model/undo_history.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/stringtable/string_table.h"
#include "script/statement_harness.h"

namespace tavorin {
namespace {

using testing::StatementHarness;

std::string narrow(std::u16string_view text) { return text_to_utf8(text); }

std::string file_text(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string utf16(std::string_view ascii, bool bom) {
    std::string out = bom ? std::string("\xFF\xFE") : std::string();
    for (char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

std::string crlf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

constexpr std::string_view mfc_script =
    "// Microsoft Visual C++ generated resource script.\n"
    "//\n"
    "#include \"resource.h\"\n"
    "\n"
    "#define APSTUDIO_READONLY_SYMBOLS\n"
    "#include \"winres.h\"\n"
    "#undef APSTUDIO_READONLY_SYMBOLS\n"
    "\n"
    "LANGUAGE 9, 1\n"
    "\n"
    "#ifdef APSTUDIO_INVOKED\n"
    "1 TEXTINCLUDE\n"
    "BEGIN\n"
    "    \"resource.h\\0\"\n"
    "END\n"
    "#endif    // APSTUDIO_INVOKED\n"
    "\n"
    "IDR_MAIN ACCELERATORS\n"
    "BEGIN\n"
    "    \"N\",  IDM_NEW,  VIRTKEY, CONTROL   // new file\n"
    "END\n"
    "\n"
    "IDR_MAIN MENU\n"
    "BEGIN\n"
    "    POPUP \"&File\"\n"
    "    BEGIN\n"
    "        MENUITEM \"&New\",  IDM_NEW\n"
    "    END\n"
    "END\n"
    "\n"
    "STRINGTABLE\n"
    "BEGIN\n"
    "    IDS_HELLO               \"Hello\"\n"
    "    IDS_BYE                 \"Bye\"   // leaving\n"
    "END\n"
    "\n"
    "#ifndef APSTUDIO_INVOKED\n"
    "#include \"res/app.rc2\"\n"
    "#endif\n";

constexpr std::string_view mfc_header =
    "//{{NO_DEPENDENCIES}}\n"
    "#define IDR_MAIN                        128\n"
    "#define IDS_HELLO                       1001\n"
    "#define IDS_BYE                         1002\n"
    "#define IDC_HOMEPAGE                    1003\n"
    "#define IDM_NEW                         32771\n"
    "\n"
    "#ifdef APSTUDIO_INVOKED\n"
    "#ifndef APSTUDIO_READONLY_SYMBOLS\n"
    "#define _APS_NEXT_RESOURCE_VALUE        129\n"
    "#define _APS_NEXT_COMMAND_VALUE         32772\n"
    "#define _APS_NEXT_CONTROL_VALUE         1004\n"
    "#define _APS_NEXT_SYMED_VALUE           101\n"
    "#endif\n"
    "#endif\n";

constexpr std::string_view rc2 =
    "// kept apart from the editor\n"
    "#ifdef _DEBUG\n"
    "IDR_DATA RCDATA { 1, 2 }\n"
    "#else\n"
    "IDR_DATA RCDATA { 3 }\n"
    "#endif\n"
    "IDR_SPLIT RCDATA\n"
    "BEGIN\n"
    "#ifdef _DEBUG\n"
    "    1, 2\n"
    "#else\n"
    "    3\n"
    "#endif\n"
    "END\n";

class ScriptSpliceTest : public ::testing::Test {
protected:
    ScriptSpliceTest() {
        h.session.config().generate_language_statements = true;
        h.platform.answers = {};
    }

    // The project's files, written in the given form; the script is read.
    void open(std::function<std::string(std::string_view)> form = [](std::string_view text) { return std::string(text); }) {
        h.folder.write("winres.h", "#define WS_CHILD 0x40000000\n");
        header = h.folder.write("resource.h", form(mfc_header));
        included = h.folder.write("res/app.rc2", form(rc2));
        script = h.folder.write("app.rc", form(mfc_script));
        originals = {file_text(script), file_text(header), file_text(included)};
        ASSERT_TRUE(h.open(script)) << "reading failed";
    }

    ScriptSaveResult save(const std::filesystem::path& target = {}) {
        const std::filesystem::path to = target.empty() ? script : target;
        return save_script(h.session.workspace(), ScriptSave{to, u"resource.h", !target.empty(), h.folder.path(), false});
    }

    StringTable& strings() { return static_cast<StringTable&>(*h.project().string_table(0x409)); }

    StatementHarness h;
    std::filesystem::path script, header, included;
    std::vector<std::string> originals;
};

TEST_F(ScriptSpliceTest, UnchangedProjectKeepsEveryFileByteForByteInEveryEncoding) {
    const std::pair<const char*, std::function<std::string(std::string_view)>> forms[] = {
        {"LF", [](std::string_view t) { return std::string(t); }},
        {"CRLF", [](std::string_view t) { return crlf(t); }},
        {"UTF-16 with BOM", [](std::string_view t) { return utf16(crlf(t), true); }},
        {"UTF-8 with BOM", [](std::string_view t) { return "\xEF\xBB\xBF" + crlf(t); }},
    };
    for (const auto& [name, form] : forms) {
        SCOPED_TRACE(name);
        h.session.project().clear();
        open(form);
        ASSERT_EQ(save(), ScriptSaveResult::saved);
        EXPECT_EQ(file_text(script), originals[0]);
        EXPECT_EQ(file_text(header), originals[1]);
        EXPECT_EQ(file_text(included), originals[2]);

        // Saved under a new name, the copy and the files it includes are the same bytes.
        const std::filesystem::path copy = h.folder.path() / "copy" / "copy.rc";
        ASSERT_EQ(save(copy), ScriptSaveResult::saved);
        EXPECT_EQ(file_text(copy), originals[0]);
        EXPECT_EQ(file_text(copy.parent_path() / "resource.h"), originals[1]);
        EXPECT_EQ(file_text(copy.parent_path() / "res" / "app.rc2"), originals[2]);
        std::filesystem::remove_all(copy.parent_path());
    }
}

TEST_F(ScriptSpliceTest, IncludedScriptIsReadInPlaceWithTheLanguageInForce) {
    open();
    Resource* data = h.find(numeric_custom_kind(10), u"IDR_DATA");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->language(), 0x409);
}

TEST_F(ScriptSpliceTest, StringEditsChangeOnlyTheirOwnText) {
    open();
    StringTable& table = strings();
    table.set_text(*table.find(u"IDS_HELLO"), u"Hello, world");
    ASSERT_TRUE(table.add_entry(u"IDS_NEW", u"Brand new"));
    table.remove_entry(*table.find(u"IDS_BYE"));
    h.project().set_modified(table, true);
    h.session.set_interactive(false);
    ASSERT_EQ(save(), ScriptSaveResult::saved) << narrow(h.session.log().entries().back().text);

    std::string expected(mfc_script);
    expected.replace(expected.find("\"Hello\""), 7, "\"Hello, world\"");
    expected.replace(expected.find("    IDS_BYE"), std::string("    IDS_BYE                 \"Bye\"   // leaving\n").size(),
                     "    IDS_NEW                 \"Brand new\"\n");
    EXPECT_EQ(file_text(script), expected);
    // The new identifier goes before the resource editors' block, whose next value moves past it.
    const std::string saved_header = file_text(header);
    EXPECT_NE(saved_header.find("#define IDC_HOMEPAGE                    1003\n"), std::string::npos);
    const auto added = saved_header.find("#define IDS_NEW");
    ASSERT_NE(added, std::string::npos);
    EXPECT_LT(added, saved_header.find("#ifdef APSTUDIO_INVOKED"));

    // A second save after the first starts from the file as it is now.
    table.set_text(*table.find(u"IDS_NEW"), u"Newer");
    h.project().set_modified(table, true);
    ASSERT_EQ(save(), ScriptSaveResult::saved);
    EXPECT_NE(file_text(script).find("    IDS_NEW                 \"Newer\"\n"), std::string::npos);
    EXPECT_TRUE(h.open(script));
}

TEST_F(ScriptSpliceTest, RemovedResourceTakesItsLinesAndNothingElse) {
    open();
    ASSERT_TRUE(h.project().remove(*h.find(kind::accelerator, u"IDR_MAIN"), false));
    ASSERT_EQ(save(), ScriptSaveResult::saved);
    std::string expected(mfc_script);
    const std::string table = "IDR_MAIN ACCELERATORS\nBEGIN\n    \"N\",  IDM_NEW,  VIRTKEY, CONTROL   // new file\nEND\n";
    expected.erase(expected.find(table), table.size());
    EXPECT_EQ(file_text(script), expected);
    EXPECT_EQ(file_text(header), originals[1]);
}

TEST_F(ScriptSpliceTest, ChangedResourceIsReplacedInPlaceAndReadsBack) {
    open();
    Resource* menu = h.find(kind::menu, u"IDR_MAIN");
    h.project().set_modified(*menu, true);
    ASSERT_EQ(save(), ScriptSaveResult::saved);
    const std::string saved = file_text(script);
    const std::string before_menu(mfc_script.substr(0, mfc_script.find("IDR_MAIN MENU")));
    const std::string after_menu(mfc_script.substr(mfc_script.find("\n\nSTRINGTABLE")));
    EXPECT_EQ(saved.substr(0, before_menu.size()), before_menu);
    EXPECT_EQ(saved.substr(saved.size() - after_menu.size()), after_menu);
    EXPECT_TRUE(h.open(script));
    EXPECT_NE(h.find(kind::menu, u"IDR_MAIN"), nullptr);
}

TEST_F(ScriptSpliceTest, NewResourceFollowsTheLastOfItsKindAndLanguage) {
    open();
    h.project().set_current_language(0x409);
    Resource* added = add_new_resource(h.session, kind::accelerator, 0x409, h.folder.path());
    ASSERT_NE(added, nullptr);
    ASSERT_EQ(save(), ScriptSaveResult::saved);
    const std::string saved = file_text(script);
    const std::string first_table_end = "CONTROL   // new file\nEND\n";
    const auto after_first = saved.find(first_table_end) + first_table_end.size();
    // A blank line, then the new table, then the rest as it was.
    EXPECT_EQ(saved.substr(0, after_first), std::string(mfc_script.substr(0, mfc_script.find(first_table_end) + first_table_end.size())));
    EXPECT_EQ(saved.substr(after_first, 1), "\n");
    EXPECT_EQ(saved.find(narrow(added->name_text()) + " ACCELERATORS"), after_first + 1);
    EXPECT_EQ(saved.substr(saved.find("\n\nIDR_MAIN MENU")), std::string(mfc_script.substr(mfc_script.find("\n\nIDR_MAIN MENU"))));
    EXPECT_TRUE(h.open(script));
    EXPECT_NE(h.find(kind::accelerator, added->name_text()), nullptr);
}

// A statement inside one branch is replaced there; one a conditional splits is written anew with
// the whole region kept in a comment above it.
TEST_F(ScriptSpliceTest, ConditionalsStayAndASplitStatementKeepsItsOldTextInAComment) {
    open();
    Resource* data = h.find(numeric_custom_kind(10), u"IDR_DATA");
    Resource* split = h.find(numeric_custom_kind(10), u"IDR_SPLIT");
    ASSERT_NE(data, nullptr);
    ASSERT_NE(split, nullptr);
    h.project().set_modified(*data, true);
    h.project().set_modified(*split, true);
    h.session.set_interactive(false);
    ASSERT_EQ(save(), ScriptSaveResult::saved);
    const std::string saved = file_text(included);
    EXPECT_EQ(saved.substr(0, 78), std::string(rc2.substr(0, 78)));
    EXPECT_NE(saved.find("#else\nIDR_DATA "), std::string::npos) << saved;
    EXPECT_NE(saved.find("// IDR_SPLIT RCDATA\n// BEGIN\n// #ifdef _DEBUG\n//     1, 2\n// #else\n//     3\n// #endif\n// END\n"
                         "IDR_SPLIT "),
              std::string::npos)
        << saved;
    EXPECT_EQ(h.session.log().warnings(), 1);
    EXPECT_EQ(file_text(script), originals[0]);
    EXPECT_TRUE(h.open(script));
}

// The edits of a working session: one control moved, one string added, one accelerator removed,
// one string identifier renamed. The files differ from the originals exactly there.
TEST(ScriptSpliceSession, FourEditsChangeOnlyTheirOwnPlaces) {
    StatementHarness h;
    h.session.config().include_paths = {std::filesystem::absolute("/usr/share/mingw-w64/include").u16string()};
    const std::string header_text =
        "#define IDD_ABOUT                       100\n"
        "#define IDR_KEYS                        101\n"
        "#define IDC_NAME                        1000\n"
        "#define IDS_HELLO                       1001\n"
        "#define IDS_BYE                         1002\n"
        "#define IDM_NEW                         32771\n"
        "#define IDM_OPEN                        32772\n"
        "#ifdef APSTUDIO_INVOKED\n"
        "#define _APS_NEXT_RESOURCE_VALUE        102\n"
        "#define _APS_NEXT_COMMAND_VALUE         32773\n"
        "#define _APS_NEXT_CONTROL_VALUE         1003\n"
        "#endif\n";
    const std::string script_text = crlf(
        "#include \"resource.h\"\n#include <windows.h>\n\n"
        "IDD_ABOUT DIALOGEX 0, 0, 200, 100\nCAPTION \"About\"\nBEGIN\n"
        "    EDITTEXT        IDC_NAME,10,10,100,14\nEND\n\n"
        "IDR_KEYS ACCELERATORS\nBEGIN\n    \"N\", IDM_NEW, VIRTKEY, CONTROL\n    \"O\", IDM_OPEN, VIRTKEY, CONTROL\nEND\n\n"
        "STRINGTABLE\nBEGIN\n    IDS_HELLO               \"Hello\"\n    IDS_BYE                 \"Bye\"\nEND\n");
    const auto header = h.folder.write("resource.h", header_text);
    const auto script = h.folder.write("app.rc", utf16(script_text, true));
    ASSERT_TRUE(h.open(script));

    auto* dialog = static_cast<Dialog*>(h.find(kind::dialog, u"IDD_ABOUT"));
    Control& control = *dialog->controls().front();
    DialogRect rect = control.rect();
    rect.x += 5;
    control.set_rect(rect);
    h.project().set_modified(*dialog, true);
    auto& keys = static_cast<AcceleratorTable&>(*h.find(kind::accelerator, u"IDR_KEYS"));
    keys.remove_entry(1);
    h.project().set_modified(keys, true);
    auto& table = static_cast<StringTable&>(*h.project().string_table(h.find(kind::dialog, u"IDD_ABOUT")->language()));
    ASSERT_TRUE(table.add_entry(u"IDS_ADDED", u"Added"));
    table.set_identifier(*table.find(u"IDS_BYE"), u"IDS_FAREWELL", 1002);
    ASSERT_EQ(table.value_at(*table.find(u"IDS_FAREWELL")), 1002);
    h.project().set_modified(table, true);

    ASSERT_EQ(save_script(h.session.workspace(), ScriptSave{script, u"resource.h", false, {}, false}), ScriptSaveResult::saved);
    const std::string saved = file_text(script);
    ASSERT_EQ(saved.substr(0, 2), "\xFF\xFE");
    std::string text;
    for (std::size_t i = 2; i + 1 < saved.size(); i += 2) text.push_back(saved[i]);
    // The dialog's statement is the writer's, with the control five units to the right.
    EXPECT_NE(text.find("IDC_NAME, 15, 10, 100, 14"), std::string::npos) << text;
    EXPECT_EQ(text.find("\"O\", IDM_OPEN"), std::string::npos);
    EXPECT_NE(text.find("IDM_NEW, VIRTKEY, CONTROL\r\nEND"), std::string::npos);
    EXPECT_NE(text.find("    IDS_FAREWELL            \"Bye\"\r\n    IDS_ADDED               \"Added\"\r\nEND"),
              std::string::npos) << text;
    const std::string before_dialog = "#include \"resource.h\"\r\n#include <windows.h>\r\n\r\nIDD_ABOUT DIALOGEX";
    EXPECT_EQ(text.substr(0, before_dialog.size()), before_dialog);
    const std::string saved_header = file_text(header);
    EXPECT_NE(saved_header.find("#define IDS_FAREWELL"), std::string::npos) << saved_header;
    EXPECT_EQ(saved_header.find("IDS_BYE"), std::string::npos);
    EXPECT_NE(saved_header.find("#define IDS_ADDED"), std::string::npos);
    EXPECT_NE(saved_header.find("#define IDM_OPEN                        32772\n"), std::string::npos);
    const ReadStatus again = h.open(script);
    EXPECT_TRUE(again) << (again ? "" : narrow(again.failure().message)) << " line " << (again ? 0 : again.failure().line);
}

TEST_F(ScriptSpliceTest, ScriptChangedOnDiskSinceReadingIsNotOverwritten) {
    open();
    h.project().set_modified(*h.find(kind::menu, u"IDR_MAIN"), true);
    h.folder.write("app.rc", "// edited elsewhere\n");
    h.session.set_interactive(false);
    EXPECT_EQ(save(), ScriptSaveResult::cancelled);
    EXPECT_EQ(file_text(script), "// edited elsewhere\n");
}

// Controls whose classes and styles come from <commctrl.h> and <richedit.h>, placed in a script
// that includes only <windows.h>: the save includes what they need, once.
TEST(ScriptSpliceHeaders, NewControlsBringTheStandardHeadersTheyNeed) {
    StatementHarness h;
    h.session.config().include_paths = {std::filesystem::absolute("/usr/share/mingw-w64/include").u16string()};
    for (const auto& entry : std::filesystem::directory_iterator(TAVORIN_SOURCE_DIR "/examples/sample")) {
        std::filesystem::copy(entry.path(), h.folder.path() / entry.path().filename());
    }
    const auto script = h.folder.path() / "sample.rc";
    const std::string original = file_text(script);
    ASSERT_TRUE(h.open(script));
    h.session.set_interactive(false);
    for (int round = 0; round < 2; ++round) {
        auto* dialog = static_cast<Dialog*>(h.find(kind::dialog, u"IDD_SETTINGS"));
        ASSERT_NE(dialog, nullptr);
        UndoHistory history(h.platform);
        DesignerSettings settings;
        DesignerSelection selection;
        DesignerEditing editing(*dialog, history, settings, selection);
        for (const ControlKind kind : {ControlKind::list_view, ControlKind::rich_edit}) {
            ASSERT_TRUE(editing.place_control(kind, DialogRect{10, 10, -1, -1}));
        }
        h.project().set_modified(*dialog, true);
        ASSERT_EQ(save_script(h.session.workspace(), ScriptSave{script, u"resource.h", false, {}, false}), ScriptSaveResult::saved)
            << round << ": " << (h.session.log().entries().empty() ? "" : narrow(h.session.log().entries().back().text));
    }
    const std::string saved = file_text(script);
    const std::string includes = "#include <windows.h>\n#include <commctrl.h>\n#include <richedit.h>\n\nLANGUAGE";
    EXPECT_NE(saved.find(includes), std::string::npos) << saved;
    EXPECT_EQ(saved.find("<commctrl.h>"), saved.rfind("<commctrl.h>")) << "included once";
    EXPECT_EQ(saved.substr(0, saved.find("#include <windows.h>")), original.substr(0, original.find("#include <windows.h>")));

    StatementHarness again;
    again.session.config().include_paths = h.session.config().include_paths;
    const ReadStatus read = again.open(script);
    ASSERT_TRUE(read) << (read ? "" : narrow(read.failure().message));
    const auto* dialog = static_cast<Dialog*>(again.find(kind::dialog, u"IDD_SETTINGS"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->controls().back()->kind(), ControlKind::rich_edit);
}

// A dialog kept in another tool's layout: a changed control rewrites its own line, a new one
// gets a line after its neighbour, a removed one loses its line, a new caption rewrites the
// header; the other lines keep their bytes, also at the next save.
TEST(ScriptSpliceDialogParts, OnlyTheChangedLinesOfADialogAreWritten) {
    StatementHarness h;
    h.session.config().include_paths = {std::filesystem::absolute("/usr/share/mingw-w64/include").u16string()};
    h.folder.write("resource.h", "#define IDD_ABOUT 100\n#define IDC_NAME 1000\n#define IDC_MORE 1001\n");
    const std::string before =
        "#include \"resource.h\"\n"
        "#define WS_GROUP 0x20000\n#define SS_NOPREFIX 0x80\n#define ES_AUTOHSCROLL 0x80\n#define IDOK 1\n"
        "IDD_ABOUT DIALOGEX 0, 0, 170, 62\n"
        "CAPTION \"About\"\n"
        "FONT 8, \"MS Shell Dlg\", 0, 0, 0x1\n"
        "BEGIN\n"
        "    LTEXT           \"Version 1.0\",-1,42,14,114,8,SS_NOPREFIX   // shown first\n"
        "    EDITTEXT        IDC_NAME,42,26,114,14,ES_AUTOHSCROLL\n"
        "    EDITTEXT        IDC_MORE,42,44,114,14,ES_AUTOHSCROLL\n"
        "    DEFPUSHBUTTON   \"OK\",IDOK,113,41,50,14,WS_GROUP\n"
        "END\n";
    const auto script = h.folder.write("app.rc", before);
    const ReadStatus read = h.open(script);
    ASSERT_TRUE(read) << (read ? "" : narrow(read.failure().message));
    h.session.set_interactive(false);
    const auto save = [&] {
        return save_script(h.session.workspace(), ScriptSave{script, u"resource.h", false, {}, false});
    };
    auto* dialog = static_cast<Dialog*>(h.find(kind::dialog, u"IDD_ABOUT"));
    ASSERT_NE(dialog, nullptr);
    UndoHistory history(h.platform);
    DesignerSettings settings;
    DesignerSelection selection;
    DesignerEditing editing(*dialog, history, settings, selection);
    DialogRect rect = dialog->controls()[1]->rect();
    rect.x += 1;
    ASSERT_TRUE(editing.resize_control(dialog->controls()[1]->unique_key(), rect));
    h.project().set_modified(*dialog, true);
    ASSERT_EQ(save(), ScriptSaveResult::saved);
    const std::string moved = file_text(script);
    std::string expected = before;
    expected.replace(expected.find("    EDITTEXT        IDC_NAME"), std::string("    EDITTEXT        IDC_NAME,42,26,114,14,ES_AUTOHSCROLL").size(),
                     "    EDITTEXT        IDC_NAME, 43, 26, 114, 14, ES_AUTOHSCROLL");
    EXPECT_EQ(moved, expected);

    // Then: the second edit box removed, a button placed last, the caption changed.
    ASSERT_TRUE(dialog->delete_control(dialog->controls()[2]->unique_key()));
    ASSERT_TRUE(editing.place_control(ControlKind::button, DialogRect{10, 40, 50, 14}));
    dialog->set_caption(u"About App");
    h.project().set_modified(*dialog, true);
    ASSERT_EQ(save(), ScriptSaveResult::saved);
    const std::string saved = file_text(script);
    EXPECT_EQ(saved.find("IDC_MORE"), std::string::npos) << saved;
    EXPECT_NE(saved.find("CAPTION \"About App\"\nFONT 8, \"MS Shell Dlg\", 0, 0, 1\nBEGIN\n"
                         "    LTEXT           \"Version 1.0\",-1,42,14,114,8,SS_NOPREFIX   // shown first\n"
                         "    EDITTEXT        IDC_NAME, 43, 26, 114, 14, ES_AUTOHSCROLL\n"
                         "    DEFPUSHBUTTON   \"OK\",IDOK,113,41,50,14,WS_GROUP\n"
                         "    PUSHBUTTON      \"Button1\", IDC_BUTTON1, 10, 40, 50, 14\n"
                         "END\n"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("#include \"resource.h\"\n#include <windows.h>\n#define WS_GROUP"), std::string::npos)
        << "the new STYLE line names what <windows.h> defines";
    EXPECT_TRUE(h.open(script));
}

}  // namespace
}  // namespace tavorin
