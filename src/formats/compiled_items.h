#pragma once
// The item list of a compiled save (.res file or PE module): the binary items of every resource
// in the order they are written.

#include "model/project.h"
#include "model/resource_item.h"

namespace tavorin {

// Three-way comparison of types or names in item order: a string before an ordinal, strings
// without regard to ASCII case (letters compared in upper case), ordinals by number.
int compare_item_names(const NameOrOrdinal& a, const NameOrOrdinal& b);

// Whether `a` is written before `b`: string types before ordinal types (texts compared without
// regard to ASCII case, letters in upper case; ordinals by number), then by name the same way,
// then by language.
bool item_before(const ResourceItem& a, const ResourceItem& b);
bool same_item_identity(const ResourceItem& a, const ResourceItem& b);

// Every project resource's items in project order (a string table gives its blocks, an icon
// or cursor group itself and then its images), items without a compiled form left out, sorted
// stably in item order. An image that two groups share is listed once.
ResourceItemList build_item_list(const Project& project);

}  // namespace tavorin
