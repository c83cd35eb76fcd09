#include "app/win32/help_commands.h"

#include <shellapi.h>

#include <vector>

#include "app/include_question.h"
#include "app/update_check.h"
#include "base/text.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

// ShellExecuteW reports success with a value above 32.
bool shell_open(const std::wstring& target) {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

class AboutDialog {
public:
    explicit AboutDialog(App& app) : app_(app) {}
    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept {}

private:
    HWND child(const wchar_t* window_class, const std::u16string& text, DWORD style, int id, int x, int y, int width,
               int height, HFONT font);

    App& app_;
    HWND dialog_ = nullptr;
};

HWND AboutDialog::child(const wchar_t* window_class, const std::u16string& text, DWORD style, int id, int x, int y,
                        int width, int height, HFONT font) {
    RECT box{x, y, x + width, y + height};
    MapDialogRect(dialog_, &box);
    HWND window = CreateWindowExW(0, window_class, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                                  box.right - box.left, box.bottom - box.top, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

INT_PTR AboutDialog::on_message(UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            const Session& session = app_.session;
            const AppResources& resources = app_.resources;
            SetWindowTextW(dialog_, wide(session.text(str::about_caption)).c_str());
            HWND icon = child(L"STATIC", u"", SS_ICON, -1, 7, 7, 20, 20, resources.regular_font());
            SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(resources.program_icon()), 0);
            child(L"STATIC", fill_placeholders(session.text(str::about_version), ascii_to_text(running_version)), SS_LEFT,
                  about_control::version, 34, 7, 189, 12, resources.heading_font());
            child(L"STATIC", session.text(str::about_description), SS_LEFT, -1, 34, 21, 189, 9, resources.regular_font());
            child(L"STATIC", session.text(str::about_licence), SS_LEFT, -1, 34, 33, 189, 18, resources.regular_font());
            child(L"STATIC", session.text(str::about_libraries), SS_LEFT, about_control::libraries, 34, 55, 189, 44,
                  resources.regular_font());
            child(L"STATIC", session.config().web_page, SS_LEFT, -1, 34, 104, 189, 9, resources.underlined_font());
            child(L"BUTTON", session.text(str::button_ok), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 173, 129, 50, 14,
                  resources.regular_font());
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) EndDialog(dialog_, IDOK);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void open_help(App& app) {
    const auto& path = app.paths.help_file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || !shell_open(path.wstring())) {
        app.session.ask(fill_placeholders(app.session.text(str::help_file_missing), path.u16string()), AskButtons::ok,
                        AskIcon::error);
    }
}

void open_address(App& app, std::u16string_view address) {
    if (!is_openable_address(address) || !shell_open(wide(address))) {
        app.session.ask(fill_placeholders(app.session.text(str::address_not_opened), address), AskButtons::ok,
                        AskIcon::error);
    }
}

void show_about(App& app, HWND owner) {
    AboutDialog dialog(app);
    run_bound_dialog(app.instance, empty_dialog_template(230, 150, app.resources.ui_face()), owner, dialog);
}

}  // namespace tavorin
