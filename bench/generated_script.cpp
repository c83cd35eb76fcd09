#include "generated_script.h"

#include <fstream>
#include <string>

namespace tavorin::bench {

namespace {

constexpr int controls_per_dialog = 24;
constexpr int groups = 40;

std::size_t write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return text.size();
}

std::string styles_header() {
    return R"(#ifndef STYLES_H
#define STYLES_H
/* Window styles, as the SDK writes them. */
#define WS_OVERLAPPED       0x00000000L
#define WS_POPUP            0x80000000L
#define WS_CHILD            0x40000000L
#define WS_VISIBLE          0x10000000L
#define WS_DISABLED         0x08000000L
#define WS_CAPTION          0x00C00000L
#define WS_BORDER           0x00800000L
#define WS_VSCROLL          0x00200000L
#define WS_HSCROLL          0x00100000L
#define WS_SYSMENU          0x00080000L
#define WS_THICKFRAME       0x00040000L
#define WS_GROUP            0x00020000L
#define WS_TABSTOP          0x00010000L
#define WS_MINIMIZEBOX      0x00020000L
#define WS_MAXIMIZEBOX      0x00010000L
#define WS_OVERLAPPEDWINDOW (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | \
                             WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define DS_MODALFRAME       0x80L
#define DS_SETFONT          0x40L
#define ES_AUTOHSCROLL      0x0080L
#define BS_AUTOCHECKBOX     0x00000003L
#define SS_LEFT             0x00000000L
#define CONTROL_STYLE       (WS_CHILD | WS_VISIBLE | WS_TABSTOP)
#define MAKE_ID(base, n)    ((base) + (n))
#if defined(WS_CHILD) && WS_CHILD > 0x1000
#define HAVE_STYLES 1
#else
#define HAVE_STYLES 0
#endif
#endif
)";
}

std::string resource_header(int dialogs) {
    std::string text = "#ifndef RESOURCE_H\n#define RESOURCE_H\n// Identifiers of the generated project.\n";
    for (int d = 0; d < dialogs; ++d) text += "#define IDD_DIALOG_" + std::to_string(d) + " " + std::to_string(100 + d) + "\n";
    for (int c = 0; c < controls_per_dialog * 4; ++c) {
        text += "#define IDC_CONTROL_" + std::to_string(c) + " " + std::to_string(1000 + c) + "\n";
    }
    for (int s = 0; s < dialogs; ++s) text += "#define IDS_STRING_" + std::to_string(s) + " " + std::to_string(20000 + s) + "\n";
    text += "#endif\n";
    return text;
}

std::string group_header(int group) {
    const std::string g = std::to_string(group);
    return "#ifndef GROUP_" + g + "_H\n#define GROUP_" + g + "_H\n#include \"styles.h\"\n#define GROUP_" + g +
           "_BASE " + std::to_string(group * 100) + "\n#define GROUP_" + g + "_STYLE (CONTROL_STYLE | WS_GROUP)\n#endif\n";
}

std::string dialog(int d) {
    const std::string n = std::to_string(d);
    const std::string group = std::to_string(d % groups);
    std::string text;
    text += "#include \"group_" + group + ".h\"\n";
    text += "/* Dialog " + n + ": a long comment that the preprocessor has to blank out\n   over two lines. */\n";
    text += "IDD_DIALOG_" + n + " DIALOGEX 0, 0, 320, 240\n";
    text += "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n";
    text += "CAPTION \"Generated dialog " + n + "\"\n";
    text += "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n";
    text += "BEGIN\n";
    for (int c = 0; c < controls_per_dialog; ++c) {
        const std::string id = std::to_string((d + c) % (controls_per_dialog * 4));
        const std::string y = std::to_string(8 + c * 9);
        switch (c % 4) {
            case 0:
                text += "    LTEXT           \"Label number " + id + ":\", IDC_CONTROL_" + id + ", 7, " + y +
                        ", 80, 8  // a label\n";
                break;
            case 1:
                text += "    EDITTEXT        IDC_CONTROL_" + id + ", 90, " + y + ", 120, 12, ES_AUTOHSCROLL | NOT WS_BORDER\n";
                break;
            case 2:
                text += "    CONTROL         \"Check " + id + "\", MAKE_ID(IDC_CONTROL_0, " + id +
                        "), \"Button\", BS_AUTOCHECKBOX | GROUP_" + group + "_STYLE, 220, " + y + ", 90, 10\n";
                break;
            default:
                text += "    PUSHBUTTON      \"Button \"\"" + id + "\"\"\", IDC_CONTROL_" + id + ", 220 + GROUP_" + group +
                        "_BASE / 100, " + y + ", 50, 14, CONTROL_STYLE\n";
                break;
        }
    }
    text += "#if HAVE_STYLES && defined(IDD_DIALOG_" + n + ")\n";
    text += "    DEFPUSHBUTTON   \"OK\", 1, 263, 219, 50, 14\n";
    text += "#else\n    DEFPUSHBUTTON   \"Never\", 1, 0, 0, 1, 1\n#endif\n";
    text += "END\n\n";
    text += "STRINGTABLE\nBEGIN\n    IDS_STRING_" + n + " \"Text of string " + n + " with a \"\"quote\"\"\"\nEND\n\n";
    return text;
}

}  // namespace

GeneratedScript write_generated_script(const std::filesystem::path& folder, int dialogs) {
    std::filesystem::create_directories(folder);
    GeneratedScript result;
    result.bytes += write(folder / "styles.h", styles_header());
    result.bytes += write(folder / "resource.h", resource_header(dialogs));
    for (int g = 0; g < groups; ++g) result.bytes += write(folder / ("group_" + std::to_string(g) + ".h"), group_header(g));
    std::string script = "// Generated resource script.\n#include \"resource.h\"\n#include \"styles.h\"\n\n";
    for (int d = 0; d < dialogs; ++d) script += dialog(d);
    result.script = folder / "app.rc";
    result.bytes += write(result.script, script);
    return result;
}

}  // namespace tavorin::bench
