#include "dialog/win32/dialog_designer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>

#include "base/escapes.h"
#include "base/text.h"
#include "dialog/window_styles.h"
#include "dialog/win32/designer_dialogs.h"
#include "dialog/win32/test_dialog.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "services/string_ids.h"

namespace tavorin {

HWND DialogDesigner::running_test_ = nullptr;

namespace {

constexpr UINT_PTR preview_subclass = 1;
constexpr int toolbox_width = 140;
constexpr int toolbox_id = 1;
constexpr int toolbar_id = 2;
// A press that moves less than this is a click.
constexpr int drag_threshold = 3;

struct CommandText {
    std::uint16_t command;
    str::Id text;
    bool check = false;
    bool drop_down = false;
};

// The toolbar, in its order.
constexpr CommandText toolbar_commands[] = {
    {designer_command::test_dialog, str::designer_test_dialog},
    {designer_command::toggle_grid, str::designer_toggle_grid, true},
    {designer_command::toggle_margin, str::designer_toggle_margin, true},
    {designer_command::snap, str::designer_snap, true},
    {designer_command::align_lefts, str::designer_align_lefts, false, true},
    {designer_command::align_rights, str::designer_align_rights, false, true},
    {designer_command::align_tops, str::designer_align_tops, false, true},
    {designer_command::align_bottoms, str::designer_align_bottoms, false, true},
    {designer_command::center_vertically, str::designer_center_vertically, false, true},
    {designer_command::center_horizontally, str::designer_center_horizontally, false, true},
    {designer_command::space_horizontally, str::designer_space_horizontally},
    {designer_command::space_vertically, str::designer_space_vertically},
    {designer_command::same_width, str::designer_same_width},
    {designer_command::same_height, str::designer_same_height},
    {designer_command::same_size, str::designer_same_size},
    {designer_command::bring_to_front, str::designer_bring_to_front},
    {designer_command::send_to_back, str::designer_send_to_back},
    {designer_command::grid_settings, str::designer_grid_settings},
    {designer_command::tab_order, str::designer_tab_order},
};

bool register_classes(HINSTANCE instance) {
    WNDCLASSEXW page{};
    page.cbSize = sizeof(page);
    page.lpfnWndProc = DialogDesigner::procedure;
    page.hInstance = instance;
    page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    page.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    page.lpszClassName = DialogDesigner::class_name;
    if (RegisterClassExW(&page) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    WNDCLASSEXW canvas{};
    canvas.cbSize = sizeof(canvas);
    canvas.style = CS_DBLCLKS;
    canvas.lpfnWndProc = DialogDesigner::canvas_procedure;
    canvas.hInstance = instance;
    canvas.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    canvas.lpszClassName = DialogDesigner::canvas_class_name;
    return RegisterClassExW(&canvas) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
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

bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

PropertyRow text_row(std::u16string name, std::u16string value, std::uint32_t flags = property_flag::free_text) {
    PropertyRow row;
    row.name = std::move(name);
    row.value = std::move(value);
    row.flags = flags;
    return row;
}

std::u16string hex_text(std::uint32_t value) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::u16string text = u"0x";
    for (int shift = 28; shift >= 0; shift -= 4) text.push_back(digits[(value >> shift) & 0xF]);
    return text;
}

// A number typed as decimal or as 0x hexadecimal.
std::optional<std::int64_t> parse_number(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && text.front() == u'-') {
        negative = true;
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 10) return std::nullopt;
    std::int64_t value = 0;
    for (char16_t c : text) {
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
    }
    return negative ? -value : value;
}

str::Id category_name(PropertyCategory category) {
    switch (category) {
        case PropertyCategory::appearance: return str::category_appearance;
        case PropertyCategory::behavior: return str::category_behavior;
        case PropertyCategory::misc: return str::category_misc;
        case PropertyCategory::position: return str::category_position;
    }
    return str::category_misc;
}

// The rows the dialog shows when no control is selected, in order.
enum DialogRow : std::size_t {
    dialog_appearance,
    dialog_caption,
    dialog_font,
    dialog_font_size,
    dialog_style,
    dialog_extended_style,
    dialog_misc,
    dialog_menu,
    dialog_class,
    dialog_position,
    dialog_x,
    dialog_y,
    dialog_width,
    dialog_height,
    dialog_row_count,
};

}  // namespace

DialogDesigner::DialogDesigner(Dialog& dialog, Workspace& workspace, DesignerSettings& settings,
                               ControlClipboard& clipboard, EditorSite& site)
    : dialog_(dialog), workspace_(workspace), settings_(settings), clipboard_(clipboard), site_(site),
      editing_(dialog, site.history(), settings, selection_) {}

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
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_WRAPABLE |
                                   TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER,
                               0, 0, 0, 0, window_.get(), reinterpret_cast<HMENU>(toolbar_id), instance, nullptr);
    if (toolbar_ != nullptr) {
        SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_font_), FALSE);
        SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
        for (const CommandText& entry : toolbar_commands) {
            const std::wstring text = wide(workspace_.text(entry.text));
            const auto string = SendMessageW(toolbar_, TB_ADDSTRINGW, 0,
                                             reinterpret_cast<LPARAM>((text + L'\0').c_str()));
            TBBUTTON button{};
            button.iBitmap = I_IMAGENONE;
            button.idCommand = entry.command;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = static_cast<BYTE>(BTNS_AUTOSIZE | BTNS_SHOWTEXT | (entry.check ? BTNS_CHECK : 0) |
                                               (entry.drop_down ? BTNS_DROPDOWN : 0));
            button.iString = string;
            SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
        }
    }
    toolbox_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTBOXW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 0, 0,
                               window_.get(), reinterpret_cast<HMENU>(toolbox_id), instance, nullptr);
    if (toolbox_ != nullptr) {
        SendMessageW(toolbox_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_font_), FALSE);
        SendMessageW(toolbox_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide(workspace_.text(str::toolbox_pointer)).c_str()));
        for (const CatalogEntry& entry : workspace_.control_catalog().entries()) {
            SendMessageW(toolbox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry.display_name).c_str()));
        }
        SendMessageW(toolbox_, LB_SETCURSEL, 0, 0);
    }
    canvas_ = CreateWindowExW(WS_EX_CLIENTEDGE, canvas_class_name, nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, 0, 0, 0, 0, window_.get(),
                              nullptr, instance, this);
}

void DialogDesigner::layout_children() {
    RECT client{};
    GetClientRect(window_.get(), &client);
    int top = 0;
    if (toolbar_ != nullptr) {
        SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
        RECT bar{};
        GetWindowRect(toolbar_, &bar);
        top = bar.bottom - bar.top;
    }
    const int height = std::max(0, static_cast<int>(client.bottom) - top);
    if (toolbox_ != nullptr) MoveWindow(toolbox_, 0, top, toolbox_width, height, TRUE);
    MoveWindow(canvas_, toolbox_width, top, std::max(0, static_cast<int>(client.right) - toolbox_width), height, TRUE);
}

LRESULT DialogDesigner::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_SIZE: layout_children(); return 0;
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
    const int height = -MulDiv(font.point_size, GetDeviceCaps(screen, LOGPIXELSY), 72);
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

void DialogDesigner::place_preview(HWND preview, const DialogRect& units) {
    const DialogRect pixels = canvas_rect(units);
    SetWindowPos(preview, nullptr, pixels.x, pixels.y, pixels.width, pixels.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
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
    for (const auto& control : dialog_.controls()) {
        const std::int32_t key = control->unique_key();
        Preview preview;
        if (auto found = previews_.find(key); found != previews_.end()) preview = std::move(found->second);
        const ControlStyles styles = control->preview_styles();
        const std::u16string window_class(control->window_class());
        if (!preview.window || !(preview.styles == styles) || preview.text != control->text() ||
            preview.window_class != window_class) {
            preview.window.reset(create_preview(*control));
            preview.styles = styles;
            preview.text = control->text();
            preview.window_class = window_class;
        } else {
            place_preview(preview.window.get(), control->rect());
        }
        // Each control goes above those before it: the end of the list is in front.
        if (preview.window) {
            SetWindowPos(preview.window.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
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

// ---------------------------------------------------------------------------------------------
// Commands

bool DialogDesigner::command_enabled(std::uint16_t command) const {
    return designer_command::enabled(command, selection_.size(), clipboard_.empty());
}

void DialogDesigner::update_toolbar() {
    if (toolbar_ == nullptr) return;
    for (const CommandText& entry : toolbar_commands) {
        SendMessageW(toolbar_, TB_ENABLEBUTTON, entry.command, MAKELPARAM(command_enabled(entry.command), 0));
    }
    SendMessageW(toolbar_, TB_CHECKBUTTON, designer_command::toggle_grid, MAKELPARAM(settings_.grid_visible, 0));
    SendMessageW(toolbar_, TB_CHECKBUTTON, designer_command::toggle_margin, MAKELPARAM(settings_.margin_visible, 0));
    SendMessageW(toolbar_, TB_CHECKBUTTON, designer_command::snap, MAKELPARAM(settings_.snap_on, 0));
}

EditorCommands DialogDesigner::commands() const {
    EditorCommands commands;
    commands.cut = !selection_.empty();
    commands.copy = !selection_.empty();
    commands.clear = !selection_.empty();
    commands.paste = !clipboard_.empty();
    commands.select_all = !dialog_.controls().empty();
    return commands;
}

void DialogDesigner::execute(EditorCommand command) {
    switch (command) {
        case EditorCommand::cut: run_command(designer_command::cut); break;
        case EditorCommand::copy: run_command(designer_command::copy); break;
        case EditorCommand::paste: run_command(designer_command::paste); break;
        case EditorCommand::clear: run_command(designer_command::clear); break;
        case EditorCommand::select_all: run_command(designer_command::select_all); break;
        case EditorCommand::find: break;
    }
}

void DialogDesigner::run_command(std::uint16_t command, LayoutMode mode) {
    namespace dc = designer_command;
    if (!command_enabled(command)) return;
    if (const auto layout = dc::layout_of(command)) {
        if (editing_.layout(*layout, mode)) changed();
        return;
    }
    if (const auto order = dc::z_order_of(command)) {
        if (editing_.z_order(*order)) changed();
        return;
    }
    switch (command) {
        case dc::copy:
            clipboard_ = editing_.copy();
            selection_changed();
            break;
        case dc::cut:
            clipboard_ = editing_.copy();
            if (editing_.delete_selection()) changed();
            break;
        case dc::clear:
            if (editing_.delete_selection()) changed();
            break;
        case dc::paste:
        case dc::paste_here: {
            std::optional<std::pair<std::int32_t, std::int32_t>> here;
            if (command == dc::paste_here) {
                const BaseUnits& base = dialog_.base_units();
                here = std::pair{horizontal_units(drag_start_.x - origin_.x, base),
                                 vertical_units(drag_start_.y - origin_.y, base)};
            }
            auto pasted = editing_.paste(clipboard_, here);
            if (!pasted) refused(Error{pasted.error()});
            changed();
            break;
        }
        case dc::select_all:
            selection_.select_all(dialog_);
            selection_changed();
            break;
        case dc::test_dialog: run_test_dialog(); break;
        case dc::toggle_grid:
            settings_.set_grid(!settings_.grid_visible);
            selection_changed();
            break;
        case dc::toggle_margin:
            settings_.margin_visible = !settings_.margin_visible;
            selection_changed();
            break;
        case dc::snap:
            settings_.set_snap(!settings_.snap_on);
            selection_changed();
            break;
        case dc::fit_to_contents:
            if (editing_.fit_to_contents(workspace_.platform())) changed();
            break;
        case dc::grid_settings:
            if (edit_grid_settings(window_.get(), workspace_, settings_)) selection_changed();
            break;
        case dc::tab_order:
            if (edit_tab_order(window_.get(), workspace_, editing_)) changed();
            break;
        case dc::properties: site_.properties_changed(); break;
        default: break;
    }
}

void DialogDesigner::show_layout_menu(std::uint16_t command, const RECT& button) {
    const auto layout = designer_command::layout_of(command);
    if (!layout) return;
    UniqueMenu menu(CreatePopupMenu());
    const std::size_t count = selection_.size();
    const auto add = [&](LayoutMode mode, str::Id text) {
        const UINT flags = MF_STRING | (layout_mode_enabled(*layout, mode, count) ? 0 : MF_GRAYED);
        AppendMenuW(menu.get(), flags, static_cast<UINT_PTR>(mode) + 1, wide(workspace_.text(text)).c_str());
    };
    add(LayoutMode::individually, str::designer_individually);
    add(LayoutMode::as_group, str::designer_as_group);
    if (*layout == LayoutCommand::center_vertically || *layout == LayoutCommand::center_horizontally) {
        add(LayoutMode::control, str::designer_center_control);
    }
    const int chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                                      button.left, button.bottom, 0, window_.get(), nullptr);
    if (chosen > 0) run_command(command, static_cast<LayoutMode>(chosen - 1));
}

void DialogDesigner::show_context_menu(POINT screen) {
    namespace dc = designer_command;
    UniqueMenu menu(CreatePopupMenu());
    const auto add = [&](HMENU target, std::uint16_t command, str::Id text) {
        AppendMenuW(target, MF_STRING | (command_enabled(command) ? 0 : MF_GRAYED), command,
                    wide(workspace_.text(text)).c_str());
    };
    if (!selection_.empty()) {
        HMENU order = CreatePopupMenu();
        add(order, dc::bring_to_front, str::designer_bring_to_front);
        add(order, dc::send_to_back, str::designer_send_to_back);
        add(order, dc::bring_forward, str::designer_bring_forward);
        add(order, dc::send_backward, str::designer_send_backward);
        AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(order), wide(workspace_.text(str::designer_order)).c_str());
        add(menu.get(), dc::cut, str::designer_cut);
        add(menu.get(), dc::copy, str::designer_copy);
        add(menu.get(), dc::paste_here, str::designer_paste_here);
        add(menu.get(), dc::clear, str::designer_delete);
        add(menu.get(), dc::fit_to_contents, str::designer_fit_to_contents);
        add(menu.get(), dc::test_dialog, str::designer_preview);
        add(menu.get(), dc::properties, str::designer_properties);
    } else {
        add(menu.get(), dc::paste_here, str::designer_paste_here);
        add(menu.get(), dc::select_all, str::designer_select_all);
        add(menu.get(), dc::test_dialog, str::designer_preview);
        add(menu.get(), dc::grid_settings, str::designer_grid_settings);
        add(menu.get(), dc::properties, str::designer_properties);
    }
    const int chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY, screen.x, screen.y, 0, window_.get(),
                                      nullptr);
    if (chosen > 0) run_command(static_cast<std::uint16_t>(chosen));
}

void DialogDesigner::choose_tool(std::optional<ControlKind> kind) {
    tool_ = kind;
    if (toolbox_ != nullptr) SendMessageW(toolbox_, LB_SETCURSEL, kind ? kind_number(*kind) : 0, 0);
}

void DialogDesigner::run_test_dialog() {
    running_test_ = nullptr;
    run_dialog_test(window_.get(), dialog_, workspace_, [](HWND test) { running_test_ = test; });
    running_test_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// The dialog's and the controls' properties

std::vector<PropertyRow> DialogDesigner::properties() const {
    std::vector<PropertyRow> rows;
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) {
        const DialogRect rect = dialog_.rect();
        rows.resize(dialog_row_count);
        rows[dialog_appearance] = expanded_category(workspace_.text(str::category_appearance));
        rows[dialog_caption] = text_row(workspace_.text(str::dialog_caption_property), dialog_.caption());
        rows[dialog_font] = text_row(workspace_.text(str::dialog_font_property), dialog_.font().face);
        rows[dialog_font_size] = text_row(workspace_.text(str::dialog_font_size_property),
                                          decimal(dialog_.font().point_size), property_flag::number);
        rows[dialog_style] = text_row(workspace_.text(str::dialog_style_property), hex_text(dialog_.style()));
        rows[dialog_extended_style] =
            text_row(workspace_.text(str::dialog_extended_style_property), hex_text(dialog_.extended_style()));
        rows[dialog_misc] = expanded_category(workspace_.text(str::category_misc));
        rows[dialog_menu] = text_row(workspace_.text(str::dialog_menu_property), dialog_.menu());
        rows[dialog_class] = text_row(workspace_.text(str::dialog_class_property), dialog_.class_name());
        rows[dialog_position] = expanded_category(workspace_.text(str::category_position));
        rows[dialog_x] = text_row(workspace_.text(str::dialog_x_property), decimal(rect.x), property_flag::free_text);
        rows[dialog_y] = text_row(workspace_.text(str::dialog_y_property), decimal(rect.y), property_flag::free_text);
        rows[dialog_width] = text_row(workspace_.text(str::dialog_width_property), decimal(rect.width),
                                      property_flag::number);
        rows[dialog_height] = text_row(workspace_.text(str::dialog_height_property), decimal(rect.height),
                                       property_flag::number);
        return rows;
    }
    std::optional<PropertyCategory> category;
    for (std::size_t number = 0; number < designer_property_count; ++number) {
        const auto id = static_cast<PropertyId>(number);
        const PropertyDescriptor& descriptor = designer_property(id);
        if (descriptor.editor == PropertyEditor::category || !primary->has_property(id)) continue;
        if (category != descriptor.category) {
            category = descriptor.category;
            rows.push_back(expanded_category(workspace_.text(category_name(descriptor.category))));
        }
        PropertyRow row;
        row.name = std::u16string(descriptor.name);
        row.help = std::u16string(descriptor.help);
        const std::optional<std::int64_t> value = primary->property_value(id);
        switch (descriptor.editor) {
            case PropertyEditor::flag:
                row.flags = property_flag::fixed_choices;
                row.choices = {workspace_.text(str::false_text), workspace_.text(str::true_text)};
                row.choice = value.value_or(0) != 0 ? 1 : 0;
                row.value = row.choices[static_cast<std::size_t>(row.choice)];
                break;
            case PropertyEditor::choice: {
                const StyleBinding& binding = property_binding(primary->kind(), id);
                row.flags = property_flag::fixed_choices;
                for (const PropertyChoice& choice : binding.choices) row.choices.emplace_back(choice.label);
                if (const auto index = value ? choice_index(binding, *value) : std::nullopt) {
                    row.choice = static_cast<int>(*index);
                    row.value = row.choices[*index];
                }
                break;
            }
            case PropertyEditor::number:
            case PropertyEditor::image:
                row.flags = property_flag::free_text;
                row.value = value ? decimal(*value) : std::u16string();
                break;
            case PropertyEditor::text:
                row.flags = property_flag::free_text;
                if (id == PropertyId::caption) {
                    row.value = primary->text();
                } else if (id == PropertyId::id) {
                    row.value = primary->identifier();
                    row.flags = property_flag::disabled;
                } else if (id == PropertyId::class_name) {
                    row.value = std::u16string(primary->window_class());
                    row.flags = property_flag::disabled;
                } else if (id == PropertyId::custom_style) {
                    row.value = hex_text(primary->style());
                } else if (id == PropertyId::custom_extended_style) {
                    row.value = hex_text(primary->extended_style());
                }
                break;
            case PropertyEditor::category: break;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void DialogDesigner::set_property(std::size_t index, const std::u16string& text, int choice) {
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) {
        DialogProperties properties = dialog_properties(dialog_);
        const auto number = parse_number(text);
        const auto invalid_style = [&] {
            workspace_.ask(workspace_.text(str::invalid_style), workspace_.text(str::error_caption), AskButtons::ok,
                           AskIcon::error);
        };
        switch (index) {
            case dialog_caption: properties.caption = text; break;
            case dialog_font: properties.font.face = text; break;
            case dialog_font_size:
                if (!number || *number < 1 || *number > 0xFFFF) return;
                properties.font.point_size = static_cast<std::uint16_t>(*number);
                break;
            case dialog_style:
                if (!number || *number < 0 || *number > 0xFFFFFFFF) return invalid_style();
                properties.style = static_cast<std::uint32_t>(*number);
                break;
            case dialog_extended_style:
                if (!number || *number < 0 || *number > 0xFFFFFFFF) return invalid_style();
                properties.extended_style = static_cast<std::uint32_t>(*number);
                break;
            case dialog_menu: properties.menu = text; break;
            case dialog_class: properties.class_name = text; break;
            case dialog_x:
            case dialog_y:
            case dialog_width:
            case dialog_height: {
                if (!number || *number < -32768 || *number > 32767) return;
                const auto value = static_cast<std::int32_t>(*number);
                if (index == dialog_x) properties.rect.x = value;
                if (index == dialog_y) properties.rect.y = value;
                if (index == dialog_width) properties.rect.width = value;
                if (index == dialog_height) properties.rect.height = value;
                break;
            }
            default: return;
        }
        if (editing_.set_dialog_properties(properties)) {
            refresh_frame();
            changed();
        }
        return;
    }
    // The rows are the primary control's properties in table order, with a category row before
    // each category: find the property the row stands for.
    std::optional<PropertyId> id;
    std::size_t row = 0;
    std::optional<PropertyCategory> category;
    for (std::size_t number = 0; number < designer_property_count && !id; ++number) {
        const auto candidate = static_cast<PropertyId>(number);
        const PropertyDescriptor& descriptor = designer_property(candidate);
        if (descriptor.editor == PropertyEditor::category || !primary->has_property(candidate)) continue;
        if (category != descriptor.category) {
            category = descriptor.category;
            ++row;
        }
        if (row == index) id = candidate;
        ++row;
    }
    if (!id) return;
    const PropertyDescriptor& descriptor = designer_property(*id);
    bool done = false;
    switch (descriptor.editor) {
        case PropertyEditor::flag:
            if (choice >= 0) done = editing_.set_property(*id, choice != 0 ? 1 : 0);
            break;
        case PropertyEditor::choice: {
            const StyleBinding& binding = property_binding(primary->kind(), *id);
            if (choice >= 0 && static_cast<std::size_t>(choice) < binding.choices.size()) {
                done = editing_.set_property(*id, binding.choices[static_cast<std::size_t>(choice)].value);
            }
            break;
        }
        case PropertyEditor::number:
        case PropertyEditor::image:
            if (const auto number = parse_number(text)) done = editing_.set_property(*id, *number);
            break;
        case PropertyEditor::text:
            if (*id == PropertyId::caption) {
                done = editing_.set_caption(text, workspace_.platform());
            } else if (*id == PropertyId::custom_style || *id == PropertyId::custom_extended_style) {
                const auto number = parse_number(text);
                if (!number || *number < 0 || *number > 0xFFFFFFFF) {
                    workspace_.ask(workspace_.text(str::invalid_style), workspace_.text(str::error_caption),
                                   AskButtons::ok, AskIcon::error);
                    return;
                }
                const auto bits = static_cast<std::uint32_t>(*number);
                done = *id == PropertyId::custom_style ? editing_.set_custom_styles(bits, std::nullopt)
                                                       : editing_.set_custom_styles(std::nullopt, bits);
            }
            break;
        case PropertyEditor::category: break;
    }
    if (done) changed();
    else site_.properties_changed();
}

// ---------------------------------------------------------------------------------------------
// The canvas

LRESULT DialogDesigner::on_canvas(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(canvas_, &paint_info);
            paint(dc);
            EndPaint(canvas_, &paint_info);
            frame_drawn_ = false;
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN: on_button_down(point, (wparam & MK_CONTROL) != 0); return 0;
        case WM_MOUSEMOVE: on_mouse_move(point, (wparam & MK_CONTROL) != 0); return 0;
        case WM_LBUTTONUP: on_button_up(point, (wparam & MK_CONTROL) != 0); return 0;
        case WM_LBUTTONDBLCLK: on_double_click(point); return 0;
        case WM_RBUTTONDOWN: {
            SetFocus(canvas_);
            drag_start_ = point;
            Control* hit = control_at(point);
            if (hit != nullptr && !selection_.contains(hit->unique_key())) {
                selection_.select_only(hit->unique_key());
                selection_changed();
            } else if (hit == nullptr && !selection_.empty()) {
                selection_.clear();
                selection_changed();
            }
            return 0;
        }
        case WM_RBUTTONUP: {
            POINT screen = point;
            ClientToScreen(canvas_, &screen);
            show_context_menu(screen);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (drag_ != Drag::none && reinterpret_cast<HWND>(lparam) != canvas_) {
                draw_drag_frame();
                drag_ = Drag::none;
                sync_previews();
            }
            return 0;
        case WM_KEYDOWN: on_key(wparam); return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: InvalidateRect(canvas_, nullptr, FALSE); return 0;
        default: break;
    }
    return DefWindowProcW(canvas_, message, wparam, lparam);
}

void DialogDesigner::paint(HDC target) {
    RECT client{};
    GetClientRect(canvas_, &client);
    // Drawn off-screen and copied in one piece.
    UniqueMemoryDc dc(CreateCompatibleDC(target));
    UniqueBitmap bitmap(CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom)));
    HGDIOBJ old_bitmap = SelectObject(dc.get(), bitmap.get());
    FillRect(dc.get(), &client, GetSysColorBrush(COLOR_APPWORKSPACE));

    const BaseUnits& base = dialog_.base_units();
    const int width = horizontal_pixels(dialog_.rect().width, base);
    const int height = vertical_pixels(dialog_.rect().height, base);
    RECT frame{0, 0, width, height};
    const DWORD style = (dialog_.style() & ~(WS_CHILD | WS_DISABLED)) | WS_POPUP;
    AdjustWindowRectEx(&frame, style, FALSE, dialog_.extended_style());
    OffsetRect(&frame, origin_.x, origin_.y);
    FillRect(dc.get(), &frame, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc.get(), &frame, EDGE_RAISED, BF_RECT);
    if ((dialog_.style() & WS_CAPTION) == WS_CAPTION) {
        const int border = origin_.x - frame.left;
        RECT caption{frame.left + border, frame.top + border, frame.right - border, origin_.y - 1};
        FillRect(dc.get(), &caption, GetSysColorBrush(COLOR_ACTIVECAPTION));
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        UniqueFont caption_font(CreateFontIndirectW(&metrics.lfCaptionFont));
        HGDIOBJ old_font = SelectObject(dc.get(), caption_font.get());
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), GetSysColor(COLOR_CAPTIONTEXT));
        RECT text = caption;
        text.left += 4;
        const std::wstring title = wide(unescape_stored_text(dialog_.caption()));
        DrawTextW(dc.get(), title.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        SelectObject(dc.get(), old_font);
        if ((dialog_.style() & WS_SYSMENU) != 0) {
            const int size = caption.bottom - caption.top - 4;
            RECT close{caption.right - size - 2, caption.top + 2, caption.right - 2, caption.bottom - 2};
            DrawFrameControl(dc.get(), &close, DFC_CAPTION, DFCS_CAPTIONCLOSE);
        }
    }
    const RECT dialog_client{origin_.x, origin_.y, origin_.x + width, origin_.y + height};
    if (settings_.grid_visible) {
        const int start = settings_.margin_visible ? settings_.margin_size : 0;
        const COLORREF dot = GetSysColor(COLOR_BTNSHADOW);
        for (int ux = start; ux <= dialog_.rect().width; ux += settings_.grid_width) {
            for (int uy = start; uy <= dialog_.rect().height; uy += settings_.grid_height) {
                SetPixel(dc.get(), origin_.x + horizontal_pixels(ux, base), origin_.y + vertical_pixels(uy, base), dot);
            }
        }
    }
    if (settings_.margin_visible) {
        const int mx = horizontal_pixels(settings_.margin_size, base);
        const int my = vertical_pixels(settings_.margin_size, base);
        RECT margin{dialog_client.left + mx, dialog_client.top + my, dialog_client.right - mx,
                    dialog_client.bottom - my};
        UniquePen pen(CreatePen(PS_DOT, 1, RGB(0, 0, 255)));
        HGDIOBJ old_pen = SelectObject(dc.get(), pen.get());
        HGDIOBJ old_brush = SelectObject(dc.get(), GetStockObject(NULL_BRUSH));
        Rectangle(dc.get(), margin.left, margin.top, margin.right, margin.bottom);
        SelectObject(dc.get(), old_brush);
        SelectObject(dc.get(), old_pen);
    }
    // Guides of the snap in progress.
    if (!guides_.empty()) {
        UniquePen pen(CreatePen(PS_DOT, 1, RGB(0, 128, 255)));
        HGDIOBJ old_pen = SelectObject(dc.get(), pen.get());
        for (const GuideLine& guide : guides_) {
            if (guide.vertical) {
                const int x = origin_.x + horizontal_pixels(guide.position, base);
                MoveToEx(dc.get(), x, dialog_client.top, nullptr);
                LineTo(dc.get(), x, dialog_client.bottom);
            } else {
                const int y = origin_.y + vertical_pixels(guide.position, base);
                MoveToEx(dc.get(), dialog_client.left, y, nullptr);
                LineTo(dc.get(), dialog_client.right, y);
            }
        }
        SelectObject(dc.get(), old_pen);
    }
    // Handles: the primary control shows all eight (inactive ones hollow), the others only the
    // active ones.
    const std::optional<std::int32_t> primary = selection_.primary();
    for (Control* control : selection_.controls(dialog_)) {
        DialogRect rect = control->rect();
        if (drag_ == Drag::moving) {
            rect.x += drag_offset_.dx;
            rect.y += drag_offset_.dy;
        } else if (drag_ == Drag::resizing && primary == control->unique_key()) {
            rect = drag_rect_;
        }
        const auto boxes = handle_boxes(canvas_rect(rect));
        const ResizeDirections directions = resize_directions(*control);
        const bool is_primary = primary == control->unique_key();
        for (int h = 0; h < handle_count; ++h) {
            const bool active = handle_active(static_cast<Handle>(h), directions);
            if (!active && !is_primary) continue;
            RECT box{boxes[h].left, boxes[h].top, boxes[h].right, boxes[h].bottom};
            if (active) {
                FillRect(dc.get(), &box, GetSysColorBrush(is_primary ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
            } else {
                FillRect(dc.get(), &box, GetSysColorBrush(COLOR_WINDOW));
                FrameRect(dc.get(), &box, GetSysColorBrush(COLOR_BTNSHADOW));
            }
        }
    }
    BitBlt(target, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
    SelectObject(dc.get(), old_bitmap);
}

Control* DialogDesigner::control_at(POINT point) const {
    // The end of the list is in front.
    const auto& controls = dialog_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const DialogRect pixels = canvas_rect((*it)->rect());
        if (point.x >= pixels.x && point.x < pixels.x + pixels.width && point.y >= pixels.y &&
            point.y < pixels.y + pixels.height) {
            return it->get();
        }
    }
    return nullptr;
}

std::optional<Handle> DialogDesigner::primary_handle_at(POINT point) const {
    const Control* primary = selection_.primary_control(dialog_);
    if (primary == nullptr) return std::nullopt;
    const auto boxes = handle_boxes(canvas_rect(primary->rect()));
    const ResizeDirections directions = resize_directions(*primary);
    for (int h = 0; h < handle_count; ++h) {
        if (boxes[h].contains(point.x, point.y) && handle_active(static_cast<Handle>(h), directions)) {
            return static_cast<Handle>(h);
        }
    }
    return std::nullopt;
}

void DialogDesigner::draw_drag_frame() {
    if (!frame_drawn_) return;
    HDC dc = GetDCEx(canvas_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    DrawFocusRect(dc, &drawn_frame_);
    ReleaseDC(canvas_, dc);
    frame_drawn_ = false;
}

void DialogDesigner::on_button_down(POINT point, bool control_key) {
    SetFocus(canvas_);
    drag_start_ = point;
    drag_now_ = point;
    drag_offset_ = Offset{};
    drag_moved_ = false;
    guides_.clear();
    if (tool_) {
        drag_ = Drag::placing;
        SetCapture(canvas_);
        return;
    }
    if (const auto handle = primary_handle_at(point)) {
        drag_ = Drag::resizing;
        drag_handle_ = *handle;
        drag_rect_ = selection_.primary_control(dialog_)->rect();
        SetCapture(canvas_);
        return;
    }
    if (Control* hit = control_at(point)) {
        const std::int32_t key = hit->unique_key();
        if (control_key) {
            selection_.toggle(key);
        } else if (!selection_.contains(key)) {
            selection_.select_only(key);
        } else {
            selection_.make_primary(key);
        }
        selection_changed();
        if (selection_.contains(key)) {
            drag_ = Drag::moving;
            SetCapture(canvas_);
        }
        return;
    }
    if (!control_key && !selection_.empty()) {
        selection_.clear();
        selection_changed();
    }
    drag_ = Drag::rubber_band;
    SetCapture(canvas_);
}

void DialogDesigner::on_mouse_move(POINT point, bool control_key) {
    if (drag_ == Drag::none) return;
    drag_now_ = point;
    const BaseUnits& base = dialog_.base_units();
    switch (drag_) {
        case Drag::moving: {
            const Control* primary = selection_.primary_control(dialog_);
            if (primary == nullptr) return;
            // A click is no move, even onto the grid.
            if (!drag_moved_ && std::abs(point.x - drag_start_.x) < drag_threshold &&
                std::abs(point.y - drag_start_.y) < drag_threshold) {
                return;
            }
            drag_moved_ = true;
            const std::vector<Control*> selected = selection_.controls(dialog_);
            std::vector<DialogRect> others;
            for (const auto& control : dialog_.controls()) {
                if (!selection_.contains(control->unique_key())) others.push_back(control->rect());
            }
            const DialogRect start = to_pixels(primary->rect(), base);
            const std::int32_t target_x = horizontal_units(start.x + point.x - drag_start_.x, base);
            const std::int32_t target_y = vertical_units(start.y + point.y - drag_start_.y, base);
            const DragResult result =
                drag_selection(target_x, target_y, primary->rect(), *selection_bounds(selected), others,
                               DialogSize{dialog_.rect().width, dialog_.rect().height}, settings_, control_key);
            if (result.offset == drag_offset_ && result.guides == guides_) return;
            drag_offset_ = result.offset;
            guides_ = result.guides;
            HDWP positions = BeginDeferWindowPos(static_cast<int>(selected.size()));
            for (const Control* control : selected) {
                HWND preview = preview_of(control->unique_key());
                if (preview == nullptr || positions == nullptr) continue;
                DialogRect moved = control->rect();
                moved.x += drag_offset_.dx;
                moved.y += drag_offset_.dy;
                const DialogRect pixels = canvas_rect(moved);
                positions = DeferWindowPos(positions, preview, nullptr, pixels.x, pixels.y, 0, 0,
                                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            if (positions != nullptr) EndDeferWindowPos(positions);
            InvalidateRect(canvas_, nullptr, FALSE);
            return;
        }
        case Drag::resizing: {
            const Control* primary = selection_.primary_control(dialog_);
            if (primary == nullptr) return;
            const std::int32_t dx = horizontal_units(point.x - drag_start_.x, base);
            const std::int32_t dy = vertical_units(point.y - drag_start_.y, base);
            drag_rect_ = resize_by_handle(primary->rect(), drag_handle_, dx, dy,
                                          DialogSize{primary->minimum_width(), primary->minimum_height()});
            if (HWND preview = preview_of(primary->unique_key())) {
                const DialogRect pixels = canvas_rect(drag_rect_);
                SetWindowPos(preview, nullptr, pixels.x, pixels.y, pixels.width, pixels.height,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            InvalidateRect(canvas_, nullptr, FALSE);
            return;
        }
        case Drag::rubber_band:
        case Drag::placing: {
            draw_drag_frame();
            drawn_frame_ = RECT{std::min(drag_start_.x, point.x), std::min(drag_start_.y, point.y),
                                std::max(drag_start_.x, point.x), std::max(drag_start_.y, point.y)};
            HDC dc = GetDCEx(canvas_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
            DrawFocusRect(dc, &drawn_frame_);
            ReleaseDC(canvas_, dc);
            frame_drawn_ = true;
            return;
        }
        case Drag::none: return;
    }
}

void DialogDesigner::on_button_up(POINT point, bool control_key) {
    if (drag_ == Drag::none) return;
    on_mouse_move(point, control_key);
    const Drag drag = drag_;
    drag_ = Drag::none;
    draw_drag_frame();
    guides_.clear();
    if (GetCapture() == canvas_) ReleaseCapture();
    const BaseUnits& base = dialog_.base_units();
    switch (drag) {
        case Drag::moving:
            if (editing_.move_selection(drag_offset_)) changed();
            else selection_changed();
            break;
        case Drag::resizing: {
            const Control* primary = selection_.primary_control(dialog_);
            if (primary != nullptr && editing_.resize_control(primary->unique_key(), drag_rect_)) changed();
            else sync_previews();
            break;
        }
        case Drag::rubber_band: {
            const RECT band{std::min(drag_start_.x, point.x), std::min(drag_start_.y, point.y),
                            std::max(drag_start_.x, point.x), std::max(drag_start_.y, point.y)};
            for (const auto& control : dialog_.controls()) {
                const DialogRect pixels = canvas_rect(control->rect());
                const RECT box{pixels.x, pixels.y, pixels.x + pixels.width, pixels.y + pixels.height};
                RECT common{};
                if (IntersectRect(&common, &box, &band)) selection_.add(control->unique_key());
            }
            selection_changed();
            break;
        }
        case Drag::placing: {
            const bool clicked = std::abs(point.x - drag_start_.x) < drag_threshold &&
                                 std::abs(point.y - drag_start_.y) < drag_threshold;
            const std::int32_t x = horizontal_units(std::min(drag_start_.x, point.x) - origin_.x, base);
            const std::int32_t y = vertical_units(std::min(drag_start_.y, point.y) - origin_.y, base);
            DialogRect rect{x, y, -1, -1};
            if (!clicked) {
                rect.width = horizontal_units(std::abs(point.x - drag_start_.x), base);
                rect.height = vertical_units(std::abs(point.y - drag_start_.y), base);
            }
            const ControlKind kind = *tool_;
            if (!control_key) choose_tool(std::nullopt);
            auto placed = editing_.place_control(kind, rect);
            if (!placed) {
                refused(Error{placed.error()});
            } else if (*placed == nullptr) {
                refused(Error{workspace_.text(str::control_creation_error)});
            }
            changed();
            break;
        }
        case Drag::none: break;
    }
}

void DialogDesigner::on_double_click(POINT point) {
    if (const auto handle = primary_handle_at(point)) {
        if (editing_.align_caption(*handle)) changed();
    }
}

void DialogDesigner::on_key(WPARAM key) {
    const bool shift = key_down(VK_SHIFT);
    const bool control = key_down(VK_CONTROL);
    const auto arrow = [&](ArrowKey direction) {
        if (editing_.arrow_key(direction, control, shift)) changed();
    };
    switch (key) {
        case VK_LEFT: arrow(ArrowKey::left); break;
        case VK_RIGHT: arrow(ArrowKey::right); break;
        case VK_UP: arrow(ArrowKey::up); break;
        case VK_DOWN: arrow(ArrowKey::down); break;
        case VK_TAB:
            selection_.tab(dialog_, shift);
            selection_changed();
            break;
        case VK_DELETE: run_command(designer_command::clear); break;
        case VK_F5: run_command(designer_command::test_dialog); break;
        case VK_ESCAPE:
            if (drag_ == Drag::rubber_band || drag_ == Drag::placing) {
                draw_drag_frame();
                drag_ = Drag::none;
                ReleaseCapture();
            }
            break;
        default: break;
    }
}

}  // namespace tavorin
