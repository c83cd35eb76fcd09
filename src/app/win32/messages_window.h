#pragma once
// The Messages window: the message log as a list, filtered by level with three toggle buttons,
// with "Clear" and "Close".

#include "platform/win32/windows_api.h"

#include "app/win32/app_context.h"

namespace tavorin {

namespace messages_control {
inline constexpr int toolbar = 1000;
inline constexpr int list = 1001;
inline constexpr int clear = 1002;
inline constexpr int close = IDCANCEL;  // also what Escape sends
inline constexpr int show_errors = 1010;
inline constexpr int show_warnings = 1011;
inline constexpr int show_informations = 1012;
}  // namespace messages_control

// Modal, owned by `owner`: returns once the user has closed it.
void show_messages_window(App& app, HWND owner);

// The same window without a loop of its own; it destroys itself when closed. Nothing when the
// system refused to create it.
HWND open_messages_window(App& app, HWND owner);

}  // namespace tavorin
