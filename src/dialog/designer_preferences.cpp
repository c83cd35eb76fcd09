#include "dialog/designer_preferences.h"

#include <tinyxml2.h>

namespace tavorin {

namespace {

std::int32_t read_size(const tinyxml2::XMLElement* element, const char* attribute, std::int32_t fallback) {
    const std::int32_t value = read_config_int(element, fallback, attribute);
    return value >= 1 && value <= 1000 ? value : fallback;
}

}  // namespace

void DesignerPreferences::show_grid(bool visible) {
    grid_visible = visible;
    if (visible) snap_visible = false;
}

void DesignerPreferences::show_snap(bool visible) {
    snap_visible = visible;
    if (visible) grid_visible = false;
}

void DesignerPreferencesSection::read(const tinyxml2::XMLElement* element) {
    const DesignerPreferences defaults;
    values = defaults;
    if (element == nullptr) return;
    const std::int32_t resize = read_config_int(element->FirstChildElement("autoResizeType"), 1);
    values.auto_resize = resize >= 0 && resize <= 3 ? static_cast<AutoResize>(resize) : defaults.auto_resize;

    const auto* grid = element->FirstChildElement("grid");
    values.grid_width = read_size(grid, "width", defaults.grid_width);
    values.grid_height = read_size(grid, "height", defaults.grid_height);
    const auto* margin = element->FirstChildElement("margin");
    values.margin_size = read_size(margin, "size", defaults.margin_size);
    values.margin_visible = read_config_bool(margin, false, "visible");
    const auto* snap = element->FirstChildElement("snap");
    values.snap_distance = read_size(snap, "sepSize", defaults.snap_distance);
    values.small_snap_distance = read_size(snap, "smallSepSize", defaults.small_snap_distance);
    values.show_snap(read_config_bool(snap, false, "visible"));
    if (read_config_bool(grid, false, "visible")) values.show_grid(true);
}

void DesignerPreferencesSection::write(tinyxml2::XMLElement& element) const {
    write_config_int(element, "autoResizeType", static_cast<std::int32_t>(values.auto_resize));
    auto& grid = *element.InsertNewChildElement("grid");
    grid.SetAttribute("width", values.grid_width);
    grid.SetAttribute("height", values.grid_height);
    grid.SetAttribute("visible", config_bool_text(values.grid_visible));
    auto& margin = *element.InsertNewChildElement("margin");
    margin.SetAttribute("size", values.margin_size);
    margin.SetAttribute("visible", config_bool_text(values.margin_visible));
    auto& snap = *element.InsertNewChildElement("snap");
    snap.SetAttribute("sepSize", values.snap_distance);
    snap.SetAttribute("smallSepSize", values.small_snap_distance);
    snap.SetAttribute("visible", config_bool_text(values.snap_visible));
}

}  // namespace tavorin
