#pragma once
// The natural size of a control from its caption, for a click that places a control without
// dragging: buttons, check boxes, radio buttons and static texts measure their text in the
// dialog's font.

#include <optional>

#include "platform/platform.h"

namespace tavorin {

class Control;
class Dialog;

// Dialog units; none for kinds that cannot measure themselves.
std::optional<TextExtent> natural_control_size(const Control& control, const Dialog& dialog, Platform& platform);

}  // namespace tavorin
