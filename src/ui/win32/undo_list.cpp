#include "ui/win32/undo_list.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "ui/undo_list_layout.h"

namespace tavorin {

namespace {
constexpr UINT_PTR list_subclass = 1;
}

bool UndoList::open(HWND owner, HINSTANCE instance, HFONT font, POINT screen, const std::vector<std::u16string>& names,
                    std::function<void(int steps)> chosen) {
    close();
    if (names.empty()) return false;
    int widest = 0;
    {
        WindowDc dc(owner);
        SelectedObject selected(dc.get(), font);
        for (const std::u16string& name : names) {
            SIZE size{};
            const std::wstring text = wide(name);
            GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
    }
    const UndoListLayout layout = undo_list_layout(names.size(), widest, GetSystemMetrics(SM_CXVSCROLL));
    // A thin-bordered tool window holding the list.
    HWND frame = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, L"STATIC", nullptr, WS_POPUP | WS_BORDER, screen.x,
                                 screen.y, layout.window_width, layout.window_height, owner, nullptr, instance, nullptr);
    if (frame == nullptr) return false;
    window_.reset(frame);
    list_ = CreateWindowExW(0, L"LISTBOX", nullptr,
                            WS_CHILD | WS_VISIBLE | LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY |
                                (layout.scrolls ? WS_VSCROLL : 0),
                            0, 0, layout.list_width, layout.list_height, frame, nullptr, instance, nullptr);
    if (list_ == nullptr) {
        window_.reset();
        return false;
    }
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, layout.row_height);
    for (const std::u16string& name : names) {
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name).c_str()));
    }
    entries_ = names.size();
    chosen_ = std::move(chosen);
    first_release_ = true;
    pick_up_to(1);
    SetWindowSubclass(list_, list_procedure, list_subclass, reinterpret_cast<DWORD_PTR>(this));
    ShowWindow(frame, SW_SHOWNA);
    SetCapture(list_);
    return true;
}

void UndoList::close() {
    if (list_ == nullptr) return;
    HWND list = list_;
    list_ = nullptr;
    if (GetCapture() == list) ReleaseCapture();
    RemoveWindowSubclass(list, list_procedure, list_subclass);
    window_.reset();
}

int UndoList::picked() const {
    return list_ == nullptr ? 0 : static_cast<int>(SendMessageW(list_, LB_GETSELCOUNT, 0, 0));
}

void UndoList::pick_up_to(std::size_t count) {
    count = std::clamp<std::size_t>(count, 1, entries_);
    SendMessageW(list_, LB_SELITEMRANGE, FALSE, MAKELPARAM(0, entries_ - 1));
    SendMessageW(list_, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, count - 1));
}

void UndoList::finish(bool run) {
    const int steps = picked();
    auto chosen = std::move(chosen_);
    close();
    if (run && steps > 0 && chosen) chosen(steps);
}

void UndoList::key(WPARAM key) {
    if (list_ == nullptr) return;
    switch (key) {
        case VK_ESCAPE: finish(false); break;
        case VK_RETURN: finish(true); break;
        case VK_UP: pick_up_to(static_cast<std::size_t>(std::max(1, picked() - 1))); break;
        case VK_DOWN: pick_up_to(static_cast<std::size_t>(picked() + 1)); break;
        default: break;
    }
}

LRESULT CALLBACK UndoList::list_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                          DWORD_PTR data) noexcept {
    try {
        return reinterpret_cast<UndoList*>(data)->on_message(window, message, wparam, lparam);
    } catch (...) {
        return 0;
    }
}

LRESULT UndoList::on_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_MOUSEMOVE: {
            RECT client{};
            GetClientRect(window, &client);
            const int y = GET_Y_LPARAM(lparam);
            const auto top = static_cast<std::size_t>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
            // Above or below the list it scrolls a line.
            if (y < 0 && top > 0) SendMessageW(window, LB_SETTOPINDEX, top - 1, 0);
            if (y >= client.bottom) SendMessageW(window, LB_SETTOPINDEX, top + 1, 0);
            const auto first = static_cast<std::size_t>(SendMessageW(window, LB_GETTOPINDEX, 0, 0));
            pick_up_to(undo_entries_picked(std::clamp(y, 0, static_cast<int>(client.bottom) - 1), first, entries_));
            return 0;
        }
        case WM_LBUTTONDOWN:
            return 0;
        case WM_LBUTTONUP: {
            RECT client{};
            GetClientRect(window, &client);
            const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            if (PtInRect(&client, at)) {
                finish(true);
            } else if (first_release_) {
                // The release that completes the click on the button that opened the list.
                first_release_ = false;
            } else {
                finish(false);
            }
            return 0;
        }
        case WM_KEYDOWN:
            key(wparam);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lparam) != window && list_ != nullptr) {
                // Something else took the mouse: the list goes without action. Closing here
                // would destroy the window inside its own message.
                PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
            }
            return 0;
        default:
            return DefSubclassProc(window, message, wparam, lparam);
    }
}

}  // namespace tavorin
