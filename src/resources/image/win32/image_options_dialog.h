#pragma once
// The image editor's options: the pixel grid, the texture grid or plain transparent colour with
// its two colours and presets, the grid size, the background and inverted-background colours,
// and a preview of them all. The settings change only when the dialog is confirmed.

#include "platform/win32/windows_api.h"

#include <string>

#include "resources/image/image_editor_settings.h"

namespace tavorin {

class Workspace;

namespace image_options_control {
inline constexpr int pixel_grid = 1400;
inline constexpr int transparent_color = 1401;
inline constexpr int texture_grid = 1402;
inline constexpr int color1 = 1403;
inline constexpr int color2 = 1404;
inline constexpr int light = 1405;
inline constexpr int medium = 1406;
inline constexpr int dark = 1407;
inline constexpr int grid_size = 1408;
inline constexpr int background = 1409;
inline constexpr int inverted_background = 1410;
inline constexpr int preview = 1411;
}  // namespace image_options_control

// Modal, owned by `owner`; true when confirmed with a change. `face` and `font` are the program's
// dialog font.
bool edit_image_options(Workspace& workspace, HWND owner, HINSTANCE instance, const std::u16string& face, HFONT font,
                        ImageEditorSettings& settings);

}  // namespace tavorin
