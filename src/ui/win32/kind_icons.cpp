#include "ui/win32/kind_icons.h"

#include <array>

#include "platform/win32/handles.h"
#include "ui/resource_tree_model.h"

namespace tavorin {

namespace {

struct KindPicture {
    COLORREF colour;
    wchar_t letter;
};

// In KindIcon order.
constexpr std::array<KindPicture, kind_icon_count> pictures{{
    {RGB(0x2E, 0x6F, 0xBF), L'D'},  // dialog
    {RGB(0x3C, 0x9A, 0x4A), L'M'},  // menu
    {RGB(0x8A, 0x5A, 0xB8), L'A'},  // accelerator
    {RGB(0xC0, 0x7A, 0x1E), L'S'},  // string table
    {RGB(0x5A, 0x6B, 0x7A), L'V'},  // version
    {RGB(0x1E, 0x8C, 0x8C), L'T'},  // toolbar
    {RGB(0xC8, 0x3C, 0x3C), L'B'},  // bitmap
    {RGB(0xD8, 0x9E, 0x00), L'I'},  // icon
    {RGB(0x60, 0x60, 0x60), L'C'},  // cursor
    {RGB(0x2F, 0x4F, 0x8F), L'X'},  // manifest
    {RGB(0xE0, 0x5A, 0x2A), L'H'},  // html
    {RGB(0x80, 0x80, 0x80), L'R'},  // custom
}};

HBITMAP draw_picture(HDC screen, const KindPicture& picture, HFONT font) {
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    if (bitmap == nullptr) return nullptr;
    const UniqueMemoryDc dc(CreateCompatibleDC(screen));
    const SelectedObject selected(dc.get(), bitmap);
    const UniqueBrush background(CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF)));
    const RECT all{0, 0, 16, 16};
    FillRect(dc.get(), &all, background.get());
    const UniqueBrush tile(CreateSolidBrush(picture.colour));
    const RECT inner{1, 1, 15, 15};
    FillRect(dc.get(), &inner, tile.get());
    const SelectedObject selected_font(dc.get(), font);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(0xFF, 0xFF, 0xFF));
    RECT text_area = inner;
    DrawTextW(dc.get(), &picture.letter, 1, &text_area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return bitmap;
}

}  // namespace

KindIcons::KindIcons() {
    list_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, kind_icon_count, 0);
    if (list_ == nullptr) return;
    const WindowDc screen(nullptr);
    const UniqueFont font(CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Arial"));
    for (const KindPicture& picture : pictures) {
        const UniqueBitmap bitmap(draw_picture(screen.get(), picture, font.get()));
        // White around the tile is the transparent part.
        ImageList_AddMasked(list_, bitmap.get(), RGB(0xFF, 0xFF, 0xFF));
    }
}

KindIcons::~KindIcons() {
    if (list_ != nullptr) ImageList_Destroy(list_);
}

}  // namespace tavorin
