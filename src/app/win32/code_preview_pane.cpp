#include "app/win32/code_preview_pane.h"

#include <richedit.h>

#include <algorithm>
#include <string>

#include "app/command_ids.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "ui/script_colouring.h"

namespace tavorin {

namespace {

constexpr wchar_t pane_class[] = L"TavorinCodePreview";
constexpr int edit_id = 1;
// What EM_EXLIMITTEXT accepts as "no limit": the default would cut long scripts at 32K.
constexpr LPARAM no_text_limit = 0x7FFFFFFE;

bool register_pane_class(HINSTANCE instance) {
    return register_window_class(instance, {pane_class, bound_window_procedure<CodePreviewPane>});
}

// Hands the RTF to the control in pieces, as EM_STREAMIN asks for them.
struct RtfSource {
    const std::string& rtf;
    std::size_t offset = 0;
};

DWORD CALLBACK read_rtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<RtfSource*>(cookie);
    const std::size_t left = source->rtf.size() - source->offset;
    const std::size_t count = std::min(left, static_cast<std::size_t>(wanted));
    std::copy_n(source->rtf.data() + source->offset, count, buffer);
    source->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

}  // namespace

CodePreviewPane::~CodePreviewPane() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool CodePreviewPane::create(HWND parent, int id) {
    if (!register_pane_class(app_.instance)) return false;
    const HWND pane = CreateWindowExW(0, pane_class, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance, this);
    if (pane == nullptr) return false;
    if (!create_edit()) {
        DestroyWindow(pane);
        return false;
    }
    return true;
}

bool CodePreviewPane::create_edit() {
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                            0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(edit_id)),
                            app_.instance, nullptr);
    if (edit_ == nullptr) return false;
    SendMessageW(edit_, EM_EXLIMITTEXT, 0, no_text_limit);
    return true;
}

void CodePreviewPane::show(std::u16string_view text) {
    if (edit_ == nullptr) return;
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.code_font()), FALSE);
    const std::string rtf = colour_script(text);
    RtfSource source{rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = read_rtf;
    SendMessageW(edit_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    SendMessageW(edit_, EM_SETSEL, 0, 0);
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

void CodePreviewPane::copy() {
    if (edit_ == nullptr) return;
    SendMessageW(edit_, WM_COPY, 0, 0);
    SetFocus(edit_);
}

void CodePreviewPane::select_all() {
    if (edit_ == nullptr) return;
    CHARRANGE everything{0, -1};
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&everything));
}

bool CodePreviewPane::on_command(int command) {
    if (command == cmd::copy) {
        copy();
        return true;
    }
    if (command == cmd::select_all) {
        select_all();
        return true;
    }
    return false;
}

void CodePreviewPane::show_context_menu(LPARAM position) {
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (position == -1) {  // from the keyboard: at the pane's corner
        point = POINT{0, 0};
        ClientToScreen(window_, &point);
    }
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    CHARRANGE selection{};
    SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    const UINT copy_state = selection.cpMin == selection.cpMax ? MF_GRAYED : MF_ENABLED;
    AppendMenuW(menu.get(), MF_STRING | copy_state, cmd::copy, wide(app_.session.text(str::menu_copy)).c_str());
    AppendMenuW(menu.get(), MF_STRING, cmd::select_all, wide(app_.session.text(str::menu_select_all)).c_str());
    const int chosen = static_cast<int>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y,
                                                       0, window_, nullptr));
    if (chosen != 0) on_command(chosen);
}

LRESULT CodePreviewPane::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_SIZE:
            if (edit_ != nullptr) MoveWindow(edit_, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (edit_ != nullptr) SetFocus(edit_);
            return 0;
        case WM_CONTEXTMENU:
            show_context_menu(lparam);
            return 0;
        case WM_COMMAND:
            if (lparam == 0 && on_command(LOWORD(wparam))) return 0;
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace tavorin
