#pragma once
// The measures of the Undo and Redo drop-down lists: 13-pixel rows, at most 12 shown before the
// list scrolls, as wide as the widest name and a margin.

#include <cstddef>

namespace tavorin {

struct UndoListLayout {
    int row_height = 13;
    int list_width = 0;
    int list_height = 0;
    int window_width = 0;
    int window_height = 0;
    bool scrolls = false;
};

// `widest_name`: the widest entry in the list's font; `scroll_bar_width`: the system's.
UndoListLayout undo_list_layout(std::size_t entries, int widest_name, int scroll_bar_width);

// How many entries a pointer at `y` (list coordinates) picks, with the list scrolled to
// `first_shown`: every entry from the first to the one under the pointer, at least one.
std::size_t undo_entries_picked(int y, std::size_t first_shown, std::size_t entries);

}  // namespace tavorin
