#pragma once
// Row bookkeeping shared by the list editors (string tables, accelerator tables).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/undo_action.h"

namespace tavorin {

// The rows to delete, in the order to delete them: only rows that exist, each once, the last
// first, so that every step's row number is still right when the group is undone (last step
// first) and redone (first step first).
std::vector<std::size_t> rows_for_deletion(std::span<const std::size_t> rows, std::size_t row_count);

enum class RowChange { inserted, removed };

// The undo step of a row that was inserted at `row` or removed from it: redo repeats the
// change, undo reverses it, and both mark the table modified.
template <typename Table, typename Entry>
std::unique_ptr<Action> row_change_action(std::u16string label, RowChange change, Table& table, Project& project,
                                          std::size_t row, Entry entry, std::int32_t value) {
    std::function<void()> insert = [&table, &project, row, entry = std::move(entry), value] {
        table.insert_entry(row, entry, value);
        project.set_modified(table, true);
    };
    std::function<void()> remove = [&table, &project, row] {
        table.remove_entry(row);
        project.set_modified(table, true);
    };
    return change == RowChange::inserted
               ? std::make_unique<CallbackAction>(std::move(label), std::move(insert), std::move(remove))
               : std::make_unique<CallbackAction>(std::move(label), std::move(remove), std::move(insert));
}

}  // namespace tavorin
