#pragma once
// A real Win32 menu made from a menu resource, for previews: CreateMenu (a menu bar) or
// CreatePopupMenu, then AppendMenuW for every item as the live-menu entries say.

#include "platform/win32/windows_api.h"

#include "platform/win32/handles.h"
#include "resources/menu/menu.h"

namespace tavorin {

// `bar`: a menu bar for SetMenu, else a popup menu for TrackPopupMenu.
UniqueMenu build_live_menu(const Menu& menu, bool bar);

}  // namespace tavorin
