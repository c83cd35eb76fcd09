#pragma once
// Text measured in a dialog's font at a given DPI, in pixels, as GDI measures it: the advance
// widths of the characters without kerning, and the font's cell height.

#include <memory>
#include <string_view>

#include "dialog/dialog_units.h"

namespace tavorin {

struct DialogFont;

class MeasuredFont {
public:
    virtual ~MeasuredFont() = default;
    // The width of one line of text in pixels.
    virtual int text_width(std::u16string_view text) = 0;
    // The height of a line (ascent plus descent) in pixels.
    virtual int line_height() const = 0;
    // Whether the font has a glyph for every character (other texts are not measured: Windows
    // would draw them through a linked font).
    virtual bool covers(std::u16string_view text) = 0;
    // The dialog's base units in this font, as Windows computes them: the width of the 52
    // letters A..Z, a..z divided by 52 (rounded) and the line height.
    BaseUnits base_units();
};

class FontMeasurer {
public:
    virtual ~FontMeasurer() = default;
    // The font at `dpi` dots per inch; null when no font file stands for the face.
    virtual MeasuredFont* font(const DialogFont& font, int dpi) = 0;
};

}  // namespace tavorin
