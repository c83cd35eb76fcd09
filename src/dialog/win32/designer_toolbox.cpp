#include "dialog/win32/dialog_designer.h"

// The designer's toolbox: the pointer and the 24 kinds of control, each with its picture and a
// tooltip naming it. A kind is chosen by a click (the next click on the canvas places it) or
// dragged onto the canvas, where it is placed at once; Ctrl keeps the kind chosen afterwards.

#include <commctrl.h>

#include <cstdlib>

#include "dialog/win32/toolbox_icons.h"
#include "model/workspace.h"
#include "platform/win32/wide_text.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

constexpr int toolbox_id = 1;
constexpr UINT_PTR toolbox_subclass = 2;
constexpr int icon_grid = 16;

std::optional<ControlKind> kind_of_item(int item) {
    return item > 0 && is_catalog_kind_number(item) ? std::optional(control_kind_of(item)) : std::nullopt;
}

}  // namespace

void DialogDesigner::create_toolbox(HINSTANCE instance) {
    // The item height depends on the icon size, which WM_MEASUREITEM reads during the creation.
    HDC screen = GetDC(nullptr);
    toolbox_icon_size_ = MulDiv(icon_grid, GetDeviceCaps(screen, LOGPIXELSY), 96);
    ReleaseDC(nullptr, screen);
    toolbox_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTBOXW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                   LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                               0, 0, 0, 0, window_.get(), reinterpret_cast<HMENU>(toolbox_id), instance, nullptr);
    if (toolbox_ == nullptr) return;
    SendMessageW(toolbox_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_font_), FALSE);
    std::vector<std::u16string> names{workspace_.text(str::toolbox_pointer)};
    for (const CatalogEntry& entry : workspace_.control_catalog().entries()) names.push_back(entry.display_name);
    for (const std::u16string& name : names) {
        SendMessageW(toolbox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name).c_str()));
    }
    SendMessageW(toolbox_, LB_SETCURSEL, 0, 0);
    SetWindowSubclass(toolbox_, toolbox_procedure, toolbox_subclass, reinterpret_cast<DWORD_PTR>(this));

    toolbox_tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(),
                                    nullptr, instance, nullptr);
    if (toolbox_tips_ == nullptr) return;
    for (std::size_t item = 0; item < names.size(); ++item) {
        std::wstring text = wide(names[item]);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = toolbox_;
        tool.uId = item;
        tool.lpszText = text.data();
        SendMessageW(toolbox_tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Each item's tooltip covers the item where the list shows it now.
void DialogDesigner::place_toolbox_tips() {
    if (toolbox_tips_ == nullptr) return;
    const auto count = static_cast<int>(SendMessageW(toolbox_, LB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = toolbox_;
        tool.uId = static_cast<UINT_PTR>(item);
        SendMessageW(toolbox_, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&tool.rect));
        SendMessageW(toolbox_tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void DialogDesigner::measure_toolbox_item(MEASUREITEMSTRUCT& item) const {
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, ui_font_ != nullptr ? static_cast<HGDIOBJ>(ui_font_) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    item.itemHeight = static_cast<UINT>(std::max<int>(metrics.tmHeight, toolbox_icon_size_) + 4);
}

void DialogDesigner::draw_toolbox_item(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT row = item.rcItem;
    FillRect(item.hDC, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int top = row.top + (row.bottom - row.top - toolbox_icon_size_) / 2;
    const RECT icon{row.left + 2, top, row.left + 2 + toolbox_icon_size_, top + toolbox_icon_size_};
    draw_toolbox_icon(item.hDC, icon, static_cast<int>(item.itemID));
    wchar_t name[128] = {};
    if (SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0) < 128) {
        SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name));
    }
    RECT text = row;
    text.left = icon.right + 6;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    HGDIOBJ old = SelectObject(item.hDC, ui_font_ != nullptr ? static_cast<HGDIOBJ>(ui_font_) : GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(item.hDC, name, -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    SelectObject(item.hDC, old);
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &row);
}

LRESULT CALLBACK DialogDesigner::toolbox_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                   DWORD_PTR data) noexcept {
    auto* designer = reinterpret_cast<DialogDesigner*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, toolbox_procedure, toolbox_subclass);
        return DefSubclassProc(window, message, wparam, lparam);
    }
    try {
        if (auto handled = designer->on_toolbox(message, wparam, lparam)) return *handled;
    } catch (...) {
    }
    const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
    if (message == WM_VSCROLL || message == WM_MOUSEWHEEL || message == WM_SIZE || message == WM_KEYDOWN) {
        designer->place_toolbox_tips();
    }
    return result;
}

// The list does its own selecting with the mouse; the designer takes the press instead, so that
// a press on a kind can become a drag onto the canvas.
std::optional<LRESULT> DialogDesigner::on_toolbox(UINT message, WPARAM wparam, LPARAM lparam) {
    const POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const auto hit = SendMessageW(toolbox_, LB_ITEMFROMPOINT, 0, lparam);
            if (HIWORD(hit) != 0) return std::nullopt;
            const int item = LOWORD(hit);
            SetFocus(toolbox_);
            choose_tool(kind_of_item(item));
            toolbox_press_ = point;
            toolbox_drag_ = kind_of_item(item) ? ToolboxDrag::pressed : ToolboxDrag::none;
            if (toolbox_drag_ != ToolboxDrag::none) SetCapture(toolbox_);
            return 0;
        }
        case WM_MOUSEMOVE: {
            if (toolbox_drag_ == ToolboxDrag::none) return std::nullopt;
            if (toolbox_drag_ == ToolboxDrag::pressed && std::abs(point.x - toolbox_press_.x) < drag_threshold &&
                std::abs(point.y - toolbox_press_.y) < drag_threshold) {
                return 0;
            }
            toolbox_drag_ = ToolboxDrag::dragging;
            SetCursor(LoadCursorW(nullptr, toolbox_drop_point(point) ? IDC_CROSS : IDC_NO));
            return 0;
        }
        case WM_LBUTTONUP: {
            if (toolbox_drag_ == ToolboxDrag::none) return std::nullopt;
            const bool dragged = toolbox_drag_ == ToolboxDrag::dragging;
            toolbox_drag_ = ToolboxDrag::none;
            if (GetCapture() == toolbox_) ReleaseCapture();
            const auto drop = dragged ? toolbox_drop_point(point) : std::nullopt;
            if (drop && tool_) {
                const BaseUnits& base = dialog_.base_units();
                SetFocus(canvas_);
                place_new_control(*tool_,
                                  DialogRect{horizontal_units(drop->x - origin_.x, base),
                                             vertical_units(drop->y - origin_.y, base), -1, -1},
                                  (wparam & MK_CONTROL) != 0);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lparam) != toolbox_) toolbox_drag_ = ToolboxDrag::none;
            return std::nullopt;
        case WM_KEYDOWN:
            if (wparam == VK_ESCAPE && toolbox_drag_ != ToolboxDrag::none) {
                toolbox_drag_ = ToolboxDrag::none;
                ReleaseCapture();
                return 0;
            }
            return std::nullopt;
        default: return std::nullopt;
    }
}

// The canvas point under a toolbox point, when it lies on the canvas.
std::optional<POINT> DialogDesigner::toolbox_drop_point(POINT toolbox_point) const {
    POINT point = toolbox_point;
    MapWindowPoints(toolbox_, canvas_, &point, 1);
    RECT client{};
    GetClientRect(canvas_, &client);
    if (!PtInRect(&client, point)) return std::nullopt;
    return point;
}

void DialogDesigner::choose_tool(std::optional<ControlKind> kind) {
    tool_ = kind;
    if (toolbox_ != nullptr) SendMessageW(toolbox_, LB_SETCURSEL, kind ? kind_number(*kind) : 0, 0);
}

}  // namespace tavorin
