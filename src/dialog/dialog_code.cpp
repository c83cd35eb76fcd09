#include "dialog/dialog_code.h"

#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/dialog_units.h"
#include "dialog/style_tables.h"
#include "dialog/window_styles.h"
#include "model/c_string_literal.h"

namespace tavorin {

namespace {

constexpr std::u16string_view class_registration =
    u"wcex.style          = CS_HREDRAW | CS_VREDRAW;\r\n"
    u"wcex.lpfnWndProc    = DefWindowProc;\r\n"
    u"wcex.hInstance      = hInst;\r\n"
    u"wcex.hIcon          = LoadIcon(0, (LPCTSTR)IDI_APPLICATION);\r\n"
    u"wcex.hCursor        = LoadCursor(NULL, IDC_ARROW);\r\n";

// The bits of a dialog style that are window styles; the low word holds the DS_ bits.
constexpr std::uint32_t window_style_bits = 0xFFFF0000;

BaseUnits base_units_of(const ScreenFont& font) { return BaseUnits{font.base_width, font.base_height}; }

// Extended styles by name, with the bits that have no name as one hexadecimal item, so that the
// argument is never left empty and no bit is lost; "0" when there is none.
std::u16string extended_style_text(std::uint32_t extended_style) {
    StyleWriter out;
    write_extended_style_names(out, extended_style);
    out.remainder(extended_style & ~out.consumed());
    out.zero_if_empty();
    return out.text();
}

// The dialog's window style: the WS_ names of its STYLE line, without the DS_ names, which only
// dialog templates understand.
std::u16string window_style_text(std::uint32_t style) {
    const std::u16string line = dialog_style_text(style);
    std::u16string names;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(u" | ", start);
        if (end == std::u16string::npos) end = line.size();
        const std::u16string_view item = std::u16string_view(line).substr(start, end - start);
        if (item.starts_with(u"WS_")) {
            if (!names.empty()) names += u" | ";
            names += item;
        }
        start = end + 3;
    }
    return names.empty() ? u"0" : names;
}

std::u16string bool_text(bool value) { return value ? u"TRUE" : u"FALSE"; }

void write_arguments(TextWriter& out, const DialogRect& rect) {
    out.write(decimal(rect.x) + u", " + decimal(rect.y) + u", " + decimal(rect.width) + u", " + decimal(rect.height));
}

void write_font(TextWriter& out, const DialogFont& font, const ScreenFont& screen, const std::u16string& number,
                const CodeContext& context) {
    // The arguments of CreateFont in order, as the designer creates the font: no width,
    // escapement, orientation, underline or strike-out, default precision, quality and pitch.
    out.write(u"HFONT hfont" + number + u" = CreateFont(");
    out.write(decimal(screen.height) + u", 0, 0, 0, " + decimal(font.weight) + u", " + bool_text(font.italic != 0) +
              u", FALSE, FALSE, " + decimal(font.character_set) + u", 0, 0, 0, 0, ");
    out.write(c_string_literal(font.face, context));
    out.write(u");");
}

void write_control(TextWriter& out, const Control& control, const std::u16string& variable,
                   const std::u16string& number, const ScreenFont& screen, const CodeContext& context) {
    const bool custom = control.kind() == ControlKind::custom;
    const std::uint32_t extended_style = control.extended_style() & ~ws::ex_no_parent_notify;

    out.write(u"HWND " + variable + u" = CreateWindowEx(");
    if (custom) {
        out.write(extended_style == 0 ? u"0" : hex_style(extended_style));
    } else {
        out.write(extended_style_text(extended_style));
    }
    out.write(u", ");
    if (custom) {
        out.write(c_string_literal(control.window_class(), context));
    } else {
        out.write(control.symbolic_class());
    }
    out.write(u", ");
    out.write(control.has_caption() ? c_string_literal(control.text(), context) : u"0");
    out.write(u", ");
    out.write(code_style_text(control.kind(), control.style()));
    out.write(u", ");
    write_arguments(out, to_pixels(control.rect(), base_units_of(screen)));
    out.write(u", hwnd" + number + u", (HMENU)");
    out.write(control.identifier());
    out.write(u", hInst, 0);");
    out.line_break();
    out.write(u"SendMessage(" + variable + u", WM_SETFONT, (WPARAM)hfont" + number + u", FALSE);");
    out.line_break();
}

}  // namespace

void write_dialog_code(TextWriter& out, const Dialog& dialog, int number, const CodeContext& context) {
    const std::u16string n = decimal(number);
    const DialogFont& font = dialog.font();
    const ScreenFont screen = context.screen_font(FontSpec{font.face, font.point_size, font.weight, font.italic != 0});

    out.write(class_registration);
    // Wrapped like every other string: a Unicode build registers a wide class name.
    out.write(u"wcex.lpszClassName  = " + c_string_literal(u"WndClass" + n, context) + u";");
    out.line_break();
    out.write(u"RegisterClassEx(&wcex);");
    out.line_break();
    out.line_break();

    write_font(out, font, screen, n, context);
    out.line_break();

    // The window is the client area in pixels plus the frame its style gives it, as a dialog
    // made from a template would be.
    DialogRect window = to_pixels(dialog.rect(), base_units_of(screen));
    const FrameSize frame = context.window_frame(dialog.style() & window_style_bits, dialog.extended_style());
    window.width += frame.width;
    window.height += frame.height;

    // Numbered like the font: one scope can build several dialogs.
    out.write(u"HWND hwnd" + n + u" = CreateWindowEx(");
    out.write(extended_style_text(dialog.extended_style()));
    out.write(u", ");
    out.write(c_string_literal(u"WndClass" + n, context));
    out.write(u", ");
    out.write(dialog.caption().empty() ? u"0" : c_string_literal(dialog.caption(), context));
    out.write(u", ");
    out.write(window_style_text(dialog.style()));
    out.write(u", ");
    write_arguments(out, window);
    out.write(u", 0, 0, hInst, 0);");
    out.line_break();

    const auto& controls = dialog.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        write_control(out, *controls[i], u"hCtrl" + n + u"_" + decimal(static_cast<std::int64_t>(i)), n, screen,
                      context);
    }
}

}  // namespace tavorin
