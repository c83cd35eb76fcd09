#pragma once
// The order of the resource tree, which is also the order in which the script writer writes
// resources: by type, then name, then language.

#include "model/resource_identity.h"

namespace tavorin {

// Negative when `a` sorts before `b`, positive when after, 0 when equal.
//  - Types: a string (custom) type before every numeric type; numbers by value; strings
//    without regard to case.
//  - Names of the same type: a string name before any other; otherwise the texts without regard
//    to case, so "10" sorts before "9"; equal names by language id.
int compare_tree_order(const ResourceIdentity& a, const ResourceIdentity& b);

inline bool tree_order_before(const ResourceIdentity& a, const ResourceIdentity& b) {
    return compare_tree_order(a, b) < 0;
}

}  // namespace tavorin
