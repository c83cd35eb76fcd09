#pragma once
// The main window: menu bar, the area that holds the editors, the commands of the shell and the
// shortcut dispatch of every key stroke.

#include "platform/win32/windows_api.h"
#include <shellapi.h>

#include <cstdint>
#include <exception>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/app_context.h"
#include "platform/win32/handles.h"

namespace tavorin {

class MainWindow {
public:
    explicit MainWindow(App& app) : app_(app) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() { window_.reset(); }

    // Creates the window hidden, with its menu bar, placed where the layout file says (or in the
    // middle of the screen). False when the system refused.
    bool create();
    // Shows it maximized when the settings say so.
    void show();

    HWND handle() const { return window_.get(); }
    HMENU menu_bar() const { return GetMenu(window_.get()); }
    bool project_open() const { return project_open_; }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept { window_.release(); }

private:
    void on_create();
    void on_command(cmd::Id id);
    void on_size(WPARAM kind, int width, int height);
    void on_key_down(WPARAM wparam, LPARAM lparam);
    void on_character(WPARAM wparam, LPARAM lparam);
    void on_hover_timer();
    void on_drop_files(HDROP drop);

    void show_no_project();
    void toggle_auto_save_layout();
    void quit();
    void save_layout();

    App& app_;
    UniqueWindow window_;
    HWND editor_area_ = nullptr;  // child of window_, destroyed with it
    bool project_open_ = false;
    // The panel arrangement read from the layout file, written back as it was.
    std::vector<std::uint8_t> panels_;
};

}  // namespace tavorin
