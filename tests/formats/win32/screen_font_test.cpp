#include "formats/win32/screen_font.h"

#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/binary_buffer.h"
#include "platform/win32/wide_text.h"

namespace tavorin {
namespace {

INT_PTR CALLBACK ignore_messages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The base units the dialog manager gives a dialog in this font: what 4 by 8 dialog units map to.
SIZE dialog_manager_units(const FontSpec& font) {
    BinaryBuffer buffer;
    buffer.write_u32(WS_POPUP | DS_SETFONT);
    buffer.write_u32(0);
    for (int i = 0; i < 8; ++i) buffer.write_u16(0);  // no controls, rectangle, menu, class, title
    buffer.write_u16(static_cast<std::uint16_t>(font.point_size));
    buffer.write_text(font.face);
    const std::vector<std::uint8_t> bytes = buffer.take();
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
                                             ignore_messages, 0);
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    DestroyWindow(dialog);
    return SIZE{units.right, units.bottom};
}

TEST(ScreenFont, BaseUnitsAreTheDialogManagers) {
    for (const FontSpec& font : {FontSpec{u"MS Shell Dlg", 8, 400, false}, FontSpec{u"Tahoma", 12, 400, false},
                                 FontSpec{u"Courier New", 10, 400, false}}) {
        const ScreenFont measured = measure_screen_font(font);
        const SIZE expected = dialog_manager_units(font);
        EXPECT_EQ(measured.base_width, expected.cx) << std::string(font.face.begin(), font.face.end());
        EXPECT_EQ(measured.base_height, expected.cy) << std::string(font.face.begin(), font.face.end());
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(measured.height, -MulDiv(font.point_size, GetDeviceCaps(screen, LOGPIXELSY), 72));
        ReleaseDC(nullptr, screen);
    }
}

TEST(ScreenFont, WindowFramesAreTheSystems) {
    for (const DWORD style : {DWORD{WS_POPUP | WS_CAPTION | WS_SYSMENU}, DWORD{WS_POPUP | WS_THICKFRAME},
                              DWORD{WS_CHILD}}) {
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CLIENTEDGE);
        const FrameSize measured = measure_window_frame(style, WS_EX_CLIENTEDGE);
        EXPECT_EQ(measured.width, frame.right - frame.left);
        EXPECT_EQ(measured.height, frame.bottom - frame.top);
    }
}

}  // namespace
}  // namespace tavorin
