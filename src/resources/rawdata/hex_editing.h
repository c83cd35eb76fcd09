#pragma once
// Editing raw bytes in the hexadecimal view: where a click lands in a row's text, what a typed
// hexadecimal digit does to the byte under the caret, and the undo action of a byte change.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/undo_action.h"

namespace tavorin {

// The caret of the view: a byte and which of its two digits comes next.
struct HexCaret {
    std::size_t offset = 0;
    bool low_digit = false;
    bool operator==(const HexCaret&) const = default;
};

// The character column of a byte's first digit within the hex part of a row ("XX XX ... XX  XX":
// three columns a byte, one more after the eighth).
std::size_t hex_column_of(std::size_t byte_in_row);
// The byte and digit under a character column of the hex part, none on a gap or past the row.
std::optional<HexCaret> hex_caret_at_column(std::size_t column, std::size_t row_length);

// The byte with one of its digits replaced.
std::uint8_t with_digit(std::uint8_t byte, bool low_digit, std::uint8_t digit);

// Moving the caret: after the high digit comes the low one, after the low one the next byte's
// high digit; the caret stays inside the data (an empty resource has no caret position).
HexCaret advance(HexCaret caret, std::size_t size);
HexCaret move_by_bytes(HexCaret caret, std::ptrdiff_t bytes, std::size_t size);

// One changed byte. The setter writes a byte of the resource and brings the view up to date.
class ByteEditAction : public Action {
public:
    using Setter = std::function<void(std::size_t offset, std::uint8_t value)>;

    ByteEditAction(std::u16string name, Setter setter, std::size_t offset, std::uint8_t old_value,
                   std::uint8_t new_value)
        : name_(std::move(name)), setter_(std::move(setter)), offset_(offset), old_(old_value), new_(new_value) {}

    std::u16string name() const override { return name_; }
    void redo() override { setter_(offset_, new_); }
    void undo() override { setter_(offset_, old_); }

    // The second digit typed into the same byte changes this entry instead of making another.
    bool extend(std::size_t offset, std::uint8_t new_value) {
        if (offset != offset_) return false;
        new_ = new_value;
        return true;
    }
    std::size_t offset() const { return offset_; }

private:
    std::u16string name_;
    Setter setter_;
    std::size_t offset_;
    std::uint8_t old_;
    std::uint8_t new_;
};

// The whole content replaced (an import): the setter takes the bytes to show.
class ReplaceBytesAction : public Action {
public:
    using Setter = std::function<void(const std::vector<std::uint8_t>& bytes)>;

    ReplaceBytesAction(std::u16string name, Setter setter, std::vector<std::uint8_t> old_bytes,
                       std::vector<std::uint8_t> new_bytes)
        : name_(std::move(name)), setter_(std::move(setter)), old_(std::move(old_bytes)), new_(std::move(new_bytes)) {}

    std::u16string name() const override { return name_; }
    void redo() override { setter_(new_); }
    void undo() override { setter_(old_); }

private:
    std::u16string name_;
    Setter setter_;
    std::vector<std::uint8_t> old_;
    std::vector<std::uint8_t> new_;
};

}  // namespace tavorin
