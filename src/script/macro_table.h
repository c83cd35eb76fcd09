#pragma once
// The macros a reading has defined: object-like macros with their value, system flag and
// defining file, and function-like macros with their parameters and body. Names are
// case-sensitive. Emptied at the start of every reading.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/flat_text_map.h"

namespace tavorin {

struct MacroEntry {
    std::u16string value;  // line breaks of continued lines kept as line feeds
    // Defined in a file that was found through the include search (a system header).
    bool system = false;
    std::uint32_t file = 0;  // index into the file names read
    // Different for every definition of one reading (counted from 1): lets others remember a
    // definition without keeping its name.
    std::uint32_t serial = 0;
};

struct FunctionMacro {
    std::vector<std::u16string> parameters;
    std::u16string body;
};

// Both kinds of macro a name can have; the preprocessor asks for both at once.
struct MacroLookup {
    const MacroEntry* object = nullptr;
    const FunctionMacro* function = nullptr;
};

class MacroTable {
public:
    void clear();

    // Remembers a file name and returns the index macro entries refer to it by.
    std::uint32_t add_file_name(std::u16string_view name);
    const std::u16string& file_name(std::uint32_t index) const { return file_names_[index]; }

    // Defines or replaces an object-like macro.
    void define(std::u16string_view name, std::u16string value, bool system, std::uint32_t file);
    // A definition without a value: an existing entry keeps its value, flag and file.
    void define_empty(std::u16string_view name, bool system, std::uint32_t file);
    // Removes the object-like macro; a function-like macro of the same name stays.
    void undefine(std::u16string_view name);

    // Object-like or function-like, as `defined` and #ifdef ask.
    bool is_defined(std::u16string_view name) const {
        const MacroLookup found = lookup(name);
        return found.object != nullptr || found.function != nullptr;
    }
    const MacroEntry* find(std::u16string_view name) const;
    MacroLookup lookup(std::u16string_view name) const;
    // The value text, or nothing for a name that is not an object-like macro.
    const std::u16string* value(std::u16string_view name) const;
    bool is_system(std::u16string_view name) const;
    // The name of the file that defined the macro, empty when it is not defined.
    std::u16string_view defining_file(std::u16string_view name) const;

    void define_function(std::u16string_view name, FunctionMacro macro);
    const FunctionMacro* find_function(std::u16string_view name) const;

    // Every name defined, object-like or function-like, sorted.
    std::vector<std::u16string> defined_names() const;

    std::size_t size() const { return object_count_; }
    std::size_t function_count() const { return function_count_; }

private:
    struct Slot {
        std::optional<MacroEntry> object;
        std::optional<FunctionMacro> function;
    };

    // One map for both kinds: a name in a script is looked up once.
    FlatTextMap<Slot> slots_;
    std::size_t object_count_ = 0;
    std::size_t function_count_ = 0;
    std::uint32_t next_serial_ = 1;
    std::vector<std::u16string> file_names_;
    FlatTextMap<std::uint32_t> file_indexes_;
};

}  // namespace tavorin
