#pragma once
// The "Add a resource..." commands: each kind's creator makes a new resource with its default
// name and adds it to the project, opened.

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/result.h"
#include "model/resource.h"
#include "resources/image/image_numbers.h"

namespace tavorin {

class Session;

// The kinds a user can add in this build, and the file filter of those that start from a file
// (empty for the others).
bool can_add_kind(ResourceKind kind);
std::u16string new_resource_filter(ResourceKind kind);

// A new dialog, menu, version information, accelerator table, toolbar (with its bitmap) or
// manifest; the string table of
// `language` (the existing one when it has one). A second manifest is refused with "Only one
// Manifest is allowed" and nothing is added (null).
Resource* add_new_resource(Session& session, ResourceKind kind, std::uint16_t language,
                           const std::filesystem::path& project_folder);

// A new bitmap, icon or cursor from the file the user chose: a script project refers to the
// file, any other reads it at once. The file's failure is returned and nothing is added.
Result<Resource*> add_resource_from_file(Session& session, ImageNumbers& image_numbers, ResourceKind kind,
                                         const std::filesystem::path& file, const std::filesystem::path& project_folder,
                                         bool script_project);

}  // namespace tavorin
