#include "model/code_context.h"

#include <algorithm>

#include "base/mul_div.h"
#include "services/config.h"

namespace tavorin {

namespace {

constexpr int nominal_pixels_per_inch = 96;
constexpr int points_per_inch = 72;

constexpr int border = 1;
constexpr int dialog_frame = 3;
constexpr int sizing_frame = 4;
constexpr int client_edge = 2;
constexpr int caption = 19;
constexpr int tool_caption = 15;

constexpr std::uint32_t ws_caption = 0x00C00000;
constexpr std::uint32_t ws_border = 0x00800000;
constexpr std::uint32_t ws_dlg_frame = 0x00400000;
constexpr std::uint32_t ws_thick_frame = 0x00040000;
constexpr std::uint32_t ws_ex_dlg_modal_frame = 0x1;
constexpr std::uint32_t ws_ex_tool_window = 0x80;
constexpr std::uint32_t ws_ex_client_edge = 0x200;
constexpr std::uint32_t ws_ex_static_edge = 0x20000;

}  // namespace

ScreenFont nominal_screen_font(const FontSpec& font) {
    const int character_height = mul_div(font.point_size, nominal_pixels_per_inch, points_per_inch);
    const int line_height = mul_div(character_height, 6, 5);
    return ScreenFont{-character_height, std::max(1, line_height / 2), std::max(1, line_height)};
}

// The way AdjustWindowRectEx adds up a frame: an outer and an inner border, the sizing part of a
// thick frame, the caption and the client edge.
FrameSize nominal_window_frame(std::uint32_t style, std::uint32_t extended_style) {
    int side = 0;
    if ((extended_style & (ws_ex_static_edge | ws_ex_dlg_modal_frame)) == ws_ex_static_edge) {
        side = border;
    } else if ((extended_style & ws_ex_dlg_modal_frame) != 0 || (style & (ws_thick_frame | ws_dlg_frame)) != 0) {
        side = dialog_frame - border;
    }
    if ((style & ws_thick_frame) != 0) side += sizing_frame - dialog_frame;
    if ((style & (ws_border | ws_dlg_frame)) != 0 || (extended_style & ws_ex_dlg_modal_frame) != 0) side += border;
    if ((extended_style & ws_ex_client_edge) != 0) side += client_edge;
    int top = 0;
    if ((style & ws_caption) == ws_caption) top = (extended_style & ws_ex_tool_window) != 0 ? tool_caption : caption;
    return FrameSize{2 * side, 2 * side + top};
}

CodeContext code_context(const Config& config, ScreenFontMeasure screen_font, WindowFrameMeasure window_frame) {
    return CodeContext{config.unicode_support, config.unicode_macro, std::move(screen_font),
                       std::move(window_frame)};
}

}  // namespace tavorin
