#pragma once
// Which of the 24 kinds a control is, from its window class and its style: how the script
// reader and the binary template reader place every control they meet.

#include <cstdint>
#include <string_view>

#include "dialog/control_kind.h"

namespace tavorin {

// Class names compare without regard to case. A Button whose type no kind stands for gives
// ControlKind::none; a Static of type 10 or 19 to 31 gives ControlKind::undecided; a class the
// catalog does not know is a Custom Control.
ControlKind deduce_kind(std::u16string_view class_name, std::uint32_t style);

}  // namespace tavorin
