#include "compiler_input.h"

#include <array>
#include <fstream>
#include <string>

namespace tavorin::bench {

namespace {

constexpr int controls_per_dialog = 28;
constexpr int strings_per_unit = 10;
constexpr int long_strings_per_unit = 24;
constexpr int units_per_menu = 10;
constexpr int menu_items = 12;
// Ids repeat after this many units, in the next language, so that any size stays within 16 bits.
constexpr int units_per_language = 1250;
constexpr std::array<int, 16> primary_languages{0x09, 0x07, 0x0c, 0x10, 0x0a, 0x13, 0x16, 0x1d,
                                                0x15, 0x05, 0x0e, 0x19, 0x1f, 0x11, 0x12, 0x06};
constexpr int chain_depth = 8;

std::size_t write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return text.size();
}

std::string str(int n) { return std::to_string(n); }

int dialog_id(int unit) { return 100 + unit % units_per_language; }
int menu_id(int unit) { return 6000 + unit % units_per_language; }
int string_id(int unit, int k, int per_unit) { return 10000 + (unit % units_per_language) * per_unit + k; }

// How one shape writes ids and styles.
struct Spelling {
    InputShape shape;

    std::string dialog(int unit) const {
        return shape == InputShape::numbers_only ? str(dialog_id(unit)) : "IDD_DIALOG_" + str(unit);
    }
    std::string menu(int unit) const { return shape == InputShape::numbers_only ? str(menu_id(unit)) : "IDR_MENU_" + str(unit); }
    std::string string(int unit, int k) const {
        return shape == InputShape::numbers_only ? str(string_id(unit, k, strings_per_unit))
                                                 : "IDS_STRING_" + str(unit) + "_" + str(k);
    }
    std::string control(int c) const {
        if (shape == InputShape::numbers_only) return str(1000 + c);
        if (shape == InputShape::nested_macros) return "CHAIN_" + str(chain_depth) + "(IDC_CONTROL_" + str(c) + ")";
        return "IDC_CONTROL_" + str(c);
    }
    std::string command(int j) const { return shape == InputShape::numbers_only ? str(40000 + j) : "ID_COMMAND_" + str(j); }
    std::string dialog_style() const {
        return shape == InputShape::numbers_only ? "0x80C808C0" : "DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU";
    }
    std::string edit_style() const { return shape == InputShape::numbers_only ? "0x00000080" : "ES_AUTOHSCROLL | WS_TABSTOP"; }
    std::string check_style() const {
        return shape == InputShape::numbers_only ? "0x50010003" : "BS_AUTOCHECKBOX | WS_CHILD | WS_VISIBLE | WS_TABSTOP";
    }
};

std::string dialog(const Spelling& spelling, int unit) {
    const std::string n = str(unit);
    std::string text = spelling.dialog(unit) + " DIALOGEX 0, 0, 320, 240\n";
    text += "STYLE " + spelling.dialog_style() + "\n";
    text += "CAPTION \"Generated dialog " + n + "\"\n";
    text += "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n";
    text += "BEGIN\n";
    for (int c = 0; c < controls_per_dialog; ++c) {
        const std::string id = spelling.control(c);
        const std::string y = str(6 + c * 8);
        switch (c % 4) {
            case 0: text += "    LTEXT           \"Label " + str(c) + " of " + n + ":\", " + id + ", 7, " + y + ", 80, 8\n"; break;
            case 1: text += "    EDITTEXT        " + id + ", 90, " + y + ", 120, 12, " + spelling.edit_style() + "\n"; break;
            case 2:
                text += "    CONTROL         \"Check " + str(c) + "\", " + id + ", \"Button\", " + spelling.check_style() +
                        ", 220, " + y + ", 90, 10\n";
                break;
            default: text += "    PUSHBUTTON      \"Button " + str(c) + "\", " + id + ", 220, " + y + ", 50, 14\n"; break;
        }
    }
    text += "    DEFPUSHBUTTON   \"OK\", 1, 263, 219, 50, 14\nEND\n\n";
    return text;
}

std::string string_table(const Spelling& spelling, int unit) {
    std::string text = "STRINGTABLE\nBEGIN\n";
    if (spelling.shape == InputShape::nested_macros) {
        for (int k = 0; k < long_strings_per_unit; ++k) {
            text += "    " + str(string_id(unit, k, long_strings_per_unit)) + ", \"Long text " + str(k) + " of unit " +
                    str(unit) + ": " + std::string(160, 'x') + " with a \"\"quoted\"\" word and a tab\\t.\"\n";
        }
    } else {
        for (int k = 0; k < strings_per_unit; ++k) {
            text += "    " + spelling.string(unit, k) + " \"Text " + str(k) + " of unit " + str(unit) +
                    ", a sentence of ordinary length\"\n";
        }
    }
    return text + "END\n\n";
}

std::string menu(const Spelling& spelling, int unit) {
    std::string text = spelling.menu(unit) + " MENU\nBEGIN\n    POPUP \"&File\"\n    BEGIN\n";
    for (int j = 0; j < menu_items; ++j) {
        if (j == menu_items / 2) text += "        MENUITEM SEPARATOR\n";
        text += "        MENUITEM \"Command &" + str(j) + "\\tCtrl+" + str(j) + "\", " + spelling.command(j) + "\n";
    }
    return text + "    END\nEND\n\n";
}

std::string language_statement(int unit) {
    const int primary = primary_languages[(unit / units_per_language) % primary_languages.size()];
    return "LANGUAGE " + str(primary) + ", 1\n\n";
}

std::string project_header(int units) {
    std::string text = "#ifndef RESOURCE_H\n#define RESOURCE_H\n";
    for (int c = 0; c < controls_per_dialog; ++c) text += "#define IDC_CONTROL_" + str(c) + " " + str(1000 + c) + "\n";
    for (int j = 0; j < menu_items; ++j) text += "#define ID_COMMAND_" + str(j) + " " + str(40000 + j) + "\n";
    for (int u = 0; u < units; ++u) {
        text += "#define IDD_DIALOG_" + str(u) + " " + str(dialog_id(u)) + "\n";
        if (u % units_per_menu == 0) text += "#define IDR_MENU_" + str(u) + " " + str(menu_id(u)) + "\n";
        for (int k = 0; k < strings_per_unit; ++k) {
            text += "#define IDS_STRING_" + str(u) + "_" + str(k) + " " + str(string_id(u, k, strings_per_unit)) + "\n";
        }
    }
    return text + "#endif\n";
}

// The macros every unit header builds on: styles, and a chain of function-like macros.
std::string common_header() {
    std::string text = "#ifndef COMMON_H\n#define COMMON_H\n#define DS_SETFONT 0x40L\n#define DS_MODALFRAME 0x80L\n"
                       "#define WS_POPUP 0x80000000L\n#define WS_CAPTION 0x00C00000L\n#define WS_SYSMENU 0x00080000L\n"
                       "#define WS_CHILD 0x40000000L\n#define WS_VISIBLE 0x10000000L\n#define WS_TABSTOP 0x00010000L\n"
                       "#define ES_AUTOHSCROLL 0x0080L\n#define BS_AUTOCHECKBOX 0x00000003L\n#define CHAIN_0(x) (x)\n";
    for (int level = 1; level <= chain_depth; ++level) {
        text += "#define CHAIN_" + str(level) + "(x) CHAIN_" + str(level - 1) + "((x) + 0)\n";
    }
    for (int c = 0; c < controls_per_dialog; ++c) text += "#define IDC_CONTROL_" + str(c) + " (1000 + " + str(c) + ")\n";
    for (int j = 0; j < menu_items; ++j) text += "#define ID_COMMAND_" + str(j) + " CHAIN_3(40000 + " + str(j) + ")\n";
    return text + "#endif\n";
}

// One small header per unit: its ids through macros that refer to each other.
std::string unit_header(int unit) {
    const std::string n = str(unit);
    std::string text = "#ifndef UNIT_" + n + "_H\n#define UNIT_" + n + "_H\n#include \"../common.h\"\n";
    text += "#define UNIT_" + n + "_BASE " + str(dialog_id(unit)) + "\n";
    // Resource names must stay plain numbers, so their chain is of object-like macros.
    text += "#define UNIT_" + n + "_DIALOG UNIT_" + n + "_BASE\n#define IDD_DIALOG_" + n + " UNIT_" + n + "_DIALOG\n";
    text += "#define UNIT_" + n + "_MENU " + str(menu_id(unit)) + "\n#define IDR_MENU_" + n + " UNIT_" + n + "_MENU\n";
    return text + "#endif\n";
}

std::string small_resources(int unit) {
    const int id = 1 + unit % units_per_language;
    const std::string n = str(unit);
    return str(id) + " DIALOGEX 0, 0, 100, 40\nCAPTION \"Small " + n + "\"\nBEGIN\n    LTEXT \"Text " + n +
           "\", 1000, 4, 4, 90, 8\n    DEFPUSHBUTTON \"OK\", 1, 25, 20, 50, 14\nEND\n\n" + str(id) +
           " MENU\nBEGIN\n    MENUITEM \"Item " + n + "\", 40000\nEND\n\n" + str(id) + " ACCELERATORS\nBEGIN\n    \"A\", 40000, VIRTKEY, CONTROL\nEND\n\n";
}

}  // namespace

CompilerInput write_compiler_input(const std::filesystem::path& folder, int units, InputShape shape) {
    std::filesystem::create_directories(folder);
    CompilerInput result;
    const Spelling spelling{shape};
    std::string script = "// Generated resource script.\n";
    if (shape == InputShape::windows_header) {
        script += "#include <windows.h>\n#include \"resource.h\"\n\n";
        result.bytes += write(folder / "resource.h", project_header(units));
    } else if (shape == InputShape::nested_macros) {
        result.bytes += write(folder / "common.h", common_header());
        std::filesystem::create_directories(folder / "units");
    }
    for (int unit = 0; unit < units; ++unit) {
        if (unit % units_per_language == 0) script += language_statement(unit);
        if (shape == InputShape::nested_macros) {
            const std::string name = "unit_" + str(unit) + ".h";
            result.bytes += write(folder / "units" / name, unit_header(unit));
            script += "#include \"units/" + name + "\"\n";
        }
        if (shape == InputShape::many_resources) {
            script += small_resources(unit);
            continue;
        }
        script += dialog(spelling, unit);
        script += string_table(spelling, unit);
        if (unit % units_per_menu == 0) script += menu(spelling, unit);
    }
    result.script = folder / "app.rc";
    result.bytes += write(result.script, script);
    return result;
}

}  // namespace tavorin::bench
