#pragma once
// The parts of a dialog's script statement, written alone: the lines before its BEGIN, and the
// statement of one control (without line break or indentation).

namespace tavorin {

class Control;
class Dialog;
class TextWriter;

void write_dialog_header(TextWriter& out, const Dialog& dialog);
void write_control_statement(TextWriter& out, const Dialog& dialog, const Control& control);

}  // namespace tavorin
