#pragma once
// Move-only owners of Win32 handles, so that nothing leaks or is freed twice on any path, and a
// scope guard for SelectObject.

#include "platform/win32/windows_api.h"

#include <utility>

namespace tavorin {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Hands the handle over to whoever takes ownership (the system, another owner).
    Handle release() { return std::exchange(handle_, nullptr); }

    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) Traits::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

namespace handle_traits {
struct Window { static void close(HWND window) { DestroyWindow(window); } };
struct GdiObject { static void close(HGDIOBJ object) { DeleteObject(object); } };
struct MemoryDc { static void close(HDC dc) { DeleteDC(dc); } };
struct Menu { static void close(HMENU menu) { DestroyMenu(menu); } };
struct Icon { static void close(HICON icon) { DestroyIcon(icon); } };
struct Library { static void close(HMODULE module) { FreeLibrary(module); } };
struct Kernel { static void close(HANDLE handle) { CloseHandle(handle); } };
}  // namespace handle_traits

using UniqueWindow = UniqueHandle<HWND, handle_traits::Window>;
using UniqueFont = UniqueHandle<HFONT, handle_traits::GdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, handle_traits::GdiObject>;
using UniquePen = UniqueHandle<HPEN, handle_traits::GdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, handle_traits::GdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, handle_traits::MemoryDc>;  // from CreateCompatibleDC
using UniqueMenu = UniqueHandle<HMENU, handle_traits::Menu>;
using UniqueIcon = UniqueHandle<HICON, handle_traits::Icon>;
using UniqueLibrary = UniqueHandle<HMODULE, handle_traits::Library>;
using UniqueKernelHandle = UniqueHandle<HANDLE, handle_traits::Kernel>;

// A device context from GetDC, given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a device context for the guard's lifetime.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tavorin
