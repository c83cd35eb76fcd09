#pragma once
// Row bookkeeping shared by the list editors (string tables, accelerator tables).

#include <cstddef>
#include <span>
#include <vector>

namespace tavorin {

// The rows to delete, in the order to delete them: only rows that exist, each once, the last
// first, so that every step's row number is still right when the group is undone (last step
// first) and redone (first step first).
std::vector<std::size_t> rows_for_deletion(std::span<const std::size_t> rows, std::size_t row_count);

}  // namespace tavorin
