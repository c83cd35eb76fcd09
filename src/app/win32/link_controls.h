#pragma once
// "Link" (a hyperlink label) and "ImageLink" (a clickable image), small widgets of the about and
// update dialogs. A click reaches the parent as WM_COMMAND with BN_CLICKED and the control's id.
// Link draws its window text in the font given with WM_SETFONT (an underlined one, usually);
// ImageLink draws the bitmap or icon given with STM_SETIMAGE.

#include "platform/win32/windows_api.h"

namespace tavorin {

// Bytes of window memory both classes need: the font or image handle and the image type.
inline constexpr int link_extra_bytes = 2 * sizeof(LONG_PTR);

LRESULT CALLBACK link_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
LRESULT CALLBACK image_link_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

}  // namespace tavorin
