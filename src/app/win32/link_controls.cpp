#include "app/win32/link_controls.h"

#include <string>

#include "platform/win32/handles.h"

namespace tavorin {

namespace {

constexpr int handle_slot = 0;
constexpr int type_slot = sizeof(LONG_PTR);

void notify_click(HWND window) {
    const auto id = static_cast<WORD>(GetDlgCtrlID(window));
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(window));
}

// The pointing hand and the click, common to both classes. True when the message was handled.
bool handle_click(HWND window, UINT message, LRESULT& result) {
    switch (message) {
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            result = TRUE;
            return true;
        case WM_LBUTTONUP:
            notify_click(window);
            result = 0;
            return true;
        default:
            return false;
    }
}

void paint_link(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));

    auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(window, handle_slot));
    const SelectedObject selected(dc, font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_HOTLIGHT));
    RECT area{};
    GetClientRect(window, &area);
    DrawTextW(dc, text.c_str(), length, &area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    EndPaint(window, &paint);
}

void paint_image(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    const auto image = reinterpret_cast<HANDLE>(GetWindowLongPtrW(window, handle_slot));
    const auto type = static_cast<UINT>(GetWindowLongPtrW(window, type_slot));
    if (image != nullptr && type == IMAGE_ICON) {
        DrawIconEx(dc, 0, 0, static_cast<HICON>(image), 0, 0, 0, nullptr, DI_NORMAL);
    } else if (image != nullptr && type == IMAGE_BITMAP) {
        BITMAP bitmap{};
        GetObjectW(image, sizeof(bitmap), &bitmap);
        const UniqueMemoryDc source(CreateCompatibleDC(dc));
        const SelectedObject selected(source.get(), image);
        BitBlt(dc, 0, 0, bitmap.bmWidth, bitmap.bmHeight, source.get(), 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

}  // namespace

LRESULT CALLBACK link_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    LRESULT result = 0;
    if (handle_click(window, message, result)) return result;
    switch (message) {
        case WM_SETFONT:
            SetWindowLongPtrW(window, handle_slot, static_cast<LONG_PTR>(wparam));
            if (LOWORD(lparam) != 0) InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrW(window, handle_slot);
        case WM_SETTEXT:
            result = DefWindowProcW(window, message, wparam, lparam);
            InvalidateRect(window, nullptr, TRUE);
            return result;
        case WM_PAINT:
            paint_link(window);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

LRESULT CALLBACK image_link_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    LRESULT result = 0;
    if (handle_click(window, message, result)) return result;
    switch (message) {
        case STM_SETIMAGE:
            result = SetWindowLongPtrW(window, handle_slot, lparam);
            SetWindowLongPtrW(window, type_slot, static_cast<LONG_PTR>(wparam));
            InvalidateRect(window, nullptr, TRUE);
            return result;
        case STM_GETIMAGE:
            return GetWindowLongPtrW(window, handle_slot);
        case WM_PAINT:
            paint_image(window);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace tavorin
