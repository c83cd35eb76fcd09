// A project made the way Visual Studio makes one (UTF-16 script with a byte-order mark, CRLF,
// comments, APSTUDIO_INVOKED blocks, TEXTINCLUDE, a .rc2 include, a header with _APS_NEXT
// values) edited in the window: one control moved, one string added, one accelerator entry
// deleted, one string identifier renamed. Saved, every file differs from what it was by those
// edits alone (the accelerator table's statement is written whole).

#include "platform/win32/windows_api.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/win32/dialog_designer.h"
#include "main_window_test_support.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/accelerator/win32/accelerator_editor.h"
#include "resources/stringtable/string_table.h"
#include "resources/stringtable/win32/string_table_editor.h"

namespace tavorin::testing {
namespace {

constexpr std::string_view script_text =
    "// Microsoft Visual C++ generated resource script.\n"
    "//\n"
    "#include \"resource.h\"\n"
    "\n"
    "#define APSTUDIO_READONLY_SYMBOLS\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "//\n"
    "// Generated from the TEXTINCLUDE 2 resource.\n"
    "//\n"
    "#include \"winres.h\"\n"
    "\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "#undef APSTUDIO_READONLY_SYMBOLS\n"
    "\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "// English (United States) resources\n"
    "\n"
    "#if !defined(AFX_RESOURCE_DLL) || defined(AFX_TARG_ENU)\n"
    "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n"
    "\n"
    "#ifdef APSTUDIO_INVOKED\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "//\n"
    "// TEXTINCLUDE\n"
    "//\n"
    "\n"
    "1 TEXTINCLUDE \n"
    "BEGIN\n"
    "    \"resource.h\\0\"\n"
    "END\n"
    "\n"
    "2 TEXTINCLUDE \n"
    "BEGIN\n"
    "    \"#include \"\"winres.h\"\"\\r\\n\"\n"
    "    \"\\0\"\n"
    "END\n"
    "\n"
    "3 TEXTINCLUDE \n"
    "BEGIN\n"
    "    \"#include \"\"res\\\\app.rc2\"\"\\r\\n\"\n"
    "    \"\\0\"\n"
    "END\n"
    "\n"
    "#endif    // APSTUDIO_INVOKED\n"
    "\n"
    "\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "//\n"
    "// Dialog\n"
    "//\n"
    "\n"
    "IDD_ABOUTBOX DIALOGEX 0, 0, 170, 62\n"
    "STYLE DS_SETFONT | DS_MODALFRAME | DS_FIXEDSYS | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
    "CAPTION \"About App\"\n"
    "FONT 8, \"MS Shell Dlg\", 0, 0, 0x1\n"
    "BEGIN\n"
    "    LTEXT           \"App, Version 1.0\",IDC_STATIC,42,14,114,8,SS_NOPREFIX\n"
    "    EDITTEXT        IDC_NAME,42,26,114,14,ES_AUTOHSCROLL\n"
    "    DEFPUSHBUTTON   \"OK\",IDOK,113,41,50,14,WS_GROUP\n"
    "END\n"
    "\n"
    "\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "//\n"
    "// Accelerator\n"
    "//\n"
    "\n"
    "IDR_MAINFRAME ACCELERATORS\n"
    "BEGIN\n"
    "    \"N\",            ID_FILE_NEW,            VIRTKEY, CONTROL, NOINVERT\n"
    "    \"O\",            ID_FILE_OPEN,           VIRTKEY, CONTROL, NOINVERT\n"
    "END\n"
    "\n"
    "\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "//\n"
    "// String Table\n"
    "//\n"
    "\n"
    "STRINGTABLE\n"
    "BEGIN\n"
    "    IDS_HELLO               \"Hello\"\n"
    "    IDS_BYE                 \"Bye\"\n"
    "END\n"
    "\n"
    "#endif    // English (United States) resources\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "\n"
    "\n"
    "\n"
    "#ifndef APSTUDIO_INVOKED\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "//\n"
    "// Generated from the TEXTINCLUDE 3 resource.\n"
    "//\n"
    "#include \"res\\app.rc2\"  // non-Microsoft Visual C++ edited resources\n"
    "\n"
    "/////////////////////////////////////////////////////////////////////////////\n"
    "#endif    // not APSTUDIO_INVOKED\n";

constexpr std::string_view header_text =
    "//{{NO_DEPENDENCIES}}\n"
    "// Microsoft Visual C++ generated include file.\n"
    "// Used by app.rc\n"
    "//\n"
    "#define IDD_ABOUTBOX                    100\n"
    "#define IDS_HELLO                       101\n"
    "#define IDS_BYE                         102\n"
    "#define IDR_MAINFRAME                   128\n"
    "#define IDC_NAME                        1000\n"
    "#define ID_FILE_NEW                     32771\n"
    "#define ID_FILE_OPEN                    32772\n"
    "\n"
    "// Next default values for new objects\n"
    "//\n"
    "#ifdef APSTUDIO_INVOKED\n"
    "#ifndef APSTUDIO_READONLY_SYMBOLS\n"
    "#define _APS_NEXT_RESOURCE_VALUE        129\n"
    "#define _APS_NEXT_COMMAND_VALUE         32773\n"
    "#define _APS_NEXT_CONTROL_VALUE         1001\n"
    "#define _APS_NEXT_SYMED_VALUE           103\n"
    "#endif\n"
    "#endif\n";

constexpr std::string_view rc2_text =
    "//\n"
    "// app.rc2 - resources Microsoft Visual C++ does not edit directly\n"
    "//\n"
    "\n"
    "#ifdef APSTUDIO_INVOKED\n"
    "#error this file is not editable by Microsoft Visual C++\n"
    "#endif //APSTUDIO_INVOKED\n"
    "\n"
    "200 RCDATA { 1, 2, 3 }   // kept as written\n";

std::string crlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string utf16_with_bom(std::string_view ascii) {
    std::string out("\xFF\xFE");
    for (const char c : ascii) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

std::string bytes_of(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a file (UTF-16 narrowed when it starts with its byte-order mark).
std::vector<std::string> lines_of(const std::string& bytes) {
    std::string text;
    if (bytes.starts_with("\xFF\xFE")) {
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) text.push_back(bytes[i]);
    } else {
        text = bytes;
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The lines removed ("-") and added ("+"), by a longest common subsequence.
std::vector<std::string> difference(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    const std::size_t n = before.size(), m = after.size();
    std::vector<std::vector<std::size_t>> common(n + 1, std::vector<std::size_t>(m + 1, 0));
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            common[i][j] = before[i] == after[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::vector<std::string> lines;
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && before[i] == after[j]) {
            ++i, ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            lines.push_back("-" + before[i++]);
        } else {
            lines.push_back("+" + after[j++]);
        }
    }
    return lines;
}

class KeptScriptEditsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        project = folder / "mfc";
        std::filesystem::create_directories(project / "res");
        write(project / "app.rc", utf16_with_bom(crlf(script_text)));
        write(project / "resource.h", crlf(header_text));
        write(project / "res" / "app.rc2", crlf(rc2_text));
        session.config().include_paths = {u"Z:\\usr\\share\\mingw-w64\\include"};
        window.emplace(app);
        ASSERT_TRUE(window->create());
        ShowWindow(window->handle(), SW_SHOWNA);
        window->open_file(project / "app.rc");
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }, 30000));
        ASSERT_TRUE(window->project_open());
    }
    void TearDown() override { window.reset(); }

    static void write(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    Resource* named(std::u16string_view name) {
        for (const auto& resource : session.project().resources()) {
            if (resource->name_text() == name) return resource.get();
        }
        return nullptr;
    }
    // With TAVORIN_KEEP_OUTPUT naming a folder, the files before and after are copied there.
    void keep(const std::filesystem::path& file, const std::string& original) {
        const char* keep_folder = std::getenv("TAVORIN_KEEP_OUTPUT");
        if (keep_folder == nullptr) return;
        const std::string name = file.filename().string();
        write(std::filesystem::path(keep_folder) / (name + ".orig"), original);
        write(std::filesystem::path(keep_folder) / name, bytes_of(file));
    }

    std::filesystem::path project;
    std::optional<MainWindow> window;
};

TEST_F(KeptScriptEditsTest, FourEditsAreTheOnlyDifferencesOfTheSavedFiles) {
    // One control moved a dialog unit to the right with the arrow key.
    auto* designer = dynamic_cast<DialogDesigner*>(open_in_tree(*window, u"IDD_ABOUTBOX"));
    ASSERT_NE(designer, nullptr);
    auto* dialog = dynamic_cast<Dialog*>(named(u"IDD_ABOUTBOX"));
    ASSERT_NE(dialog, nullptr);
    designer->select({dialog->controls()[1]->unique_key()});
    SendMessageW(designer->canvas(), WM_KEYDOWN, VK_RIGHT, 0);
    ASSERT_EQ(dialog->controls()[1]->rect().x, 43);

    // The second accelerator entry deleted.
    auto* keys = dynamic_cast<AcceleratorResourceEditor*>(open_in_tree(*window, u"IDR_MAINFRAME"));
    ASSERT_NE(keys, nullptr);
    keys->select_rows({1});
    keys->execute(EditorCommand::clear);
    ASSERT_EQ(dynamic_cast<AcceleratorTable*>(named(u"IDR_MAINFRAME"))->size(), 1u);

    // A string added with its text typed, and IDS_BYE renamed.
    auto* table = dynamic_cast<StringTable*>(session.project().string_table(0x409));
    ASSERT_NE(table, nullptr);
    auto* strings = dynamic_cast<StringTableEditor*>(open_in_tree(*window, *table));
    ASSERT_NE(strings, nullptr);
    strings->add_new_string();
    const std::size_t added = strings->selected_rows().at(0);
    strings->edit_cell(added, StringTableEditor::string_column);
    ASSERT_NE(strings->cell_editor(), nullptr);
    SetWindowTextW(strings->cell_editor(), L"Added");
    SendMessageW(strings->cell_editor(), WM_KEYDOWN, VK_RETURN, 0);
    strings->edit_cell(*table->find(u"IDS_BYE"), StringTableEditor::id_column);
    ASSERT_NE(strings->cell_editor(), nullptr);
    SetWindowTextW(strings->cell_editor(), L"IDS_FAREWELL");
    SendMessageW(strings->cell_editor(), WM_KEYDOWN, VK_RETURN, 0);
    const std::string added_name = text_to_utf8(table->entry(added).identifier);
    const std::string added_value = std::to_string(table->value_at(added));

    const std::string script_before = utf16_with_bom(crlf(script_text));
    const std::string header_before = crlf(header_text);
    SendMessageW(window->handle(), WM_COMMAND, cmd::save, 0);
    keep(project / "app.rc", script_before);
    keep(project / "resource.h", header_before);

    const std::string script_after = bytes_of(project / "app.rc");
    ASSERT_TRUE(script_after.starts_with("\xFF\xFE")) << "the script stays UTF-16 with its byte-order mark";
    EXPECT_EQ(script_after.find(std::string("\n\0", 2)), script_after.find(std::string("\r\0\n\0", 4)) + 2) << "CRLF kept";
    const std::vector<std::string> expected_script{
        "-    EDITTEXT        IDC_NAME,42,26,114,14,ES_AUTOHSCROLL\r",
        "+    EDITTEXT        IDC_NAME, 43, 26, 114, 14, ES_AUTOHSCROLL\r",
        // An accelerator table is written whole, its remaining entry in the writer's layout.
        "-    \"N\",            ID_FILE_NEW,            VIRTKEY, CONTROL, NOINVERT\r",
        "-    \"O\",            ID_FILE_OPEN,           VIRTKEY, CONTROL, NOINVERT\r",
        "+    \"N\",            ID_FILE_NEW, VIRTKEY, NOINVERT, CONTROL\r",
        "-    IDS_BYE                 \"Bye\"\r",
        "+    IDS_FAREWELL            \"Bye\"\r",
        "+    " + added_name + std::string(added_name.size() < 24 ? 24 - added_name.size() : 1, ' ') + "\"Added\"\r",
    };
    EXPECT_EQ(difference(lines_of(script_before), lines_of(script_after)), expected_script);

    const std::vector<std::string> expected_header{
        "-#define IDS_BYE                         102\r",
        "+#define IDS_FAREWELL                    102\r",
    };
    std::vector<std::string> header_difference = difference(lines_of(header_before), lines_of(bytes_of(project / "resource.h")));
    // The new string's definition and the counter it advanced.
    const auto definition = std::find_if(header_difference.begin(), header_difference.end(), [&](const std::string& line) {
        return line.starts_with("+#define " + added_name + " ") && line.ends_with(" " + added_value + "\r");
    });
    ASSERT_NE(definition, header_difference.end()) << ::testing::PrintToString(header_difference);
    header_difference.erase(definition);
    // The counter the new value came from moves past it.
    const auto counter = std::find_if(header_difference.begin(), header_difference.end(),
                                      [](const std::string& line) { return line.starts_with("+#define _APS_NEXT_"); });
    ASSERT_NE(counter, header_difference.end()) << ::testing::PrintToString(header_difference);
    EXPECT_TRUE(counter->ends_with(" " + std::to_string(std::stoi(added_value) + 1) + "\r")) << *counter;
    std::erase_if(header_difference, [](const std::string& line) { return line.find("_APS_NEXT_") != std::string::npos; });
    EXPECT_EQ(header_difference, expected_header);
    EXPECT_EQ(bytes_of(project / "res" / "app.rc2"), crlf(rc2_text));
}

}  // namespace
}  // namespace tavorin::testing
