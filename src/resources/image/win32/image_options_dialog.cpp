#include "resources/image/win32/image_options_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include <exception>
#include <vector>

#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "resources/image/zoomed_image_view.h"

namespace tavorin {

namespace {

namespace id = image_options_control;

constexpr int preview_width = 160;
constexpr int preview_height = 120;

// A small image with opaque, half-transparent and transparent pixels, for the preview.
Pixels preview_image() {
    Pixels pixels(18, 13, argb(0, 0, 0, 0));
    for (std::uint32_t y = 2; y < 11; ++y) {
        for (std::uint32_t x = 2; x < 16; ++x) {
            pixels.at(x, y) = x < 9 ? argb(0xFF, 0x20, 0x60, 0xC0) : argb(0x80, 0xC0, 0x30, 0x30);
        }
    }
    pixels.at(1, 1) = 0x00FFFFFF;  // a pixel that inverts the screen
    return pixels;
}

class ImageOptionsDialog {
public:
    ImageOptionsDialog(Workspace& workspace, HINSTANCE instance, HFONT font, const ImageEditorSettings& settings)
        : workspace_(workspace), instance_(instance), font_(font), settings_(settings) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept {}
    const ImageEditorSettings& settings() const { return settings_; }

private:
    HWND child(const wchar_t* window_class, const std::u16string& text, DWORD style, int control, int x, int y,
               int width, int height);
    void on_init();
    void choose(std::uint32_t& color);
    void draw_item(const DRAWITEMSTRUCT& item);
    void refresh();

    Workspace& workspace_;
    HINSTANCE instance_;
    HFONT font_;
    ImageEditorSettings settings_;
    HWND dialog_ = nullptr;
    HWND slider_ = nullptr;
};

HWND ImageOptionsDialog::child(const wchar_t* window_class, const std::u16string& text, DWORD style, int control,
                               int x, int y, int width, int height) {
    RECT box{x, y, x + width, y + height};
    MapDialogRect(dialog_, &box);
    HWND window = CreateWindowExW(0, window_class, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left,
                                  box.top, box.right - box.left, box.bottom - box.top, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)), instance_, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return window;
}

void ImageOptionsDialog::on_init() {
    SetWindowTextW(dialog_, wide(workspace_.text(str::image_options_caption)).c_str());
    child(L"BUTTON", workspace_.text(str::show_pixel_grid), BS_AUTOCHECKBOX | WS_TABSTOP, id::pixel_grid, 7, 7, 200, 10);
    child(L"BUTTON", workspace_.text(str::transparent_color_choice), BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP,
          id::transparent_color, 7, 22, 90, 10);
    child(L"BUTTON", workspace_.text(str::texture_grid_choice), BS_AUTORADIOBUTTON, id::texture_grid, 100, 22, 90, 10);
    child(L"STATIC", workspace_.text(str::texture_grid_colors), SS_LEFT, -1, 7, 38, 80, 9);
    child(L"BUTTON", u"", BS_OWNERDRAW | WS_TABSTOP | WS_GROUP, id::color1, 90, 36, 20, 12);
    child(L"BUTTON", u"", BS_OWNERDRAW | WS_TABSTOP, id::color2, 114, 36, 20, 12);
    child(L"BUTTON", workspace_.text(str::preset_light), BS_PUSHBUTTON | WS_TABSTOP, id::light, 7, 52, 40, 13);
    child(L"BUTTON", workspace_.text(str::preset_medium), BS_PUSHBUTTON | WS_TABSTOP, id::medium, 50, 52, 40, 13);
    child(L"BUTTON", workspace_.text(str::preset_dark), BS_PUSHBUTTON | WS_TABSTOP, id::dark, 93, 52, 40, 13);
    child(L"STATIC", workspace_.text(str::grid_size_label), SS_LEFT, -1, 7, 72, 60, 9);
    slider_ = child(TRACKBAR_CLASSW, u"", TBS_AUTOTICKS | TBS_HORZ | WS_TABSTOP, id::grid_size, 70, 69, 70, 16);
    SendMessageW(slider_, TBM_SETRANGE, TRUE, MAKELPARAM(1, 5));
    child(L"STATIC", workspace_.text(str::background_color_label), SS_LEFT, -1, 7, 94, 80, 9);
    child(L"BUTTON", u"", BS_OWNERDRAW | WS_TABSTOP, id::background, 90, 92, 20, 12);
    child(L"STATIC", workspace_.text(str::inverted_background_label), SS_LEFT, -1, 7, 110, 80, 9);
    child(L"BUTTON", u"", BS_OWNERDRAW | WS_TABSTOP, id::inverted_background, 90, 108, 20, 12);
    child(L"BUTTON", workspace_.text(str::preview_label), BS_GROUPBOX, -1, 160, 7, 133, 112);
    // The preview is 160 x 120 screen pixels, whatever the dialog units make of the box.
    RECT box{168, 20, 168, 20};
    MapDialogRect(dialog_, &box);
    HWND preview = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, box.left, box.top,
                                   preview_width, preview_height, dialog_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id::preview)), instance_, nullptr);
    (void)preview;
    child(L"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, 189, 155, 50, 14);
    child(L"BUTTON", u"Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 243, 155, 50, 14);
    refresh();
}

void ImageOptionsDialog::refresh() {
    CheckDlgButton(dialog_, id::pixel_grid, settings_.pixel_grid ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(dialog_, id::transparent_color, id::texture_grid,
                     settings_.texture_grid ? id::texture_grid : id::transparent_color);
    SendMessageW(slider_, TBM_SETPOS, TRUE, settings_.grid_size);
    for (int control : {id::color1, id::color2, id::background, id::inverted_background, id::preview}) {
        InvalidateRect(GetDlgItem(dialog_, control), nullptr, TRUE);
    }
}

void ImageOptionsDialog::choose(std::uint32_t& color) {
    static COLORREF custom[16]{};
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = dialog_;
    choice.rgbResult = color;
    choice.lpCustColors = custom;
    choice.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (ChooseColorW(&choice)) color = choice.rgbResult;
    refresh();
}

void ImageOptionsDialog::draw_item(const DRAWITEMSTRUCT& item) {
    if (item.CtlID == static_cast<UINT>(id::preview)) {
        const ZoomedView view{8, 0, 0, preview_width, preview_height, true, true};
        const std::vector<std::uint32_t> screen = render_zoomed_view(preview_image(), view, settings_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = preview_width;
        info.bmiHeader.biHeight = -preview_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(item.hDC, 0, 0, preview_width, preview_height, 0, 0, 0, preview_height, screen.data(), &info,
                          DIB_RGB_COLORS);
        return;
    }
    std::uint32_t color = 0;
    switch (item.CtlID) {
        case id::color1: color = settings_.texture_color1; break;
        case id::color2: color = settings_.texture_color2; break;
        case id::background: color = settings_.background; break;
        default: color = settings_.inverted_background; break;
    }
    DrawEdge(item.hDC, const_cast<RECT*>(&item.rcItem), (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT);
    RECT inside = item.rcItem;
    InflateRect(&inside, -3, -3);
    UniqueBrush brush(CreateSolidBrush(color));
    FillRect(item.hDC, &inside, brush.get());
}

INT_PTR ImageOptionsDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            on_init();
            return TRUE;
        case WM_DRAWITEM:
            draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lparam) == slider_) {
                settings_.grid_size = static_cast<int>(SendMessageW(slider_, TBM_GETPOS, 0, 0));
                InvalidateRect(GetDlgItem(dialog_, id::preview), nullptr, FALSE);
            }
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case id::pixel_grid: settings_.pixel_grid = IsDlgButtonChecked(dialog_, id::pixel_grid) == BST_CHECKED; break;
                case id::transparent_color: settings_.texture_grid = false; refresh(); break;
                case id::texture_grid: settings_.texture_grid = true; refresh(); break;
                case id::color1: choose(settings_.texture_color1); break;
                case id::color2: choose(settings_.texture_color2); break;
                case id::background: choose(settings_.background); break;
                case id::inverted_background: choose(settings_.inverted_background); break;
                case id::light: apply_texture_preset(settings_, TexturePreset::light); refresh(); break;
                case id::medium: apply_texture_preset(settings_, TexturePreset::medium); refresh(); break;
                case id::dark: apply_texture_preset(settings_, TexturePreset::dark); refresh(); break;
                case IDOK: EndDialog(dialog_, IDOK); break;
                case IDCANCEL: EndDialog(dialog_, IDCANCEL); break;
                default: break;
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool edit_image_options(Workspace& workspace, HWND owner, HINSTANCE instance, const std::u16string& face, HFONT font,
                        ImageEditorSettings& settings) {
    ImageOptionsDialog dialog(workspace, instance, font, settings);
    if (run_bound_dialog(instance, empty_dialog_template(300, 176, face), owner, dialog) != IDOK) return false;
    if (dialog.settings() == settings) return false;
    settings = dialog.settings();
    return true;
}

}  // namespace tavorin
