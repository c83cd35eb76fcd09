#pragma once
// Bounds-checked little-endian reader, the mirror of BinaryBuffer: 16-bit reads first skip to
// an even offset, 32-bit reads to a multiple of four. Reading past the end throws
// BinaryReadError, which the decoder's caller turns into a warning; it never escapes a module.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "base/name_or_ordinal.h"

namespace tavorin {

class BinaryReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BinaryReader {
public:
    explicit BinaryReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t offset() const { return offset_; }
    std::size_t size() const { return data_.size(); }
    std::size_t remaining() const { return data_.size() - offset_; }
    bool at_end() const { return offset_ >= data_.size(); }

    void seek(std::size_t offset);
    void skip(std::size_t count);
    void align_to(std::size_t multiple);

    std::uint8_t read_u8();
    std::uint16_t read_u16();
    std::uint32_t read_u32();
    std::span<const std::uint8_t> read_bytes(std::size_t count);

    // A zero-terminated UTF-16 text; with `stored_form`, characters with an escape letter are
    // turned into backslash escapes.
    std::u16string read_text(bool stored_form = false);
    // `count` UTF-16 code units, without terminator.
    std::u16string read_text_of_length(std::size_t count, bool stored_form = false);

    NameOrOrdinal read_name_or_ordinal();

private:
    void require(std::size_t count) const;

    std::span<const std::uint8_t> data_;
    std::size_t offset_ = 0;
};

}  // namespace tavorin
