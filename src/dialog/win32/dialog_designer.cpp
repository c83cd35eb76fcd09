#include "dialog/win32/dialog_designer.h"

#include <commctrl.h>

#include <algorithm>

#include "base/escapes.h"
#include "base/text.h"
#include "dialog/window_styles.h"
#include "dialog/win32/control_icon.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "services/string_ids.h"

namespace tavorin {

HWND DialogDesigner::running_test_ = nullptr;

namespace {

constexpr UINT_PTR preview_subclass = 1;
constexpr int toolbox_width = 140;

bool register_classes(HINSTANCE instance) {
    WindowClass page{DialogDesigner::class_name, DialogDesigner::procedure};
    page.background = GetSysColorBrush(COLOR_BTNFACE);
    return register_window_class(instance, page) &&
           register_window_class(instance, {DialogDesigner::canvas_class_name, DialogDesigner::canvas_procedure, CS_DBLCLKS});
}

// Previews never take the mouse: the canvas beneath them gets every click.
LRESULT CALLBACK preview_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                   DWORD_PTR) noexcept {
    switch (message) {
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_NCDESTROY: RemoveWindowSubclass(window, preview_procedure, preview_subclass); break;
        default: break;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

BOOL CALLBACK make_transparent(HWND window, LPARAM) {
    SetWindowSubclass(window, preview_procedure, preview_subclass, 0);
    return TRUE;
}

}  // namespace

DialogDesigner::DialogDesigner(Dialog& dialog, Workspace& workspace, DesignerSettings& settings,
                               ControlClipboard& clipboard, EditorSite& site)
    : dialog_(dialog), workspace_(workspace), settings_(settings), clipboard_(clipboard), site_(site),
      editing_(dialog, site.history(dialog), settings, selection_) {}

DialogDesigner::~DialogDesigner() {
    // The previews go with the canvas; the font they use goes after them.
    previews_.clear();
    window_.reset();
}

LRESULT CALLBACK DialogDesigner::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<DialogDesigner>(window, message, wparam, lparam);
}

LRESULT CALLBACK DialogDesigner::canvas_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    auto* designer = reinterpret_cast<DialogDesigner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        designer = static_cast<DialogDesigner*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(designer));
        if (designer != nullptr) designer->canvas_ = window;
    }
    if (designer == nullptr || message == WM_NCDESTROY) {
        if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        return DefWindowProcW(window, message, wparam, lparam);
    }
    try {
        return designer->on_canvas(message, wparam, lparam);
    } catch (...) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

std::unique_ptr<DialogDesigner> DialogDesigner::create(Dialog& dialog, Workspace& workspace,
                                                       DesignerSettings& settings, ControlClipboard& clipboard,
                                                       EditorSite& site, HWND area, HINSTANCE instance, HFONT font) {
    if (!register_classes(instance)) return nullptr;
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES |
                                                      ICC_COOL_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                      ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    std::unique_ptr<DialogDesigner> designer(new DialogDesigner(dialog, workspace, settings, clipboard, site));
    designer->ui_font_ = font;
    designer->rich_edit_.reset(LoadLibraryW(L"riched20.dll"));
    if (CreateWindowExW(0, class_name, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, area, nullptr, instance,
                        designer.get()) == nullptr) {
        return nullptr;
    }
    designer->create_children(instance);
    if (designer->canvas_ == nullptr) return nullptr;
    designer->measure_dialog_font();
    designer->sync_previews();
    designer->update_toolbar();
    return designer;
}


void DialogDesigner::create_children(HINSTANCE instance) {
    create_toolbar(instance);
    create_toolbox(instance);
    canvas_ = CreateWindowExW(WS_EX_CLIENTEDGE, canvas_class_name, nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, 0, 0, 0, 0, window_.get(),
                              nullptr, instance, this);
}

void DialogDesigner::layout_children() {
    RECT client{};
    GetClientRect(window_.get(), &client);
    int top = 0;
    if (toolbar_ != nullptr) {
        // The toolbar wraps its buttons at the new width first; its height is then that of the
        // rows it needs, which its own sizing would take from the previous width.
        SetWindowPos(toolbar_, nullptr, 0, 0, client.right, std::max(1L, client.bottom),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
        const auto count = static_cast<int>(SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0));
        RECT last{};
        if (count > 0) SendMessageW(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last));
        top = last.bottom + 2;
        SetWindowPos(toolbar_, nullptr, 0, 0, client.right, top, SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(toolbar_, nullptr, TRUE);
    }
    const int height = std::max(0, static_cast<int>(client.bottom) - top);
    if (toolbox_ != nullptr) MoveWindow(toolbox_, 0, top, toolbox_width, height, TRUE);
    MoveWindow(canvas_, toolbox_width, top, std::max(0, static_cast<int>(client.right) - toolbox_width), height, TRUE);
    place_toolbox_tips();
}

LRESULT DialogDesigner::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_SIZE: layout_children(); return 0;
        case WM_MEASUREITEM:
            if (wparam == 0) break;
            measure_toolbox_item(*reinterpret_cast<MEASUREITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_DRAWITEM:
            if (reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->hwndItem != toolbox_) break;
            draw_toolbox_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lparam) == toolbox_ && HIWORD(wparam) == LBN_SELCHANGE) {
                const auto index = static_cast<int>(SendMessageW(toolbox_, LB_GETCURSEL, 0, 0));
                tool_ = index > 0 && is_catalog_kind_number(index) ? std::optional(control_kind_of(index))
                                                                   : std::nullopt;
                SetFocus(canvas_);
                return 0;
            }
            if (reinterpret_cast<HWND>(lparam) == toolbar_ || lparam == 0) {
                run_command(LOWORD(wparam));
                return 0;
            }
            break;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
            if (header.hwndFrom == toolbar_ && header.code == TBN_DROPDOWN) {
                const auto& drop = *reinterpret_cast<const NMTOOLBARW*>(lparam);
                RECT button{};
                SendMessageW(toolbar_, TB_GETRECT, drop.iItem, reinterpret_cast<LPARAM>(&button));
                MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&button), 2);
                show_layout_menu(static_cast<std::uint16_t>(drop.iItem), button);
                return TBDDRET_DEFAULT;
            }
            break;
        }
        default: break;
    }
    return DefWindowProcW(window_.get(), message, wparam, lparam);
}

// ---------------------------------------------------------------------------------------------
// The model on the canvas

void DialogDesigner::measure_dialog_font() {
    // The previews use the old font until they go.
    previews_.clear();
    HDC screen = GetDC(nullptr);
    const DialogFont& font = dialog_.font();
    if (dpi_ == 0) dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    const int height = -MulDiv(font.point_size, dpi_, 72);
    dialog_font_.reset(CreateFontW(height, 0, 0, 0, font.weight, font.italic, FALSE, FALSE, font.character_set,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                                   wide(font.face).c_str()));
    HGDIOBJ old = SelectObject(screen, dialog_font_ ? dialog_font_.get() : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    const std::u16string_view letters(base_unit_letters);
    GetTextExtentPoint32W(screen, wide(letters).c_str(), static_cast<int>(letters.size()), &extent);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    if (extent.cx > 0 && extent.cy > 0) dialog_.set_base_units(base_units_from_letters(extent.cx, extent.cy));
    // The frame around the client area: its caption and borders, as the window would have them.
    RECT frame{0, 0, 0, 0};
    const DWORD style = (dialog_.style() & ~(WS_CHILD | WS_DISABLED)) | WS_POPUP;
    AdjustWindowRectEx(&frame, style, FALSE, dialog_.extended_style());
    origin_ = POINT{frame_offset - frame.left, frame_offset - frame.top};
    measured_font_ = dialog_.font();
    measured_style_ = dialog_.style();
    measured_extended_style_ = dialog_.extended_style();
}

DialogRect DialogDesigner::canvas_rect(const DialogRect& units) const {
    DialogRect pixels = to_pixels(units, dialog_.base_units());
    pixels.x += origin_.x;
    pixels.y += origin_.y;
    return pixels;
}

void DialogDesigner::place_preview(Preview& preview, const DialogRect& pixels, bool redraw) {
    if (!preview.window || preview.placed == pixels) return;
    preview.placed = pixels;
    SetWindowPos(preview.window.get(), nullptr, pixels.x, pixels.y, pixels.width, pixels.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (redraw ? 0 : SWP_NOREDRAW));
}

void DialogDesigner::place_preview_of(std::int32_t key, const DialogRect& pixels) {
    if (auto found = previews_.find(key); found != previews_.end()) place_preview(found->second, pixels, true);
}

HWND DialogDesigner::create_preview(const Control& control) {
    const ControlStyles styles = control.preview_styles();
    const bool transparent = control.kind() == ControlKind::animation || control.kind() == ControlKind::group_box ||
                             control.kind() == ControlKind::picture;
    const DWORD style = (styles.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS) & ~WS_POPUP;
    const DWORD extended = styles.extended_style | (transparent ? WS_EX_TRANSPARENT : 0);
    const std::wstring window_class =
        control.kind() == ControlKind::rich_edit ? std::wstring(L"EDIT") : wide(control.window_class());
    const std::wstring caption = control.caption_is_reference() ? std::wstring() : wide(unescape_stored_text(control.text()));
    const DialogRect pixels = canvas_rect(control.rect());
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(canvas_, GWLP_HINSTANCE));
    HWND preview = CreateWindowExW(extended, window_class.c_str(), caption.c_str(), style, pixels.x, pixels.y,
                                   pixels.width, pixels.height, canvas_, nullptr, instance, nullptr);
    if (preview == nullptr) {
        // A class this program does not know (a Custom Control's): a frame with the class name.
        preview = CreateWindowExW(0, WC_STATICW, window_class.c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | SS_CENTER, pixels.x,
                                  pixels.y, pixels.width, pixels.height, canvas_, nullptr, instance, nullptr);
    }
    if (preview == nullptr) return nullptr;
    SendMessageW(preview, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font_ ? dialog_font_.get() : ui_font_), FALSE);
    switch (control.kind()) {
        case ControlKind::list_view: {
            std::wstring title = wide(workspace_.text(str::preview_column_title));
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = title.data();
            column.cx = horizontal_pixels(40, dialog_.base_units());
            SendMessageW(preview, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
            for (int i = 1; i <= 6; ++i) {
                std::wstring text = wide(fill_placeholders(workspace_.text(str::preview_item), decimal(i)));
                LVITEMW item{};
                item.mask = LVIF_TEXT;
                item.iItem = i - 1;
                item.pszText = text.data();
                SendMessageW(preview, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            }
            break;
        }
        case ControlKind::tab: {
            for (int i = 1; i <= 5; ++i) {
                std::wstring text = wide(fill_placeholders(workspace_.text(str::preview_tab), decimal(i)));
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text.data();
                SendMessageW(preview, TCM_INSERTITEMW, static_cast<WPARAM>(i - 1), reinterpret_cast<LPARAM>(&item));
            }
            SendMessageW(preview, TCM_SETCURSEL, 0, 0);
            break;
        }
        case ControlKind::progress: SendMessageW(preview, PBM_SETPOS, 50, 0); break;
        default: break;
    }
    SetWindowSubclass(preview, preview_procedure, preview_subclass, 0);
    EnumChildWindows(preview, make_transparent, 0);
    return preview;
}

// The previews follow the model: new controls get one, changed styles or captions a new one,
// moved controls are moved, and the list order is the windows' order (the end in front).
void DialogDesigner::sync_previews() {
    std::map<std::int32_t, Preview> kept;
    // Windows already in the list's order keep their place; from the first one out of order on,
    // each goes to the top in turn.
    HWND below = nullptr;
    bool reorder = false;
    for (const auto& control : dialog_.controls()) {
        const std::int32_t key = control->unique_key();
        Preview preview;
        if (auto found = previews_.find(key); found != previews_.end()) preview = std::move(found->second);
        const ControlStyles styles = control->preview_styles();
        const std::u16string window_class(control->window_class());
        const DialogRect pixels = canvas_rect(control->rect());
        if (!preview.window || !(preview.styles == styles) || preview.text != control->text() ||
            preview.window_class != window_class) {
            preview.window.reset(create_preview(*control));
            preview.icon = control_icon(*control, workspace_.project());
            show_control_icon(preview.window.get(), preview.icon.get(),
                              RECT{pixels.x, pixels.y, pixels.x + pixels.width, pixels.y + pixels.height});
            preview.styles = styles;
            preview.text = control->text();
            preview.window_class = window_class;
            preview.placed = pixels;
        } else {
            place_preview(preview, pixels);
        }
        if (preview.window) {
            reorder = reorder || GetWindow(preview.window.get(), GW_HWNDNEXT) != below;
            if (reorder) {
                SetWindowPos(preview.window.get(), HWND_TOP, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
            }
            below = preview.window.get();
        }
        kept.emplace(key, std::move(preview));
    }
    previews_ = std::move(kept);  // the previews of deleted controls go with the old map
    RedrawWindow(canvas_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND DialogDesigner::preview_of(std::int32_t key) const {
    const auto found = previews_.find(key);
    return found == previews_.end() ? nullptr : found->second.window.get();
}

void DialogDesigner::select(const std::vector<std::int32_t>& keys) {
    selection_.clear();
    for (std::int32_t key : keys) {
        if (dialog_.find_control(key) != nullptr) selection_.add(key);
    }
    selection_changed();
}

void DialogDesigner::changed() {
    selection_.prune(dialog_);
    sync_previews();
    site_.content_changed(dialog_, 0);
    selection_changed();
}

void DialogDesigner::selection_changed() {
    InvalidateRect(canvas_, nullptr, TRUE);
    update_toolbar();
    site_.properties_changed();
    site_.editor_state_changed();
}

void DialogDesigner::refused(const Error& error) {
    workspace_.platform().show_status(error.message);
    workspace_.ask(error.message, workspace_.text(str::error_caption), AskButtons::ok, AskIcon::error);
}

void DialogDesigner::set_dpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    measure_dialog_font();
    sync_previews();
    selection_changed();
}

void DialogDesigner::refresh_frame() {
    if (!(dialog_.font() == measured_font_) || dialog_.style() != measured_style_ ||
        dialog_.extended_style() != measured_extended_style_) {
        measure_dialog_font();
    }
}

void DialogDesigner::reload(std::size_t) {
    selection_.prune(dialog_);
    refresh_frame();
    sync_previews();
    selection_changed();
}

void DialogDesigner::after_undo() { reload(0); }
}  // namespace tavorin
