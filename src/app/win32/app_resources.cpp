#include "app/win32/app_resources.h"

#include "app/win32/resource_ids.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

struct FontStyle {
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
};

UniqueFont create_font(int dpi, std::u16string_view face, int points, FontStyle style) {
    const int height = -MulDiv(points, dpi, 72);
    return UniqueFont(CreateFontW(height, 0, 0, 0, style.weight, style.italic, style.underline, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  wide(face).c_str()));
}

UniqueBrush solid_brush(COLORREF colour) { return UniqueBrush(CreateSolidBrush(colour)); }

HICON load_program_icon(HINSTANCE instance, int size) {
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(resource_id::program_icon), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

std::array<std::uint32_t, 64> checkerboard_pixels() {
    std::array<std::uint32_t, 64> pixels{};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) pixels[static_cast<std::size_t>(y * 8 + x)] = (x + y) % 2 == 0 ? 0x0000FF : 0xFFFFFF;
    }
    return pixels;
}

AppResources::AppResources(HINSTANCE instance)
    : theme_library_(LoadLibraryW(L"UxTheme.dll")), rich_edit_library_(LoadLibraryW(L"Riched20.dll")) {
    ui_face_ = theme_library_ ? u"Ms Shell Dlg 2" : u"Ms Shell Dlg";
    themed_drawing_ = theme_library_ && GetProcAddress(theme_library_.get(), "OpenThemeData") != nullptr;

    program_icon_ = load_program_icon(instance, GetSystemMetrics(SM_CXICON));
    small_program_icon_ = load_program_icon(instance, GetSystemMetrics(SM_CXSMICON));

    const WindowDc screen(nullptr);
    measuring_dc_.reset(CreateCompatibleDC(screen.get()));
    dpi_ = 0;
    set_dpi(GetDeviceCaps(screen.get(), LOGPIXELSY));

    light_red_brush_ = solid_brush(0x8080FF);
    green_brush_ = solid_brush(0x00FF00);
    overlay_brush_ = solid_brush(0x521808);
    highlight_pen_.reset(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_HIGHLIGHT)));

    const auto pixels = checkerboard_pixels();
    checker_bitmap_.reset(CreateBitmap(8, 8, 1, 32, pixels.data()));
    if (checker_bitmap_) checker_brush_.reset(CreatePatternBrush(checker_bitmap_.get()));
}

void AppResources::set_dpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    measuring_font_selection_.reset();
    for (UniqueFont* font : {&regular_font_, &underlined_font_, &bold_font_, &italic_font_, &heading_font_, &code_font_}) {
        if (*font) retired_fonts_.push_back(std::move(*font));
    }
    regular_font_ = create_font(dpi, ui_face_, 8, {});
    underlined_font_ = create_font(dpi, ui_face_, 8, {FW_NORMAL, false, true});
    bold_font_ = create_font(dpi, ui_face_, 8, {FW_BOLD, false, false});
    italic_font_ = create_font(dpi, ui_face_, 8, {FW_NORMAL, true, false});
    heading_font_ = create_font(dpi, u"Arial", 10, {FW_BOLD, true, false});
    code_font_ = create_font(dpi, u"Courier New", 10, {});
    if (measuring_dc_ && regular_font_) measuring_font_selection_.emplace(measuring_dc_.get(), regular_font_.get());
}

}  // namespace tavorin
