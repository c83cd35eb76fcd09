#pragma once
// Questions and file dialogs for the user. Until the main window is about to exist, and
// throughout the conversion mode, nothing is shown: every question is answered with Answer::none
// and every file dialog with nothing.

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/platform.h"

namespace tavorin {

class UserPrompts {
public:
    explicit UserPrompts(Platform& platform) : platform_(platform) {}

    bool interactive() const { return interactive_; }
    void set_interactive(bool interactive) { interactive_ = interactive; }

    Answer ask(std::u16string_view text, std::u16string_view caption, AskButtons buttons, AskIcon icon);
    // A question captioned "Tavorin".
    Answer ask(std::u16string_view text, AskButtons buttons, AskIcon icon) {
        return ask(text, u"Tavorin", buttons, icon);
    }
    std::optional<std::filesystem::path> choose_file_to_open(const FileChoice& choice);
    std::optional<std::filesystem::path> choose_file_to_save(const FileChoice& choice);

private:
    Platform& platform_;
    bool interactive_ = false;
};

}  // namespace tavorin
