#include "resources/stringtable/string_block.h"

#include <vector>

#include "model/workspace.h"
#include "base/binary_reader.h"
#include "base/escapes.h"
#include "base/text.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {

namespace {

constexpr std::size_t block_count = 4096;

std::uint16_t low_bits(std::int32_t value) { return static_cast<std::uint16_t>(value); }

}  // namespace

StringBlockView view_of(const StringBlock& block) {
    StringBlockView view{.index = block.index, .slots = {}};
    for (std::size_t slot = 0; slot < block.slots.size(); ++slot) {
        if (block.slots[slot]) view.slots[slot] = *block.slots[slot];
    }
    return view;
}

std::vector<StringBlockView> make_string_blocks(const StringTable& table) {
    const auto& entries = table.entries();
    std::vector<StringBlockView> blocks;
    // Position of each group's block in `blocks`; a later entry with the same value wins its slot.
    std::vector<std::size_t> position(block_count, block_count);
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const StringEntry& entry = entries[row];
        const std::uint16_t value = low_bits(table.value_at(row));
        const std::uint16_t index = value >> 4;
        if (position[index] == block_count) {
            position[index] = blocks.size();
            blocks.emplace_back().index = index;
        }
        blocks[position[index]].slots[value & 0xF] = entry.text;
    }
    return blocks;
}

Status encode_string_block(const StringBlockView& block, BinaryBuffer& out) {
    for (const auto& slot : block.slots) {
        if (!slot) {
            out.write_u16(0);
            continue;
        }
        const std::u16string text = unescape_stored_text(*slot);
        // The length is one word; a longer text would corrupt every slot after it.
        if (text.size() > 0xFFFF) return Error{u"A string is longer than 65535 characters."};
        out.write_u16(static_cast<std::uint16_t>(text.size()));
        out.write_text(text, false);
    }
    out.align_to_4();
    return success();
}

Status read_string_block(Workspace& workspace, std::span<const std::uint8_t> data, std::uint16_t block_name,
                         std::uint16_t language, CompiledOrigin origin) {
    // Names start at 1: there is no block before the first.
    if (block_name == 0) return Error{u"A string block cannot be named 0."};
    StringTable& table = string_table_for(workspace, language);
    const SymbolTable& symbols = workspace.symbols();
    BinaryReader reader(data);
    StringBlock read;
    read.index = static_cast<std::uint16_t>(block_name - 1);
    try {
        for (std::int32_t slot = 0; slot < 16; ++slot) {
            const std::uint16_t length = reader.read_u16();
            if (length == 0) continue;
            const std::u16string text = reader.read_text_of_length(length, true);
            read.slots[static_cast<std::size_t>(slot)] = text;
            const std::int32_t value = (block_name - 1) * 16 + slot;
            const Symbol* symbol = symbols.find_by_value(value);
            const std::u16string identifier = symbol != nullptr ? symbol->name : decimal(value);
            table.set_or_add(identifier, &text);
        }
    } catch (const BinaryReadError& error) {
        return Error{ascii_to_text(error.what())};
    }
    table.keep_read_block(std::move(read), std::move(origin));
    return success();
}

}  // namespace tavorin
