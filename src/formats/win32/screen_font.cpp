#include "formats/win32/screen_font.h"

#include "platform/win32/windows_api.h"

#include "dialog/dialog_units.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

ScreenFont measure_screen_font(const FontSpec& font) {
    const WindowDc screen(nullptr);
    if (screen.get() == nullptr) return nominal_screen_font(font);
    const int height = -MulDiv(font.point_size, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    const UniqueFont created(CreateFontW(height, 0, 0, 0, font.weight, font.italic ? TRUE : FALSE, FALSE, FALSE,
                                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         DEFAULT_PITCH | FF_DONTCARE, wide(font.face).c_str()));
    if (!created) return nominal_screen_font(font);
    const SelectedObject selected(screen.get(), created.get());

    const std::wstring letters = wide(base_unit_letters);
    SIZE size{};
    if (!GetTextExtentPoint32W(screen.get(), letters.c_str(), static_cast<int>(letters.size()), &size) ||
        size.cx <= 0 || size.cy <= 0) {
        return nominal_screen_font(font);
    }
    const BaseUnits base = base_units_from_letters(size.cx, size.cy);
    return ScreenFont{height, base.x, base.y};
}

FrameSize measure_window_frame(std::uint32_t style, std::uint32_t extended_style) {
    RECT frame{0, 0, 0, 0};
    if (!AdjustWindowRectEx(&frame, style, FALSE, extended_style)) return nominal_window_frame(style, extended_style);
    return FrameSize{frame.right - frame.left, frame.bottom - frame.top};
}

CodeContext screen_code_context(const Config& config) {
    return code_context(config, measure_screen_font, measure_window_frame);
}

}  // namespace tavorin
