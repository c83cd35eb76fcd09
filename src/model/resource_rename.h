#pragma once
// Renaming a resource and changing its language as undoable edits: the project validates and
// re-registers the identifier, the history gets an action that renames it back.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"

namespace tavorin {

class Project;
class Resource;
class UndoHistory;

// A name as the user types it: a string name may be given in double quotes, which are not part
// of the name; any text that is neither a symbol nor an ordinal is a string name too.
struct TypedResourceName {
    std::u16string name;
    bool string_name = false;
};
TypedResourceName parse_typed_resource_name(std::u16string_view text);

// Renames through Project::rename (which shows its refusals) and records an action named
// `action_name` that restores the previous name and language. Nothing is recorded when the
// project refuses or when nothing changes.
Status rename_resource(Project& project, UndoHistory& history, Resource& resource, std::u16string_view text,
                       std::u16string action_name);
Status change_resource_language(Project& project, UndoHistory& history, Resource& resource, std::uint16_t language,
                                std::u16string action_name);

}  // namespace tavorin
