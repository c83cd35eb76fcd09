#include "services/ui_strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "services/string_ids.h"
#include "services/untranslated_strings.h"
#include "base/code_page.h"
#include "base/file_io.h"
#include "base/text.h"
#include "base/text_file.h"

namespace tavorin {
namespace {

using namespace std::string_view_literals;

// ---------------------------------------------------------------------------------------------
// The built-in English table: these texts are what the user reads and what language files are
// matched against, so each number must hold exactly its text.

struct NumberedText {
    std::uint32_t number;
    str::Id name;
    std::u16string_view text;
};

// Entries whose numbers are fixed: other parts of the program and every language file refer to
// them by number.
const NumberedText fixed_numbers[] = {
    {0, str::left, u"Left"},
    {11, str::has_been_modified, u" has been modified. Do you want to save changes?"},
    {24, str::open, u"Open"},
    {35, str::true_text, u"True"},
    {36, str::false_text, u"False"},
    {37, str::number_too_big_word, u"Number is too big (WORD value expected)."},
    {38, str::invalid_id, u"Invalid ID."},
    {45, str::only_one_manifest, u"Only one Manifest is allowed"},
    {48, str::new_project, u"New project"},
    {59, str::dialog_menu_not_found, u"MENU Statement in Dialog resources does not refer to a Menu Resource."},
    {60, str::save_project_modifications, u"Do you want to save project modifications?"},
    {78, str::remove_resource_question, u"Do you really want to remove this resource?"},
    {124, str::restart_for_changes, u"You have to restart Tavorin for the changes to take effect"},
    {128, str::right_parenthesis_expected, u"Right parenthesis expected"},
    {129, str::end_of_file, u"End of file"},
    {130, str::endif_expected, u"#endif expected"},
    {131, str::end_of_line_in_string, u"End of line encountered before the end of a character string."},
    {132, str::end_of_file_in_string, u"End of file encountered before the end of a character string."},
    {133, str::integer_value_expected, u"Integer value expected."},
    {134, str::incorrect_arguments_number, u"Incorrect arguments number"},
    {135, str::undeclared_identifier, u"undeclared identifier."},
    {136, str::control_id_expected, u"Control ID expected."},
    {137, str::character_string_expected, u"Character string expected."},
    {138, str::menu_option_expected, u"CHECKED, GRAYED, HELP, INACTIVE, MENUBARBREAK or MENUBREAK expected"},
    {139, str::end_of_file_before_endif, u"End of file encountered before #endif"},
    {140, str::identifier_expected_in_arguments, u"Identifier expected in formal arguments list"},
    {141, str::include_not_found_continue,
     u" could not be found in any include path. Do you want to continue anyway?"},
    {142, str::unexpected, u" unexpected"},
    {143, str::duplicate_string_id, u"Duplicate ID in String table"},
    {145, str::virtkey_incompatible_with_event, u"VIRTKEY incompatible with specified event."},
    {146, str::statement_expected, u"Statement expected."},
    {148, str::version_not_supported, u"VERSION is not supported"},
    {149, str::control_type_not_deduced, u"Control type couldn't be deduced."},
    {150, str::unknown_dialog_statement, u"Unknown DIALOG statement"},
    {151, str::item_or_end_expected, u"Item or END statement expected."},
    {152, str::block_expected, u"BLOCK \"StringFileInfo\" or BLOCK \"VarFileInfo\" expected."},
    {173, str::control_id_already_used, u"This ID is already used by another control of this dialog resource."},
    {174, str::error_caption, u"Error"},
    {263, str::ask_configure_includes,
     u"No include paths are configured. Do you want to configure include paths now?"},
    {400, str::slider_auto_ticks_help,
     u"Specifies that the slider will have a tick mark for each increment in its range of values."},
    {692, str::line, u"Line"},
    {829, str::type_here, u"Type here"},
    {874, str::sample_text, u"Sample text"},
    {875, str::id_already_used_in_string_table, u"ID already used in this String Table."},
    {887, str::error_in_file, u"Error in file"},
    {892, str::neutral, u"Neutral"},
    {905, str::bad_compiled_resource_header, u"Bad compiled resource header."},
    {909, str::file_exists_overwrite, u"The %1 file already exists.\r\nDo you want to overwrite it?"},
    {934, str::files_associated, u"Resource files are now associated with Tavorin."},
    {960, str::file_opened, u"%1 opened"},
    {968, str::no_available_information, u"No available information"},
    {969, str::invalid_resource_format, u"Invalid resource format. Type: %1, name: %2."},
    {979, str::invalid_pe_file, u"Invalid PE file."},
    {984, str::do_not_ask_again, u"Do not ask again"},
    {989, str::file_modified_reload, u"The file has been modified. Do you want to reload it?"},
};

TEST(BuiltInStrings, FixedNumbersHoldTheirTextsAndNames) {
    const UiStrings strings;
    for (const auto& entry : fixed_numbers) {
        SCOPED_TRACE(entry.number);
        EXPECT_EQ(entry.name, entry.number);
        EXPECT_EQ(strings.text(entry.number), entry.text);
    }
}

struct NamedText {
    str::Id name;
    std::u16string_view text;
};

// Texts of the shell, the readers and the preferences, reached by name.
const NamedText named_texts[] = {
    // Start-up, shell and conversion.
    {str::program_started, u"Tavorin started"},
    {str::file_closed, u"%1 closed"},
    {str::file_saved, u"%1 saved"},
    {str::file_type_not_supported, u"The file type is not supported."},
    {str::fatal_error, u"An error occurred. Tavorin will exit."},
    {str::save_finished, u"Save finished"},
    {str::reading_not_available, u"Reading %1 files is not available in this version."},
    // Menu bar.
    {str::menu_file, u"&File"},
    {str::menu_new_project, u"&New project...\tCtrl+N"},
    {str::menu_open_project, u"&Open project...\tCtrl+O"},
    {str::menu_save, u"&Save\tCtrl+S"},
    {str::menu_save_as, u"Save As..."},
    {str::menu_code_preview, u"Code preview"},
    {str::menu_preview_c_source, u"C/C++ source"},
    {str::menu_preview_resource, u"Resource"},
    {str::menu_close_project, u"Close project"},
    {str::menu_add_resource, u"Add a resource..."},
    {str::menu_add_accelerator, u"Accelerator"},
    {str::menu_add_bitmap, u"Bitmap"},
    {str::menu_add_cursor, u"Cursor"},
    {str::menu_add_dialog, u"Dialog\tCtrl+D"},
    {str::menu_add_icon, u"Icon"},
    {str::menu_add_manifest, u"Manifest"},
    {str::menu_add_menu, u"Menu\tCtrl+M"},
    {str::menu_add_string_table, u"String Table"},
    {str::menu_add_toolbar, u"Toolbar"},
    {str::menu_add_user_defined, u"User Defined"},
    {str::menu_add_version, u"Version Information"},
    {str::menu_new_instance, u"New instance"},
    {str::menu_quit, u"&Quit\tCtrl+Q"},
    {str::menu_edit, u"&Edit"},
    {str::menu_undo, u"Undo\tCtrl+Z"},
    {str::menu_redo, u"Redo\tCtrl+Y"},
    {str::menu_cut, u"Cut\tCtrl+X"},
    {str::menu_copy, u"Copy\tCtrl+C"},
    {str::menu_paste, u"Paste\tCtrl+V"},
    {str::menu_delete, u"Delete\tDel"},
    {str::menu_select_all, u"Select All\tCtrl+A"},
    {str::menu_view, u"&View"},
    {str::menu_resource_tree, u"Resource Tree"},
    {str::menu_properties, u"Properties"},
    {str::menu_messages, u"Messages\tCtrl+M"},
    {str::menu_auto_save_layout, u"Auto Save Layout"},
    {str::menu_options, u"&Options"},
    {str::menu_preferences, u"Preferences...\tCtrl+P"},
    {str::menu_help, u"&Help"},
    {str::menu_help_contents, u"Help\tF1"},
    {str::menu_web_page, u"Tavorin Web page"},
    {str::menu_check_update, u"Check for update"},
    {str::menu_contact_author, u"Contact author"},
    {str::menu_about, u"About"},
    // Messages window.
    {str::messages_title, u"Messages"},
    {str::messages_errors, u"Errors"},
    {str::messages_warnings, u"Warnings"},
    {str::messages_informations, u"Messages"},
    {str::messages_time, u"Time"},
    {str::messages_message, u"Message"},
    {str::messages_clear, u"Clear"},
    {str::messages_close, u"Close"},
    {str::messages_clear_question, u"Are you sure to want to clear all the messages?"},
    // Preferences dialog.
    {str::prefs_page_general, u"General"},
    {str::prefs_page_include_paths, u"Include paths"},
    {str::prefs_page_code_generation, u"Code generation"},
    {str::prefs_page_files, u"Files"},
    {str::prefs_page_script_template, u"Resource script template"},
    {str::prefs_page_dialog_editor, u"Dialog Editor"},
    {str::prefs_page_control_preferences, u"Control preferences"},
    {str::prefs_page_image_editor, u"Image Editor"},
    {str::prefs_interface_language, u"User Interface language:"},
    {str::prefs_single_tab, u"Single tab"},
    {str::prefs_multiple_tabs, u"Multiple tabs"},
    {str::prefs_associate_rc_files, u"Associate .rc files with Tavorin"},
    {str::prefs_generate_dlg_files, u"Generate separate .dlg files for Dialog resources"},
    {str::prefs_header_name_help,
     u"You can use the following variables in the header file name. For example if you open "
     u"C:\\dir\\script.rc :\n%barefilename%: file name without extension (script)\n"
     u"%filename%: file name with extension (script.rc)\n%filepath%: file path (C:\\dir)"},
    {str::prefs_define_notation, u"#define IDC_CONTROL 1000"},
    {str::prefs_equ_notation, u"IDC_CONTROL EQU 1000"},
    // Saving.
    {str::several_headers_question,
     u"Tavorin has detected several include files in this project. If you save this project, only one "
     u"resource header will contain all the resource symbols. Do you want to continue?"},
    {str::status_saving, u"Saving..."},
    {str::status_exporting, u"Exporting..."},
    {str::status_exportation_finished, u"Exportation finished!"},
    // Update check.
    {str::update_in_progress_restart,
     u"An update in already in progress. You must restart Tavorin to finish it.\n"
     u"Do you want to restart Tavorin now?"},
    {str::update_info_unavailable,
     u"Cannot retrieve update information.\r\nCheck that your computer has an internet connection."},
    {str::update_latest_version, u"You already have the latest version of Tavorin"},
    {str::update_available, u"Tavorin %1 is available.\r\nDo you want to update Tavorin?"},
    {str::update_restart_to_finish,
     u"Tavorin needs to restart to finish the update.\nDo you want to restart Tavorin now?"},
    // Script reader.
    {str::character_unexpected, u"' ' character unexpected"},
    {str::character_expected, u"'?' character expected."},
    {str::begin_expected, u"BEGIN or { expected."},
    {str::end_expected, u"END or } expected."},
    {str::too_many_controls, u"The maximal number of controls have been created."},
    // Compiled readers.
    {str::resource_import_failed, u"An error occurred while importing a resource"},
    {str::no_resource_in_pe_file, u"No resource found in PE file."},
};

TEST(BuiltInStrings, NamedTextsHoldTheirTexts) {
    const UiStrings strings;
    for (const auto& entry : named_texts) {
        SCOPED_TRACE(entry.name);
        EXPECT_LT(entry.name, UiStrings::count);
        EXPECT_EQ(strings.text(entry.name), entry.text);
    }
}

TEST(BuiltInStrings, NoTwoNamesShareANumber) {
    std::vector<str::Id> numbers;
    for (const auto& entry : fixed_numbers) numbers.push_back(entry.name);
    for (const auto& entry : named_texts) numbers.push_back(entry.name);
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
}

// The file dialogs take these as one buffer of description/pattern pairs, so the NULs are part
// of the text and the double NUL marks its end.
TEST(BuiltInStrings, FileDialogFiltersArePairsSeparatedByNul) {
    const UiStrings strings;
    EXPECT_EQ(strings.text(919),
              u"All compatible files\0*.rc;*.dlg;*.mui;*.dll;*.exe;*.ocx;*.res\0"
              u"Resource Scripts (*.rc, *.dlg)\0*.rc;*.dlg\0"
              u"Portable Executable Files (*.exe, *.dll, *.ocx, *.mui)\0*.exe;*.dll;*.ocx;*.mui\0"
              u"Compiled Resource Scripts (*.res)\0*.res\0\0"sv);
    EXPECT_EQ(strings.text(920),
              u"Resource Scripts (*.rc, *.dlg)\0*.rc;*.dlg\0"
              u"Portable Executable Files (*.exe, *.dll, *.ocx, *.mui)\0*.exe;*.dll;*.ocx;*.mui\0"
              u"Compiled Resource Scripts (*.res)\0*.res\0"
              u"C/C++ Source Files (*.c, *.cpp)\0*.c;*.cpp\0\0"sv);
    EXPECT_EQ(str::open_filter, 919u);
    EXPECT_EQ(str::save_filter, 920u);
}

TEST(BuiltInStrings, UntranslatedTableFollowsFromNumberFFFF) {
    const std::u16string_view expected[] = {
        u"ANSI", u"UNICODE",
        u"VOS_UNKNOWN", u"VOS_DOS", u"VOS_OS216", u"VOS_OS232", u"VOS_NT", u"VOS_WINCE",
        u"VOS__WINDOWS16", u"VOS__PM16", u"VOS__PM32", u"VOS__WINDOWS32", u"VOS_DOS_WINDOWS16",
        u"VOS_DOS_WINDOWS32", u"VOS_OS216_PM16", u"VOS_OS232_PM32", u"VOS_NT_WINDOWS32",
        u"File Flags",
        u"VFT_UNKNOWN", u"VFT_APP", u"VFT_DLL", u"VFT_DRV", u"VFT_FONT", u"VFT_VXD", u"VFT_STATIC_LIB",
        u"VFT2_UNKNOWN", u"VFT2_DRV_COMM", u"VFT2_DRV_PRINTER", u"VFT2_DRV_KEYBOARD", u"VFT2_DRV_LANGUAGE",
        u"VFT2_DRV_DISPLAY", u"VFT2_DRV_MOUSE", u"VFT2_DRV_NETWORK", u"VFT2_DRV_SYSTEM",
        u"VFT2_DRV_INSTALLABLE", u"VFT2_DRV_SOUND", u"VFT2_DRV_VERSIONED_PRINTER", u"VFT2_FONT_RASTER",
        u"VFT2_FONT_VECTOR", u"VFT2_FONT_TRUETYPE",
    };
    static_assert(std::size(expected) == UiStrings::untranslated_count);
    const UiStrings strings;
    for (std::uint32_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(strings.text(0xFFFF + i), expected[i]);
    }
    EXPECT_EQ(strings.text(0x10026), u"VFT2_FONT_TRUETYPE");
}

TEST(BuiltInStrings, NumbersOutsideBothTablesAreEmpty) {
    const UiStrings strings;
    EXPECT_EQ(strings.text(UiStrings::count), u"");
    EXPECT_EQ(strings.text(0xFFFE), u"");
    EXPECT_EQ(strings.text(0xFFFF + 40), u"");
    EXPECT_EQ(strings.text(0xFFFFFFFF), u"");
}

// The built-in table is the English language file compiled in: it must keep the file format
// exactly, or every later entry would shift.
TEST(BuiltInStrings, EnglishFileHasOneLinePerEntryEndingInCrLf) {
    const auto path = std::filesystem::path(TAVORIN_SOURCE_DIR) / "data" / "strings" / "English.txt";
    auto bytes = read_file_bytes(path);
    ASSERT_TRUE(bytes.ok());
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i) {
        const auto byte = (*bytes)[i];
        if (byte == '\r') {
            ASSERT_TRUE(i + 1 < bytes->size() && (*bytes)[i + 1] == '\n') << "lone CR at byte " << i;
            ++lines;
            ++i;
        } else {
            ASSERT_NE(byte, '\n') << "lone LF at byte " << i;
        }
    }
    EXPECT_EQ(lines, UiStrings::count);
    ASSERT_FALSE(bytes->empty());
    EXPECT_EQ(bytes->back(), '\n');
}

// ---------------------------------------------------------------------------------------------
// Language files replace entries line by line.

// A language file of `line_count` lines whose line k reads "T<k>".
std::u16string numbered_language_file(std::size_t line_count) {
    std::u16string text;
    for (std::size_t k = 0; k < line_count; ++k) {
        text += u'T';
        text += utf8_to_text(std::to_string(k));
        text += u"\r\n";
    }
    return text;
}

TEST(LanguageFile, TenLinesReplaceTheFirstTenEntriesOnly) {
    UiStrings strings;
    strings.install_language_text(numbered_language_file(10));
    EXPECT_EQ(strings.text(0), u"T0");
    EXPECT_EQ(strings.text(9), u"T9");
    EXPECT_EQ(strings.text(11), u" has been modified. Do you want to save changes?");
    EXPECT_EQ(strings.text(174), u"Error");
}

TEST(LanguageFile, EmptyLineKeepsTheBuiltInEntry) {
    std::u16string text;
    for (int k = 0; k < 177; ++k) text += k == 174 ? u"\r\n" : u"x\r\n";
    UiStrings strings;
    strings.install_language_text(text);
    EXPECT_EQ(strings.text(173), u"x");
    EXPECT_EQ(strings.text(174), u"Error");
    EXPECT_EQ(strings.text(175), u"x");
}

TEST(LanguageFile, EscapesGiveTheirCharacters) {
    UiStrings strings;
    strings.install_language_text(u"first\\nsecond\r\ntab\\there\r\n\\\"q\\\" \\\\ \\'a\\' \\?\r\nA\\0B\\0\\0");
    EXPECT_EQ(strings.text(0), u"first\nsecond");
    EXPECT_EQ(strings.text(1), u"tab\there");
    EXPECT_EQ(strings.text(2), u"\"q\" \\ 'a' ?");
    EXPECT_EQ(strings.text(3), u"A\0B\0\0"sv);  // the last line needs no line break
}

TEST(LanguageFile, BackslashBeforeAnyOtherCharacterEndsTheEntry) {
    UiStrings strings;
    strings.install_language_text(u"C:\\dir\r\n\\x is cut\r\nend\\");
    EXPECT_EQ(strings.text(0), u"C:");
    EXPECT_EQ(strings.text(1), u"");  // the line is not empty, so it replaces the entry
    EXPECT_EQ(strings.text(2), u"end");
}

TEST(LanguageFile, LoneCrAndLoneLfAlsoEndLines) {
    UiStrings strings;
    strings.install_language_text(u"\na\rb\r\nc");
    EXPECT_EQ(strings.text(0), u"Left");  // the empty line
    EXPECT_EQ(strings.text(1), u"a");
    EXPECT_EQ(strings.text(2), u"b");
    EXPECT_EQ(strings.text(3), u"c");
}

TEST(LanguageFile, LinesPastTheLastEntryAreIgnored) {
    UiStrings strings;
    strings.install_language_text(numbered_language_file(UiStrings::count + 100));
    EXPECT_EQ(strings.text(UiStrings::count - 1), u"T" + decimal(UiStrings::count - 1));
    EXPECT_EQ(strings.text(UiStrings::count), u"");
    EXPECT_EQ(parse_language_lines(numbered_language_file(UiStrings::count + 100)).size(), UiStrings::count);
}

TEST(LanguageFile, InstallingAgainStartsFromTheBuiltInTable) {
    UiStrings strings;
    strings.install_language_text(u"Links\r\nRechts\r\n");
    strings.install_language_text(u"\r\nDroite\r\n");
    EXPECT_EQ(strings.text(0), u"Left");
    EXPECT_EQ(strings.text(1), u"Droite");
}

TEST(LanguageFile, UntranslatedTableIgnoresTheLanguageFile) {
    UiStrings strings;
    strings.install_language_text(numbered_language_file(990));
    EXPECT_EQ(strings.text(0xFFFF), u"ANSI");
    EXPECT_EQ(strings.text(0xFFFF + 17), u"File Flags");
    EXPECT_EQ(strings.text(0xFFFF + 40), u"");
}

TEST(LanguageFile, ResetRestoresTheBuiltInTable) {
    UiStrings strings;
    strings.install_language_text(u"Links\r\n");
    strings.reset_to_built_in();
    EXPECT_EQ(strings.text(0), u"Left");
}

// ---------------------------------------------------------------------------------------------
// Language files on disk and the list of languages.

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tavorin_ui_strings_test_" + std::to_string(random()) + "_" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path write(const std::filesystem::path& name, std::span<const std::uint8_t> bytes) const {
        const auto path = path_ / name;
        EXPECT_TRUE(write_file_atomically(path, bytes).ok());
        return path;
    }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> utf16le_bytes(std::u16string_view text) {
    std::vector<std::uint8_t> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

std::vector<std::uint8_t> plain_bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(LanguageFileOnDisk, Utf16WithoutByteOrderMarkIsReadAndInstalled) {
    TempFolder folder;
    const auto path = folder.write("Deutsch.txt", utf16le_bytes(u"Links\r\n\r\nSchlie\u00DFen\\n\u00D6ffnen\r\n"));
    auto file = read_text_file(path, windows1252_to_text);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->encoding, DetectedEncoding::utf16le);

    UiStrings strings;
    strings.install_language_text(file->text);
    EXPECT_EQ(strings.text(0), u"Links");
    EXPECT_EQ(strings.text(1), u"");  // empty in both the file and the built-in table
    EXPECT_EQ(strings.text(2), u"Schlie\u00DFen\n\u00D6ffnen");
    EXPECT_EQ(strings.text(11), u" has been modified. Do you want to save changes?");
}

TEST(LanguageFileOnDisk, Utf8IsReadAndInstalled) {
    TempFolder folder;
    const auto path = folder.write("Francais.txt", plain_bytes("Gauche\r\nFerm\xC3\xA9\r\n"));
    auto file = read_text_file(path, windows1252_to_text);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->encoding, DetectedEncoding::utf8);

    UiStrings strings;
    strings.install_language_text(file->text);
    EXPECT_EQ(strings.text(0), u"Gauche");
    EXPECT_EQ(strings.text(1), u"Ferm\u00E9");
}

TEST(LanguageFileOnDisk, LatinOneBytesAreReadAsAnsi) {
    TempFolder folder;
    const auto path = folder.write("Espanol.txt", plain_bytes("Izquierda\r\nAtr\xE1s\r\n"));
    auto file = read_text_file(path, windows1252_to_text);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->encoding, DetectedEncoding::ansi);

    UiStrings strings;
    strings.install_language_text(file->text);
    EXPECT_EQ(strings.text(1), u"Atr\u00E1s");
}

TEST(LanguageList, EnglishFirstThenEveryTextFileOfTheFolder) {
    TempFolder folder;
    folder.write("Deutsch.txt", plain_bytes("Links\r\n"));
    folder.write("Francais.TXT", plain_bytes("Gauche\r\n"));
    folder.write("readme.md", plain_bytes("not a language\r\n"));
    folder.write("Deutsch.txt.bak", plain_bytes("Links\r\n"));
    std::filesystem::create_directories(folder.path() / "Folder.txt");

    auto names = language_list(folder.path());
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), u"English");
    std::vector<std::u16string> found(names.begin() + 1, names.end());
    std::sort(found.begin(), found.end());  // the file system decides the order
    EXPECT_EQ(found, (std::vector<std::u16string>{u"Deutsch", u"Francais"}));
}

TEST(LanguageList, MissingFolderGivesEnglishOnly) {
    TempFolder folder;
    EXPECT_EQ(language_list(folder.path() / "languages"), std::vector<std::u16string>{u"English"});
}

}  // namespace
}  // namespace tavorin
