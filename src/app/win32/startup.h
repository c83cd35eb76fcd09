#pragma once
// The program's run from its arguments to its exit code: start-up, the conversion mode, the main
// window and its message loop, all inside the guard that turns an escaped exception into the
// "An error occured" message.

#include "platform/win32/windows_api.h"

#include <span>
#include <string>

#include "app/win32/app_resources.h"

namespace tavorin {

// `arguments` excludes the program name.
int run_program(HINSTANCE instance, std::span<const std::u16string> arguments);

// The classes, common controls and dialog icon every window of the program relies on. False when
// a window class could not be registered.
bool prepare_windowing(HINSTANCE instance, const AppResources& resources);

}  // namespace tavorin
