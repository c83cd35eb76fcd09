#include "resources/version/win32/version_language_dialog.h"

#include <array>
#include <exception>
#include <vector>

#include "base/text.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

struct CodePage {
    std::uint16_t number;
    const wchar_t* name;
};

// The code pages version blocks are written in: Unicode first, then the Windows code pages.
constexpr std::array<CodePage, 16> code_pages{{
    {1200, L"1200 (Unicode)"},
    {1252, L"1252 (Western European)"},
    {1250, L"1250 (Central European)"},
    {1251, L"1251 (Cyrillic)"},
    {1253, L"1253 (Greek)"},
    {1254, L"1254 (Turkish)"},
    {1255, L"1255 (Hebrew)"},
    {1256, L"1256 (Arabic)"},
    {1257, L"1257 (Baltic)"},
    {1258, L"1258 (Vietnamese)"},
    {874, L"874 (Thai)"},
    {932, L"932 (Japanese)"},
    {936, L"936 (Simplified Chinese)"},
    {949, L"949 (Korean)"},
    {950, L"950 (Traditional Chinese)"},
    {0, L"0 (Neutral)"},
}};

class VersionLanguageDialog {
public:
    VersionLanguageDialog(Workspace& workspace, HINSTANCE instance, HFONT font, VersionLanguageChoice initial)
        : workspace_(workspace), instance_(instance), font_(font), chosen_(initial) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept {}
    VersionLanguageChoice chosen() const { return chosen_; }

private:
    HWND child(const wchar_t* window_class, const std::wstring& text, DWORD style, int id, int x, int y, int width,
               int height);
    void on_init();
    void confirm();

    Workspace& workspace_;
    HINSTANCE instance_;
    HFONT font_;
    VersionLanguageChoice chosen_;
    HWND dialog_ = nullptr;
    HWND languages_ = nullptr;
    HWND code_pages_ = nullptr;
};

HWND VersionLanguageDialog::child(const wchar_t* window_class, const std::wstring& text, DWORD style, int id, int x,
                                  int y, int width, int height) {
    RECT box{x, y, x + width, y + height};
    MapDialogRect(dialog_, &box);
    HWND window = CreateWindowExW(0, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                                  box.right - box.left, box.bottom - box.top, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return window;
}

void VersionLanguageDialog::on_init() {
    SetWindowTextW(dialog_, wide(workspace_.text(str::choose_language_caption)).c_str());
    child(L"STATIC", wide(workspace_.text(str::language_label)), SS_LEFT, -1, 7, 7, 186, 9);
    languages_ = child(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                       version_language_control::language_list, 7, 18, 186, 120);
    child(L"STATIC", wide(workspace_.text(str::codepage_label)), SS_LEFT, -1, 7, 36, 186, 9);
    code_pages_ = child(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                        version_language_control::code_page_list, 7, 47, 186, 120);
    child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 89, 69, 50, 14);
    child(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 143, 69, 50, 14);
    for (const LanguageList::Entry& entry : workspace_.languages().entries()) {
        const auto index =
            SendMessageW(languages_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry.name).c_str()));
        SendMessageW(languages_, CB_SETITEMDATA, static_cast<WPARAM>(index), entry.id);
        if (entry.id == chosen_.language) SendMessageW(languages_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    for (const CodePage& page : code_pages) {
        const auto index = SendMessageW(code_pages_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(page.name));
        SendMessageW(code_pages_, CB_SETITEMDATA, static_cast<WPARAM>(index), page.number);
        if (page.number == chosen_.code_page) SendMessageW(code_pages_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    SetFocus(languages_);
}

void VersionLanguageDialog::confirm() {
    const auto language = SendMessageW(languages_, CB_GETCURSEL, 0, 0);
    if (language != CB_ERR) {
        chosen_.language =
            static_cast<std::uint16_t>(SendMessageW(languages_, CB_GETITEMDATA, static_cast<WPARAM>(language), 0));
    }
    const auto page = SendMessageW(code_pages_, CB_GETCURSEL, 0, 0);
    if (page != CB_ERR) {
        chosen_.code_page =
            static_cast<std::uint16_t>(SendMessageW(code_pages_, CB_GETITEMDATA, static_cast<WPARAM>(page), 0));
    }
    EndDialog(dialog_, IDOK);
}

INT_PTR VersionLanguageDialog::on_message(UINT message, WPARAM wparam, LPARAM) {
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

std::optional<VersionLanguageChoice> choose_version_language(Workspace& workspace, HWND owner, HINSTANCE instance,
                                                             const std::u16string& face, HFONT font,
                                                             VersionLanguageChoice initial) {
    VersionLanguageDialog dialog(workspace, instance, font, initial);
    if (run_bound_dialog(instance, empty_dialog_template(200, 90, face), owner, dialog) != IDOK) return std::nullopt;
    return dialog.chosen();
}

}  // namespace tavorin
