#pragma once
// What the GUI tests share: a session on the scripted platform whose executable folder is a
// fresh temporary folder, the program's shared GDI objects and window classes, and the App that
// the program's windows are created with.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <string>

#include "app/app_paths.h"
#include "app/session.h"
#include "app/win32/app_context.h"
#include "app/win32/app_resources.h"
#include "app/win32/startup.h"
#include "base/file_io.h"
#include "platform/scripted_platform.h"

namespace tavorin::testing {

// Holds keys down in this thread's keyboard state, as GetKeyState reports them, until it goes.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256] = {};
};

// A window's restored rectangle, whether or not it shows maximized.
inline RECT normal_rect(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

inline std::filesystem::path unique_folder(const char* purpose) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto folder = std::filesystem::temp_directory_path() /
                  (std::string("tavorin-") + purpose + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    return folder;
}

// Removes every message left in this thread's queue, WM_QUIT included, so that the next test's
// loops start clean.
inline void drain_messages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message != WM_QUIT) DispatchMessageW(&message);
    }
}

// Runs the messages of this thread until `done` holds or the time is up.
inline bool pump_until(const std::function<bool()>& done, int milliseconds = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > static_cast<DWORD>(milliseconds)) return false;
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    return true;
}

inline void write_text(const std::filesystem::path& path, std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    ASSERT_TRUE(write_file_atomically(path, std::span(bytes, text.size())).ok());
}

inline HTREEITEM next_item(HWND tree, HTREEITEM item, UINT relation) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

inline std::wstring item_text(HWND tree, HTREEITEM item) {
    wchar_t text[256] = {};
    TVITEMW info{};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = 256;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

inline std::wstring window_text(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// With TAVORIN_SCREENSHOTS naming a folder, a test waits at a named moment until a screenshot has
// been taken: it writes NAME.ready there and goes on when NAME.done appears (or after 20 seconds).
// Without it nothing happens. This one repaints the window as it stands...
inline void wait_for_screenshot(HWND window, const char* name) {
    const char* folder = std::getenv("TAVORIN_SCREENSHOTS");
    if (folder == nullptr) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::filesystem::path base(folder);
    write_text(base / (std::string(name) + ".ready"), "");
    pump_until([&] { return std::filesystem::exists(base / (std::string(name) + ".done")); }, 20000);
}

// ...and this one first shows it at a size that fits the screen.
inline void pause_for_screenshot(HWND window, const char* name) {
    if (std::getenv("TAVORIN_SCREENSHOTS") == nullptr) return;
    ShowWindow(window, SW_SHOWNA);
    SetWindowPos(window, nullptr, 20, 20, 1150, 800, SWP_NOZORDER | SWP_NOACTIVATE);
    wait_for_screenshot(window, name);
}

class GuiTest : public ::testing::Test {
protected:
    GuiTest() : folder(unique_folder("gui")), session(platform_with_folder()) { session.set_interactive(true); }

    ~GuiTest() override {
        drain_messages();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    void SetUp() override { ASSERT_TRUE(prepare_windowing(instance, resources)); }

    HINSTANCE instance = GetModuleHandleW(nullptr);
    std::filesystem::path folder;
    ScriptedPlatform platform;
    Session session;
    AppResources resources{instance};
    App app{session, AppPaths::beside(folder), resources, instance, register_clipboard_formats(), {}, {}, nullptr, {}};

private:
    ScriptedPlatform& platform_with_folder() {
        platform.folder = folder;
        return platform;
    }
};

}  // namespace tavorin::testing
