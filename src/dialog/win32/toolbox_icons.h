#pragma once
// The toolbox's pictures: the pointer and one small drawing for each of the 24 kinds of control,
// drawn with GDI on a 16 x 16 grid scaled to the box.

#include "platform/win32/windows_api.h"

namespace tavorin {

// Number 0 is the pointer, 1 to 24 the control kinds by their catalog number; other numbers
// draw nothing.
void draw_toolbox_icon(HDC dc, const RECT& box, int number);

}  // namespace tavorin
