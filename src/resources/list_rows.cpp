#include "resources/list_rows.h"

#include <algorithm>
#include <functional>

namespace tavorin {

std::vector<std::size_t> rows_for_deletion(std::span<const std::size_t> rows, std::size_t row_count) {
    std::vector<std::size_t> ordered;
    for (std::size_t row : rows) {
        if (row < row_count) ordered.push_back(row);
    }
    std::sort(ordered.begin(), ordered.end(), std::greater<>());
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    return ordered;
}

}  // namespace tavorin
