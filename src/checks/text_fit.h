#pragma once
// Whether a control's text fits it in a measured font: the space the text needs as Windows
// lays it out, in pixels.

#include <string_view>

#include "checks/control_roles.h"
#include "checks/text_measure.h"

namespace tavorin {

struct TextNeed {
    int width = 0;   // the widest line (or word, when words are wrapped), with the control's margins
    int height = 0;  // all lines, with the control's margins
    int lines = 0;
};

// The space `text` (as drawn: mnemonic markers already removed) needs in a control of the
// layout that is `available_width` pixels wide, at `dpi`. Wrapped layouts break lines at blanks
// as DrawText does with DT_WORDBREAK; a word longer than a line makes the width.
TextNeed text_need(MeasuredFont& font, TextLayout layout, std::u16string_view text, int available_width, int dpi);

}  // namespace tavorin
