#include "resources/stringtable/string_table.h"

#include <algorithm>

#include "model/workspace.h"
#include "resources/stringtable/string_block.h"

namespace tavorin {

namespace {

constexpr std::size_t identifier_width = 30;

}  // namespace

StringTable::StringTable(SymbolTable& symbols) : Resource(kind::string_table), symbols_(symbols) {}

StringTable::~StringTable() {
    for (const StringEntry& entry : entries_) symbols_.release_item_id(entry.identifier, *this);
}

bool StringTable::add_entry(std::u16string_view identifier, std::u16string text) {
    if (find(identifier)) return false;
    insert_entry(entries_.size(), StringEntry{std::u16string(identifier), std::move(text)});
    return true;
}

void StringTable::set_or_add(std::u16string_view identifier, const std::u16string* text) {
    if (text == nullptr) return;
    if (const auto row = find(identifier)) {
        entries_[*row].text = *text;
    } else {
        insert_entry(entries_.size(), StringEntry{std::u16string(identifier), *text});
    }
}

std::optional<std::size_t> StringTable::find(std::u16string_view identifier) const {
    const auto it = rows_.find(identifier);
    if (it == rows_.end()) return std::nullopt;
    return it->second;
}

const std::u16string* StringTable::text_of(std::u16string_view identifier) const {
    const auto row = find(identifier);
    return row ? &entries_[*row].text : nullptr;
}

bool StringTable::uses_value(std::int32_t value) const { return value_counts_.contains(value); }

void StringTable::index_rows() {
    rows_.clear();
    for (std::size_t row = 0; row < entries_.size(); ++row) rows_.try_emplace(entries_[row].identifier, row);
}

void StringTable::insert_entry(std::size_t row, StringEntry entry, std::optional<std::int32_t> value) {
    const std::int32_t registered = symbols_.register_item_id(entry.identifier, *this, value);
    value_counts_.add(registered);
    row = std::min(row, entries_.size());
    const bool appended = row == entries_.size();
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(row), std::move(entry));
    values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(row), registered);
    // Reading appends; only the editor inserts between rows, one row at a time.
    if (appended) {
        rows_.try_emplace(entries_.back().identifier, row);
    } else {
        index_rows();
    }
}

StringEntry StringTable::remove_entry(std::size_t row) {
    StringEntry removed = std::move(entries_.at(row));
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(row));
    const std::int32_t value = values_[row];
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(row));
    index_rows();
    value_counts_.remove(value);
    symbols_.release_item_id(removed.identifier, *this);
    return removed;
}

void StringTable::set_identifier(std::size_t row, std::u16string_view identifier, std::optional<std::int32_t> value) {
    StringEntry& entry = entries_.at(row);
    // Registered before the old one is released, so that a value shared by both survives.
    const std::int32_t registered = symbols_.register_item_id(identifier, *this, value);
    value_counts_.add(registered);
    value_counts_.remove(values_[row]);
    symbols_.release_item_id(entry.identifier, *this);
    entry.identifier = identifier;
    values_[row] = registered;
    index_rows();
}

void StringTable::write_script_text(TextWriter& out, const Workspace&) const {
    out.write(u"STRINGTABLE");
    out.line_break();
    out.open_block();
    for (const StringEntry& entry : entries_) {
        out.line_break();
        out.write_padded(entry.identifier, identifier_width);
        out.write_quoted(entry.text);
    }
    out.close_block();
}

void StringTable::add_items(ResourceItemList& list) const {
    for (StringBlockView& block : make_string_blocks(*this)) {
        std::optional<CompiledOrigin> origin;
        if (const auto read = read_blocks_.find(block.index); read != read_blocks_.end()) {
            origin = read->second.origin;
            if (view_of(read->second.block) != block) origin->data.reset();
        }
        list.add_owned(std::make_unique<StringBlockItem>(std::move(block), language(), time_stamp(), std::move(origin)));
    }
}

void StringTable::keep_read_block(StringBlock block, CompiledOrigin origin) {
    const std::uint16_t index = block.index;
    read_blocks_.insert_or_assign(index, ReadBlock{std::move(block), std::move(origin)});
}

Status StringTable::serialize(BinaryBuffer&) const {
    return Error{u"A string table is written as blocks of sixteen strings."};
}

StringTable& string_table_for(Workspace& workspace, std::uint16_t language) {
    Project& project = workspace.project();
    if (Resource* existing = project.string_table(language)) return static_cast<StringTable&>(*existing);
    const std::uint16_t current = project.current_language();
    project.set_current_language(language);
    Resource* added = project.add_resource(std::make_unique<StringTable>(workspace.symbols()));
    project.set_current_language(current);
    return static_cast<StringTable&>(*added);
}

}  // namespace tavorin
