#include "ui/win32/property_panel.h"

#include <commctrl.h>

#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

constexpr int caption_height = 20;
constexpr int name_column_width = 90;

void add_column(HWND list, int index, const std::u16string& title, int width) {
    std::wstring text = wide(title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text.data();
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

}  // namespace

bool PropertyPanel::create(HWND parent, HINSTANCE instance, HFONT font, const Texts& texts) {
    caption_ = CreateWindowExW(0, L"STATIC", wide(texts.caption).c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, 0, 0, 0, 0,
                               parent, nullptr, instance, nullptr);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                            WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOSORTHEADER | LVS_SINGLESEL, 0, 0, 0, 0, parent,
                            nullptr, instance, nullptr);
    if (caption_ == nullptr || list_ == nullptr) return false;
    SendMessageW(caption_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    add_column(list_, 0, texts.name_column, name_column_width);
    add_column(list_, 1, texts.value_column, 150);
    return true;
}

void PropertyPanel::show(const Rows& rows) {
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const auto& [name, value] : rows) {
        std::wstring name_text = wide(name);
        std::wstring value_text = wide(value);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = name_text.data();
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        LVITEMW cell{};
        cell.iSubItem = 1;
        cell.pszText = value_text.data();
        SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        ++row;
    }
}

void PropertyPanel::set_visible(bool visible) {
    ShowWindow(caption_, visible ? SW_SHOW : SW_HIDE);
    ShowWindow(list_, visible ? SW_SHOW : SW_HIDE);
}

void PropertyPanel::move(int x, int y, int width, int height) {
    MoveWindow(caption_, x + 4, y, width - 4, caption_height, TRUE);
    MoveWindow(list_, x, y + caption_height, width, height > caption_height ? height - caption_height : 0, TRUE);
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
}

}  // namespace tavorin
