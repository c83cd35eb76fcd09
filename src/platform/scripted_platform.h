#pragma once
// The seam for tests: answers questions and file dialogs from a script, records what was asked
// and shown, and keeps a fixed clock and executable folder.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tavorin {

class ScriptedPlatform : public Platform {
public:
    // Answers given to the next questions, in order; when none is left, Answer::none.
    std::deque<Answer> answers;
    std::vector<Question> questions;
    // The files the next open or save dialogs choose, in order (none: Cancel); when none is
    // left, the dialog is cancelled.
    std::deque<std::optional<std::filesystem::path>> chosen_files;
    struct FileDialog {
        FileChoice choice;
        bool save = false;
    };
    std::vector<FileDialog> file_dialogs;
    std::vector<std::u16string> statuses;
    int beeps = 0;
    LocalTime now{12, 0, 0};
    std::filesystem::path folder = std::filesystem::temp_directory_path();
    std::uint16_t user_language = 0x0409;

    Answer ask(const Question& question) override;
    std::optional<std::filesystem::path> choose_file_to_open(const FileChoice& choice) override;
    std::optional<std::filesystem::path> choose_file_to_save(const FileChoice& choice) override;
    void show_status(std::u16string_view text) override;
    void beep() override { ++beeps; }
    TextExtent measure_text(std::u16string_view text, const FontSpec& font) override;
    std::u16string ansi_to_text(std::string_view bytes) override;
    std::string text_to_ansi(std::u16string_view text) override;
    std::u16string language_display_name(std::uint16_t language_id) override;
    std::uint16_t default_language_id() override { return user_language; }
    LocalTime local_time() override { return now; }
    std::filesystem::path executable_folder() override { return folder; }

private:
    std::optional<std::filesystem::path> choose_file(const FileChoice& choice, bool save);
};

}  // namespace tavorin
