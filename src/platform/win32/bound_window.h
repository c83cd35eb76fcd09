#pragma once
// One static window procedure per class that binds the C++ object at creation and forwards every
// message to it. No exception leaves the procedure: the object is told about it instead.
//
// `Owner` provides:
//   void attach(HWND) noexcept;                        // the window now exists
//   LRESULT on_message(UINT, WPARAM, LPARAM);          // may throw
//   void on_exception(std::exception_ptr) noexcept;
//   void detach() noexcept;                            // after WM_NCDESTROY

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <exception>
#include <span>

namespace tavorin {

template <typename Owner>
LRESULT CALLBACK bound_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        if (owner != nullptr) owner->attach(window);
    }
    if (owner == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    LRESULT result = 0;
    try {
        result = owner->on_message(message, wparam, lparam);
    } catch (...) {
        owner->on_exception(std::current_exception());
        result = DefWindowProcW(window, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        owner->detach();
    }
    return result;
}

// The same for dialog boxes: the object arrives with WM_INITDIALOG. Returns what a dialog
// procedure returns (TRUE when the message was handled).
template <typename Owner>
INT_PTR CALLBACK bound_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        owner = reinterpret_cast<Owner*>(lparam);
        SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(owner));
        if (owner != nullptr) owner->attach(dialog);
    }
    if (owner == nullptr) return FALSE;
    INT_PTR result = FALSE;
    try {
        result = owner->on_message(message, wparam, lparam);
    } catch (...) {
        owner->on_exception(std::current_exception());
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(dialog, DWLP_USER, 0);
        owner->detach();
    }
    return result;
}

// Runs `owner` as a modal dialog built from an in-memory template; returns what EndDialog got.
template <typename Owner>
INT_PTR run_bound_dialog(HINSTANCE instance, std::span<const std::uint8_t> layout, HWND parent, Owner& owner) {
    return DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), parent,
                                   bound_dialog_procedure<Owner>, reinterpret_cast<LPARAM>(&owner));
}

}  // namespace tavorin
