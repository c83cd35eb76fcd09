#include "ui/undo_list_layout.h"

#include <algorithm>

namespace tavorin {

namespace {
constexpr std::size_t max_rows = 12;
}

UndoListLayout undo_list_layout(std::size_t entries, int widest_name, int scroll_bar_width) {
    UndoListLayout layout;
    layout.scrolls = entries > max_rows;
    layout.list_height = layout.row_height * static_cast<int>(std::min(entries, max_rows));
    const int w = widest_name + 20 + (layout.scrolls ? scroll_bar_width : 0);
    layout.list_width = w + 10;
    layout.window_width = w + 12;
    layout.window_height = layout.list_height + 2;
    return layout;
}

std::size_t undo_entries_picked(int y, std::size_t first_shown, std::size_t entries) {
    if (entries == 0) return 0;
    const std::size_t row = y < 0 ? 0 : static_cast<std::size_t>(y / UndoListLayout{}.row_height);
    return std::clamp<std::size_t>(first_shown + row + 1, 1, entries);
}

}  // namespace tavorin
