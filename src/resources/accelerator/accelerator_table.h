#pragma once
// An accelerator table: key combinations and the command identifiers they send, in list order
// (which is also script order and binary order). Each entry holds one use of its identifier in
// the symbol table; the table gives them back when it is destroyed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/resource.h"
#include "model/symbol_table.h"
#include "resources/accelerator/accelerator_key.h"

namespace tavorin {

class Workspace;

inline constexpr std::u16string_view accelerator_table_name_template = u"IDR_ACCELERATOR";
inline constexpr std::u16string_view accelerator_identifier_template = u"ID_ACCELERATOR";

struct AcceleratorEntry {
    // A symbol name, or the decimal value of a plain numeric identifier.
    std::u16string identifier;
    AcceleratorKey key;
    bool alt = false;
    bool control = false;
    bool shift = false;
    // The menu item of the command is not highlighted when the key is pressed (0x02).
    bool no_invert = false;

    friend bool operator==(const AcceleratorEntry&, const AcceleratorEntry&) = default;
};

class AcceleratorTable : public Resource {
public:
    explicit AcceleratorTable(SymbolTable& symbols);
    ~AcceleratorTable() override;

    const std::vector<AcceleratorEntry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const AcceleratorEntry& entry(std::size_t row) const { return entries_.at(row); }

    // Appends an ASCII entry; without an identifier one is made from "ID_ACCELERATOR" as for a
    // pasted row.
    void add_ascii_entry(std::optional<std::u16string> identifier, bool alt, bool control, bool shift,
                         std::uint16_t character);
    void add_virtual_key_entry(std::u16string identifier, bool alt, bool control, bool shift, AcceleratorKey key);

    std::int32_t value_of(const AcceleratorEntry& entry) const { return symbols_.value_of(entry.identifier); }
    bool uses_value(std::int32_t value) const;

    // Row operations of the editor. An identifier that is new to the symbol table takes `value`
    // when one is given (undo and redo bring back the value it had).
    void insert_entry(std::size_t row, AcceleratorEntry entry, std::optional<std::int32_t> value = std::nullopt);
    AcceleratorEntry remove_entry(std::size_t row);
    void replace_entry(std::size_t row, AcceleratorEntry entry, std::optional<std::int32_t> value = std::nullopt);

    SymbolTable& symbols() const { return symbols_; }

    void write_script_text(TextWriter& out, const Workspace& workspace) const override;
    Status serialize(BinaryBuffer& out) const override;

private:
    SymbolTable& symbols_;
    std::vector<AcceleratorEntry> entries_;
};

// A new, empty table named from "IDR_ACCELERATOR", added to the project.
AcceleratorTable& add_new_accelerator_table(Workspace& workspace, bool open = false);

}  // namespace tavorin
