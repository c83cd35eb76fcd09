#include "app/win32/custom_resource_dialog.h"

#include <vector>

#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

class CustomResourceDialog {
public:
    explicit CustomResourceDialog(App& app) : app_(app) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept {}
    const CustomTypeAnswer& answer() const { return answer_; }

private:
    void on_init();
    HWND child(const wchar_t* window_class, const std::u16string& text, DWORD style, int id, int x, int y, int width,
               int height);
    void confirm();

    App& app_;
    CustomTypeAnswer answer_;
    HWND dialog_ = nullptr;
    HWND type_ = nullptr;
};

HWND CustomResourceDialog::child(const wchar_t* window_class, const std::u16string& text, DWORD style, int id, int x,
                                 int y, int width, int height) {
    RECT box{x, y, x + width, y + height};
    MapDialogRect(dialog_, &box);
    HWND window = CreateWindowExW(0, window_class, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                                  box.right - box.left, box.bottom - box.top, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    return window;
}

void CustomResourceDialog::on_init() {
    const Session& session = app_.session;
    SetWindowTextW(dialog_, wide(session.text(str::custom_resource_caption)).c_str());
    child(L"STATIC", session.text(str::custom_resource_type_prompt), SS_LEFT, -1, 7, 7, 186, 9);
    type_ = child(L"COMBOBOX", u"", CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_SORT | WS_VSCROLL | WS_TABSTOP,
                  custom_resource_control::type, 7, 18, 186, 100);
    child(L"BUTTON", session.text(str::ordinal_identifier), BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
          custom_resource_control::ordinal, 7, 36, 90, 10);
    child(L"BUTTON", session.text(str::name_identifier), BS_AUTORADIOBUTTON, custom_resource_control::name, 103, 36, 90,
          10);
    child(L"BUTTON", u"OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, IDOK, 89, 55, 50, 14);
    child(L"BUTTON", u"Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 143, 55, 50, 14);
    for (const std::u16string& name : session.custom_types().names()) {
        SendMessageW(type_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name).c_str()));
    }
    // The list offers names, so a name is what the dialog expects first.
    CheckRadioButton(dialog_, custom_resource_control::ordinal, custom_resource_control::name,
                     custom_resource_control::name);
    SetFocus(type_);
}

void CustomResourceDialog::confirm() {
    const int length = GetWindowTextLengthW(type_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(type_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    CustomTypeAnswer answer{from_wide(text), IsDlgButtonChecked(dialog_, custom_resource_control::ordinal) == BST_CHECKED};
    Session& session = app_.session;
    const Status checked = check_custom_type(session, answer);
    if (!checked) {
        // The box is owned by this dialog, which stays up for a corrected type.
        session.ask(checked.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        SetFocus(type_);
        return;
    }
    answer_ = std::move(answer);
    EndDialog(dialog_, IDOK);
}

INT_PTR CustomResourceDialog::on_message(UINT message, WPARAM wparam, LPARAM) {
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

std::optional<CustomTypeAnswer> ask_custom_type(App& app, HWND owner) {
    if (app.dialog_answers.custom_type) return app.dialog_answers.custom_type();
    CustomResourceDialog dialog(app);
    const auto layout = empty_dialog_template(200, 76, app.resources.ui_face());
    if (run_bound_dialog(app.instance, layout, owner, dialog) != IDOK) {
        return std::nullopt;
    }
    return dialog.answer();
}

}  // namespace tavorin
