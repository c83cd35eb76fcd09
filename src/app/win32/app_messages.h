#pragma once
// Private messages the program's windows exchange.

#include "platform/win32/windows_api.h"

namespace tavorin::app_message {

inline constexpr UINT key_down = WM_APP + 6;        // a WM_KEYDOWN seen first by the main window
inline constexpr UINT character = WM_APP + 10;      // a WM_CHAR seen first by the main window
inline constexpr UINT wants_wheel = WM_APP + 12;    // "do you scroll by the wheel yourself?"
inline constexpr UINT hover_ended = WM_APP + 17;    // the mouse has left the window
inline constexpr UINT wheel = WM_APP + 18;          // the wheel message itself, before scrolling
inline constexpr UINT wheel_zoom = WM_APP + 19;     // Ctrl+wheel; wparam: 1 when turned backwards
inline constexpr UINT load_finished = WM_APP + 30;  // the worker has read the project's file
// Sent to the active editor's window when the clipboard's content changed, so that it can enable
// or disable its Paste; a window without a Paste of its own ignores it.
inline constexpr UINT clipboard_changed = WM_APP + 31;
// Posted to the main window when it becomes active: gives the focus to its editor or tree when
// no window of it has the focus.
inline constexpr UINT restore_focus = WM_APP + 32;

// What a window answers to wants_wheel (yes) and to wheel (deliver the wheel message as it is).
inline constexpr LRESULT wheel_yes = 0x12345678;

// The line count travels in the high word of WM_VSCROLL with this code.
inline constexpr WORD scroll_lines = 100;

}  // namespace tavorin::app_message
