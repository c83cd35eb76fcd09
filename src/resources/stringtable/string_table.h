#pragma once
// The string table of one language: numbered strings in the order the editor lists them (which
// is also the order of the script text and the order in which compiled blocks are first met).
// Each entry holds one use of its identifier in the symbol table; the table gives them back when
// it is destroyed.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/flat_counts.h"
#include "base/flat_text_map.h"
#include "model/resource.h"
#include "model/symbol_table.h"
#include "resources/stringtable/string_block.h"

namespace tavorin {

class Workspace;

struct StringEntry {
    // A symbol name, or the decimal value of a plain numeric identifier.
    std::u16string identifier;
    // The stored form: control and special characters kept as backslash escapes.
    std::u16string text;

    friend bool operator==(const StringEntry&, const StringEntry&) = default;
};

class StringTable : public Resource {
public:
    explicit StringTable(SymbolTable& symbols);
    ~StringTable() override;

    const std::vector<StringEntry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const StringEntry& entry(std::size_t row) const { return entries_.at(row); }

    // Appends an entry and registers its identifier for the table. An identifier that already
    // has an entry is refused (false), so that identifiers stay unique within the table.
    bool add_entry(std::u16string_view identifier, std::u16string text);
    // Replaces the text of the identifier's entry, or appends one; a null text does nothing.
    void set_or_add(std::u16string_view identifier, const std::u16string* text);

    std::optional<std::size_t> find(std::u16string_view identifier) const;
    // The stored text of the identifier's entry, or none.
    const std::u16string* text_of(std::u16string_view identifier) const;
    std::int32_t value_of(const StringEntry& entry) const { return symbols_.value_of(entry.identifier); }
    // The value of the row's identifier, without a search of the symbol table.
    std::int32_t value_at(std::size_t row) const { return values_.at(row); }
    // Whether an entry's identifier has this value.
    bool uses_value(std::int32_t value) const;

    // Row operations of the editor. An identifier that is new to the symbol table takes
    // `value` when one is given (undo and redo bring back the value it had).
    void insert_entry(std::size_t row, StringEntry entry, std::optional<std::int32_t> value = std::nullopt);
    StringEntry remove_entry(std::size_t row);
    void set_identifier(std::size_t row, std::u16string_view identifier,
                        std::optional<std::int32_t> value = std::nullopt);
    void set_text(std::size_t row, std::u16string text) { entries_.at(row).text = std::move(text); }

    SymbolTable& symbols() const { return symbols_; }

    // A block as a compiled file held it. While the table's strings of that block stay what was
    // read, the block is written back with the bytes and fields it was read with.
    void keep_read_block(StringBlock block, CompiledOrigin origin);
    // Each block is compared with what was read instead: an edit of one string leaves the other
    // blocks as they were.
    void drop_original_data() override {}

    // Resource. A string table has no compiled form of its own: it contributes one item per
    // occupied group of sixteen identifiers.
    void write_script_text(TextWriter& out, const Workspace& workspace) const override;
    void add_items(ResourceItemList& list) const override;
    bool has_binary_form() const override { return false; }
    Status serialize(BinaryBuffer& out) const override;

private:
    void index_rows();

    SymbolTable& symbols_;
    std::vector<StringEntry> entries_;
    // The value of each row's identifier. An entry holds a use of its identifier, so the
    // identifier's value cannot change while the entry exists.
    std::vector<std::int32_t> values_;
    // The first row of each identifier, and how many entries have each value.
    FlatTextMap<std::size_t> rows_;
    FlatCounts<std::int32_t> value_counts_;
    struct ReadBlock {
        StringBlock block;
        CompiledOrigin origin;
    };
    std::map<std::uint16_t, ReadBlock> read_blocks_;
};

// The string table of a language, made and added to the project when there is none.
StringTable& string_table_for(Workspace& workspace, std::uint16_t language);

}  // namespace tavorin
