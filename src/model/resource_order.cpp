#include "model/resource_order.h"

#include <string_view>

#include "base/text.h"

namespace tavorin {

namespace {

int compare_ignoring_case(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t x = ascii_lower(a[i]);
        const char16_t y = ascii_lower(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

template <typename T>
int compare_values(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compare_types(const NameOrOrdinal& a, const NameOrOrdinal& b) {
    if (a.is_text != b.is_text) return a.is_text ? -1 : 1;
    if (a.is_text) return compare_ignoring_case(a.text, b.text);
    return compare_values(a.ordinal, b.ordinal);
}

}  // namespace

int compare_tree_order(const ResourceIdentity& a, const ResourceIdentity& b) {
    if (const int types = compare_types(resource_type_of(a), resource_type_of(b)); types != 0) return types;
    if (a.string_name != b.string_name) return a.string_name ? -1 : 1;
    if (const int names = compare_ignoring_case(a.name, b.name); names != 0) return names;
    return compare_values(a.language, b.language);
}

}  // namespace tavorin
