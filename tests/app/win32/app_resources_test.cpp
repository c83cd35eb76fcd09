#include "app/win32/app_resources.h"

#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

LOGFONTW font_of(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return description;
}

int points_to_height(int points) {
    const WindowDc screen(nullptr);
    return -MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
}

TEST(AppResources, CheckerboardAlternatesRedAndWhiteStartingEachRowWithTheOther) {
    const auto pixels = checkerboard_pixels();
    EXPECT_EQ(pixels[0], 0x0000FFu);
    EXPECT_EQ(pixels[1], 0xFFFFFFu);
    EXPECT_EQ(pixels[7], 0xFFFFFFu);
    EXPECT_EQ(pixels[8], 0xFFFFFFu);
    EXPECT_EQ(pixels[9], 0x0000FFu);
    EXPECT_EQ(pixels[63], 0x0000FFu);
}

TEST(AppResources, FontsOfTheUserInterfaceFace) {
    const AppResources resources(GetModuleHandleW(nullptr));
    // Wine ships the theme library, so the themed face is chosen.
    EXPECT_EQ(resources.ui_face(), u"Ms Shell Dlg 2");
    const LOGFONTW regular = font_of(resources.regular_font());
    EXPECT_STREQ(regular.lfFaceName, L"Ms Shell Dlg 2");
    EXPECT_EQ(regular.lfHeight, points_to_height(8));
    EXPECT_EQ(regular.lfCharSet, DEFAULT_CHARSET);
    EXPECT_TRUE(font_of(resources.underlined_font()).lfUnderline);
    EXPECT_EQ(font_of(resources.bold_font()).lfWeight, 700);
    EXPECT_TRUE(font_of(resources.italic_font()).lfItalic);

    const LOGFONTW heading = font_of(resources.heading_font());
    EXPECT_STREQ(heading.lfFaceName, L"Arial");
    EXPECT_EQ(heading.lfHeight, points_to_height(10));
    EXPECT_EQ(heading.lfWeight, 700);
    EXPECT_TRUE(heading.lfItalic);
    EXPECT_STREQ(font_of(resources.code_font()).lfFaceName, L"Courier New");

    EXPECT_EQ(GetCurrentObject(resources.measuring_dc(), OBJ_FONT), resources.regular_font());
}

TEST(AppResources, BrushesAndPenHaveTheirColours) {
    const AppResources resources(GetModuleHandleW(nullptr));
    const auto colour = [](HBRUSH brush) {
        LOGBRUSH description{};
        GetObjectW(brush, sizeof(description), &description);
        return description.lbColor;
    };
    EXPECT_EQ(colour(resources.light_red_brush()), 0x8080FFu);
    EXPECT_EQ(colour(resources.green_brush()), 0x00FF00u);
    EXPECT_EQ(colour(resources.overlay_brush()), 0x521808u);
    LOGPEN pen{};
    GetObjectW(resources.highlight_pen(), sizeof(pen), &pen);
    EXPECT_EQ(pen.lopnColor, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(pen.lopnWidth.x, 1);
    LOGBRUSH pattern{};
    GetObjectW(resources.checker_brush(), sizeof(pattern), &pattern);
    EXPECT_EQ(pattern.lbStyle, static_cast<UINT>(BS_PATTERN));
}

}  // namespace
}  // namespace tavorin::testing
