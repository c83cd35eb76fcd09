#pragma once
// The main window's menu bar, built from the menu data with the texts of the current UI strings.

#include "platform/win32/windows_api.h"

#include "services/ui_strings.h"
#include "platform/win32/handles.h"

namespace tavorin {

UniqueMenu create_menu_bar(const UiStrings& strings);

// Greys the items that need a project while none is open, and enables them again.
void enable_project_items(HMENU menu_bar, bool project_open);

}  // namespace tavorin
