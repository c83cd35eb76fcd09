#pragma once
// A resource type or name as compiled files carry it: a 16-bit ordinal or a text.

#include <cstdint>
#include <string>

namespace tavorin {

struct NameOrOrdinal {
    std::u16string text;  // used when is_text
    std::uint16_t ordinal = 0;  // used when !is_text
    bool is_text = false;

    static NameOrOrdinal of_ordinal(std::uint16_t value) { return NameOrOrdinal{{}, value, false}; }
    static NameOrOrdinal of_text(std::u16string value) { return NameOrOrdinal{std::move(value), 0, true}; }

    friend bool operator==(const NameOrOrdinal&, const NameOrOrdinal&) = default;
};

}  // namespace tavorin
