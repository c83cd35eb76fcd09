// The catalog's overrides in the configuration file.

#include <tinyxml2.h>

#include "base/text.h"
#include "dialog/control_catalog.h"

namespace tavorin {

void ControlCatalog::read(const tinyxml2::XMLElement* element) {
    if (element == nullptr) return;
    for (const auto* child = element->FirstChildElement("default"); child != nullptr;
         child = child->NextSiblingElement("default")) {
        const auto type = read_config_attribute(child, "type");
        if (!type) continue;
        const CatalogEntry* found = find(*type);
        if (found == nullptr) continue;
        CatalogEntry& target = entry(found->kind);

        const std::int32_t width = read_config_int(child, 0, "width");
        const std::int32_t height = read_config_int(child, 0, "height");
        if (width > 0 && height > 0) {
            target.default_width = width;
            target.default_height = height;
        }
        if (auto name = read_config_attribute(child, "name")) target.default_text = std::move(*name);
        if (auto id = read_config_attribute(child, "id")) target.default_identifier = std::move(*id);
        if (child->Attribute("forceControlStatement") != nullptr) {
            target.force_control_statement = read_config_bool(child, false, "forceControlStatement");
        }
    }
}

void ControlCatalog::write(tinyxml2::XMLElement& element) const {
    for (const CatalogEntry& entry : entries_) {
        tinyxml2::XMLElement& child = *element.InsertNewChildElement("default");
        set_config_attribute(child, "type", entry.display_name);
        child.SetAttribute("width", entry.default_width);
        child.SetAttribute("height", entry.default_height);
        set_config_attribute(child, "name", entry.default_text);
        set_config_attribute(child, "id", entry.default_identifier);
        child.SetAttribute("forceControlStatement", config_bool_text(entry.force_control_statement));
    }
}

}  // namespace tavorin
