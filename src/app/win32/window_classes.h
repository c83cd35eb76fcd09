#pragma once
// The window classes of the shell, registered once at start-up.

#include "platform/win32/windows_api.h"

namespace tavorin {

namespace window_class {
inline constexpr const wchar_t* main = L"TavorinWnd";
inline constexpr const wchar_t* link = L"Link";             // a hyperlink label
inline constexpr const wchar_t* image_link = L"ImageLink";  // a clickable image
inline constexpr const wchar_t* editor_area = L"MyMDIClient";  // holds the editor windows
}  // namespace window_class

// Registers the four classes; a class this process registered before counts as registered.
bool register_window_classes(HINSTANCE instance, HICON icon, HICON small_icon);

// Every dialog box of the program shows the program icon.
void give_dialogs_the_program_icon(HINSTANCE instance, HICON icon);

// The common controls the program uses.
void initialise_common_controls();

}  // namespace tavorin
