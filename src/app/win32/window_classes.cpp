#include "app/win32/window_classes.h"

#include <commctrl.h>

#include "app/win32/link_controls.h"
#include "app/win32/main_window.h"
#include "platform/win32/window_class.h"

namespace tavorin {

namespace {

bool register_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon, HICON small_icon,
                    int background, int extra_bytes = 0) {
    WindowClass description{name, procedure, CS_HREDRAW | CS_VREDRAW};
    description.background = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
    description.icon = icon;
    description.small_icon = small_icon;
    description.extra_bytes = extra_bytes;
    return register_window_class(instance, description);
}

// The editor tabs live inside the area; their notifications go on to the main window.
LRESULT CALLBACK editor_area_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    if (message == WM_NOTIFY) return SendMessageW(GetParent(window), message, wparam, lparam);
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

bool register_window_classes(HINSTANCE instance, HICON icon, HICON small_icon) {
    bool registered = register_class(instance, window_class::main, MainWindow::procedure, icon, small_icon, COLOR_BTNFACE);
    registered &= register_class(instance, window_class::link, link_procedure, icon, small_icon, COLOR_BTNFACE,
                                 link_extra_bytes);
    registered &= register_class(instance, window_class::image_link, image_link_procedure, icon, small_icon,
                                 COLOR_BTNFACE, link_extra_bytes);
    registered &= register_class(instance, window_class::editor_area, editor_area_procedure, icon, small_icon,
                                 COLOR_APPWORKSPACE);
    return registered;
}

void give_dialogs_the_program_icon(HINSTANCE instance, HICON icon) {
    HWND dialog = CreateWindowExW(0, L"#32770", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (dialog == nullptr) return;
    SetClassLongPtrW(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    DestroyWindow(dialog);
}

void initialise_common_controls() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_COOL_CLASSES |
                                           ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
}

}  // namespace tavorin
