#include "base/binary_buffer.h"

#include <algorithm>
#include <stdexcept>

#include "base/file_io.h"

namespace tavorin {

// Capacity at least doubles, so writing n bytes copies O(n) bytes in all however small the
// pieces are.
void BinaryBuffer::grow_for(std::size_t extra) {
    const std::size_t needed = bytes_.size() + extra;
    if (needed > bytes_.capacity()) {
        const std::size_t doubled = 2 * bytes_.capacity();
        const std::size_t rounded = (needed + chunk_size - 1) / chunk_size * chunk_size;
        bytes_.reserve(std::max(doubled, rounded));
    }
}

void BinaryBuffer::write_u8(std::uint8_t value) {
    grow_for(1);
    bytes_.push_back(value);
}

void BinaryBuffer::write_u16(std::uint16_t value) {
    align_to(2);
    grow_for(2);
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void BinaryBuffer::write_u32(std::uint32_t value) {
    align_to(4);
    grow_for(4);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
}

void BinaryBuffer::write_bytes(std::span<const std::uint8_t> data) {
    grow_for(data.size());
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void BinaryBuffer::write_text(std::u16string_view text, bool terminate) {
    align_to(2);
    grow_for(2 * (text.size() + 1));
    for (char16_t c : text) {
        bytes_.push_back(static_cast<std::uint8_t>(c));
        bytes_.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (terminate) write_u16(0);
}

void BinaryBuffer::write_ordinal(std::uint16_t ordinal) {
    write_u16(0xFFFF);
    write_u16(ordinal);
}

void BinaryBuffer::write_name_or_ordinal(std::u16string_view name, std::uint16_t ordinal, bool is_ordinal) {
    if (is_ordinal) {
        write_ordinal(ordinal);
    } else {
        write_text(name);
    }
}

void BinaryBuffer::align_to(std::size_t multiple) {
    const std::size_t padding = (multiple - bytes_.size() % multiple) % multiple;
    grow_for(padding);
    bytes_.insert(bytes_.end(), padding, 0);
}

std::size_t BinaryBuffer::reserve_u32() {
    align_to(4);
    const std::size_t offset = bytes_.size();
    write_u32(0);
    return offset;
}

void BinaryBuffer::patch_u32(std::size_t offset, std::uint32_t value) {
    if (offset > bytes_.size() || bytes_.size() - offset < 4) throw std::out_of_range("patch_u32 past the end");
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void BinaryBuffer::patch_u16(std::size_t offset, std::uint16_t value) {
    if (offset > bytes_.size() || bytes_.size() - offset < 2) throw std::out_of_range("patch_u16 past the end");
    bytes_[offset] = static_cast<std::uint8_t>(value);
    bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

Status BinaryBuffer::write_to_file(const std::filesystem::path& path) const {
    return write_file_atomically(path, bytes_);
}

}  // namespace tavorin
