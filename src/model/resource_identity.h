#pragma once
// What every resource is, independent of its content: kind, name, language, the flags the tree
// shows.

#include <cstdint>
#include <string>

#include "model/name_or_ordinal.h"
#include "model/resource_kind.h"

namespace tavorin {

struct ResourceIdentity {
    ResourceKind kind = kind::user_defined;
    // The identifier exactly as it is written: a symbol name, the decimal text of an ordinal, or
    // a string name (without quotes). It is the key into the symbol table.
    std::u16string name;
    bool string_name = false;
    // The numeric value of the name, filled in by the project from the symbol table.
    std::uint16_t ordinal = 0;
    std::uint16_t language = 0;
    // Named custom types only: the type name as written in the script.
    std::u16string custom_type_name;
    // Set by every edit, cleared by saving.
    bool modified = false;
    std::uint32_t time_stamp = 0;
    // The statement of the script this resource was read from (an index into the project's
    // script origins); -1 for a resource that was not read from a script.
    std::int32_t origin = -1;
};

// The type as compiled files carry it: the kind's standard number, a numeric custom type's
// number, or a named custom type's name.
NameOrOrdinal resource_type_of(const ResourceIdentity& identity);

// The name as compiled files carry it: a string name as text, anything else as its ordinal.
NameOrOrdinal resource_name_of(const ResourceIdentity& identity);

}  // namespace tavorin
