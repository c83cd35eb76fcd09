#pragma once
// The main window's toolbar: the file commands, the clipboard, undo, the two most used "Add a
// resource" commands and the previews, each with the menu item's text as its tooltip.

#include "platform/win32/windows_api.h"

#include "services/ui_strings.h"

namespace tavorin {

// A child of `parent` at its top; destroyed with it.
HWND create_main_toolbar(HWND parent, HINSTANCE instance, const UiStrings& strings);

// Greys the buttons that need a project while none is open. Cut, Copy and Paste stay greyed
// until an editor that can use them enables them.
void enable_project_buttons(HWND toolbar, bool project_open);

}  // namespace tavorin
