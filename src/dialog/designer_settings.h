#pragma once
// The designer's own settings, kept in the "dialog" element of the configuration file beside
// the control catalog's overrides: how Fit to contents resizes, the grid, the margin and the
// snapping distances. All sizes are dialog units.

#include <cstdint>

#include "services/config_section.h"

namespace tavorin {

// When a caption change or Fit to contents gives a control its natural size.
enum class AutoResize : std::int32_t { always = 0, only_upsizing = 1, only_downsizing = 2, never = 3 };

struct DesignerSettings {
    AutoResize auto_resize = AutoResize::only_upsizing;
    std::int32_t grid_width = 5;
    std::int32_t grid_height = 5;
    bool grid_visible = false;
    std::int32_t margin_size = 7;
    bool margin_visible = false;
    std::int32_t snap_distance = 5;
    std::int32_t small_snap_distance = 2;
    bool snap_on = false;

    // The margin that moves and pastes keep to: its size when it is shown, else 0.
    std::int32_t visible_margin() const { return margin_visible ? margin_size : 0; }

    // The grid and snapping exclude each other: switching one on switches the other off.
    void set_grid(bool on) {
        grid_visible = on;
        if (on) snap_on = false;
    }
    void set_snap(bool on) {
        snap_on = on;
        if (on) grid_visible = false;
    }

    friend bool operator==(const DesignerSettings&, const DesignerSettings&) = default;
};

// "autoResizeType" (value), "grid" (width, height, visible), "margin" (size, visible) and "snap"
// (sepSize, smallSepSize, visible) under "dialog". Missing or unusable values keep the defaults;
// sizes below 1 are not taken.
class DesignerSettingsSection : public ConfigSection {
public:
    DesignerSettings& settings() { return settings_; }
    const DesignerSettings& settings() const { return settings_; }

    const char* element_name() const override { return "dialog"; }
    void read(const tinyxml2::XMLElement* element) override;
    void write(tinyxml2::XMLElement& element) const override;

private:
    DesignerSettings settings_;
};

}  // namespace tavorin
