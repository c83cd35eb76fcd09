#pragma once
// The C code that builds a dialog at run time without a template: it registers a window class,
// creates the dialog's font, the top-level window and one child window per control, and gives
// every child the font. Geometry is converted from dialog units to pixels through the base
// units of the dialog's font on the screen the context describes.

#include "base/text_writer.h"
#include "model/code_context.h"

namespace tavorin {

class Dialog;

// The dialog's code with `number` its place in project order: class "WndClass<number>", font
// "hfont<number>", window "hwnd<number>", controls "hCtrl<number>_<index>".
void write_dialog_code(TextWriter& out, const Dialog& dialog, int number, const CodeContext& context);

}  // namespace tavorin
