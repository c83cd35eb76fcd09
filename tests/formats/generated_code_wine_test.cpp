// The generated C code, compiled with mingw-w64 as C and as C++ inside a small Windows program
// and run under Wine: the windows and menus it builds must have the classes, texts, styles,
// identifiers, fonts and pixel positions of the model.
//
// Pixel geometry depends on the screen, so a first program measures, under the same Wine, what
// the generator needs (each dialog font's CreateFont height and base units, each dialog frame);
// the code is generated with those measurements, and the second program reports what it built.
// The first program also asks the dialog manager for the base units of a real dialog with that
// font, which must be the ones the generator converts with.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/session.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/dialog_units.h"
#include "formats/code_generation.h"
#include "formats/header_writer.h"
#include "formats/writer_test_support.h"
#include "platform/scripted_platform.h"
#include "resources/menu/menu.h"

namespace tavorin {
namespace {

using testing::TempFolder;
using K = ControlKind;

constexpr const char* cross_c = "x86_64-w64-mingw32-gcc";
constexpr const char* cross_cxx = "x86_64-w64-mingw32-g++";

bool tool_available(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// A word for the shell, in single quotes.
std::string shell_word(const std::string& text) {
    std::string word = "'";
    for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}
std::string shell_word(const std::filesystem::path& path) { return shell_word(path.string()); }

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::string utf8(std::u16string_view text) { return text_to_utf8(text); }

// Compiles one C or C++ file into a console program; the compiler's complaints land in `log`.
bool compile(const char* compiler, const std::filesystem::path& source, const std::filesystem::path& program,
             const std::filesystem::path& log, bool unicode = true) {
    const std::string command = std::string(compiler) + (unicode ? " -DUNICODE -D_UNICODE" : "") +
                                " -Wall -Werror -Wno-int-to-pointer-cast -static -o " +
                                shell_word(program) + " " + shell_word(source) + " -lcomctl32 -lgdi32 -luser32 > " +
                                shell_word(log) + " 2>&1";
    return std::system(command.c_str()) == 0;
}

// Runs a Windows program under Wine in the project's prefix, inside a virtual display, and
// gives back what it printed.
std::string run_under_wine(const std::filesystem::path& program, const std::filesystem::path& output) {
    const std::string root = TAVORIN_SOURCE_DIR;
    const std::string command = "root=" + shell_word(root) + "; . \"$root/scripts/wine-env\"; xvfb-run -a wine " +
                                shell_word(program) + " > " + shell_word(output) + " 2>/dev/null";
    EXPECT_EQ(std::system(("bash -c " + shell_word(command)).c_str()), 0) << "running " << program;
    return read_file(output);
}

// "key v1 v2 ..." lines, by key.
std::map<std::string, std::vector<std::string>> report_lines(const std::string& text) {
    std::map<std::string, std::vector<std::string>> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto space = line.find(' ');
        if (space != std::string::npos) lines[line.substr(0, space)].push_back(line.substr(space + 1));
    }
    return lines;
}

class GeneratedCodeUnderWine : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {cross_c, cross_cxx, "wine", "xvfb-run"}) {
            if (!tool_available(tool)) GTEST_SKIP() << tool << " is not installed";
        }
        session.config().encoding = TextEncoding::utf8;
        build_project();
    }

    ControlRecord record(K kind, std::u16string text, std::u16string identifier, std::int32_t value,
                         DialogRect rect, std::uint32_t style, std::uint32_t extended_style = 0,
                         std::u16string class_name = {}) {
        ControlRecord r;
        r.kind = kind;
        r.text = std::move(text);
        r.identifier = std::move(identifier);
        r.identifier_value = value;
        r.x = rect.x;
        r.y = rect.y;
        r.width = rect.width;
        r.height = rect.height;
        r.style = style;
        r.extended_style = extended_style;
        r.class_name = std::move(class_name);
        return r;
    }

    Dialog& add_dialog(std::u16string name, DialogRect rect, std::uint32_t style, std::uint32_t extended_style,
                       std::u16string caption, DialogFont font) {
        auto dialog = std::make_unique<Dialog>(session.workspace(), true);
        dialog->identity().name = std::move(name);
        dialog->set_rect(rect);
        dialog->set_style(style, extended_style);
        dialog->set_caption(std::move(caption));
        dialog->set_font(std::move(font));
        return static_cast<Dialog&>(*session.project().add_resource(std::move(dialog)));
    }

    // A menu (index 0 in project order), a dialog with every control kind (index 1) and a
    // smaller resizable one in another font (index 2).
    void build_project() {
        auto menu = std::make_unique<Menu>(session.symbols(), false);
        menu->identity().name = u"IDR_MAIN";
        Menu& main_menu = static_cast<Menu&>(*session.project().add_resource(std::move(menu)));
        const auto item = [](std::u16string text, std::u16string id, std::uint32_t flags = 0,
                             std::u16string shortcut = {}) {
            return MenuItem{std::move(text), std::move(shortcut), std::move(id), flags, {}};
        };
        const auto popup = [](std::u16string text, MenuItems items, std::uint32_t flags = 0) {
            return MenuItem{std::move(text), {}, {}, flags | menu_flag::popup, std::move(items)};
        };
        main_menu.append_item(popup(
            u"&File", {item(u"&Open", u"IDM_OPEN", menu_flag::checked, u"Ctrl+O"),
                       MenuItem{{}, {}, {}, menu_flag::separator, {}},
                       popup(u"&Recent", {item(u"Say \"one\"", u"IDM_ONE", menu_flag::grayed),
                                          item(u"Two", u"IDM_TWO", menu_flag::column_break)}),
                       item(u"E&xit", u"IDM_EXIT", menu_flag::inactive | menu_flag::bar_break)}));
        main_menu.append_item(item(u"&Help", u"IDM_HELP", menu_flag::bar_break));
        main_menu.append_item(item(u"Caf\u00E9", u"IDM_CAFE"));

        Dialog& all = add_dialog(u"IDD_ALL", DialogRect{12, 7, 330, 260}, 0x80C800C8, 0, u"Every \"kind\"",
                                 DialogFont{8, u"MS Shell Dlg", 400, 0, 1});
        const std::vector<ControlRecord> records = {
            record(K::button, u"OK", u"IDOK", 1, {5, 5, 50, 14}, 0x50010001),
            record(K::check_box, u"Check", u"IDC_CHECK", 1001, {60, 5, 60, 10}, 0x50010003),
            record(K::edit, {}, u"IDC_EDIT", 1002, {125, 5, 60, 14}, 0x50010080, 0x200),
            record(K::combo_box, {}, u"IDC_COMBO", 1003, {190, 5, 60, 60}, 0x50210003),
            record(K::list_box, {}, u"IDC_LIST", 1004, {255, 5, 60, 40}, 0x50A10101),
            record(K::group_box, u"Group", u"IDC_STATIC", -1, {5, 25, 100, 40}, 0x50000007),
            record(K::radio_button, u"Radio", u"IDC_RADIO", 1005, {10, 35, 60, 10}, 0x50030009),
            record(K::static_text, u"Caf\u00E9 \"text\"", u"IDC_STATIC", -1, {110, 25, 70, 8}, 0x50020000),
            record(K::picture, {}, u"IDC_FRAME", 1006, {185, 25, 20, 20}, 0x50000007),
            record(K::scroll_bar, {}, u"IDC_SCROLL", 1007, {210, 25, 60, 10}, 0x50000000),
            record(K::slider, {}, u"IDC_SLIDER", 1008, {5, 70, 80, 15}, 0x50010019),
            record(K::spin, {}, u"IDC_SPIN", 1009, {90, 70, 10, 14}, 0x50000020),
            record(K::progress, {}, u"IDC_PROGRESS", 1010, {105, 70, 80, 10}, 0x50800001),
            record(K::hot_key, {}, u"IDC_HOTKEY", 1011, {190, 70, 60, 14}, 0x50010000),
            record(K::list_view, {}, u"IDC_LISTVIEW", 1012, {5, 90, 100, 50}, 0x50810001),
            record(K::tree_view, {}, u"IDC_TREE", 1013, {110, 90, 100, 50}, 0x50810007),
            record(K::tab, {}, u"IDC_TAB", 1014, {215, 90, 100, 50}, 0x50000000),
            record(K::animation, {}, u"IDC_ANIMATE", 1015, {5, 145, 40, 30}, 0x50800001),
            record(K::rich_edit, u"Rich", u"IDC_RICH", 1016, {50, 145, 80, 30}, 0x50810084),
            record(K::date_time_picker, {}, u"IDC_DATE", 1017, {135, 145, 80, 14}, 0x50010000),
            record(K::month_calendar, {}, u"IDC_MONTH", 1018, {5, 180, 140, 75}, 0x50010000),
            record(K::ip_address, {}, u"IDC_IP", 1019, {220, 145, 100, 14}, 0x50010000),
            // Placed where it is told, not at the top of its parent.
            record(K::rebar, {}, u"IDC_REBAR", 1020, {150, 180, 100, 20}, 0x5001000C),
            record(K::custom, u"Custom", u"IDC_CUSTOM", 1021, {255, 180, 60, 20}, 0x50800000, 0x4,
                   u"TavorinTestCustom"),
        };
        for (const ControlRecord& r : records) ASSERT_TRUE(all.add_control(r));

        Dialog& small = add_dialog(u"IDD_SMALL", DialogRect{40, 30, 150, 80}, 0x80CC0040, 0x0200, {},
                                   DialogFont{10, u"Tahoma", 700, 1, 0});
        ASSERT_TRUE(small.add_control(record(K::button, u"Go", u"IDC_GO", 1100, {10, 10, 40, 14}, 0x50010000)));
        ASSERT_TRUE(small.add_control(record(K::static_text, u"Right", u"IDC_STATIC", -1, {60, 10, 80, 8},
                                             0x50000002)));
    }

    std::vector<const Dialog*> dialogs() const {
        std::vector<const Dialog*> found;
        for (const auto& resource : session.project().resources()) {
            if (const auto* dialog = dynamic_cast<const Dialog*>(resource.get())) found.push_back(dialog);
        }
        return found;
    }

    int index_of(const Resource& resource) const {
        const auto& resources = session.project().resources();
        for (std::size_t i = 0; i < resources.size(); ++i) {
            if (resources[i].get() == &resource) return static_cast<int>(i);
        }
        return -1;
    }

    // The first program: for each dialog, its font as the screen makes it, the frame its style
    // adds, and the base units the dialog manager gives a dialog in that font.
    std::string measuring_program() const {
        std::string source =
            "#include <windows.h>\n#include <stdio.h>\n"
            "static INT_PTR CALLBACK nothing(HWND w, UINT m, WPARAM wp, LPARAM lp) {\n"
            "    (void)w; (void)m; (void)wp; (void)lp; return FALSE; }\n"
            "static void measure(int i, const wchar_t* face, int points, int weight, int italic, DWORD style,\n"
            "                    DWORD exstyle) {\n"
            "    HDC screen = GetDC(0);\n"
            "    int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);\n"
            "    HFONT font = CreateFontW(height, 0, 0, 0, weight, italic, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);\n"
            "    HGDIOBJ old = SelectObject(screen, font);\n"
            "    SIZE size;\n"
            "    GetTextExtentPoint32W(screen, L\"AZERTYUIOPMLKJHGFDSQWXCVBNazertyuiopmlkjhgfdsqwxcvbn\", 52, &size);\n"
            "    SelectObject(screen, old);\n"
            "    DeleteObject(font);\n"
            "    ReleaseDC(0, screen);\n"
            "    printf(\"font%d %d %d %d\\n\", i, height, MulDiv(size.cx, 1, 52), (int)size.cy);\n"
            "    RECT frame = {0, 0, 0, 0};\n"
            "    AdjustWindowRectEx(&frame, style, FALSE, exstyle);\n"
            "    printf(\"frame%d %d %d\\n\", i, (int)(frame.right - frame.left), (int)(frame.bottom - frame.top));\n"
            "    WORD tmpl[64] = {0};\n"
            "    DWORD dialog_style = WS_POPUP | DS_SETFONT;\n"
            "    tmpl[0] = LOWORD(dialog_style); tmpl[1] = HIWORD(dialog_style);\n"
            "    tmpl[12] = (WORD)points;\n"
            "    lstrcpyW((wchar_t*)&tmpl[13], face);\n"
            "    HWND dialog = CreateDialogIndirectParamW(0, (LPCDLGTEMPLATEW)tmpl, 0, nothing, 0);\n"
            "    RECT units = {0, 0, 4, 8};\n"
            "    MapDialogRect(dialog, &units);\n"
            "    printf(\"units%d %d %d\\n\", i, (int)units.right, (int)units.bottom);\n"
            "    DestroyWindow(dialog);\n"
            "}\n"
            "int main(void) {\n";
        int i = 0;
        for (const Dialog* dialog : dialogs()) {
            const DialogFont& font = dialog->font();
            source += "    measure(" + std::to_string(i++) + ", L\"" + utf8(font.face) + "\", " +
                      std::to_string(font.point_size) + ", " + std::to_string(font.weight) + ", " +
                      std::to_string(font.italic) + ", " + std::to_string(dialog->style() & 0xFFFF0000u) + "u, " +
                      std::to_string(dialog->extended_style()) + "u);\n";
        }
        source += "    return 0;\n}\n";
        return source;
    }

    // The second program: the generated code in main, then one line per window and menu item.
    std::string reporting_program() const {
        std::string source =
            "#include <windows.h>\n#include <commctrl.h>\n#include <richedit.h>\n#include <stdio.h>\n"
            "#include \"resource.h\"\n"
            "static void print_text(const wchar_t* text) {\n"
            "    char bytes[1024];\n"
            "    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, 0, 0);\n"
            "    printf(\"%s\\n\", bytes);\n"
            "}\n"
            "static void report_window(const char* key, HWND window, HWND parent, HFONT font) {\n"
            "    wchar_t name[256], text[256];\n"
            "    GetClassNameW(window, name, 256);\n"
            "    GetWindowTextW(window, text, 256);\n"
            "    RECT rect; GetWindowRect(window, &rect);\n"
            "    MapWindowPoints(0, parent, (POINT*)&rect, 2);\n"
            "    RECT client; GetClientRect(window, &client);\n"
            "    HFONT kept = (HFONT)SendMessageW(window, WM_GETFONT, 0, 0);\n"
            "    printf(\"%s %d %08lX %08lX %ld %ld %ld %ld %ld %ld %d %d \", key, GetDlgCtrlID(window),\n"
            "           (unsigned long)GetWindowLongW(window, GWL_STYLE),\n"
            "           (unsigned long)GetWindowLongW(window, GWL_EXSTYLE),\n"
            "           rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,\n"
            "           client.right, client.bottom,\n"
            "           GetParent(window) == parent, kept == 0 ? 0 : kept == font ? 1 : 2);\n"
            "    print_text(name);\n"
            "    printf(\"%s_text \", key); print_text(text);\n"
            "}\n"
            "static void report_font(const char* key, HFONT font) {\n"
            "    LOGFONTW f; GetObjectW(font, sizeof f, &f);\n"
            "    printf(\"%s %ld %ld %d %d \", key, f.lfHeight, f.lfWeight, f.lfItalic, f.lfCharSet);\n"
            "    print_text(f.lfFaceName);\n"
            "}\n"
            "static void report_menu(const char* key, HMENU menu) {\n"
            "    int count = GetMenuItemCount(menu);\n"
            "    printf(\"%s_count %d\\n\", key, count);\n"
            "    for (int i = 0; i < count; ++i) {\n"
            "        wchar_t text[256] = {0};\n"
            "        MENUITEMINFOW info = {sizeof info};\n"
            "        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;\n"
            "        info.dwTypeData = text; info.cch = 256;\n"
            "        GetMenuItemInfoW(menu, i, TRUE, &info);\n"
            "        printf(\"%s_%d %04X %04X %u %d \", key, i, info.fType, info.fState, info.wID,\n"
            "               info.hSubMenu != 0);\n"
            "        print_text(text);\n"
            "        if (info.hSubMenu) {\n"
            "            char sub[64]; sprintf(sub, \"%s_%d\", key, i); report_menu(sub, info.hSubMenu);\n"
            "        }\n"
            "    }\n"
            "}\n"
            "int main(void) {\n"
            "    INITCOMMONCONTROLSEX classes = {sizeof classes, 0x3FFF};\n"
            "    InitCommonControlsEx(&classes);\n"
            "    LoadLibraryW(L\"riched20.dll\");\n"
            "    WNDCLASSW custom = {0};\n"
            "    custom.lpfnWndProc = DefWindowProcW;\n"
            "    custom.hInstance = GetModuleHandleW(0);\n"
            "    custom.lpszClassName = L\"TavorinTestCustom\";\n"
            "    RegisterClassW(&custom);\n"
            "    {\n"
            "#include \"generated.inc\"\n";
        for (const auto& resource : session.project().resources()) {
            const std::string n = std::to_string(index_of(*resource));
            if (resource->kind() == kind::menu) source += "    report_menu(\"menu" + n + "\", hmenu" + n + ");\n";
            if (const auto* dialog = dynamic_cast<const Dialog*>(resource.get())) {
                source += "    report_font(\"font" + n + "\", hfont" + n + ");\n";
                source += "    report_window(\"dialog" + n + "\", hwnd" + n + ", 0, 0);\n";
                for (std::size_t i = 0; i < dialog->controls().size(); ++i) {
                    const std::string control = n + "_" + std::to_string(i);
                    source += "    report_window(\"control" + control + "\", hCtrl" + control + ", hwnd" + n +
                              ", hfont" + n + ");\n";
                }
            }
        }
        source += "    }\n    return 0;\n}\n";
        return source;
    }

    ScriptedPlatform platform;
    Session session{platform};
    TempFolder folder;
};

TEST_F(GeneratedCodeUnderWine, BuildsTheModelsWindowsAndMenus) {
    // Measure the screen under Wine.
    write_file(folder / "measure.c", measuring_program());
    ASSERT_TRUE(compile(cross_c, folder / "measure.c", folder / "measure.exe", folder / "measure.log"))
        << read_file(folder / "measure.log");
    auto measured = report_lines(run_under_wine(folder / "measure.exe", folder / "measure.txt"));

    std::map<std::u16string, ScreenFont> fonts;
    std::map<std::pair<std::uint32_t, std::uint32_t>, FrameSize> frames;
    const auto all_dialogs = dialogs();
    for (std::size_t i = 0; i < all_dialogs.size(); ++i) {
        const std::string n = std::to_string(i);
        ASSERT_EQ(measured["font" + n].size(), 1u) << "no measurement of dialog " << i;
        ScreenFont font;
        FrameSize frame;
        int unit_width = 0;
        int unit_height = 0;
        std::istringstream(measured["font" + n][0]) >> font.height >> font.base_width >> font.base_height;
        std::istringstream(measured["frame" + n][0]) >> frame.width >> frame.height;
        std::istringstream(measured["units" + n][0]) >> unit_width >> unit_height;
        // The base units the code converts with are the dialog manager's.
        EXPECT_EQ(font.base_width, unit_width) << "dialog " << i;
        EXPECT_EQ(font.base_height, unit_height) << "dialog " << i;
        fonts[all_dialogs[i]->font().face] = font;
        frames[{all_dialogs[i]->style() & 0xFFFF0000u, all_dialogs[i]->extended_style()}] = frame;
    }

    CodeContext context = code_context(session.config());
    context.screen_font = [&fonts](const FontSpec& font) { return fonts.at(font.face); };
    context.window_frame = [&frames](std::uint32_t style, std::uint32_t extended_style) {
        return frames.at({style & 0xFFFF0000u, extended_style});
    };

    // Generate, and build it as C and as C++.
    write_file(folder / "generated.inc", utf8(c_code_preview(session.workspace(), context)));
    TextWriter header;
    write_header(header, session.symbols(), HeaderNotation::define);
    write_file(folder / "resource.h", utf8(header.text()));
    write_file(folder / "report.c", reporting_program());
    write_file(folder / "report.cpp", reporting_program());
    ASSERT_TRUE(compile(cross_c, folder / "report.c", folder / "report_c.exe", folder / "c.log"))
        << read_file(folder / "c.log") << read_file(folder / "generated.inc");
    ASSERT_TRUE(compile(cross_cxx, folder / "report.cpp", folder / "report.exe", folder / "cpp.log"))
        << read_file(folder / "cpp.log");

    const std::string output = run_under_wine(folder / "report.exe", folder / "report.txt");
    auto lines = report_lines(output);
    const auto line = [&](const std::string& key) -> std::string {
        EXPECT_EQ(lines[key].size(), 1u) << key << " in\n" << output;
        return lines[key].empty() ? std::string() : lines[key][0];
    };

    // Menus: items in order with their flags, identifiers and texts, submenus nested.
    const std::string menu = "menu0";
    EXPECT_EQ(line(menu + "_count"), "3");
    // A popup's identifier is its submenu's handle.
    EXPECT_TRUE(line(menu + "_0").starts_with("0000 0000 ")) << line(menu + "_0");
    EXPECT_TRUE(line(menu + "_0").ends_with(" 1 &File")) << line(menu + "_0");
    EXPECT_EQ(line(menu + "_0_count"), "4");
    EXPECT_EQ(line(menu + "_0_0"), "0000 0008 " + std::to_string(session.symbols().value_of(u"IDM_OPEN")) +
                                       " 0 &Open\tCtrl+O");
    EXPECT_EQ(line(menu + "_0_1").substr(0, 4), "0800");  // MFT_SEPARATOR
    EXPECT_EQ(line(menu + "_0_2_count"), "2");
    EXPECT_EQ(line(menu + "_0_2_0"), "0000 0001 " + std::to_string(session.symbols().value_of(u"IDM_ONE")) +
                                         " 0 Say \"one\"");
    EXPECT_EQ(line(menu + "_0_2_1"), "0040 0000 " + std::to_string(session.symbols().value_of(u"IDM_TWO")) +
                                         " 0 Two");
    EXPECT_EQ(line(menu + "_0_3"), "0020 0002 " + std::to_string(session.symbols().value_of(u"IDM_EXIT")) +
                                       " 0 E&xit");
    EXPECT_EQ(line(menu + "_1"), "0020 0000 " + std::to_string(session.symbols().value_of(u"IDM_HELP")) +
                                     " 0 &Help");
    EXPECT_EQ(line(menu + "_2"), "0000 0000 " + std::to_string(session.symbols().value_of(u"IDM_CAFE")) +
                                     " 0 Caf\xC3\xA9");

    // Dialogs and controls.
    for (const Dialog* dialog : all_dialogs) {
        const std::string n = std::to_string(index_of(*dialog));
        const ScreenFont& font = fonts.at(dialog->font().face);
        const auto px = [&font](const DialogRect& r) {
            const DialogRect pixels = to_pixels(r, BaseUnits{font.base_width, font.base_height});
            return std::to_string(pixels.x) + " " + std::to_string(pixels.y) + " " + std::to_string(pixels.width) +
                   " " + std::to_string(pixels.height);
        };

        EXPECT_EQ(line("font" + n), std::to_string(font.height) + " " + std::to_string(dialog->font().weight) + " " +
                                        std::to_string(dialog->font().italic) + " " +
                                        std::to_string(dialog->font().character_set) + " " +
                                        utf8(dialog->font().face));

        // The window: its class, caption, and a client area of the dialog's size in pixels.
        std::istringstream window(line("dialog" + n));
        std::string id, style, extended_style, class_name;
        int x = 0, y = 0, width = 0, height = 0, client_width = 0, client_height = 0, top_level = 0, font_kept = 0;
        window >> id >> style >> extended_style >> x >> y >> width >> height >> client_width >> client_height >>
            top_level >> font_kept >> class_name;
        EXPECT_EQ(top_level, 1) << "dialog " << n;
        EXPECT_EQ(class_name, "WndClass" + n);
        EXPECT_EQ(line("dialog" + n + "_text"), utf8(dialog->caption()));
        const std::uint32_t window_bits = dialog->style() & 0xFFFF0000u;
        EXPECT_EQ(std::stoul(style, nullptr, 16) & window_bits, window_bits) << "dialog " << n;
        EXPECT_EQ(std::stoul(extended_style, nullptr, 16) & dialog->extended_style(), dialog->extended_style());
        EXPECT_EQ(std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(client_width) + " " +
                      std::to_string(client_height),
                  px(dialog->rect()))
            << "dialog " << n;

        for (std::size_t i = 0; i < dialog->controls().size(); ++i) {
            const Control& control = *dialog->controls()[i];
            const std::string key = "control" + n + "_" + std::to_string(i);
            std::istringstream child(line(key));
            int child_id = 0;
            std::string child_style, child_extended, child_class;
            int cx = 0, cy = 0, cw = 0, ch = 0, cc_w = 0, cc_h = 0, in_dialog = 0, font_kept = 0;
            child >> child_id >> child_style >> child_extended >> cx >> cy >> cw >> ch >> cc_w >> cc_h >> in_dialog >>
                font_kept >> child_class;
            const std::string what = key + " (kind " + std::to_string(kind_number(control.kind())) + ")";

            EXPECT_TRUE(equals_ignore_case(ascii_to_text(child_class), control.window_class())) << what;
            EXPECT_EQ(child_id, control.identifier_value()) << what;
            EXPECT_EQ(in_dialog, 1) << what;
            // Every control that keeps a font keeps the dialog's; the text kinds all do.
            EXPECT_NE(font_kept, 2) << what;
            if (is_button_kind(control.kind()) || control.kind() == K::edit || control.kind() == K::static_text) {
                EXPECT_EQ(font_kept, 1) << what;
            }
            if (control.has_caption()) {
                EXPECT_EQ(line(key + "_text"), utf8(control.text())) << what;
            }

            // Controls may add bits of their own, an edit control trades WS_BORDER for a client
            // edge, and list and combo boxes show their scroll bars only when the content needs
            // them; every other bit of the model is there.
            std::uint32_t expected_style = control.style();
            std::uint32_t expected_extended = control.extended_style() & ~0x4u;
            if (control.kind() == K::edit || control.kind() == K::rich_edit) expected_style &= ~0x00800000u;
            if (control.kind() == K::list_box || control.kind() == K::combo_box) expected_style &= ~0x00300000u;
            EXPECT_EQ(std::stoul(child_style, nullptr, 16) & expected_style, expected_style) << what;
            EXPECT_EQ(std::stoul(child_extended, nullptr, 16) & expected_extended, expected_extended) << what;

            const std::string position = std::to_string(cx) + " " + std::to_string(cy) + " " +
                                         std::to_string(cw) + " " + std::to_string(ch);
            if (control.kind() == K::spin) {
                // An up-down control without a buddy keeps a width of its own.
                const std::string expected = px(control.rect());
                EXPECT_EQ(position.substr(0, position.find(' ', position.find(' ') + 1)),
                          expected.substr(0, expected.find(' ', expected.find(' ') + 1)))
                    << what;
            } else if (control.kind() == K::combo_box) {
                // A combo box sizes its own height from its font.
                const std::string expected = px(control.rect());
                EXPECT_EQ(position.substr(0, position.rfind(' ')), expected.substr(0, expected.rfind(' '))) << what;
            } else {
                EXPECT_EQ(position, px(control.rect())) << what;
            }
        }
    }
}

// Without the text macro the literals are narrow, for a program built without UNICODE.
TEST_F(GeneratedCodeUnderWine, WithoutTheTextMacroTheCodeBuildsForAnsi) {
    session.config().unicode_support = false;
    write_file(folder / "generated.inc", utf8(c_code_preview(session.workspace(), code_context(session.config()))));
    TextWriter header;
    write_header(header, session.symbols(), HeaderNotation::define);
    write_file(folder / "resource.h", utf8(header.text()));
    write_file(folder / "report.cpp", reporting_program());
    EXPECT_TRUE(compile(cross_cxx, folder / "report.cpp", folder / "report.exe", folder / "cpp.log", false))
        << read_file(folder / "cpp.log");
}

}  // namespace
}  // namespace tavorin

#endif
