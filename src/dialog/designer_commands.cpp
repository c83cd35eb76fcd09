#include "dialog/designer_commands.h"

namespace tavorin::designer_command {

std::optional<LayoutCommand> layout_of(std::uint16_t command) {
    switch (command) {
        case align_lefts: return LayoutCommand::align_lefts;
        case align_rights: return LayoutCommand::align_rights;
        case align_tops: return LayoutCommand::align_tops;
        case align_bottoms: return LayoutCommand::align_bottoms;
        case center_vertically: return LayoutCommand::center_vertically;
        case center_horizontally: return LayoutCommand::center_horizontally;
        case space_horizontally: return LayoutCommand::space_horizontally;
        case space_vertically: return LayoutCommand::space_vertically;
        case same_width: return LayoutCommand::same_width;
        case same_height: return LayoutCommand::same_height;
        case same_size: return LayoutCommand::same_size;
        default: return std::nullopt;
    }
}

std::optional<ZOrder> z_order_of(std::uint16_t command) {
    switch (command) {
        case bring_to_front: return ZOrder::bring_to_front;
        case send_to_back: return ZOrder::send_to_back;
        case bring_forward: return ZOrder::bring_forward;
        case send_backward: return ZOrder::send_backward;
        default: return std::nullopt;
    }
}

bool enabled(std::uint16_t command, std::size_t selected, bool clipboard_empty) {
    if (const auto layout = layout_of(command)) return layout_enabled(*layout, selected);
    if (z_order_of(command)) return selected >= 1;
    switch (command) {
        case copy:
        case cut:
        case clear:
        case fit_to_contents: return selected >= 1;
        case paste:
        case paste_here: return !clipboard_empty;
        default: return true;
    }
}

}  // namespace tavorin::designer_command
