#pragma once
// The program's message loop: wheel turns go to the window under the cursor, key strokes pass the
// main window's shortcut dispatch first, dialogs get their keyboard handling.

#include "platform/win32/windows_api.h"

#include "app/win32/app_context.h"

namespace tavorin {

// Runs until WM_QUIT and returns its exit code. An exception that a window procedure caught is
// thrown again from here, for the program's guard.
int run_message_loop(App& app, HWND main_window);

// Handles one message taken from the queue (what the loop does with each).
void process_message(App& app, HWND main_window, MSG& message);

// A wheel turn over a window that scrolls by itself: with Ctrl it zooms, otherwise the window (or
// the one that has the mouse captured) scrolls by three lines.
void scroll_by_wheel(App& app, HWND target, WPARAM wparam);

}  // namespace tavorin
