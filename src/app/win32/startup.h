#pragma once
// The program's run from its arguments to its exit code: start-up, the conversion mode, the main
// window and its message loop, all inside the guard that turns an escaped exception into the
// "An error occurred" message.

#include "platform/win32/windows_api.h"

#include <span>
#include <string>

#include "app/command_line.h"
#include "app/session.h"
#include "app/win32/app_resources.h"

namespace tavorin {

class MainWindow;
struct App;

// Start-up's question about include paths, when none are configured and the settings allow it
// (or on a first run): Yes opens the preferences at "Include paths". True when they were opened.
bool run_include_question(App& app, MainWindow& main_window, bool first_run);

// `arguments` excludes the program name.
int run_program(HINSTANCE instance, std::span<const std::u16string> arguments);

// What the guard does with an exception that escaped: the conversion mode writes "An error
// occurred. Tavorin will exit." on the standard error and fails with exit code 1; the editor shows
// it in a box captioned "Error" and ends with exit code 0, as if closed.
int report_fatal_error(Session& session, HWND main_window, CommandLine::Mode mode);

// The classes, common controls and dialog icon every window of the program relies on. False when
// a window class could not be registered.
bool prepare_windowing(HINSTANCE instance, const AppResources& resources);

}  // namespace tavorin
