#include "resources/accelerator/accelerator_binary.h"

#include <vector>

#include "base/binary_reader.h"
#include "base/text.h"

namespace tavorin {

namespace {

constexpr std::size_t entry_size = 8;

}  // namespace

std::uint16_t accelerator_flags(const AcceleratorEntry& entry) {
    std::uint16_t flags = entry.alt ? accelerator_flag::alt : 0;
    if (entry.no_invert) flags |= accelerator_flag::no_invert;
    if (entry.key.is_virtual()) {
        flags |= accelerator_flag::virtual_key;
        if (entry.control) flags |= accelerator_flag::control;
        if (entry.shift) flags |= accelerator_flag::shift;
    }
    return flags;
}

std::uint16_t accelerator_key_word(const AcceleratorEntry& entry) {
    const std::uint16_t code = entry.key.code;
    if (entry.key.is_virtual() || !entry.control) return code;
    if (code >= u'A' && code <= u'Z') return static_cast<std::uint16_t>(code - 64);
    // Lower-case letters and what follows them fold by 96. Below that there is no control
    // character to fold to: the key stays, rather than wrapping round to a code near 0xFFFF.
    if (code >= 96) return static_cast<std::uint16_t>(code - 96);
    return code;
}

void encode_accelerators(const AcceleratorTable& table, BinaryBuffer& out) {
    const auto& entries = table.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::uint16_t flags = accelerator_flags(entries[i]);
        if (i + 1 == entries.size()) flags |= accelerator_flag::last;
        out.write_u16(flags);
        out.write_u16(accelerator_key_word(entries[i]));
        out.write_u16(static_cast<std::uint16_t>(table.value_of(entries[i])));
        out.write_u16(0);
    }
}

AcceleratorEntry accelerator_from_words(std::u16string identifier, std::uint16_t flags, std::uint16_t key,
                                        const VirtualKeyNames& names) {
    AcceleratorEntry entry;
    entry.identifier = std::move(identifier);
    entry.key = (flags & accelerator_flag::virtual_key) ? AcceleratorKey::virtual_code(key, names)
                                                        : AcceleratorKey::character(key);
    entry.alt = (flags & accelerator_flag::alt) != 0;
    entry.control = (flags & accelerator_flag::control) != 0;
    entry.shift = (flags & accelerator_flag::shift) != 0;
    entry.no_invert = (flags & accelerator_flag::no_invert) != 0;
    return entry;
}

void read_accelerators(AcceleratorTable& table, std::span<const std::uint8_t> data, const VirtualKeyNames& names) {
    std::vector<std::uint8_t> padded(data.begin(), data.end());
    padded.resize((padded.size() + entry_size - 1) / entry_size * entry_size, 0);
    BinaryReader reader(padded);
    const SymbolTable& symbols = table.symbols();
    while (!reader.at_end()) {
        const std::uint16_t flags = reader.read_u16();
        const std::uint16_t key = reader.read_u16();
        const std::uint16_t value = reader.read_u16();
        reader.read_u16();
        const Symbol* symbol = symbols.find_by_value(value);
        AcceleratorEntry entry = accelerator_from_words(symbol != nullptr ? symbol->name : decimal(value), flags, key, names);
        table.insert_entry(table.size(), std::move(entry));
    }
}

}  // namespace tavorin
