#include "resources/stringtable/string_search.h"

namespace tavorin {

std::optional<StringMatch> find_next_string(std::span<const StringEntry> entries, std::optional<std::size_t> row,
                                            const TextSearch& search) {
    const std::size_t count = entries.size();
    if (count == 0 || search.what.empty()) return std::nullopt;
    std::size_t current = row && *row < count ? *row : (search.forward ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        current = search.forward ? (current + 1) % count : (current + count - 1) % count;
        const std::u16string& text = entries[current].text;
        if (const auto at = find_in_text(text, search.forward ? 0 : text.size(), search)) {
            return StringMatch{current, *at};
        }
    }
    return std::nullopt;
}

}  // namespace tavorin
