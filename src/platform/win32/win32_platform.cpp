#include "platform/win32/win32_platform.h"

#include <vector>

#include "platform/fallback_language_names.h"
#include "platform/win32/file_dialogs.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

UINT button_flags(AskButtons buttons) {
    switch (buttons) {
        case AskButtons::ok: return MB_OK;
        case AskButtons::ok_cancel: return MB_OKCANCEL;
        case AskButtons::yes_no: return MB_YESNO;
        case AskButtons::yes_no_cancel: return MB_YESNOCANCEL;
        case AskButtons::retry_cancel: return MB_RETRYCANCEL;
    }
    return MB_OK;
}

UINT icon_flags(AskIcon icon) {
    switch (icon) {
        case AskIcon::none: return 0;
        case AskIcon::error: return MB_ICONERROR;
        case AskIcon::warning: return MB_ICONWARNING;
        case AskIcon::question: return MB_ICONQUESTION;
        case AskIcon::information: return MB_ICONINFORMATION;
    }
    return 0;
}

Answer answer_from(int result) {
    switch (result) {
        case IDOK: return Answer::ok;
        case IDCANCEL: return Answer::cancel;
        case IDRETRY: return Answer::retry;
        case IDYES: return Answer::yes;
        case IDNO: return Answer::no;
        default: return Answer::none;
    }
}

UniqueFont create_font(HDC dc, const FontSpec& spec) {
    const int height = -MulDiv(spec.point_size, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return UniqueFont(CreateFontW(height, 0, 0, 0, spec.weight, spec.italic, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, wide(spec.face).c_str()));
}

}  // namespace

HWND message_box_owner(HWND main_window) {
    if (main_window == nullptr || !IsWindow(main_window)) return nullptr;
    return GetLastActivePopup(main_window);
}

UINT message_box_flags(AskButtons buttons, AskIcon icon) { return button_flags(buttons) | icon_flags(icon); }

Answer Win32Platform::ask(const Question& question) {
    const int result = MessageBoxW(message_box_owner(main_window_), wide(question.text).c_str(),
                                   wide(question.caption).c_str(), message_box_flags(question.buttons, question.icon));
    return answer_from(result);
}

std::optional<std::filesystem::path> Win32Platform::choose_file_to_open(const FileChoice& choice) {
    return ask_open_path(message_box_owner(main_window_), choice);
}

std::optional<std::filesystem::path> Win32Platform::choose_file_to_save(const FileChoice& choice) {
    return ask_save_path(message_box_owner(main_window_), choice);
}

void Win32Platform::show_status(std::u16string_view text) {
    if (status_sink_) status_sink_(text);
}

void Win32Platform::beep() { MessageBeep(MB_OK); }

// Dialog units from pixels, the way dialogs compute them: the horizontal base unit is the
// average width of the 52 letters, the vertical one the font's height.
TextExtent Win32Platform::measure_text(std::u16string_view text, const FontSpec& font) {
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return {};
    const UniqueFont measuring_font = create_font(dc.get(), font);
    if (!measuring_font) return {};
    const SelectedObject selected(dc.get(), measuring_font.get());

    const std::wstring letters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE letters_size{};
    TEXTMETRICW metrics{};
    if (!GetTextExtentPoint32W(dc.get(), letters.c_str(), static_cast<int>(letters.size()), &letters_size) ||
        !GetTextMetricsW(dc.get(), &metrics)) {
        return {};
    }
    const int base_width = (letters_size.cx / 26 + 1) / 2;
    const int base_height = metrics.tmHeight;
    if (base_width <= 0 || base_height <= 0) return {};

    const std::wstring measured = wide(text);
    SIZE size{};
    if (!measured.empty() &&
        !GetTextExtentPoint32W(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &size)) {
        return {};
    }
    if (measured.empty()) size.cy = base_height;
    return TextExtent{MulDiv(size.cx, 4, base_width), MulDiv(size.cy, 8, base_height)};
}

std::u16string Win32Platform::ansi_to_text(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), units);
    return from_wide(text);
}

std::string Win32Platform::text_to_ansi(std::u16string_view text) {
    if (text.empty()) return {};
    const std::wstring source = wide(text);
    const int length = static_cast<int>(source.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, source.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, source.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::u16string Win32Platform::language_display_name(std::uint16_t language_id) {
    if (language_id == 0 || language_id == 0x400 || language_id == 0x800) return fallback_language_name(language_id);
    wchar_t locale_name[LOCALE_NAME_MAX_LENGTH] = {};
    if (LCIDToLocaleName(MAKELCID(language_id, SORT_DEFAULT), locale_name, LOCALE_NAME_MAX_LENGTH, 0) > 0) {
        wchar_t display_name[256] = {};
        if (GetLocaleInfoEx(locale_name, LOCALE_SLOCALIZEDDISPLAYNAME, display_name, 256) > 1) {
            return from_wide(display_name);
        }
    }
    return fallback_language_name(language_id);
}

std::uint16_t Win32Platform::default_language_id() { return GetUserDefaultLangID(); }

LocalTime Win32Platform::local_time() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTime{now.wHour, now.wMinute, now.wSecond};
}

std::filesystem::path executable_path() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::filesystem::path Win32Platform::executable_folder() { return executable_path().parent_path(); }

}  // namespace tavorin
