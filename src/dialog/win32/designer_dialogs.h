#pragma once
// The designer's two small dialogs: the grid and margin settings, and the tab order list.

#include "platform/win32/windows_api.h"

namespace tavorin {

class DesignerEditing;
struct DesignerSettings;
class Workspace;

namespace grid_control {
inline constexpr int margin = 1301;
inline constexpr int grid_width = 1302;
inline constexpr int grid_height = 1303;
inline constexpr int snap = 1304;
inline constexpr int small_snap = 1305;
}  // namespace grid_control

namespace tab_order_control {
inline constexpr int list = 1311;
inline constexpr int up = 1312;
inline constexpr int down = 1313;
}  // namespace tab_order_control

// Margin size, grid width and height, default and reduced snap distance; taken over on OK when
// each is a number of at least 1. True when confirmed.
bool edit_grid_settings(HWND owner, Workspace& workspace, DesignerSettings& settings);

// The controls in list order; Move up and Move down reorder them at once, each move one "Set
// Control Order" step. True when anything moved.
bool edit_tab_order(HWND owner, Workspace& workspace, DesignerEditing& editing);

}  // namespace tavorin
