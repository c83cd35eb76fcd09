#include "ui/win32/property_panel.h"

#include "platform/win32/wide_text.h"
#include "ui/dpi_scale.h"

namespace tavorin {

namespace {

// At 96 dpi.
constexpr int caption_height = 20;
constexpr int help_height = 48;

}  // namespace

bool PropertyPanel::create(HWND parent, HINSTANCE instance, HFONT font, const Texts& texts) {
    caption_ = CreateWindowExW(0, L"STATIC", wide(texts.caption).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, 0, 0, 0, 0,
                               parent, nullptr, instance, nullptr);
    help_ = CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0,
                            0, 0, parent, nullptr, instance, nullptr);
    if (caption_ == nullptr || help_ == nullptr || !grid_.create(parent, instance, font, texts.empty)) return false;
    SendMessageW(caption_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(help_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    grid_.callbacks.selection_changed = [this](std::optional<std::size_t> row) { show_help(row); };
    const WindowDc screen(nullptr);
    dpi_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return true;
}

void PropertyPanel::set_font(HFONT font, int dpi) {
    dpi_ = dpi;
    SendMessageW(caption_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(help_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    grid_.set_font(font, dpi);
}

// The selected property's name and what it means.
void PropertyPanel::show_help(std::optional<std::size_t> row) {
    std::u16string text;
    if (row && *row < grid_.model().rows().size()) {
        const PropertyRow& shown = grid_.model().rows()[*row];
        text = shown.name;
        if (!shown.help.empty()) text += u"\r\n" + shown.help;
    }
    SetWindowTextW(help_, wide(text).c_str());
}

void PropertyPanel::set_visible(bool visible) {
    const int show = visible ? SW_SHOW : SW_HIDE;
    ShowWindow(caption_, show);
    ShowWindow(grid_.handle(), show);
    ShowWindow(help_, show);
}

void PropertyPanel::move(int x, int y, int width, int height) {
    const int caption = scaled_for_dpi(caption_height, dpi_);
    const int help = scaled_for_dpi(help_height, dpi_);
    MoveWindow(caption_, x + 4, y, width - 4, caption, TRUE);
    const int grid_height = std::max(0, height - caption - help);
    MoveWindow(grid_.handle(), x, y + caption, width, grid_height, TRUE);
    MoveWindow(help_, x, y + caption + grid_height, width, std::min(help, std::max(0, height - caption)), TRUE);
}

}  // namespace tavorin
