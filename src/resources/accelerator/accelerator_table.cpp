#include "resources/accelerator/accelerator_table.h"

#include <algorithm>

#include "model/workspace.h"
#include "base/text.h"
#include "resources/accelerator/accelerator_binary.h"
#include "resources/stringtable/item_naming.h"

namespace tavorin {

namespace {

constexpr std::size_t quoted_key_spaces = 12;
constexpr std::size_t unquoted_key_width = 15;

// Characters the script can carry between quotes and read back as the same key. "^" inside the
// quotes means control, and control characters would put raw line breaks or bytes of no
// meaning into the script; those keys are written as their code instead.
bool quotable(std::uint16_t code) {
    return code >= 0x20 && code != 0x7F && code != u'^' && !(code >= 0xD800 && code <= 0xDFFF);
}

void write_quoted_key(TextWriter& out, char16_t character) {
    out.write(u'"');
    out.write(character);
    out.write(u"\",");
    out.write(std::u16string(quoted_key_spaces, u' '));
}

void write_unquoted_key(TextWriter& out, std::u16string_view text) {
    out.write(text);
    out.write(u", ");
    const std::size_t written = text.size() + 2;
    if (written < unquoted_key_width) out.write(std::u16string(unquoted_key_width - written, u' '));
}

void write_key(TextWriter& out, const AcceleratorKey& key) {
    switch (key.form) {
        case AcceleratorKeyForm::character:
            if (key.code == 0) {
                write_quoted_key(out, u'?');
            } else if (quotable(key.code)) {
                write_quoted_key(out, static_cast<char16_t>(key.code));
            } else {
                write_unquoted_key(out, decimal(key.code));
            }
            return;
        case AcceleratorKeyForm::letter: write_quoted_key(out, static_cast<char16_t>(key.code)); return;
        case AcceleratorKeyForm::named: write_unquoted_key(out, key.name); return;
        case AcceleratorKeyForm::number: write_unquoted_key(out, decimal(key.code)); return;
    }
}

}  // namespace

AcceleratorTable::AcceleratorTable(SymbolTable& symbols) : Resource(kind::accelerator), symbols_(symbols) {}

AcceleratorTable::~AcceleratorTable() {
    for (const AcceleratorEntry& entry : entries_) symbols_.release_item_id(entry.identifier, *this);
}

void AcceleratorTable::add_ascii_entry(std::optional<std::u16string> identifier, bool alt, bool control, bool shift,
                                       std::uint16_t character) {
    std::optional<std::int32_t> value;
    if (!identifier) {
        const ItemIdentifier made = pasted_item_identifier(accelerator_identifier_template, symbols_,
                                                           [this](std::int32_t v) { return uses_value(v); });
        identifier = made.name;
        value = made.value;
    }
    insert_entry(entries_.size(),
                 AcceleratorEntry{std::move(*identifier), AcceleratorKey::character(character), alt, control, shift},
                 value);
}

void AcceleratorTable::add_virtual_key_entry(std::u16string identifier, bool alt, bool control, bool shift,
                                             AcceleratorKey key) {
    insert_entry(entries_.size(), AcceleratorEntry{std::move(identifier), std::move(key), alt, control, shift});
}

bool AcceleratorTable::uses_value(std::int32_t value) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const AcceleratorEntry& entry) { return value_of(entry) == value; });
}

void AcceleratorTable::insert_entry(std::size_t row, AcceleratorEntry entry, std::optional<std::int32_t> value) {
    symbols_.register_item_id(entry.identifier, *this, value);
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(std::min(row, entries_.size())), std::move(entry));
}

AcceleratorEntry AcceleratorTable::remove_entry(std::size_t row) {
    AcceleratorEntry removed = std::move(entries_.at(row));
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
    symbols_.release_item_id(removed.identifier, *this);
    return removed;
}

void AcceleratorTable::replace_entry(std::size_t row, AcceleratorEntry entry, std::optional<std::int32_t> value) {
    AcceleratorEntry& current = entries_.at(row);
    // Registered before the old one is released, so that an identifier kept by both stays.
    symbols_.register_item_id(entry.identifier, *this, value);
    symbols_.release_item_id(current.identifier, *this);
    current = std::move(entry);
}

void AcceleratorTable::write_script_text(TextWriter& out, const Workspace&) const {
    out.write(name_text());
    out.write(u" ACCELERATORS");
    out.line_break();
    out.open_block();
    for (const AcceleratorEntry& entry : entries_) {
        out.line_break();
        write_key(out, entry.key);
        out.write(entry.identifier);
        out.write(entry.key.is_virtual() ? u", VIRTKEY" : u", ASCII");
        if (entry.alt) out.write(u", ALT");
        if (entry.control) out.write(u", CONTROL");
        if (entry.shift) out.write(u", SHIFT");
        if (entry.no_invert) out.write(u", NOINVERT");
    }
    out.close_block();
}

Status AcceleratorTable::serialize(BinaryBuffer& out) const {
    encode_accelerators(*this, out);
    return success();
}

AcceleratorTable& add_new_accelerator_table(Workspace& workspace, bool open) {
    Project& project = workspace.project();
    auto table = std::make_unique<AcceleratorTable>(workspace.symbols());
    table->identity().name = project.new_resource_name(accelerator_table_name_template, kind::accelerator);
    return static_cast<AcceleratorTable&>(*project.add_resource(std::move(table), open));
}

}  // namespace tavorin
