#pragma once
// What the resource tree shows: one branch per resource type, in the project's tree order, each
// holding its resources with their labels ("IDD_ABOUT [Neutral]", "\"LOGO\" [English (United
// States)]*").

#include <string>
#include <vector>

#include "model/resource.h"

namespace tavorin {

class Project;

// The picture of a kind in the tree; the GUI keeps one image per value, in this order.
enum class KindIcon { dialog, menu, accelerator, string_table, version, toolbar, bitmap, icon, cursor, manifest, html, custom };
inline constexpr int kind_icon_count = 12;

KindIcon kind_icon(ResourceKind kind);

struct TreeBranch {
    std::u16string caption;  // "Dialog", "String Table", a custom type's name or number
    KindIcon icon = KindIcon::custom;
    std::vector<Resource*> resources;
    std::vector<std::u16string> labels;
};

// The caption of the branch a resource belongs to.
std::u16string type_caption(const Resource& resource);

std::vector<TreeBranch> resource_tree(Project& project);

}  // namespace tavorin
