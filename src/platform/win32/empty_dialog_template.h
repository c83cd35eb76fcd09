#pragma once
// The in-memory template of a dialog box without controls, for the program's dialogs that make
// their controls themselves: a centred popup with a modal frame, caption and system menu (plus
// `extra_style`), in the font `face` at 8 points, `width` by `height` dialog units.

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavorin {

std::vector<std::uint8_t> empty_dialog_template(int width, int height, std::u16string_view face,
                                                DWORD extra_style = 0, DWORD extended_style = 0);

}  // namespace tavorin
