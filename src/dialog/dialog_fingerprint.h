#pragma once
// What the script writer writes for a dialog's header and for each of its controls, folded into
// a number. A save compares them with the numbers taken when the statement was read and rewrites
// only the header or the control statements that changed.

#include <cstdint>

namespace tavorin {

class Control;
class Dialog;

std::uint64_t dialog_header_fingerprint(const Dialog& dialog);
std::uint64_t control_fingerprint(const Control& control);

}  // namespace tavorin
