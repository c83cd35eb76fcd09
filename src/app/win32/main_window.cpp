#include "app/win32/main_window.h"


#include "app/config_file.h"
#include "app/layout_file.h"
#include "app/shortcut_map.h"
#include "app/win32/app_messages.h"
#include "app/win32/menu_bar.h"
#include "app/win32/messages_window.h"
#include "app/win32/window_classes.h"
#include "platform/win32/bound_window.h"

namespace tavorin {

namespace {

constexpr UINT_PTR hover_timer = 1;
constexpr UINT hover_timer_period_ms = 10;

bool key_held(int virtual_key) { return (GetAsyncKeyState(virtual_key) & 0x8000) != 0; }

WindowRect to_window_rect(const RECT& rect) { return WindowRect{rect.left, rect.top, rect.right, rect.bottom}; }

RECT to_rect(const WindowRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<MainWindow>(window, message, wparam, lparam);
}

bool MainWindow::create() {
    UniqueMenu menu = create_menu_bar(app_.session.strings());
    if (!menu) return false;
    HWND window = CreateWindowExW(WS_EX_ACCEPTFILES, window_class::main, L"Tavorin",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu.get(), app_.instance, this);
    if (window == nullptr) return false;
    menu.release();  // the window destroys its menu bar

    WindowRect placement_rect = default_window_rect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    if (auto layout = read_layout(app_.paths.layout_file)) {
        placement_rect = layout->window;
        panels_ = std::move(layout->panels);
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_HIDE;
    placement.rcNormalPosition = to_rect(placement_rect);
    SetWindowPlacement(window, &placement);

    CheckMenuItem(menu_bar(), cmd::auto_save_layout,
                  MF_BYCOMMAND | (app_.session.config().auto_save_layout ? MF_CHECKED : MF_UNCHECKED));
    show_no_project();
    return true;
}

void MainWindow::show() {
    ShowWindow(handle(), app_.session.config().maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(handle());
}

LRESULT MainWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            on_create();
            return 0;
        case WM_COMMAND:
            if (lparam == 0) on_command(LOWORD(wparam));
            return 0;
        case WM_SIZE:
            on_size(wparam, LOWORD(lparam), HIWORD(lparam));
            return 0;
        case app_message::key_down:
            on_key_down(wparam, lparam);
            return 0;
        case app_message::character:
            on_character(wparam, lparam);
            return 0;
        case WM_TIMER:
            if (wparam == hover_timer) on_hover_timer();
            return 0;
        case WM_DROPFILES:
            on_drop_files(reinterpret_cast<HDROP>(wparam));
            return 0;
        case WM_CLOSE:
            quit();
            return 0;
        case WM_DESTROY:
            KillTimer(handle(), hover_timer);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(handle(), message, wparam, lparam);
    }
}

void MainWindow::on_create() {
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    editor_area_ = CreateWindowExW(WS_EX_CLIENTEDGE, window_class::editor_area, nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, handle(),
                                   nullptr, app_.instance, nullptr);
    SetTimer(handle(), hover_timer, hover_timer_period_ms, nullptr);
}

void MainWindow::on_command(cmd::Id id) {
    switch (id) {
        case cmd::quit:
            quit();
            break;
        case cmd::auto_save_layout:
            toggle_auto_save_layout();
            break;
        case cmd::messages:
            show_messages_window(app_, handle());
            break;
        default:
            // The project, editor and dialog commands are not wired to this window yet.
            break;
    }
}

void MainWindow::on_size(WPARAM kind, int width, int height) {
    // Sizes the window takes while still hidden (creation, placement) are not the user's choice.
    if (kind != SIZE_MINIMIZED && IsWindowVisible(handle())) app_.session.config().maximized = kind == SIZE_MAXIMIZED;
    if (editor_area_ != nullptr) MoveWindow(editor_area_, 0, 0, width, height, TRUE);
}

// Every key stroke comes here first: a shortcut becomes its command, anything else goes on to
// the window that has the mouse captured.
void MainWindow::on_key_down(WPARAM wparam, LPARAM lparam) {
    const ShortcutKey key =
        shortcut_key(key_held(VK_CONTROL), key_held(VK_MENU), key_held(VK_SHIFT), static_cast<ShortcutKey>(wparam));
    if (const auto command = find_shortcut(key)) {
        app_.input.shortcut_taken = true;
        SendMessageW(handle(), WM_COMMAND, static_cast<WPARAM>(*command), 0);
        return;
    }
    app_.input.shortcut_taken = false;
    HWND target = GetCapture();
    if (target != nullptr && target != handle()) PostMessageW(target, app_message::key_down, wparam, lparam);
}

void MainWindow::on_character(WPARAM wparam, LPARAM lparam) {
    if (app_.input.shortcut_taken) return;
    if (GetForegroundWindow() != handle()) return;
    HWND target = GetCapture();
    if (target != nullptr && target != handle()) PostMessageW(target, app_message::character, wparam, lparam);
}

void MainWindow::on_hover_timer() {
    HWND hovered = app_.input.hover_window;
    if (hovered == nullptr) return;
    POINT cursor{};
    RECT area{};
    const bool inside = IsWindow(hovered) && GetCursorPos(&cursor) && GetWindowRect(hovered, &area) &&
                        PtInRect(&area, cursor);
    if (inside) return;
    app_.input.hover_window = nullptr;
    if (IsWindow(hovered)) SendMessageW(hovered, app_message::hover_ended, 0, 0);
}

void MainWindow::on_drop_files(HDROP drop) {
    // Opening the dropped file arrives with the project; the drop must be released either way.
    DragFinish(drop);
}

void MainWindow::show_no_project() {
    project_open_ = false;
    enable_project_items(menu_bar(), false);
    DrawMenuBar(handle());
    SetWindowTextW(handle(), L"Tavorin");
}

void MainWindow::toggle_auto_save_layout() {
    bool& auto_save = app_.session.config().auto_save_layout;
    auto_save = !auto_save;
    CheckMenuItem(menu_bar(), cmd::auto_save_layout, MF_BYCOMMAND | (auto_save ? MF_CHECKED : MF_UNCHECKED));
}

// The settings file is written even when the layout is not; a settings file that cannot be
// written is not worth stopping the exit for.
void MainWindow::quit() {
    (void)write_config(app_.session, app_.paths, app_.session.config_sections());
    if (app_.session.config().auto_save_layout) save_layout();
    window_.reset();
}

void MainWindow::save_layout() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(handle(), &placement)) return;
    const Status written = write_layout(app_.paths.layout_file, Layout{to_window_rect(placement.rcNormalPosition), panels_});
    if (!written) app_.session.ask(written.error(), AskButtons::ok, AskIcon::error);
}

}  // namespace tavorin
