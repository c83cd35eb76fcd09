#include "platform/scripted_platform.h"

#include "base/code_page.h"
#include "platform/fallback_language_names.h"

namespace tavorin {

Answer ScriptedPlatform::ask(const Question& question) {
    questions.push_back(question);
    if (answers.empty()) return Answer::none;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedPlatform::choose_file_to_open(const FileChoice& choice) {
    return choose_file(choice, false);
}

std::optional<std::filesystem::path> ScriptedPlatform::choose_file_to_save(const FileChoice& choice) {
    return choose_file(choice, true);
}

std::optional<std::filesystem::path> ScriptedPlatform::choose_file(const FileChoice& choice, bool save) {
    file_dialogs.push_back(FileDialog{choice, save});
    if (chosen_files.empty()) return std::nullopt;
    std::optional<std::filesystem::path> chosen = std::move(chosen_files.front());
    chosen_files.pop_front();
    return chosen;
}

void ScriptedPlatform::show_status(std::u16string_view text) { statuses.emplace_back(text); }

TextExtent ScriptedPlatform::measure_text(std::u16string_view text, const FontSpec&) {
    return TextExtent{static_cast<int>(4 * text.size()), 8};
}

std::u16string ScriptedPlatform::ansi_to_text(std::string_view bytes) { return windows1252_to_text(bytes); }

std::string ScriptedPlatform::text_to_ansi(std::u16string_view text) { return text_to_windows1252(text); }

std::u16string ScriptedPlatform::language_display_name(std::uint16_t language_id) {
    return fallback_language_name(language_id);
}

}  // namespace tavorin
