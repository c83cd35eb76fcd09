#pragma once
// Registering the window classes of the program's own windows. A class that another window of the
// program registered before counts as registered.

#include "platform/win32/windows_api.h"

namespace tavorin {

struct WindowClass {
    const wchar_t* name = nullptr;
    WNDPROC procedure = nullptr;
    UINT style = 0;
    const wchar_t* cursor = IDC_ARROW;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    HICON small_icon = nullptr;
    int extra_bytes = 0;
};

bool register_window_class(HINSTANCE instance, const WindowClass& window_class);

}  // namespace tavorin
