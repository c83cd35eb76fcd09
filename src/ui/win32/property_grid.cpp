#include "ui/win32/property_grid.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "ui/dpi_scale.h"

namespace tavorin {

namespace {

constexpr UINT_PTR edit_subclass = 1;
constexpr UINT_PTR list_subclass = 2;
constexpr int button_id = 1;
constexpr int edit_id = 2;
// Posted to the grid when the drop-down loses the focus: it cannot be destroyed while the focus
// is still moving away from it.
constexpr UINT close_list_message = WM_APP + 1;

bool register_grid_class(HINSTANCE instance) {
    return register_window_class(instance, {PropertyGrid::class_name, PropertyGrid::procedure, CS_DBLCLKS});
}

UniqueFont derived_font(HFONT font, bool bold, bool underline) {
    LOGFONTW description{};
    GetObjectW(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    if (bold) description.lfWeight = FW_BOLD;
    if (underline) description.lfUnderline = TRUE;
    return UniqueFont(CreateFontIndirectW(&description));
}

void fill(HDC dc, const RECT& rect, int colour) { FillRect(dc, &rect, GetSysColorBrush(colour)); }

void draw_text(HDC dc, const std::u16string& text, RECT rect, UINT format) {
    const std::wstring shown = wide(text);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &rect,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// A box with a minus (expanded) or a plus (folded).
void draw_glyph(HDC dc, int x, int top, int row_height, bool expanded) {
    const int y = top + (row_height - 9) / 2;
    RECT box{x, y, x + 9, y + 9};
    fill(dc, box, COLOR_WINDOW);
    FrameRect(dc, &box, GetSysColorBrush(COLOR_GRAYTEXT));
    RECT minus{x + 2, y + 4, x + 7, y + 5};
    fill(dc, minus, COLOR_WINDOWTEXT);
    if (!expanded) {
        RECT bar{x + 4, y + 2, x + 5, y + 7};
        fill(dc, bar, COLOR_WINDOWTEXT);
    }
}

std::u16string window_text(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return from_wide(text);
}

bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Shown by its own style, whether or not its parents are (a hidden panel keeps its editor).
bool has_own_visibility(HWND window) { return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

}  // namespace

PropertyGrid::~PropertyGrid() { close_drop_down(); }

LRESULT CALLBACK PropertyGrid::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<PropertyGrid>(window, message, wparam, lparam);
}

bool PropertyGrid::create(HWND parent, HINSTANCE instance, HFONT font, std::u16string empty_text) {
    if (!register_grid_class(instance)) return false;
    font_ = font;
    bold_font_ = derived_font(font, true, false);
    link_font_ = derived_font(font, false, true);
    {
        const WindowDc screen(nullptr);
        row_height_ = scaled_for_dpi(property_row_height, GetDeviceCaps(screen.get(), LOGPIXELSY));
    }
    empty_text_ = std::move(empty_text);
    HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, class_name, nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN | WS_TABSTOP, 0, 0, 0, 0,
                                  parent, nullptr, instance, this);
    if (window == nullptr) return false;
    edit_ = CreateWindowExW(0, L"EDIT", nullptr, WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, window,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(edit_id)), instance, nullptr);
    button_ = CreateWindowExW(0, L"BUTTON", nullptr, WS_CHILD | BS_PUSHBUTTON, 0, 0, 0, 0, window,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(button_id)), instance, nullptr);
    if (edit_ == nullptr || button_ == nullptr) return false;
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowSubclass(edit_, edit_procedure, edit_subclass, reinterpret_cast<DWORD_PTR>(this));
    update_scroll_bar();
    return true;
}

void PropertyGrid::set_rows(std::vector<PropertyRow> rows) {
    close_drop_down();
    std::optional<std::u16string> selected_name;
    if (selected_ && *selected_ < model_.rows().size()) selected_name = model_.rows()[*selected_].name;
    // Keep what was folded folded.
    for (PropertyRow& row : rows) {
        if (!row.is_category()) continue;
        for (const PropertyRow& old : model_.rows()) {
            if (old.is_category() && old.name == row.name) {
                row.flags = (row.flags & ~property_flag::expanded) | (old.flags & property_flag::expanded);
            }
        }
    }
    model_.set_rows(std::move(rows));
    selected_.reset();
    if (selected_name) {
        for (std::size_t i = 0; i < model_.rows().size(); ++i) {
            if (model_.rows()[i].name == *selected_name && model_.shown_position(i)) selected_ = i;
        }
    }
    first_shown_ = std::min(first_shown_, std::max(0, static_cast<int>(model_.shown().size()) - 1));
    update_scroll_bar();
    show_editor_for_selection();
    InvalidateRect(handle(), nullptr, FALSE);
}

void PropertyGrid::select(std::optional<std::size_t> row) {
    if (row && (*row >= model_.rows().size() || !model_.shown_position(*row))) row.reset();
    if (row == selected_) return;
    close_drop_down();
    selected_ = row;
    if (row) ensure_visible(*row);
    show_editor_for_selection();
    InvalidateRect(handle(), nullptr, FALSE);
    if (callbacks.selection_changed) callbacks.selection_changed(selected_);
}

void PropertyGrid::toggle_category(std::size_t row) {
    model_.toggle(row);
    if (selected_ && !model_.shown_position(*selected_)) select(row);
    update_scroll_bar();
    place_editor();
    InvalidateRect(handle(), nullptr, FALSE);
}

int PropertyGrid::client_width() const {
    RECT client{};
    GetClientRect(handle(), &client);
    return client.right;
}

int PropertyGrid::splitter() const { return splitter_position(model_.splitter_ratio(), client_width()); }

RECT PropertyGrid::row_rect(std::size_t shown_position) const {
    const int top = (static_cast<int>(shown_position) - first_shown_) * row_height_;
    return RECT{0, top, client_width(), top + row_height_};
}

std::optional<std::size_t> PropertyGrid::row_at(int y) const {
    if (y < 0) return std::nullopt;
    const std::size_t position = static_cast<std::size_t>(first_shown_ + y / row_height_);
    if (position >= model_.shown().size()) return std::nullopt;
    return model_.shown()[position];
}

void PropertyGrid::update_scroll_bar() {
    RECT client{};
    GetClientRect(handle(), &client);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(0, static_cast<int>(model_.shown().size()) - 1);
    info.nPage = static_cast<UINT>(std::max(1, static_cast<int>(client.bottom / row_height_)));
    info.nPos = first_shown_;
    SetScrollInfo(handle(), SB_VERT, &info, TRUE);
}

void PropertyGrid::scroll_to(int first) {
    RECT client{};
    GetClientRect(handle(), &client);
    const int page = std::max(1, static_cast<int>(client.bottom / row_height_));
    const int last_first = std::max(0, static_cast<int>(model_.shown().size()) - page);
    first = std::clamp(first, 0, last_first);
    if (first == first_shown_) return;
    first_shown_ = first;
    update_scroll_bar();
    place_editor();
    InvalidateRect(handle(), nullptr, FALSE);
}

void PropertyGrid::ensure_visible(std::size_t row) {
    const auto position = model_.shown_position(row);
    if (!position) return;
    RECT client{};
    GetClientRect(handle(), &client);
    const int page = std::max(1, static_cast<int>(client.bottom / row_height_));
    const int at = static_cast<int>(*position);
    if (at < first_shown_) scroll_to(at);
    if (at >= first_shown_ + page) scroll_to(at - page + 1);
}

// The in-place windows follow the selected row: an edit box for text, numbers and "..." values,
// a button at the right end for lists and "...".
void PropertyGrid::show_editor_for_selection() {
    updating_edit_ = true;
    const PropertyRow* row = selected_ ? &model_.rows()[*selected_] : nullptr;
    const bool editable = row != nullptr && row->is_editable();
    const bool with_edit = editable && row->has_edit_box();
    const bool with_button = editable && (row->has_drop_down() || (row->flags & property_flag::ellipsis) != 0);
    if (with_edit) {
        edit_original_ = row->value;
        SetWindowTextW(edit_, wide(row->value).c_str());
        const LONG_PTR style = GetWindowLongPtrW(edit_, GWL_STYLE);
        const bool number = (row->flags & property_flag::number) != 0;
        SetWindowLongPtrW(edit_, GWL_STYLE, number ? (style | ES_NUMBER) : (style & ~static_cast<LONG_PTR>(ES_NUMBER)));
        SendMessageW(edit_, EM_SETREADONLY, (row->flags & property_flag::ellipsis) != 0, 0);
    }
    if (with_button) {
        const bool ellipsis = (row->flags & property_flag::ellipsis) != 0;
        // A drop-down arrow: the down-pointing triangle of the Marlett-free system font.
        SetWindowTextW(button_, ellipsis ? L"..." : L"\u25BC");
    }
    ShowWindow(edit_, with_edit ? SW_SHOW : SW_HIDE);
    ShowWindow(button_, with_button ? SW_SHOW : SW_HIDE);
    updating_edit_ = false;
    place_editor();
}

void PropertyGrid::set_font(HFONT font, int dpi) {
    close_drop_down();
    font_ = font;
    bold_font_ = derived_font(font, true, false);
    link_font_ = derived_font(font, false, true);
    row_height_ = scaled_for_dpi(property_row_height, dpi);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    update_scroll_bar();
    place_editor();
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void PropertyGrid::place_editor() {
    if (!selected_) return;
    const auto position = model_.shown_position(*selected_);
    if (!position) {
        ShowWindow(edit_, SW_HIDE);
        ShowWindow(button_, SW_HIDE);
        return;
    }
    const RECT rect = row_rect(*position);
    const int left = splitter() + 1;
    const int button_width = GetSystemMetrics(SM_CXHTHUMB);
    const bool button_shown = has_own_visibility(button_);
    const int right = rect.right - (button_shown ? button_width : 0);
    MoveWindow(edit_, left + 3, rect.top + 2, std::max(0, right - left - 3), row_height_ - 3, TRUE);
    MoveWindow(button_, rect.right - button_width, rect.top, button_width, row_height_, TRUE);
}

bool PropertyGrid::commit_edit() {
    if (!selected_ || !has_own_visibility(edit_)) return false;
    const PropertyRow& row = model_.rows()[*selected_];
    if ((row.flags & property_flag::ellipsis) != 0) return false;
    const std::u16string text = window_text(edit_);
    if (text == edit_original_) return false;
    edit_original_ = text;
    const std::size_t index = *selected_;
    if (callbacks.text_committed) callbacks.text_committed(index, text);
    return true;
}

void PropertyGrid::cancel_edit() {
    if (!has_own_visibility(edit_)) return;
    updating_edit_ = true;
    SetWindowTextW(edit_, wide(edit_original_).c_str());
    SendMessageW(edit_, EM_SETSEL, 0, -1);
    updating_edit_ = false;
}

void PropertyGrid::move_selection(int step) {
    const auto& shown = model_.shown();
    if (shown.empty()) return;
    int position = selected_ ? static_cast<int>(*model_.shown_position(*selected_)) : (step > 0 ? -1 : 0);
    position = std::clamp(position + step, 0, static_cast<int>(shown.size()) - 1);
    commit_edit();
    select(shown[static_cast<std::size_t>(position)]);
}

void PropertyGrid::tab(bool backwards) {
    commit_edit();
    const auto next = model_.next_editable(selected_, backwards);
    if (!next) return;
    select(*next);
    if (has_own_visibility(edit_)) {
        SetFocus(edit_);
        SendMessageW(edit_, EM_SETSEL, 0, -1);
    } else {
        SetFocus(handle());
    }
}

void PropertyGrid::press_button() {
    if (!selected_) return;
    const PropertyRow& row = model_.rows()[*selected_];
    if (!row.is_editable() && (row.flags & property_flag::link) == 0) return;
    if (row.has_drop_down()) {
        if (list_ != nullptr) {
            close_drop_down();
        } else {
            open_drop_down();
        }
        return;
    }
    if (callbacks.button_pressed) callbacks.button_pressed(*selected_);
}

void PropertyGrid::next_choice() {
    if (!selected_) return;
    const PropertyRow& row = model_.rows()[*selected_];
    if ((row.flags & property_flag::fixed_choices) == 0 || row.choices.empty() || row.is_disabled()) return;
    const int next = (row.choice + 1) % static_cast<int>(row.choices.size());
    if (callbacks.choice_picked) callbacks.choice_picked(*selected_, next, row.choices[static_cast<std::size_t>(next)]);
}

void PropertyGrid::open_drop_down() {
    close_drop_down();
    if (!selected_) return;
    const std::size_t index = *selected_;
    const PropertyRow& row = model_.rows()[index];
    if (!row.is_editable() || !row.has_drop_down()) return;
    std::vector<std::u16string> choices = row.choices;
    if ((row.flags & property_flag::dynamic_choices) != 0 && callbacks.dynamic_choices) {
        choices = callbacks.dynamic_choices(index);
    }
    if (choices.empty()) return;
    const auto position = model_.shown_position(index);
    if (!position) return;
    const RECT rect = row_rect(*position);
    const int cell_left = splitter() + 1;
    const int cell_width = rect.right - cell_left;
    int width = cell_width;
    {
        WindowDc dc(handle());
        SelectedObject selected_font(dc.get(), font_);
        width = choice_list_width(cell_width, choices, [&](const std::u16string& text) {
            SIZE size{};
            const std::wstring shown = wide(text);
            GetTextExtentPoint32W(dc.get(), shown.c_str(), static_cast<int>(shown.size()), &size);
            return static_cast<int>(size.cx);
        });
    }
    if (choices.size() > property_list_max_rows) width += GetSystemMetrics(SM_CXVSCROLL);
    POINT corner{cell_left, rect.bottom};
    ClientToScreen(handle(), &corner);
    HWND top_level = GetAncestor(handle(), GA_ROOT);
    list_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"LISTBOX", nullptr,
                            WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, corner.x, corner.y,
                            width, choice_list_height(choices.size(), row_height_), top_level, nullptr,
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(handle(), GWLP_HINSTANCE)), nullptr);
    if (list_ == nullptr) return;
    list_owner_.reset(list_);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(list_, LB_SETITEMHEIGHT, 0, row_height_);
    int current = -1;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(choices[i]).c_str()));
        if (choices[i] == row.value) current = static_cast<int>(i);
    }
    if ((row.flags & property_flag::fixed_choices) != 0 && row.choice >= 0) current = row.choice;
    SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SetWindowSubclass(list_, list_procedure, list_subclass, reinterpret_cast<DWORD_PTR>(this));
    SetWindowPos(list_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetFocus(list_);
}

void PropertyGrid::close_drop_down() {
    if (list_ == nullptr) return;
    HWND list = list_;
    list_ = nullptr;
    RemoveWindowSubclass(list, list_procedure, list_subclass);
    list_owner_.reset();
    if (handle() != nullptr && has_own_visibility(handle())) SetFocus(has_own_visibility(edit_) ? edit_ : handle());
}

void PropertyGrid::pick_from_list() {
    if (list_ == nullptr || !selected_) return;
    const auto picked = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
    std::u16string text;
    if (picked >= 0) {
        const auto length = static_cast<int>(SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(picked), 0));
        std::wstring buffer(static_cast<std::size_t>(std::max(0, length)) + 1, L'\0');
        SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(picked), reinterpret_cast<LPARAM>(buffer.data()));
        buffer.resize(static_cast<std::size_t>(std::max(0, length)));
        text = from_wide(buffer);
    }
    const std::size_t index = *selected_;
    close_drop_down();
    if (picked >= 0 && callbacks.choice_picked) callbacks.choice_picked(index, picked, text);
}

LRESULT CALLBACK PropertyGrid::edit_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                              DWORD_PTR data) noexcept {
    auto* grid = reinterpret_cast<PropertyGrid*>(data);
    try {
        switch (message) {
            case WM_GETDLGCODE:
                return DLGC_WANTALLKEYS | DefSubclassProc(window, message, wparam, lparam);
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                if (grid->on_edit_key(wparam)) return 0;
                break;
            case WM_CHAR:
                // Tab, Enter and Escape were handled as keys; the edit box would beep at them.
                // The shell's Undo (Ctrl+Z) is the project's, not the edit box's own.
                if (wparam == L'\t' || wparam == L'\r' || wparam == 0x1B || wparam == 0x1A) return 0;
                break;
            case WM_KILLFOCUS:
                if (reinterpret_cast<HWND>(wparam) != grid->list_) grid->commit_edit();
                break;
            default:
                break;
        }
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

bool PropertyGrid::on_edit_key(WPARAM key) {
    switch (key) {
        case VK_TAB:
            tab(key_down(VK_SHIFT));
            return true;
        case VK_RETURN:
            commit_edit();
            SendMessageW(edit_, EM_SETSEL, 0, -1);
            return true;
        case VK_ESCAPE:
            cancel_edit();
            return true;
        case VK_F4:
            open_drop_down();
            return true;
        case VK_DOWN:
            if (key_down(VK_MENU)) {
                open_drop_down();
            } else {
                move_selection(1);
            }
            return true;
        case VK_UP:
            move_selection(-1);
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK PropertyGrid::list_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                              DWORD_PTR data) noexcept {
    auto* grid = reinterpret_cast<PropertyGrid*>(data);
    try {
        switch (message) {
            case WM_GETDLGCODE:
                return DLGC_WANTALLKEYS;
            case WM_KEYDOWN:
                if (grid->on_list_key(wparam)) return 0;
                break;
            case WM_LBUTTONUP: {
                const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
                grid->pick_from_list();
                return result;
            }
            case WM_KILLFOCUS:
                PostMessageW(grid->handle(), close_list_message, 0, 0);
                break;
            default:
                break;
        }
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

bool PropertyGrid::on_list_key(WPARAM key) {
    switch (key) {
        case VK_RETURN:
            pick_from_list();
            return true;
        case VK_ESCAPE:
        case VK_F4:
            close_drop_down();
            return true;
        default:
            return false;
    }
}

LRESULT PropertyGrid::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(handle(), &paint_info);
            RECT client{};
            GetClientRect(handle(), &client);
            // Drawn off-screen and copied in one piece, so that nothing flickers.
            UniqueMemoryDc memory(CreateCompatibleDC(dc));
            UniqueBitmap bitmap(CreateCompatibleBitmap(dc, std::max(1L, client.right), std::max(1L, client.bottom)));
            {
                SelectedObject selected_bitmap(memory.get(), bitmap.get());
                paint(memory.get(), client);
                BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
            }
            EndPaint(handle(), &paint_info);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            update_scroll_bar();
            scroll_to(first_shown_);
            place_editor();
            InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_VSCROLL: {
            SCROLLINFO info{};
            info.cbSize = sizeof(info);
            info.fMask = SIF_ALL;
            GetScrollInfo(handle(), SB_VERT, &info);
            int first = first_shown_;
            switch (LOWORD(wparam)) {
                case SB_LINEUP: --first; break;
                case SB_LINEDOWN: ++first; break;
                case SB_PAGEUP: first -= static_cast<int>(info.nPage); break;
                case SB_PAGEDOWN: first += static_cast<int>(info.nPage); break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION: first = info.nTrackPos; break;
                case SB_TOP: first = 0; break;
                case SB_BOTTOM: first = info.nMax; break;
                default: break;
            }
            scroll_to(first);
            return 0;
        }
        case WM_LBUTTONDOWN:
            on_mouse_down(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
            return 0;
        case WM_LBUTTONDBLCLK:
            on_double_click(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
            return 0;
        case WM_MOUSEMOVE:
            if (dragging_splitter_) {
                model_.set_splitter_ratio(splitter_ratio_at(GET_X_LPARAM(lparam), client_width()));
                place_editor();
                InvalidateRect(handle(), nullptr, FALSE);
            }
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            dragging_splitter_ = false;
            if (message == WM_LBUTTONUP && GetCapture() == handle()) ReleaseCapture();
            return 0;
        case WM_SETCURSOR: {
            POINT cursor{};
            GetCursorPos(&cursor);
            ScreenToClient(handle(), &cursor);
            if (reinterpret_cast<HWND>(wparam) == handle() && LOWORD(lparam) == HTCLIENT) {
                if (near_splitter(cursor.x, splitter()) && !model_.empty()) {
                    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
                    return TRUE;
                }
                if (const auto row = row_at(cursor.y); row && (model_.rows()[*row].flags & property_flag::link) != 0) {
                    SetCursor(LoadCursorW(nullptr, IDC_HAND));
                    return TRUE;
                }
            }
            return DefWindowProcW(handle(), message, wparam, lparam);
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (wparam == VK_UP || wparam == VK_DOWN || wparam == VK_TAB || wparam == VK_F4 || wparam == VK_RETURN) {
                if (wparam == VK_TAB) {
                    tab(key_down(VK_SHIFT));
                } else if (wparam == VK_RETURN) {
                    if (selected_ && model_.rows()[*selected_].is_category()) toggle_category(*selected_);
                    else press_button();
                } else if (wparam == VK_F4 || (wparam == VK_DOWN && key_down(VK_MENU))) {
                    open_drop_down();
                } else {
                    move_selection(wparam == VK_UP ? -1 : 1);
                }
                return 0;
            }
            return DefWindowProcW(handle(), message, wparam, lparam);
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) == button_id && HIWORD(wparam) == BN_CLICKED) {
                commit_edit();
                press_button();
            }
            return 0;
        case close_list_message:
            if (list_ != nullptr && GetFocus() != list_) close_drop_down();
            return 0;
        default:
            return DefWindowProcW(handle(), message, wparam, lparam);
    }
}

void PropertyGrid::on_mouse_down(int x, int y) {
    SetFocus(handle());
    if (!model_.empty() && near_splitter(x, splitter())) {
        dragging_splitter_ = true;
        SetCapture(handle());
        return;
    }
    const auto row = row_at(y);
    if (!row) return;
    commit_edit();
    select(*row);
    const PropertyRow& clicked = model_.rows()[*row];
    if (clicked.is_category() && x < property_name_margin + 3) {
        toggle_category(*row);
        return;
    }
    if ((clicked.flags & property_flag::link) != 0) {
        if (callbacks.button_pressed) callbacks.button_pressed(*row);
        return;
    }
    if (x > splitter() && has_own_visibility(edit_)) {
        SetFocus(edit_);
        SendMessageW(edit_, EM_SETSEL, 0, -1);
    } else if (x > splitter() && clicked.is_editable() && clicked.has_drop_down()) {
        open_drop_down();
    }
}

void PropertyGrid::on_double_click(int x, int y) {
    const auto row = row_at(y);
    if (!row) return;
    const PropertyRow& clicked = model_.rows()[*row];
    if (clicked.is_category()) {
        toggle_category(*row);
        return;
    }
    if (clicked.is_disabled()) return;
    select(*row);
    if ((clicked.flags & property_flag::fixed_choices) != 0) {
        next_choice();
    } else if (x < splitter() && has_own_visibility(edit_)) {
        SetFocus(edit_);
        SendMessageW(edit_, EM_SETSEL, 0, -1);
    }
}

void PropertyGrid::paint(HDC dc, const RECT& client) {
    fill(dc, client, COLOR_WINDOW);
    SelectedObject selected_font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    if (model_.empty()) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        RECT text_rect{4, 0, client.right - 4, row_height_ * 2};
        draw_text(dc, empty_text_, text_rect, DT_CENTER);
        return;
    }
    const auto& shown = model_.shown();
    const int rows = visible_row_count(client.bottom, row_height_);
    for (int i = 0; i < rows; ++i) {
        const auto position = static_cast<std::size_t>(first_shown_ + i);
        if (position >= shown.size()) break;
        const std::size_t index = shown[position];
        draw_row(dc, model_.rows()[index], index, i * row_height_, client.right);
    }
}

void PropertyGrid::draw_row(HDC dc, const PropertyRow& row, std::size_t index, int top, int width) {
    const bool focused = GetFocus() == handle() || GetFocus() == edit_ || (list_ != nullptr && GetFocus() == list_);
    const bool selected = selected_ == index;
    const RECT whole{0, top, width, top + row_height_};
    if (row.is_category()) {
        fill(dc, whole, COLOR_BTNFACE);
        draw_glyph(dc, 3, top, row_height_, (row.flags & property_flag::expanded) != 0);
        SelectedObject bold(dc, bold_font_.get());
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
        RECT text_rect{18, top, width, top + row_height_};
        draw_text(dc, row.name, text_rect, DT_LEFT);
        if (selected && focused) {
            SIZE size{};
            const std::wstring name = wide(row.name);
            GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
            RECT focus{16, top + 1, 20 + size.cx, top + row_height_ - 1};
            DrawFocusRect(dc, &focus);
        }
        return;
    }
    fill(dc, RECT{0, top, property_name_margin, top + row_height_}, COLOR_BTNFACE);
    if ((row.flags & property_flag::link) != 0) {
        SelectedObject link(dc, link_font_.get());
        SetTextColor(dc, RGB(0, 0, 255));
        RECT text_rect{18, top, width, top + row_height_};
        draw_text(dc, row.name, text_rect, DT_LEFT);
        return;
    }
    const int split = splitter();
    RECT name_cell{property_name_margin, top, split, top + row_height_};
    fill(dc, name_cell, selected ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW);
    SetTextColor(dc, GetSysColor(row.is_disabled()       ? COLOR_GRAYTEXT
                                 : selected && focused ? COLOR_HIGHLIGHTTEXT
                                                       : COLOR_WINDOWTEXT));
    RECT name_text{18, top, split - 2, top + row_height_};
    draw_text(dc, row.name, name_text, DT_LEFT);
    SetTextColor(dc, GetSysColor(row.is_disabled() ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    RECT value_text{split + 4, top, width - 2, top + row_height_};
    draw_text(dc, row.value, value_text, DT_LEFT);
    // Grid lines: the splitter and the line under the row.
    RECT split_line{split, top, split + 1, top + row_height_};
    fill(dc, split_line, COLOR_BTNFACE);
    RECT bottom_line{property_name_margin, top + row_height_ - 1, width, top + row_height_};
    fill(dc, bottom_line, COLOR_BTNFACE);
}

}  // namespace tavorin
