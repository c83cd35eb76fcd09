#include "script/macro_table.h"

namespace tavorin {

void MacroTable::clear() {
    objects_.clear();
    functions_.clear();
    file_names_.clear();
    file_indexes_.clear();
}

std::uint32_t MacroTable::add_file_name(std::u16string_view name) {
    if (auto it = file_indexes_.find(name); it != file_indexes_.end()) return it->second;
    const auto index = static_cast<std::uint32_t>(file_names_.size());
    file_names_.emplace_back(name);
    file_indexes_.emplace(std::u16string(name), index);
    return index;
}

void MacroTable::define(std::u16string_view name, std::u16string value, bool system, std::uint32_t file) {
    auto it = objects_.find(name);
    if (it == objects_.end()) {
        objects_.emplace(std::u16string(name), MacroEntry{std::move(value), system, file});
    } else {
        it->second = MacroEntry{std::move(value), system, file};
    }
}

void MacroTable::define_empty(std::u16string_view name, bool system, std::uint32_t file) {
    if (objects_.find(name) == objects_.end()) objects_.emplace(std::u16string(name), MacroEntry{{}, system, file});
}

void MacroTable::undefine(std::u16string_view name) {
    if (auto it = objects_.find(name); it != objects_.end()) objects_.erase(it);
}

const MacroEntry* MacroTable::find(std::u16string_view name) const {
    auto it = objects_.find(name);
    return it == objects_.end() ? nullptr : &it->second;
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
    auto it = functions_.find(name);
    if (it == functions_.end()) {
        functions_.emplace(std::u16string(name), std::move(macro));
    } else {
        it->second = std::move(macro);
    }
}

const FunctionMacro* MacroTable::find_function(std::u16string_view name) const {
    auto it = functions_.find(name);
    return it == functions_.end() ? nullptr : &it->second;
}

}  // namespace tavorin
