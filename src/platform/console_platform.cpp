#include "platform/console_platform.h"

#include <ctime>
#include <iostream>

#include "base/code_page.h"
#include "base/text.h"
#include "platform/fallback_language_names.h"

namespace tavorin {

Answer ConsolePlatform::ask(const Question& question) {
    std::cerr << text_to_utf8(question.text) << '\n';
    return Answer::none;
}

void ConsolePlatform::show_status(std::u16string_view) {}

TextExtent ConsolePlatform::measure_text(std::u16string_view text, const FontSpec&) {
    // "MS Shell Dlg" at 8 points: an average character is 4 dialog units wide and 8 high.
    return TextExtent{static_cast<int>(4 * text.size()), 8};
}

std::u16string ConsolePlatform::ansi_to_text(std::string_view bytes) { return windows1252_to_text(bytes); }

std::string ConsolePlatform::text_to_ansi(std::u16string_view text) { return text_to_windows1252(text); }

std::u16string ConsolePlatform::language_display_name(std::uint16_t language_id) {
    return fallback_language_name(language_id);
}

std::uint16_t ConsolePlatform::default_language_id() { return 0x0409; }

LocalTime ConsolePlatform::local_time() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    return LocalTime{parts.tm_hour, parts.tm_min, parts.tm_sec};
}

std::filesystem::path ConsolePlatform::executable_folder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : self.parent_path();
}

}  // namespace tavorin
