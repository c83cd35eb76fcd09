#pragma once
// How the toolbar editor lays out its strip, and where prompts live. Cells start 10 pixels from
// the left: a button is a framed cell of the button width + 6 pixels showing the next image cut
// from the toolbar's bitmap, a separator a 10-pixel gap. A button's prompt is the entry of its
// identifier in the string table of the toolbar's language.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "resources/toolbar/toolbar.h"

namespace tavorin {

class Workspace;

inline constexpr int toolbar_strip_left = 10;
inline constexpr int toolbar_button_frame = 6;
inline constexpr int toolbar_separator_width = 10;

struct ToolbarCell {
    int left = 0;
    int width = 0;
    bool separator = false;
    // Buttons only: which button image of the bitmap, counting buttons left to right.
    std::size_t image = 0;
};

std::vector<ToolbarCell> toolbar_cells(const Toolbar& toolbar);
// The item under x, none over empty space.
std::optional<std::size_t> toolbar_item_at(const Toolbar& toolbar, int x);

// The context menu's insertions: before or after an item, or at the end on empty space.
enum class ToolbarInsert { separator_before, separator_after, button_before, button_after, separator_at_end, button_at_end };
// Inserts and returns the new item's index.
std::size_t insert_toolbar_item(Toolbar& toolbar, ToolbarInsert what, std::size_t at);

// The prompt of a button, from the string table of the toolbar's language; empty for a
// separator or a button without an entry.
std::u16string toolbar_prompt(const Toolbar& toolbar, std::size_t index, const Workspace& workspace);
// Sets or adds the entry in that string table, which is made when the language has none.
void set_toolbar_prompt(Toolbar& toolbar, std::size_t index, std::u16string_view text, Workspace& workspace);
// A new identifier for a button (refused with the identifier's message when it is none); the
// prompt of the old identifier is stored under the new one.
Status set_toolbar_button_id(Toolbar& toolbar, std::size_t index, std::u16string_view text, Workspace& workspace);

}  // namespace tavorin
