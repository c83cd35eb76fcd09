#pragma once
// The drop-down list beside the Undo and Redo buttons: the names of the steps, newest first;
// pointing at an entry selects it and every entry above it, and a click (or Enter) runs that
// many steps. Escape, or a click outside after the one that opened it, closes it without action.

#include "platform/win32/windows_api.h"

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace tavorin {

class UndoList {
public:
    UndoList() = default;
    UndoList(const UndoList&) = delete;
    UndoList& operator=(const UndoList&) = delete;
    ~UndoList() { close(); }

    // Opens the list with its top-left corner at `screen` (a point on the screen).
    bool open(HWND owner, HINSTANCE instance, HFONT font, POINT screen, const std::vector<std::u16string>& names,
              std::function<void(int steps)> chosen);
    void close();
    HWND handle() const { return list_; }
    bool is_open() const { return list_ != nullptr; }
    // The number of selected entries, the steps a click would run.
    int picked() const;
    // A key pressed while the list is open (the keyboard focus stays where it was): Up takes an
    // entry away, Down adds one, Enter runs the steps, Escape closes.
    void key(WPARAM key);

private:
    static LRESULT CALLBACK list_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;
    LRESULT on_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void pick_up_to(std::size_t count);
    void finish(bool run);

    UniqueWindow window_;
    HWND list_ = nullptr;
    std::size_t entries_ = 0;
    std::function<void(int steps)> chosen_;
    bool first_release_ = true;
};

}  // namespace tavorin
