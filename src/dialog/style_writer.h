#pragma once
// Joins style names into one list: "A | B | NOT C | 0x00000400". The first item is preceded by
// the list's prefix (", " after the rectangle of a short control statement, nothing elsewhere),
// later items by " | ". The writer remembers which bits the names written so far cover, so
// that what is left can be written as one hexadecimal item.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavorin {

class StyleWriter {
public:
    explicit StyleWriter(std::u16string_view prefix = {}) : prefix_(prefix) {}

    // Writes `name` and counts `bits` as covered.
    void name(std::uint32_t bits, std::u16string_view name);
    // Writes `name` when every bit of `bits` is set in `style` (bits 0 never match).
    bool name_if_set(std::uint32_t style, std::uint32_t bits, std::u16string_view name);
    // "NOT name"; covers nothing.
    void negated(std::u16string_view name);
    // "0x" and eight upper-case hexadecimal digits, when `bits` is not 0; covers them.
    void remainder(std::uint32_t bits);
    // "0" when nothing was written yet: for lists that must not be empty.
    void zero_if_empty();

    std::uint32_t consumed() const { return consumed_; }
    bool empty() const { return first_; }
    const std::u16string& text() const { return text_; }

private:
    void separator();

    std::u16string_view prefix_;
    std::u16string text_;
    std::uint32_t consumed_ = 0;
    bool first_ = true;
};

// "0x" followed by exactly eight upper-case hexadecimal digits.
std::u16string hex_style(std::uint32_t value);

}  // namespace tavorin
