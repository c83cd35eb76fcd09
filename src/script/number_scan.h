#pragma once
// Numbers as resource scripts write them: "0x" or "0X" and hexadecimal digits, or decimal
// digits (a leading 0 is not octal), then at most one upper-case "L". The value wraps at 32 bits.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavorin {

struct ScannedNumber {
    std::uint32_t value = 0;
    std::size_t end = 0;  // after the digits and the "L"
};

// Nothing when `pos` is not at a decimal digit.
std::optional<ScannedNumber> scan_number(std::u16string_view text, std::size_t pos);

}  // namespace tavorin
