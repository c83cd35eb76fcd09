#include "app/win32/file_dialogs.h"

#include <commdlg.h>

#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

// Long enough for the paths the dialogs hand back (the classic limit is 260 characters).
constexpr DWORD path_capacity = MAX_PATH;

OPENFILENAMEW dialog_settings(HWND owner, const std::wstring& filter, wchar_t* path) {
    OPENFILENAMEW settings{};
    settings.lStructSize = sizeof(settings);
    settings.hwndOwner = owner;
    settings.lpstrFilter = filter.c_str();
    settings.lpstrFile = path;
    settings.nMaxFile = path_capacity;
    settings.lpstrDefExt = L"rc";
    return settings;
}

// The UI string ends in two NULs already; one more does no harm where a translation forgot.
std::wstring filter_text(const std::u16string& filter) { return wide(filter) + L'\0'; }

}  // namespace

std::optional<std::filesystem::path> ask_open_path(HWND owner, const std::u16string& filter) {
    const std::wstring filters = filter_text(filter);
    wchar_t path[path_capacity] = {};
    OPENFILENAMEW settings = dialog_settings(owner, filters, path);
    settings.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&settings)) return std::nullopt;
    return std::filesystem::path(path);
}

std::optional<std::filesystem::path> ask_save_path(HWND owner, const std::u16string& filter, int filter_index) {
    const std::wstring filters = filter_text(filter);
    wchar_t path[path_capacity] = {};
    OPENFILENAMEW settings = dialog_settings(owner, filters, path);
    settings.nFilterIndex = static_cast<DWORD>(filter_index);
    settings.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetSaveFileNameW(&settings)) return std::nullopt;
    return std::filesystem::path(path);
}

}  // namespace tavorin
