#pragma once
// Growable little-endian byte buffer for compiled resource data. Offsets count from the start
// of the buffer (the start of the resource data). 16-bit values are aligned to even offsets and
// 32-bit values to multiples of four, padding with zero bytes; raw bytes are copied unaligned.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace tavorin {

class BinaryBuffer {
public:
    // Storage is taken in multiples of this, and at least doubles when it grows.
    static constexpr std::size_t chunk_size = 256;

    std::size_t size() const { return size_; }
    std::span<const std::uint8_t> bytes() const { return {bytes_.data(), size_}; }
    std::vector<std::uint8_t> take();
    // Empty again, keeping the storage for the next contents.
    void clear();
    // Room for `total` bytes in all, so that writing up to there copies nothing again.
    void reserve(std::size_t total);

    void write_u8(std::uint8_t value);
    void write_u16(std::uint16_t value);
    void write_u32(std::uint32_t value);
    void write_bytes(std::span<const std::uint8_t> data);

    // UTF-16 code units, aligned to even; a zero unit ends the text unless `terminate` is false.
    void write_text(std::u16string_view text, bool terminate = true);

    // 0xFFFF and the ordinal, or the name as a terminated UTF-16 text.
    void write_ordinal(std::uint16_t ordinal);
    void write_name_or_ordinal(std::u16string_view name, std::uint16_t ordinal, bool is_ordinal);

    // Inline, so that the usual constant multiples need no division.
    void align_to(std::size_t multiple) {
        const std::size_t padding = (multiple - size_ % multiple) % multiple;
        if (padding != 0) extend(padding);
    }
    void align_to_4() { align_to(4); }

    // Reserves an aligned 32-bit slot (zero) and returns its offset, to be filled later.
    std::size_t reserve_u32();
    void patch_u32(std::size_t offset, std::uint32_t value);
    void patch_u16(std::size_t offset, std::uint16_t value);

    Status write_to_file(const std::filesystem::path& path) const;

private:
    void grow_for(std::size_t extra);
    // Appends `count` zero bytes and returns where they start.
    std::uint8_t* extend(std::size_t count) {
        if (bytes_.size() - size_ < count) grow_for(count);
        std::uint8_t* start = bytes_.data() + size_;
        size_ += count;
        return start;
    }

    // The storage: the first size_ bytes are written, the rest are zero.
    std::vector<std::uint8_t> bytes_;
    std::size_t size_ = 0;
};

}  // namespace tavorin
