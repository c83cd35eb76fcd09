#include "services/user_prompts.h"

namespace tavorin {

Answer UserPrompts::ask(std::u16string_view text, std::u16string_view caption, AskButtons buttons, AskIcon icon) {
    if (!interactive_) return Answer::none;
    return platform_.ask(Question{std::u16string(text), std::u16string(caption), buttons, icon});
}

std::optional<std::filesystem::path> UserPrompts::choose_file_to_open(const FileChoice& choice) {
    if (!interactive_) return std::nullopt;
    return platform_.choose_file_to_open(choice);
}

std::optional<std::filesystem::path> UserPrompts::choose_file_to_save(const FileChoice& choice) {
    if (!interactive_) return std::nullopt;
    return platform_.choose_file_to_save(choice);
}

}  // namespace tavorin
