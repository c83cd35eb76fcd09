#pragma once
// With TAVORIN_SCREENSHOTS naming a folder, a GUI test waits at a named moment until a
// screenshot has been taken: it writes NAME.ready there and goes on when NAME.done appears (or
// after 20 seconds). Without it nothing happens.

#include "platform/win32/windows_api.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "gui_test_support.h"

namespace tavorin::testing {

inline void wait_for_screenshot(HWND window, const char* name) {
    const char* folder = std::getenv("TAVORIN_SCREENSHOTS");
    if (folder == nullptr) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const std::filesystem::path base(folder);
    write_text(base / (std::string(name) + ".ready"), "");
    pump_until([&] { return std::filesystem::exists(base / (std::string(name) + ".done")); }, 20000);
}

}  // namespace tavorin::testing
