#include "script/macro_table.h"

#include <algorithm>

namespace tavorin {

void MacroTable::clear() {
    slots_.clear();
    object_count_ = 0;
    function_count_ = 0;
    next_serial_ = 1;
    file_names_.clear();
    file_indexes_.clear();
}

std::vector<std::u16string> MacroTable::defined_names() const {
    std::vector<std::u16string> names;
    names.reserve(object_count_ + function_count_);
    for (const auto& [name, slot] : slots_) {
        if (slot.object || slot.function) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::uint32_t MacroTable::add_file_name(std::u16string_view name) {
    if (auto it = file_indexes_.find(name); it != file_indexes_.end()) return it->second;
    const auto index = static_cast<std::uint32_t>(file_names_.size());
    file_names_.emplace_back(name);
    file_indexes_.emplace(std::u16string(name), index);
    return index;
}

void MacroTable::define(std::u16string_view name, std::u16string value, bool system, std::uint32_t file) {
    auto it = slots_.find(name);
    if (it == slots_.end()) it = slots_.emplace(std::u16string(name), Slot{}).first;
    if (!it->second.object) ++object_count_;
    it->second.object = MacroEntry{std::move(value), system, file, next_serial_++};
}

void MacroTable::define_empty(std::u16string_view name, bool system, std::uint32_t file) {
    auto it = slots_.find(name);
    if (it == slots_.end()) it = slots_.emplace(std::u16string(name), Slot{}).first;
    if (it->second.object) return;
    ++object_count_;
    it->second.object = MacroEntry{{}, system, file, next_serial_++};
}

void MacroTable::undefine(std::u16string_view name) {
    auto it = slots_.find(name);
    if (it == slots_.end() || !it->second.object) return;
    --object_count_;
    if (it->second.function) {
        it->second.object.reset();
    } else {
        slots_.erase(it);
    }
}

const MacroEntry* MacroTable::find(std::u16string_view name) const {
    auto it = slots_.find(name);
    return it == slots_.end() || !it->second.object ? nullptr : &*it->second.object;
}

MacroLookup MacroTable::lookup(std::u16string_view name) const {
    auto it = slots_.find(name);
    if (it == slots_.end()) return {};
    return MacroLookup{it->second.object ? &*it->second.object : nullptr,
                       it->second.function ? &*it->second.function : nullptr};
}

const std::u16string* MacroTable::value(std::u16string_view name) const {
    const MacroEntry* entry = find(name);
    return entry ? &entry->value : nullptr;
}

bool MacroTable::is_system(std::u16string_view name) const {
    const MacroEntry* entry = find(name);
    return entry && entry->system;
}

std::u16string_view MacroTable::defining_file(std::u16string_view name) const {
    const MacroEntry* entry = find(name);
    if (!entry || entry->file >= file_names_.size()) return {};
    return file_names_[entry->file];
}

void MacroTable::define_function(std::u16string_view name, FunctionMacro macro) {
    auto it = slots_.find(name);
    if (it == slots_.end()) it = slots_.emplace(std::u16string(name), Slot{}).first;
    if (!it->second.function) ++function_count_;
    it->second.function = std::move(macro);
}

const FunctionMacro* MacroTable::find_function(std::u16string_view name) const {
    auto it = slots_.find(name);
    return it == slots_.end() || !it->second.function ? nullptr : &*it->second.function;
}

}  // namespace tavorin
