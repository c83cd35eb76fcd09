#pragma once
// The code view: a read-only Rich Edit 2.0 pane that shows resource-script text or generated C
// code with syntax colouring. It answers Copy and Select all, from its own context menu and from
// whoever forwards those commands to it.

#include "platform/win32/windows_api.h"

#include <exception>
#include <string_view>

#include "app/win32/app_context.h"

namespace tavorin {

class CodePreviewPane {
public:
    explicit CodePreviewPane(App& app) : app_(app) {}
    ~CodePreviewPane();
    CodePreviewPane(const CodePreviewPane&) = delete;
    CodePreviewPane& operator=(const CodePreviewPane&) = delete;

    // Creates the pane as a child of `parent` (hidden until the caller shows it). False when the
    // system refused.
    bool create(HWND parent, int id);

    // The pane, to be placed and sized by its parent; the Rich Edit control fills it.
    HWND window() const { return window_; }
    HWND edit() const { return edit_; }

    // Replaces the pane's text with `text`, coloured, in the program's code font, scrolled to
    // the top.
    void show(std::u16string_view text);

    // Copies the selection to the clipboard; the pane keeps the focus.
    void copy();
    void select_all();
    // Copy (cmd::copy) and Select all (cmd::select_all); false for every other command.
    bool on_command(int command);

    // The window procedure's side (bound_window.h).
    void attach(HWND window) noexcept { window_ = window; }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept { window_ = edit_ = nullptr; }

private:
    bool create_edit();
    void show_context_menu(LPARAM position);

    App& app_;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

}  // namespace tavorin
