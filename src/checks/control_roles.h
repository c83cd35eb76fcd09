#pragma once
// What a control is for the checks, from its kind and style: whether it shows a text with a
// mnemonic, how that text is laid out, whether it takes the focus, whether it only frames
// others.

#include <cstddef>
#include <string>

namespace tavorin {

class Control;
class Dialog;

enum class TextLayout {
    none,          // no text the checks measure (images, owner-drawn, ellipsis styles, ...)
    single_line,   // one line per line break, never wrapped
    word_wrap,     // wrapped at word breaks as DrawText wraps
    push_button,
    push_button_multiline,
    check_mark,    // check box or radio button: box and gap before the text
    check_mark_multiline,
    group_caption,
};

TextLayout text_layout_of(const Control& control);
// Whether '&' in the text marks a mnemonic (statics with SS_NOPREFIX show it as it is).
bool uses_prefix(const Control& control);
bool is_visible(const Control& control);
// A group box, tab control or static frame, rectangle or etched line: drawn behind others.
bool is_frame(const Control& control);
// Whether the control can take the keyboard focus (statics, pictures and group boxes cannot).
bool takes_focus(const Control& control);
// How the control is named in a message: its identifier, with its text when the identifier does
// not tell it apart (IDC_STATIC, -1).
std::u16string control_label(const Control& control);
// What to look for in the dialog's statement to find the control's line.
std::u16string control_anchor(const Control& control);
// How many controls before this one in the dialog have the same anchor.
std::size_t anchor_occurrence(const Dialog& dialog, const Control& control);
// Whether the control's identifier does not tell it apart (IDC_STATIC, -1).
bool is_anonymous(const Control& control);
// The control's height for layout: a drop-down combo box's list does not count.
int layout_height(const Control& control);

}  // namespace tavorin
