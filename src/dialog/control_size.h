#pragma once
// The natural size of a control from its caption, for a click that places a control without
// dragging: buttons, check boxes, radio buttons and static texts measure their text in the
// dialog's font.

#include <optional>

#include "platform/platform.h"

namespace tavorin {

class Control;
class Dialog;

// The thickness in pixels of the preview window's left and top frame.
struct PreviewFrame {
    int left = 0;
    int top = 0;
};

// The frame the control's preview window gets from its preview styles, with the classic
// frame sizes (a client edge is 2 pixels, a static edge 1, ...).
PreviewFrame preview_frame(const Control& control);

// Dialog units; none for kinds that cannot measure themselves. A button adds twice its preview
// frame to its size; the pixels are added as they are, as the designer always has.
std::optional<TextExtent> natural_control_size(const Control& control, const Dialog& dialog, Platform& platform,
                                               const PreviewFrame& frame);

}  // namespace tavorin
