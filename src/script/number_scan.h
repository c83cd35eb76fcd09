#pragma once
// Numbers as resource scripts write them: "0x" or "0X" and hexadecimal digits, or decimal
// digits (a leading 0 is not octal), then C's type suffixes. A number beyond 32 bits is marked
// as too large (the value is then meaningless).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavorin {

struct ScannedNumber {
    std::uint32_t value = 0;
    std::size_t end = 0;  // after the digits and the "L"
    bool too_large = false;
};

// Nothing when `pos` is not at a decimal digit.
std::optional<ScannedNumber> scan_number(std::u16string_view text, std::size_t pos);

}  // namespace tavorin
