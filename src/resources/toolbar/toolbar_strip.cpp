#include "resources/toolbar/toolbar_strip.h"

#include <algorithm>

#include "model/workspace.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {

std::vector<ToolbarCell> toolbar_cells(const Toolbar& toolbar) {
    std::vector<ToolbarCell> cells;
    int left = toolbar_strip_left;
    std::size_t image = 0;
    for (const ToolbarItem& item : toolbar.items()) {
        ToolbarCell cell;
        cell.left = left;
        cell.separator = item.separator();
        cell.width = cell.separator ? toolbar_separator_width
                                    : static_cast<int>(toolbar.button_width()) + toolbar_button_frame;
        if (!cell.separator) cell.image = image++;
        left += cell.width;
        cells.push_back(cell);
    }
    return cells;
}

std::optional<std::size_t> toolbar_item_at(const Toolbar& toolbar, int x) {
    const std::vector<ToolbarCell> cells = toolbar_cells(toolbar);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (x >= cells[i].left && x < cells[i].left + cells[i].width) return i;
    }
    return std::nullopt;
}

std::size_t insert_toolbar_item(Toolbar& toolbar, ToolbarInsert what, std::size_t at) {
    const std::size_t count = toolbar.items().size();
    std::size_t index = count;
    switch (what) {
        case ToolbarInsert::separator_before:
        case ToolbarInsert::button_before: index = std::min(at, count); break;
        case ToolbarInsert::separator_after:
        case ToolbarInsert::button_after: index = std::min(at + 1, count); break;
        default: break;
    }
    const bool separator = what == ToolbarInsert::separator_before || what == ToolbarInsert::separator_after ||
                           what == ToolbarInsert::separator_at_end;
    if (separator) {
        toolbar.insert_separator(index);
    } else {
        toolbar.insert_new_button(index);
    }
    return index;
}

std::u16string toolbar_prompt(const Toolbar& toolbar, std::size_t index, const Workspace& workspace) {
    if (index >= toolbar.items().size() || toolbar.items()[index].separator()) return {};
    const auto* table = dynamic_cast<const StringTable*>(workspace.project().string_table(toolbar.language()));
    if (table == nullptr) return {};
    const std::u16string* text = table->text_of(toolbar.items()[index].id);
    return text != nullptr ? *text : std::u16string();
}

void set_toolbar_prompt(Toolbar& toolbar, std::size_t index, std::u16string_view text, Workspace& workspace) {
    if (index >= toolbar.items().size() || toolbar.items()[index].separator()) return;
    StringTable& table = string_table_for(workspace, toolbar.language());
    const std::u16string stored(text);
    table.set_or_add(toolbar.items()[index].id, &stored);
    workspace.project().set_modified(table, true);
}

Status set_toolbar_button_id(Toolbar& toolbar, std::size_t index, std::u16string_view text, Workspace& workspace) {
    if (index >= toolbar.items().size() || toolbar.items()[index].separator()) return Error{u"No such button"};
    const std::u16string prompt = toolbar_prompt(toolbar, index, workspace);
    const Status set = toolbar.set_button_id(index, text, workspace.strings());
    if (!set) return set;
    if (!prompt.empty()) set_toolbar_prompt(toolbar, index, prompt, workspace);
    return success();
}

}  // namespace tavorin
