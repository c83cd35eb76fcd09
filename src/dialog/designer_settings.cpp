#include "dialog/designer_settings.h"

#include <tinyxml2.h>

namespace tavorin {

namespace {

const tinyxml2::XMLElement* child(const tinyxml2::XMLElement* element, const char* name) {
    return element != nullptr ? element->FirstChildElement(name) : nullptr;
}

// A size of at least one unit; anything else keeps the fallback.
std::int32_t read_size(const tinyxml2::XMLElement* element, const char* attribute, std::int32_t fallback) {
    const std::int32_t value = read_config_int(element, fallback, attribute);
    return value >= 1 && value <= 1000 ? value : fallback;
}

}  // namespace

void DesignerSettingsSection::read(const tinyxml2::XMLElement* element) {
    const DesignerSettings defaults;
    DesignerSettings settings;
    const std::int32_t resize = read_config_int(child(element, "autoResizeType"), 1);
    settings.auto_resize = resize >= 0 && resize <= 3 ? static_cast<AutoResize>(resize) : defaults.auto_resize;

    const auto* grid = child(element, "grid");
    settings.grid_width = read_size(grid, "width", defaults.grid_width);
    settings.grid_height = read_size(grid, "height", defaults.grid_height);
    const bool grid_visible = read_config_bool(grid, false, "visible");

    const auto* margin = child(element, "margin");
    settings.margin_size = read_size(margin, "size", defaults.margin_size);
    settings.margin_visible = read_config_bool(margin, false, "visible");

    const auto* snap = child(element, "snap");
    settings.snap_distance = read_size(snap, "sepSize", defaults.snap_distance);
    settings.small_snap_distance = read_size(snap, "smallSepSize", defaults.small_snap_distance);
    const bool snap_on = read_config_bool(snap, false, "visible");
    // A file that has both on keeps the grid, as switching the grid on last would.
    settings.set_snap(snap_on);
    if (grid_visible) settings.set_grid(true);
    settings_ = settings;
}

void DesignerSettingsSection::write(tinyxml2::XMLElement& element) const {
    write_config_int(element, "autoResizeType", static_cast<std::int32_t>(settings_.auto_resize));
    tinyxml2::XMLElement& grid = *element.InsertNewChildElement("grid");
    grid.SetAttribute("width", settings_.grid_width);
    grid.SetAttribute("height", settings_.grid_height);
    grid.SetAttribute("visible", config_bool_text(settings_.grid_visible));
    tinyxml2::XMLElement& margin = *element.InsertNewChildElement("margin");
    margin.SetAttribute("size", settings_.margin_size);
    margin.SetAttribute("visible", config_bool_text(settings_.margin_visible));
    tinyxml2::XMLElement& snap = *element.InsertNewChildElement("snap");
    snap.SetAttribute("sepSize", settings_.snap_distance);
    snap.SetAttribute("smallSepSize", settings_.small_snap_distance);
    snap.SetAttribute("visible", config_bool_text(settings_.snap_on));
}

}  // namespace tavorin
