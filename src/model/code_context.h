#pragma once
// What the C code generators need besides the resources: the text-macro option, and how the
// screen renders a dialog's font, from which the code's pixel geometry follows.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/platform.h"

namespace tavorin {

struct Config;

// A dialog font as the screen makes it: the height CreateFont is given (negative: a character
// height in pixels) and the dialog base units, the pixels of an average character's width and
// of a line's height, which four horizontal and eight vertical dialog units span.
struct ScreenFont {
    int height = 0;
    int base_width = 0;
    int base_height = 0;
};

using ScreenFontMeasure = std::function<ScreenFont(const FontSpec&)>;

// The pixels a window's frame adds to its client area, for a window style and extended style
// (caption, borders and edges; not scroll bars, which take their room from the client area).
struct FrameSize {
    int width = 0;
    int height = 0;
};

using WindowFrameMeasure = std::function<FrameSize(std::uint32_t style, std::uint32_t extended_style)>;

// A screen of 96 pixels per inch with "MS Shell Dlg"-like proportions: a line 1.2 times the
// character height, an average character half a line wide (8 points: 6 by 13 pixels). For
// generating code where no real font can be measured.
ScreenFont nominal_screen_font(const FontSpec& font);

// The frames of the classic Windows look at 96 pixels per inch (borders of 1, dialog frames of
// 3, sizing frames of 4, client edges of 2, captions of 19 pixels, tool-window captions of 15).
FrameSize nominal_window_frame(std::uint32_t style, std::uint32_t extended_style);

struct CodeContext {
    // Wrap string literals in the macro, as in TEXT("...").
    bool text_macro = true;
    std::u16string macro = u"TEXT";
    ScreenFontMeasure screen_font = nominal_screen_font;
    WindowFrameMeasure window_frame = nominal_window_frame;
};

// The options of the configuration (`codeGeneration` / `unicode`).
CodeContext code_context(const Config& config, ScreenFontMeasure screen_font = nominal_screen_font,
                         WindowFrameMeasure window_frame = nominal_window_frame);

}  // namespace tavorin
