#include "app/win32/main_toolbar.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "app/command_ids.h"
#include "services/string_ids.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

struct ToolButton {
    cmd::Id id;  // 0: a separator
    int image;   // in the standard small colour images
    str::Id text;
    bool needs_project;
};

constexpr std::array<ToolButton, 15> buttons{{
    {cmd::new_project, STD_FILENEW, str::menu_new_project, false},
    {cmd::open_project, STD_FILEOPEN, str::menu_open_project, false},
    {cmd::save, STD_FILESAVE, str::menu_save, true},
    {0, 0, 0, false},
    {cmd::cut, STD_CUT, str::menu_cut, false},
    {cmd::copy, STD_COPY, str::menu_copy, false},
    {cmd::paste, STD_PASTE, str::menu_paste, false},
    {0, 0, 0, false},
    {cmd::undo, STD_UNDO, str::menu_undo, false},
    {cmd::redo, STD_REDOW, str::menu_redo, false},
    {0, 0, 0, false},
    {cmd::add_dialog, STD_PROPERTIES, str::menu_add_dialog, true},
    {cmd::add_menu, STD_FIND, str::menu_add_menu, true},
    {cmd::preview_resource_script, STD_PRINTPRE, str::menu_preview_resource, true},
    {cmd::c_code, STD_REPLACE, str::menu_preview_c_source, true},
}};

// The editors enable the clipboard buttons, the history Undo and Redo.
bool starts_disabled(cmd::Id id) {
    return id == cmd::cut || id == cmd::copy || id == cmd::paste || id == cmd::undo || id == cmd::redo;
}

// Undo and Redo carry an arrow that drops down the list of steps.
bool has_drop_down(cmd::Id id) { return id == cmd::undo || id == cmd::redo; }

// The menu text without its mnemonic and shortcut: "&Save\tCtrl+S" becomes "Save".
std::wstring tooltip_text(const std::u16string& menu_text) {
    std::wstring text;
    for (const char16_t c : menu_text) {
        if (c == u'\t') break;
        if (c != u'&') text.push_back(static_cast<wchar_t>(c));
    }
    return text;
}

}  // namespace

HWND create_main_toolbar(HWND parent, HINSTANCE instance, const UiStrings& strings) {
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                                   parent, nullptr, instance, nullptr);
    if (toolbar == nullptr) return nullptr;
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    // Texts become tooltips, not captions.
    SendMessageW(toolbar, TB_SETMAXTEXTROWS, 0, 0);
    for (const ToolButton& button : buttons) {
        TBBUTTON item{};
        if (button.id == 0) {
            item.fsStyle = BTNS_SEP;
        } else {
            std::wstring text = tooltip_text(strings.text(button.text));
            text.push_back(L'\0');  // TB_ADDSTRING takes a list ending in two NULs
            item.iBitmap = button.image;
            item.idCommand = button.id;
            item.fsState = starts_disabled(button.id) ? 0 : TBSTATE_ENABLED;
            item.fsStyle = static_cast<BYTE>(BTNS_BUTTON | (has_drop_down(button.id) ? BTNS_DROPDOWN : 0));
            item.iString = SendMessageW(toolbar, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    return toolbar;
}

void enable_project_buttons(HWND toolbar, bool project_open) {
    for (const ToolButton& button : buttons) {
        if (button.needs_project) SendMessageW(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(button.id), project_open);
    }
}

}  // namespace tavorin
