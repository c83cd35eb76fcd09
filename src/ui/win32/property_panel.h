#pragma once
// The property panel: a caption above the property grid, and under it the name and help text of
// the selected property.

#include "platform/win32/windows_api.h"

#include <string>

#include "ui/win32/property_grid.h"

namespace tavorin {

class PropertyPanel {
public:
    struct Texts {
        std::u16string caption;  // "Properties"
        std::u16string empty;    // "No available information"
    };

    bool create(HWND parent, HINSTANCE instance, HFONT font, const Texts& texts);
    HWND caption() const { return caption_; }
    HWND grid_window() const { return grid_.handle(); }
    HWND help() const { return help_; }
    PropertyGrid& grid() { return grid_; }
    const PropertyGrid& grid() const { return grid_; }

    // The font and sizes for a screen of `dpi` dots per inch.
    void set_font(HFONT font, int dpi);
    void set_visible(bool visible);
    void move(int x, int y, int width, int height);

private:
    void show_help(std::optional<std::size_t> row);

    HWND caption_ = nullptr;  // destroyed with the parent
    HWND help_ = nullptr;
    PropertyGrid grid_;
    int dpi_ = 96;
};

}  // namespace tavorin
