#pragma once
// The "Add a resource..." commands: each kind's creator makes a new resource with its default
// name and adds it to the project, opened.

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/result.h"
#include "model/resource.h"
#include "resources/image/file_resource_traits.h"
#include "resources/image/image_numbers.h"

namespace tavorin {

class Session;

// Every resource these functions add is marked modified: it is unsaved work until the next save,
// and the tree shows it with "*".

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

// Add a resource > Manifest. A second manifest is refused with "Only one Manifest is allowed"
// before anything is asked. Then "Do you want Tavorin to generate a manifest.xml file for you?":
//  - Yes: a project saved as a compiled file or module holds the default manifest in memory; a
//    script project asks where to save manifest.xml, writes the default manifest there and
//    refers to that file;
//  - No: an existing file is chosen, as for the other file-based kinds.
// Null when the user cancelled or the manifest was refused; a file that could not be written or
// read is returned with the system's reason and nothing is added.
Result<Resource*> add_manifest(Session& session, const std::filesystem::path& project_folder, bool script_project);

// A new bitmap, icon or cursor from the file the user chose: a script project refers to the
// file, any other reads it at once. The file's failure is returned and nothing is added.
Result<Resource*> add_resource_from_file(Session& session, ImageNumbers& image_numbers, ResourceKind kind,
                                         const std::filesystem::path& file, const std::filesystem::path& project_folder,
                                         bool script_project);

// The answer of the "Custom Resource" dialog: the type as typed, and whether the "Ordinal
// identifier" choice was taken.
struct CustomTypeAnswer {
    std::u16string text;
    bool ordinal = false;
};

// An ordinal must be a decimal number of 16 bits ("Invalid ordinal identifier"). A name must be a
// word that a script can carry as the type of its statement: an identifier that the reader does
// not take for a number or a statement keyword ("Invalid ID.").
Status check_custom_type(const Session& session, const CustomTypeAnswer& answer);

// The open-file filter of a file-based kind: its own filter, then "All Files (*.*)" unless its
// own already takes every file.
std::u16string file_filter(const FileResourceTraits& traits);
// The filter of the file of a new custom resource.
std::u16string custom_resource_filter();

// A new raw resource of the answered type from the chosen file, named from the type ("IDR_" and
// the name, or "IDR_", the number and "_"). Ordinals 23 and 24 are HTML and a manifest, as when a
// script names them; a name joins the known custom types. A refused type or file is returned
// and nothing is added (null when the project refused the resource and said why).
Result<Resource*> add_custom_resource(Session& session, const CustomTypeAnswer& type, const std::filesystem::path& file,
                                      const std::filesystem::path& project_folder, bool script_project);

}  // namespace tavorin
