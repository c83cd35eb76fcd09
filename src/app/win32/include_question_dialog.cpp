#include "app/win32/include_question_dialog.h"

#include <vector>

#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

class IncludeQuestionDialog {
public:
    explicit IncludeQuestionDialog(App& app) : app_(app) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept {}
    const IncludeQuestionResult& result() const { return result_; }

private:
    HWND child(const wchar_t* window_class, const std::u16string& text, DWORD style, int id, int x, int y, int width,
               int height);
    void finish(Answer answer);

    App& app_;
    HWND dialog_ = nullptr;
    IncludeQuestionResult result_;
};

HWND IncludeQuestionDialog::child(const wchar_t* window_class, const std::u16string& text, DWORD style, int id, int x,
                                  int y, int width, int height) {
    RECT box{x, y, x + width, y + height};
    MapDialogRect(dialog_, &box);
    HWND window = CreateWindowExW(0, window_class, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                                  box.right - box.left, box.bottom - box.top, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    return window;
}

void IncludeQuestionDialog::finish(Answer answer) {
    result_.answer = answer;
    result_.do_not_ask_again =
        SendMessageW(GetDlgItem(dialog_, include_question_control::do_not_ask), BM_GETCHECK, 0, 0) == BST_CHECKED;
    EndDialog(dialog_, static_cast<INT_PTR>(answer));
}

INT_PTR IncludeQuestionDialog::on_message(UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            const Session& session = app_.session;
            SetWindowTextW(dialog_, L"Tavorin");
            HWND icon = child(L"STATIC", u"", SS_ICON, -1, 7, 7, 20, 20);
            SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)), 0);
            child(L"STATIC", session.text(str::ask_configure_includes), SS_LEFT, include_question_control::question, 34,
                  7, 199, 26);
            child(L"BUTTON", session.text(str::do_not_ask_again), BS_AUTOCHECKBOX | WS_TABSTOP,
                  include_question_control::do_not_ask, 34, 36, 199, 10);
            child(L"BUTTON", session.text(str::button_yes), BS_DEFPUSHBUTTON | WS_TABSTOP, IDYES, 73, 53, 50, 14);
            child(L"BUTTON", session.text(str::button_no), BS_PUSHBUTTON | WS_TABSTOP, IDNO, 128, 53, 50, 14);
            child(L"BUTTON", session.text(str::button_cancel), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 183, 53, 50, 14);
            SetFocus(GetDlgItem(dialog_, IDYES));
            return FALSE;
        }
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case IDYES: finish(Answer::yes); break;
                case IDNO: finish(Answer::no); break;
                case IDCANCEL: finish(Answer::cancel); break;
                default: break;
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

IncludeQuestionResult ask_include_question(App& app, HWND owner) {
    IncludeQuestionDialog dialog(app);
    if (run_bound_dialog(app.instance, empty_dialog_template(240, 74, app.resources.ui_face()), owner, dialog) <= 0) {
        return IncludeQuestionResult{};
    }
    return dialog.result();
}

}  // namespace tavorin
