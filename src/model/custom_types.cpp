#include "model/custom_types.h"

namespace tavorin {

ResourceKind CustomTypes::kind_for(std::u16string_view type_name) {
    if (const auto existing = find(type_name)) return *existing;
    names_.emplace_back(type_name);
    return kind::first_named_custom + static_cast<ResourceKind>(names_.size() - 1);
}

std::optional<ResourceKind> CustomTypes::find(std::u16string_view type_name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == type_name) return kind::first_named_custom + static_cast<ResourceKind>(i);
    }
    return std::nullopt;
}

std::u16string CustomTypes::name_of(ResourceKind k) const {
    if (!is_named_custom_kind(k)) return {};
    const std::size_t index = k - kind::first_named_custom;
    return index < names_.size() ? names_[index] : std::u16string{};
}

Result<std::uint16_t> parse_custom_type_ordinal(std::u16string_view text) {
    const Error invalid{std::u16string(invalid_ordinal_identifier_message)};
    if (text.empty()) return invalid;
    std::uint32_t value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9') return invalid;
        value = value * 10 + static_cast<std::uint32_t>(c - u'0');
        // A type is a 16-bit number; a longer one would silently wrap into another type.
        if (value > 0xFFFF) return invalid;
    }
    return static_cast<std::uint16_t>(value);
}

}  // namespace tavorin
