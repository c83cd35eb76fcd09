#include "platform/win32/window_class.h"

namespace tavorin {

bool register_window_class(HINSTANCE instance, const WindowClass& window_class) {
    WNDCLASSEXW description{};
    description.cbSize = sizeof(description);
    description.style = window_class.style;
    description.lpfnWndProc = window_class.procedure;
    description.cbWndExtra = window_class.extra_bytes;
    description.hInstance = instance;
    description.hIcon = window_class.icon;
    description.hIconSm = window_class.small_icon;
    description.hCursor = LoadCursorW(nullptr, window_class.cursor);
    description.hbrBackground = window_class.background;
    description.lpszClassName = window_class.name;
    return RegisterClassExW(&description) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace tavorin
