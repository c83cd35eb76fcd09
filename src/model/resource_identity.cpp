#include "model/resource_identity.h"

namespace tavorin {

NameOrOrdinal resource_type_of(const ResourceIdentity& identity) {
    if (is_named_custom_kind(identity.kind)) return NameOrOrdinal::of_text(identity.custom_type_name);
    return NameOrOrdinal::of_ordinal(standard_type_of(identity.kind));
}

NameOrOrdinal resource_name_of(const ResourceIdentity& identity) {
    if (identity.string_name) return NameOrOrdinal::of_text(identity.name);
    return NameOrOrdinal::of_ordinal(identity.ordinal);
}

}  // namespace tavorin
