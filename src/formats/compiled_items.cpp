#include "formats/compiled_items.h"

#include <algorithm>

#include "base/text.h"

namespace tavorin {

namespace {

// Negative, zero or positive as for a three-way comparison. Letters are compared in upper case,
// as the Windows loader compares names when it searches a module's directory: "A_B" sorts after
// "AB" and "ABS", where lower case would put "_" before the letters.
int compare_texts(std::u16string_view a, std::u16string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t x = ascii_upper(a[i]);
        const char16_t y = ascii_upper(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int compare_item_names(const NameOrOrdinal& a, const NameOrOrdinal& b) {
    if (a.is_text != b.is_text) return a.is_text ? -1 : 1;
    if (a.is_text) return compare_texts(a.text, b.text);
    if (a.ordinal == b.ordinal) return 0;
    return a.ordinal < b.ordinal ? -1 : 1;
}

bool item_before(const ResourceItem& a, const ResourceItem& b) {
    if (const int by_type = compare_item_names(a.type(), b.type()); by_type != 0) return by_type < 0;
    if (const int by_name = compare_item_names(a.name(), b.name()); by_name != 0) return by_name < 0;
    return a.language() < b.language();
}

bool same_item_identity(const ResourceItem& a, const ResourceItem& b) {
    return !item_before(a, b) && !item_before(b, a);
}

ResourceItemList build_item_list(const Project& project) {
    ResourceItemList list;
    for (const auto& resource : project.resources()) resource->add_items(list);

    auto& items = list.items();
    std::erase_if(items, [](const ResourceItem* item) { return !item->has_binary_form(); });
    std::stable_sort(items.begin(), items.end(),
                     [](const ResourceItem* a, const ResourceItem* b) { return item_before(*a, *b); });
    // Two groups that share an image both list it; the module holds it once.
    const auto duplicate = [](const ResourceItem* a, const ResourceItem* b) {
        return a->type().is_text == false && b->type().is_text == false &&
               (a->type().ordinal == resource_type::icon || a->type().ordinal == resource_type::cursor) &&
               same_item_identity(*a, *b);
    };
    items.erase(std::unique(items.begin(), items.end(), duplicate), items.end());
    return list;
}

}  // namespace tavorin
