#include "app/win32/parse_error_dialog.h"

#include <memory>
#include <vector>

#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"
#include "ui/text_lines.h"

namespace tavorin {

namespace {

// Dialog units.
constexpr short dialog_width = 400;
constexpr short dialog_height = 260;

class ParseErrorDialog {
public:
    ParseErrorDialog(App& app, ParseErrorReport report, bool modal)
        : app_(app), report_(std::move(report)), modal_(modal) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept {
        if (owned_by_window_) delete this;
    }
    void give_to_window() { owned_by_window_ = true; }

private:
    void on_init();
    HWND child(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD extended_style, int id);
    void arrange(int width, int height);
    void close();

    App& app_;
    ParseErrorReport report_;
    const bool modal_;
    bool owned_by_window_ = false;
    HWND dialog_ = nullptr;
    HWND icon_ = nullptr;
    HWND report_text_ = nullptr;
    HWND file_view_ = nullptr;
    HWND ok_ = nullptr;
};

HWND ParseErrorDialog::child(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD extended_style,
                             int id) {
    HWND window = CreateWindowExW(extended_style, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                  dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    return window;
}

void ParseErrorDialog::on_init() {
    SetWindowTextW(dialog_, L"Tavorin");
    icon_ = child(L"STATIC", L"", SS_ICON, 0, parse_error_control::icon);
    SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_ERROR)), 0);
    report_text_ = child(L"STATIC", wide(report_.report), SS_LEFT | SS_NOPREFIX, 0, parse_error_control::report);
    const std::u16string text = with_crlf_line_breaks(report_.file_text);
    file_view_ = child(L"EDIT", wide(text),
                       WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL |
                           ES_AUTOVSCROLL | ES_NOHIDESEL,
                       WS_EX_CLIENTEDGE, parse_error_control::file_view);
    SendMessageW(file_view_, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.code_font()), FALSE);
    ok_ = child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, parse_error_control::ok);

    RECT client{};
    GetClientRect(dialog_, &client);
    arrange(client.right, client.bottom);
    if (report_.line > 0) {
        const TextSpan span = line_span(text, report_.line);
        SendMessageW(file_view_, EM_SETSEL, span.start, span.end);
        SendMessageW(file_view_, EM_SCROLLCARET, 0, 0);
    }
    SetFocus(ok_);
}

void ParseErrorDialog::arrange(int width, int height) {
    constexpr int margin = 8;
    constexpr int icon_size = 32;
    constexpr int report_height = 36;
    constexpr int button_width = 80;
    constexpr int button_height = 24;
    MoveWindow(icon_, margin, margin, icon_size, icon_size, TRUE);
    MoveWindow(report_text_, margin * 2 + icon_size, margin, width - margin * 3 - icon_size, report_height, TRUE);
    const int view_top = margin * 2 + (report_height > icon_size ? report_height : icon_size);
    const int view_height = height - view_top - button_height - margin * 2;
    MoveWindow(file_view_, margin, view_top, width - margin * 2, view_height > 0 ? view_height : 0, TRUE);
    MoveWindow(ok_, (width - button_width) / 2, height - margin - button_height, button_width, button_height, TRUE);
}

void ParseErrorDialog::close() {
    if (modal_) {
        EndDialog(dialog_, IDOK);
    } else {
        DestroyWindow(dialog_);
    }
}

INT_PTR ParseErrorDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            on_init();
            return FALSE;  // the focus is set
        case WM_SIZE:
            arrange(LOWORD(lparam), HIWORD(lparam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) close();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void show_parse_error_dialog(App& app, HWND owner, const ParseErrorReport& report) {
    const auto layout = empty_dialog_template(dialog_width, dialog_height, app.resources.ui_face(), WS_THICKFRAME);
    ParseErrorDialog dialog(app, report, true);
    DialogBoxIndirectParamW(app.instance, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                            bound_dialog_procedure<ParseErrorDialog>, reinterpret_cast<LPARAM>(&dialog));
}

HWND open_parse_error_dialog(App& app, HWND owner, const ParseErrorReport& report) {
    const auto layout = empty_dialog_template(dialog_width, dialog_height, app.resources.ui_face(), WS_THICKFRAME);
    auto dialog = std::make_unique<ParseErrorDialog>(app, report, false);
    HWND window = CreateDialogIndirectParamW(app.instance, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                                             bound_dialog_procedure<ParseErrorDialog>,
                                             reinterpret_cast<LPARAM>(dialog.get()));
    if (window == nullptr) return nullptr;
    dialog.release()->give_to_window();
    ShowWindow(window, SW_SHOW);
    return window;
}

}  // namespace tavorin
