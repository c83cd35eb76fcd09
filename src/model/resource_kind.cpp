#include "model/resource_kind.h"

namespace tavorin {

std::uint16_t standard_type_of(ResourceKind k) {
    switch (k) {
    case kind::bitmap: return resource_type::bitmap;
    case kind::icon: return resource_type::group_icon;
    case kind::menu: return resource_type::menu;
    case kind::dialog: return resource_type::dialog;
    case kind::string_table: return resource_type::string;
    case kind::accelerator: return resource_type::accelerator;
    case kind::version: return resource_type::version;
    case kind::toolbar: return resource_type::toolbar;
    case kind::manifest: return resource_type::manifest;
    case kind::cursor: return resource_type::group_cursor;
    case kind::html: return resource_type::html;
    case kind::user_defined: return resource_type::rcdata;
    default: break;
    }
    if (is_numeric_custom_kind(k)) return static_cast<std::uint16_t>(k - kind::numeric_custom_base);
    return 0;
}

}  // namespace tavorin
