#pragma once
// The common interface of every resource kind. A kind's class holds the resource's content, is
// an item of the compiled writers (ResourceItem), writes its own script text, and answers the
// project's questions. Its editor is a separate GUI object that edits it through operations that
// record undo actions.

#include <filesystem>
#include <optional>
#include <string>

#include "base/result.h"
#include "base/text_writer.h"
#include "model/resource_identity.h"
#include "model/resource_item.h"

namespace tavorin {

class CompanionFiles;
class Project;
class Workspace;

class Resource : public ResourceItem {
public:
    explicit Resource(ResourceKind kind, std::u16string custom_type_name = {});
    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;

    ResourceIdentity& identity() { return identity_; }
    const ResourceIdentity& identity() const { return identity_; }
    ResourceKind kind() const { return identity_.kind; }
    const std::u16string& name_text() const { return identity_.name; }

    // ResourceItem, from the identity.
    NameOrOrdinal type() const override { return resource_type_of(identity_); }
    NameOrOrdinal name() const override { return resource_name_of(identity_); }
    std::uint16_t language() const override { return identity_.language; }
    std::uint32_t time_stamp() const override { return identity_.time_stamp; }

    const CompiledOrigin* origin() const override { return origin_ ? &*origin_ : nullptr; }
    void set_origin(CompiledOrigin origin) { origin_ = std::move(origin); }
    // After an edit the data is encoded from the model; the record's other fields stay.
    virtual void drop_original_data() {
        if (origin_) origin_->data.reset();
    }

    // The items this resource contributes to a compiled file; by default itself.
    virtual void add_items(ResourceItemList& list) const { list.add(*this); }

    // The resource's statement and body (without the LANGUAGE line, which the script writer
    // adds, and without a trailing line break).
    virtual void write_script_text(TextWriter& out, const Workspace& workspace) const = 0;

    // The name part of the tree label: the name, in double quotes when it is a string name.
    virtual std::u16string tree_name() const;

    // String tables are one per language and carry no name of their own.
    virtual bool is_named() const { return identity_.kind != kind::string_table; }

    // File-based resources (bitmaps, icons, cursors, manifests, HTML, raw data) keep their content
    // in a file that the script names.
    virtual bool is_file_based() const { return false; }
    // The file the script names, as written (absolute, or relative to the script's folder); empty
    // while the content is only in memory.
    virtual std::u16string content_file() const { return {}; }
    // Called by the script writer before the resource's text: content held only in memory is
    // written to a new file in the script's folder (as part of the save's transaction), which the
    // resource names from then on.
    virtual Status export_content(CompanionFiles& /*files*/) { return success(); }
    // The same as a save of its own.
    Status export_content(const std::filesystem::path& script_folder);

    // Asked before the project removes the resource; false keeps it.
    virtual bool can_remove() { return true; }

    // Hooks for kinds that link to other resources (a toolbar to its bitmap) or hold
    // identifiers of their own (controls, menu items), which they release when removed.
    virtual void added_to(Project&) {}
    virtual void renamed_in(Project&) {}
    virtual void removing_from(Project&) {}

private:
    ResourceIdentity identity_;
    std::optional<CompiledOrigin> origin_;
};

}  // namespace tavorin
