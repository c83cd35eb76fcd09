#include "model/resource.h"

namespace tavorin {

Resource::Resource(ResourceKind kind, std::u16string custom_type_name) {
    identity_.kind = kind;
    identity_.custom_type_name = std::move(custom_type_name);
}

std::u16string Resource::tree_name() const {
    if (identity_.string_name) return u"\"" + identity_.name + u"\"";
    return identity_.name;
}

}  // namespace tavorin
