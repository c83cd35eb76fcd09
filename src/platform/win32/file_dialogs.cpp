#include "platform/win32/file_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <string>

#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

// Long enough for the paths the dialogs hand back (the classic limit is 260 characters).
constexpr DWORD path_capacity = MAX_PATH;

// The texts the dialog points into live as long as the settings.
struct DialogTexts {
    // The UI string ends in two NULs already; one more does no harm where a translation forgot.
    explicit DialogTexts(const FileChoice& choice)
        : filter(wide(choice.filter) + L'\0'), default_extension(wide(choice.default_extension)) {
        const std::wstring proposed = wide(choice.proposed_name);
        proposed.copy(path, std::min<std::size_t>(proposed.size(), path_capacity - 1));
    }
    std::wstring filter;
    std::wstring default_extension;
    wchar_t path[path_capacity] = {};
};

OPENFILENAMEW dialog_settings(HWND owner, const FileChoice& choice, DialogTexts& texts) {
    OPENFILENAMEW settings{};
    settings.lStructSize = sizeof(settings);
    settings.hwndOwner = owner;
    settings.lpstrFilter = texts.filter.c_str();
    settings.nFilterIndex = static_cast<DWORD>(choice.filter_index);
    settings.lpstrFile = texts.path;
    settings.nMaxFile = path_capacity;
    settings.lpstrDefExt = texts.default_extension.empty() ? nullptr : texts.default_extension.c_str();
    return settings;
}

}  // namespace

std::optional<std::filesystem::path> ask_open_path(HWND owner, const FileChoice& choice) {
    DialogTexts texts(choice);
    OPENFILENAMEW settings = dialog_settings(owner, choice, texts);
    settings.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&settings)) return std::nullopt;
    return std::filesystem::path(texts.path);
}

std::optional<std::filesystem::path> ask_save_path(HWND owner, const FileChoice& choice) {
    DialogTexts texts(choice);
    OPENFILENAMEW settings = dialog_settings(owner, choice, texts);
    settings.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetSaveFileNameW(&settings)) return std::nullopt;
    return std::filesystem::path(texts.path);
}

}  // namespace tavorin
