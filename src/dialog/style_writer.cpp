#include "dialog/style_writer.h"

#include "base/text.h"

namespace tavorin {

void StyleWriter::separator() {
    text_ += first_ ? prefix_ : std::u16string_view(u" | ");
    first_ = false;
}

void StyleWriter::name(std::uint32_t bits, std::u16string_view name) {
    separator();
    text_ += name;
    consumed_ |= bits;
}

bool StyleWriter::name_if_set(std::uint32_t style, std::uint32_t bits, std::u16string_view name) {
    if (bits == 0 || (style & bits) != bits) return false;
    this->name(bits, name);
    return true;
}

void StyleWriter::negated(std::u16string_view name) {
    separator();
    text_ += u"NOT ";
    text_ += name;
}

void StyleWriter::remainder(std::uint32_t bits) {
    if (bits == 0) return;
    separator();
    text_ += hex_style(bits);
    consumed_ |= bits;
}

void StyleWriter::zero_if_empty() {
    if (!first_) return;
    separator();
    text_ += u"0";
}

std::u16string hex_style(std::uint32_t value) { return u"0x" + hexadecimal(value, 8); }

}  // namespace tavorin
