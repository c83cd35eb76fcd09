#pragma once
// Named custom resource types. Each name met gets its own kind number above 0x10000; the
// table lives as long as the process, so the creation dialog can offer every name seen so far.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "model/resource_kind.h"

namespace tavorin {

class CustomTypes {
public:
    // The kind of the named type, entering the name when it is new. Names are compared
    // exactly: MYTYPE and MyType are two types.
    ResourceKind kind_for(std::u16string_view type_name);
    std::optional<ResourceKind> find(std::u16string_view type_name) const;
    // The name of a named custom kind; empty for any other kind.
    std::u16string name_of(ResourceKind k) const;
    // Every name, in the order met.
    const std::vector<std::u16string>& names() const { return names_; }

private:
    std::vector<std::u16string> names_;  // kind = first_named_custom + index
};

// The "Ordinal identifier" choice of the custom-type dialog: the text must be a decimal number
// that fits a 16-bit type; otherwise "Invalid ordinal identifier".
Result<std::uint16_t> parse_custom_type_ordinal(std::u16string_view text);

inline constexpr std::u16string_view invalid_ordinal_identifier_message = u"Invalid ordinal identifier";

}  // namespace tavorin
