#pragma once
// Mouse and key messages sent to a designer's canvas, as a user's hand would make them.

#include "platform/win32/windows_api.h"

#include "dialog/win32/dialog_designer.h"

namespace tavorin::testing {

inline void canvas_mouse(DialogDesigner& designer, UINT message, POINT at, WPARAM keys = 0) {
    SendMessageW(designer.canvas(), message, keys, MAKELPARAM(at.x, at.y));
}

inline void canvas_click(DialogDesigner& designer, POINT at, WPARAM keys = 0) {
    canvas_mouse(designer, WM_LBUTTONDOWN, at, MK_LBUTTON | keys);
    canvas_mouse(designer, WM_LBUTTONUP, at, keys);
}

inline void canvas_key(DialogDesigner& designer, WPARAM code) { SendMessageW(designer.canvas(), WM_KEYDOWN, code, 0); }

}  // namespace tavorin::testing
