#include "base/binary_reader.h"

#include <algorithm>

#include "base/escapes.h"

namespace tavorin {

void BinaryReader::require(std::size_t count) const {
    if (offset_ > data_.size() || count > data_.size() - offset_) {
        throw BinaryReadError("read past the end of the data at offset " + std::to_string(offset_));
    }
}

void BinaryReader::seek(std::size_t offset) {
    if (offset > data_.size()) throw BinaryReadError("seek past the end of the data to " + std::to_string(offset));
    offset_ = offset;
}

void BinaryReader::skip(std::size_t count) {
    require(count);
    offset_ += count;
}

void BinaryReader::align_to(std::size_t multiple) {
    const std::size_t padding = (multiple - offset_ % multiple) % multiple;
    // Alignment may end exactly at the end of the data; it is the next read that fails.
    offset_ = std::min(offset_ + padding, data_.size());
}

std::uint8_t BinaryReader::read_u8() {
    require(1);
    return data_[offset_++];
}

std::uint16_t BinaryReader::read_u16() {
    align_to(2);
    require(2);
    const auto value = static_cast<std::uint16_t>(data_[offset_] | (data_[offset_ + 1] << 8));
    offset_ += 2;
    return value;
}

std::uint32_t BinaryReader::read_u32() {
    align_to(4);
    require(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data_[offset_ + i];
    offset_ += 4;
    return value;
}

std::span<const std::uint8_t> BinaryReader::read_bytes(std::size_t count) {
    require(count);
    auto part = data_.subspan(offset_, count);
    offset_ += count;
    return part;
}

std::u16string BinaryReader::read_text(bool stored_form) {
    std::u16string text;
    for (char16_t c = read_u16(); c != 0; c = read_u16()) text.push_back(c);
    return stored_form ? escape_stored_text(text) : text;
}

std::u16string BinaryReader::read_text_of_length(std::size_t count, bool stored_form) {
    align_to(2);
    if (count > remaining() / 2) {
        throw BinaryReadError("text of " + std::to_string(count) + " units runs past the end at offset " +
                              std::to_string(offset_));
    }
    std::u16string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i) text.push_back(read_u16());
    return stored_form ? escape_stored_text(text) : text;
}

NameOrOrdinal BinaryReader::read_name_or_ordinal() {
    NameOrOrdinal result;
    const std::uint16_t first = read_u16();
    if (first == 0xFFFF) {
        result.ordinal = read_u16();
        return result;
    }
    result.is_text = true;
    for (char16_t c = first; c != 0; c = read_u16()) result.text.push_back(c);
    return result;
}

}  // namespace tavorin
