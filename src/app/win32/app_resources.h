#pragma once
// The GDI objects and libraries the whole program shares from start-up to exit.

#include "platform/win32/windows_api.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace tavorin {

// The checkerboard of the pattern brush: 8 x 8 pixels alternating red (0x0000FF) and white, each
// row starting with the other colour.
std::array<std::uint32_t, 64> checkerboard_pixels();

class AppResources {
public:
    explicit AppResources(HINSTANCE instance);
    AppResources(const AppResources&) = delete;
    AppResources& operator=(const AppResources&) = delete;

    // "Ms Shell Dlg 2" where the theme library is present, else "Ms Shell Dlg".
    const std::u16string& ui_face() const { return ui_face_; }
    bool themed_drawing() const { return themed_drawing_; }

    HICON program_icon() const { return program_icon_; }
    HICON small_program_icon() const { return small_program_icon_; }

    HFONT regular_font() const { return regular_font_.get(); }
    HFONT underlined_font() const { return underlined_font_.get(); }
    HFONT bold_font() const { return bold_font_.get(); }
    HFONT italic_font() const { return italic_font_.get(); }
    HFONT heading_font() const { return heading_font_.get(); }  // Arial 10 points, bold italic
    HFONT code_font() const { return code_font_.get(); }        // Courier New 10 points

    // The resolution the fonts are made for; a new one makes new fonts. Windows keep the fonts
    // they were given until they take the new ones, so the old fonts live on until exit.
    int dpi() const { return dpi_; }
    void set_dpi(int dpi);

    // A screen-compatible device context with the regular font selected, for measuring text.
    HDC measuring_dc() const { return measuring_dc_.get(); }

    HBRUSH light_red_brush() const { return light_red_brush_.get(); }  // 0x8080FF
    HBRUSH green_brush() const { return green_brush_.get(); }          // 0x00FF00
    HBRUSH overlay_brush() const { return overlay_brush_.get(); }      // 0x521808
    HPEN highlight_pen() const { return highlight_pen_.get(); }
    HBRUSH checker_brush() const { return checker_brush_.get(); }

private:
    UniqueLibrary theme_library_;
    UniqueLibrary rich_edit_library_;
    std::u16string ui_face_;
    bool themed_drawing_ = false;

    HICON program_icon_ = nullptr;  // shared resource icons: the system frees them
    HICON small_program_icon_ = nullptr;

    UniqueFont regular_font_;
    UniqueFont underlined_font_;
    UniqueFont bold_font_;
    UniqueFont italic_font_;
    UniqueFont heading_font_;
    UniqueFont code_font_;
    int dpi_ = 96;
    std::vector<UniqueFont> retired_fonts_;
    UniqueMemoryDc measuring_dc_;
    std::optional<SelectedObject> measuring_font_selection_;

    UniqueBrush light_red_brush_;
    UniqueBrush green_brush_;
    UniqueBrush overlay_brush_;
    UniquePen highlight_pen_;
    UniqueBitmap checker_bitmap_;
    UniqueBrush checker_brush_;
};

}  // namespace tavorin
