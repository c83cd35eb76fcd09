#pragma once
// The compiled accelerator table: one 8-byte entry per accelerator, no header. Each entry is a
// flags word, the key, the identifier's value and a zero word; the last entry carries 0x80.

#include <cstdint>
#include <span>

#include "base/binary_buffer.h"
#include "resources/accelerator/accelerator_table.h"

namespace tavorin {

namespace accelerator_flag {
inline constexpr std::uint16_t virtual_key = 0x01;
inline constexpr std::uint16_t no_invert = 0x02;
inline constexpr std::uint16_t shift = 0x04;
inline constexpr std::uint16_t control = 0x08;
inline constexpr std::uint16_t alt = 0x10;
inline constexpr std::uint16_t last = 0x80;
}  // namespace accelerator_flag

// The flags word of an entry, without the end flag. An ASCII entry carries only alt: its
// control flag is folded into the key and shift has no meaning for a character.
std::uint16_t accelerator_flags(const AcceleratorEntry& entry);
// The key word: an ASCII entry with control gives its control character ("a" and "A" give 1).
std::uint16_t accelerator_key_word(const AcceleratorEntry& entry);

void encode_accelerators(const AcceleratorTable& table, BinaryBuffer& out);

// Appends the entries of compiled data. A size that is no multiple of 8 still gives a last,
// partial entry, whose missing bytes count as zero. An ASCII key stays as it is (a control
// character without the control flag); a virtual key takes its first name, else its number.
void read_accelerators(AcceleratorTable& table, std::span<const std::uint8_t> data, const VirtualKeyNames& names);

// An entry as read from a flags word and a key word (compiled data and the clipboard).
AcceleratorEntry accelerator_from_words(std::u16string identifier, std::uint16_t flags, std::uint16_t key,
                                        const VirtualKeyNames& names);

}  // namespace tavorin
