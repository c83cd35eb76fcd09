#include "base/binary_buffer.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "base/file_io.h"

namespace tavorin {

// The storage at least doubles, so writing n bytes copies O(n) bytes in all however small the
// pieces are.
void BinaryBuffer::grow_for(std::size_t extra) {
    const std::size_t needed = size_ + extra;
    if (needed <= bytes_.size()) return;
    const std::size_t doubled = 2 * bytes_.size();
    const std::size_t rounded = (needed + chunk_size - 1) / chunk_size * chunk_size;
    bytes_.resize(std::max(doubled, rounded));
}

std::vector<std::uint8_t> BinaryBuffer::take() {
    bytes_.resize(size_);
    size_ = 0;
    return std::move(bytes_);
}

void BinaryBuffer::clear() {
    // What lies past the contents must be zero: padding is made by extending over it.
    std::fill_n(bytes_.begin(), size_, std::uint8_t{0});
    size_ = 0;
}

void BinaryBuffer::reserve(std::size_t total) {
    if (total > bytes_.size()) bytes_.resize(total);
}

void BinaryBuffer::write_u8(std::uint8_t value) { *extend(1) = value; }

void BinaryBuffer::write_u16(std::uint16_t value) {
    align_to(2);
    std::uint8_t* out = extend(2);
    out[0] = static_cast<std::uint8_t>(value);
    out[1] = static_cast<std::uint8_t>(value >> 8);
}

void BinaryBuffer::write_u32(std::uint32_t value) {
    align_to(4);
    std::uint8_t* out = extend(4);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void BinaryBuffer::write_bytes(std::span<const std::uint8_t> data) {
    if (data.empty()) return;
    std::memcpy(extend(data.size()), data.data(), data.size());
}

void BinaryBuffer::write_text(std::u16string_view text, bool terminate) {
    align_to(2);
    const std::size_t units = text.size() + (terminate ? 1 : 0);
    std::uint8_t* out = extend(2 * units);
    for (char16_t c : text) {
        *out++ = static_cast<std::uint8_t>(c);
        *out++ = static_cast<std::uint8_t>(c >> 8);
    }
    // A terminating zero unit is already there: extend() fills with zero bytes.
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

std::size_t BinaryBuffer::reserve_u32() {
    align_to(4);
    const std::size_t offset = size_;
    write_u32(0);
    return offset;
}

void BinaryBuffer::patch_u32(std::size_t offset, std::uint32_t value) {
    if (offset > size_ || size_ - offset < 4) throw std::out_of_range("patch_u32 past the end");
    for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void BinaryBuffer::patch_u16(std::size_t offset, std::uint16_t value) {
    if (offset > size_ || size_ - offset < 2) throw std::out_of_range("patch_u16 past the end");
    bytes_[offset] = static_cast<std::uint8_t>(value);
    bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

Status BinaryBuffer::write_to_file(const std::filesystem::path& path) const {
    return write_file_atomically(path, bytes());
}

}  // namespace tavorin
