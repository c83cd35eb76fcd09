#pragma once
// The icon an ICON control (a picture control of type SS_ICON) shows in the designer and in Test
// Dialog: the project's icon resource it names, since the program's own module has none of them.

#include "platform/win32/windows_api.h"

#include "platform/win32/handles.h"

namespace tavorin {

class Control;
class Project;

// The icon of the project's icon resource the control names (from memory, else from its file),
// the system's application icon when there is none; nothing for a control that shows no icon.
UniqueIcon control_icon(const Control& control, const Project& project);

// Gives an ICON control's window its icon: the window keeps `box` when it has a size, else it
// takes the icon's.
void show_control_icon(HWND window, HICON icon, const RECT& box);

}  // namespace tavorin
