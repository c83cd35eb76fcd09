#include "ui/resource_tree_model.h"

#include "base/text.h"
#include "formats/script_writer.h"
#include "model/project.h"

namespace tavorin {

KindIcon kind_icon(ResourceKind kind) {
    switch (kind) {
        case kind::dialog: return KindIcon::dialog;
        case kind::menu: return KindIcon::menu;
        case kind::accelerator: return KindIcon::accelerator;
        case kind::string_table: return KindIcon::string_table;
        case kind::version: return KindIcon::version;
        case kind::toolbar: return KindIcon::toolbar;
        case kind::bitmap: return KindIcon::bitmap;
        case kind::icon: return KindIcon::icon;
        case kind::cursor: return KindIcon::cursor;
        case kind::manifest: return KindIcon::manifest;
        case kind::html: return KindIcon::html;
        default: return KindIcon::custom;
    }
}

std::u16string type_caption(const Resource& resource) {
    const ResourceKind kind = resource.kind();
    if (is_numeric_custom_kind(kind)) return decimal(kind - kind::numeric_custom_base);
    if (is_named_custom_kind(kind)) return resource.identity().custom_type_name;
    return std::u16string(section_caption(kind));
}

std::vector<TreeBranch> resource_tree(Project& project) {
    std::vector<TreeBranch> branches;
    ResourceKind branch_kind = 0;
    for (const auto& resource : project.resources()) {
        // The tree order keeps the resources of one type together.
        if (branches.empty() || resource->kind() != branch_kind) {
            branch_kind = resource->kind();
            branches.push_back(TreeBranch{type_caption(*resource), kind_icon(branch_kind), {}, {}});
        }
        branches.back().resources.push_back(resource.get());
        std::u16string label = project.tree_label(*resource);
        // A string table has no name: its label starts with the language.
        if (!resource->is_named() && starts_with(label, u" ")) label.erase(0, 1);
        branches.back().labels.push_back(std::move(label));
    }
    return branches;
}

}  // namespace tavorin
