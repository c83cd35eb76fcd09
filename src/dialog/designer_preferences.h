#pragma once
// The designer's settings in the configuration file's "dialog" element (which it shares with the
// control catalog's "default" children): how "Fit to contents" resizes, the grid, the margin and
// the snap distances, all in dialog units.

#include <cstdint>

#include "services/config_section.h"

namespace tavorin {

enum class AutoResize : std::int32_t { always = 0, only_upsizing = 1, only_downsizing = 2, never = 3 };

struct DesignerPreferences {
    AutoResize auto_resize = AutoResize::only_upsizing;
    std::int32_t grid_width = 5;
    std::int32_t grid_height = 5;
    bool grid_visible = false;
    std::int32_t margin_size = 7;
    bool margin_visible = false;
    std::int32_t snap_distance = 5;        // "sepSize"
    std::int32_t small_snap_distance = 2;  // "smallSepSize"
    bool snap_visible = false;

    // Grid and snap exclude each other: switching one on switches the other off.
    void show_grid(bool visible);
    void show_snap(bool visible);

    bool operator==(const DesignerPreferences&) const = default;
};

// "autoResizeType" (attribute "value"), "grid" ("width", "height", "visible"), "margin" ("size",
// "visible") and "snap" ("sepSize", "smallSepSize", "visible"). Sizes below 1 and unknown resize
// kinds read as the defaults; a file with both grid and snap on keeps the grid.
class DesignerPreferencesSection : public ConfigSection {
public:
    DesignerPreferences values;

    const char* element_name() const override { return "dialog"; }
    void read(const tinyxml2::XMLElement* element) override;
    void write(tinyxml2::XMLElement& element) const override;
};

}  // namespace tavorin
