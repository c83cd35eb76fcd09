#pragma once
// The Help menu: the user guide beside the program, the web page and the contact address (both
// configuration values) opened with the shell, and the About box.

#include "platform/win32/windows_api.h"

#include <string_view>

#include "app/win32/app_context.h"

namespace tavorin {

namespace about_control {
inline constexpr int version = 100;
inline constexpr int libraries = 101;
}  // namespace about_control

void open_help(App& app);

// Only web and mail addresses are handed to the shell; anything else is reported.
void open_address(App& app, std::u16string_view address);

void show_about(App& app, HWND owner);

}  // namespace tavorin
