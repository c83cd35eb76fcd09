#include "platform/win32/empty_dialog_template.h"

#include "base/binary_buffer.h"

namespace tavorin {

std::vector<std::uint8_t> empty_dialog_template(int width, int height, std::u16string_view face,
                                                DWORD extra_style, DWORD extended_style) {
    BinaryBuffer buffer;
    buffer.write_u32(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER | extra_style);
    buffer.write_u32(extended_style);
    buffer.write_u16(0);  // no controls
    buffer.write_u16(0);  // x
    buffer.write_u16(0);  // y
    buffer.write_u16(static_cast<std::uint16_t>(width));
    buffer.write_u16(static_cast<std::uint16_t>(height));
    buffer.write_u16(0);  // no menu
    buffer.write_u16(0);  // the standard dialog class
    buffer.write_u16(0);  // the window sets its title
    buffer.write_u16(8);  // point size of the font
    buffer.write_text(face);
    return buffer.take();
}

}  // namespace tavorin
