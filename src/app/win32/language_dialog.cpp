#include "app/win32/language_dialog.h"

#include <vector>

#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

class LanguageDialog {
public:
    LanguageDialog(App& app, std::uint16_t initial) : app_(app), chosen_(initial) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept {}
    std::uint16_t chosen() const { return chosen_; }

private:
    void on_init();
    HWND child(const wchar_t* window_class, const std::wstring& text, DWORD style, int id, int x, int y, int width,
               int height);
    void confirm();

    App& app_;
    std::uint16_t chosen_;
    HWND dialog_ = nullptr;
    HWND list_ = nullptr;
};

HWND LanguageDialog::child(const wchar_t* window_class, const std::wstring& text, DWORD style, int id, int x, int y,
                           int width, int height) {
    RECT box{x, y, x + width, y + height};
    MapDialogRect(dialog_, &box);
    HWND window = CreateWindowExW(0, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                                  box.right - box.left, box.bottom - box.top, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    return window;
}

void LanguageDialog::on_init() {
    SetWindowTextW(dialog_, L"Tavorin");
    child(L"STATIC", wide(app_.session.text(str::new_string_table_language)), SS_LEFT, -1, 7, 7, 186, 9);
    list_ = child(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, language_control::list, 7, 18, 186, 120);
    child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 89, 41, 50, 14);
    child(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 143, 41, 50, 14);
    for (const LanguageList::Entry& entry : app_.session.languages().entries()) {
        const auto index = SendMessageW(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry.name).c_str()));
        SendMessageW(list_, CB_SETITEMDATA, static_cast<WPARAM>(index), entry.id);
        if (entry.id == chosen_) SendMessageW(list_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    SetFocus(list_);
}

void LanguageDialog::confirm() {
    const auto index = SendMessageW(list_, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR) chosen_ = static_cast<std::uint16_t>(SendMessageW(list_, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    EndDialog(dialog_, IDOK);
}

INT_PTR LanguageDialog::on_message(UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            on_init();
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK) confirm();
            if (LOWORD(wparam) == IDCANCEL) EndDialog(dialog_, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

std::optional<std::uint16_t> ask_language(App& app, HWND owner, std::uint16_t initial) {
    if (app.dialog_answers.language) return app.dialog_answers.language(initial);
    LanguageDialog dialog(app, initial);
    const auto layout = empty_dialog_template(200, 62, app.resources.ui_face());
    if (run_bound_dialog(app.instance, layout, owner, dialog) != IDOK) {
        return std::nullopt;
    }
    return dialog.chosen();
}

}  // namespace tavorin
