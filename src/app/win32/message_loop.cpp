#include "app/win32/message_loop.h"

#include <windowsx.h>

#include <utility>

#include "app/win32/app_messages.h"

namespace tavorin {

namespace {

constexpr int wheel_lines = 3;

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;
    ~FlagScope() { flag_ = false; }

private:
    bool& flag_;
};

WPARAM mouse_key_flags() {
    WPARAM flags = 0;
    const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    if (held(VK_LBUTTON)) flags |= MK_LBUTTON;
    if (held(VK_RBUTTON)) flags |= MK_RBUTTON;
    if (held(VK_MBUTTON)) flags |= MK_MBUTTON;
    if (held(VK_SHIFT)) flags |= MK_SHIFT;
    if (held(VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

// False when the wheel message should be dispatched as it is.
bool route_mouse_wheel(App& app, HWND main_window, const MSG& message) {
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    HWND target = WindowFromPoint(at);
    if (target == nullptr || !IsChild(main_window, target)) return false;
    if (SendMessageW(target, app_message::wants_wheel, 0, 0) != app_message::wheel_yes) return false;
    if (SendMessageW(target, app_message::wheel, message.wParam, message.lParam) == app_message::wheel_yes) return false;
    scroll_by_wheel(app, target, message.wParam);
    return true;
}

void track_hover(App& app, HWND window) {
    if (window == app.input.hover_window) return;
    if (app.input.hover_window != nullptr) SendMessageW(app.input.hover_window, app_message::hover_ended, 0, 0);
    app.input.hover_window = window;
}

}  // namespace

void scroll_by_wheel(App& app, HWND target, WPARAM wparam) {
    // Less than a whole notch either way counts as a forward turn.
    const bool backwards = GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA < 0;
    if ((GET_KEYSTATE_WPARAM(wparam) & MK_CONTROL) != 0) {
        SendMessageW(target, app_message::wheel_zoom, backwards ? 1 : 0, 0);
        return;
    }
    HWND scrolled = GetCapture() != nullptr ? GetCapture() : target;
    const FlagScope scrolling(app.input.wheel_scrolling);
    const auto lines = static_cast<WORD>(static_cast<short>(backwards ? wheel_lines : -wheel_lines));
    SendMessageW(scrolled, WM_VSCROLL, MAKEWPARAM(app_message::scroll_lines, lines), 0);
    SendMessageW(scrolled, WM_VSCROLL, SB_ENDSCROLL, 0);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(scrolled, &cursor);
    PostMessageW(scrolled, WM_MOUSEMOVE, mouse_key_flags(), MAKELPARAM(cursor.x, cursor.y));
}

void process_message(App& app, HWND main_window, MSG& message) {
    if (message.message == WM_MOUSEWHEEL) {
        if (!route_mouse_wheel(app, main_window, message)) DispatchMessageW(&message);
        return;
    }
    if (message.message == WM_MOUSEMOVE) {
        track_hover(app, message.hwnd);
        DispatchMessageW(&message);
        return;
    }
    const bool main_exists = main_window != nullptr && IsWindow(main_window);
    HWND popup = main_exists ? GetLastActivePopup(main_window) : nullptr;
    if (popup != nullptr && popup != main_window && IsDialogMessageW(popup, &message)) return;
    TranslateMessage(&message);
    // With no window holding the focus (after a message box or dialog has closed, or before
    // anything was clicked) the system sends every key to the active window as a system key;
    // only one with Alt held really is one.
    const bool alt_held = (message.lParam & (LPARAM{1} << 29)) != 0;
    const bool plain_key = message.message == WM_KEYDOWN || (message.message == WM_SYSKEYDOWN && !alt_held);
    if (main_exists && plain_key) {
        SendMessageW(main_window, app_message::key_down, message.wParam, message.lParam);
    } else if (main_exists && message.message == WM_CHAR) {
        SendMessageW(main_window, app_message::character, message.wParam, message.lParam);
    }
    DispatchMessageW(&message);
}

int run_message_loop(App& app, HWND main_window) {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return 0;
        process_message(app, main_window, message);
        if (app.failure) std::rethrow_exception(std::exchange(app.failure, nullptr));
    }
}

}  // namespace tavorin
