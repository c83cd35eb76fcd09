#pragma once
// The seam for tests: answers questions from a script, records what was asked and shown, and
// keeps a fixed clock and executable folder.

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace tavorin {

class ScriptedPlatform : public Platform {
public:
    // Answers given to the next questions, in order; when none is left, Answer::none.
    std::deque<Answer> answers;
    std::vector<Question> questions;
    std::vector<std::u16string> statuses;
    int beeps = 0;
    LocalTime now{12, 0, 0};
    std::filesystem::path folder = std::filesystem::temp_directory_path();
    std::uint16_t user_language = 0x0409;

    Answer ask(const Question& question) override;
    void show_status(std::u16string_view text) override;
    void beep() override { ++beeps; }
    TextExtent measure_text(std::u16string_view text, const FontSpec& font) override;
    std::u16string ansi_to_text(std::string_view bytes) override;
    std::string text_to_ansi(std::u16string_view text) override;
    std::u16string language_display_name(std::uint16_t language_id) override;
    std::uint16_t default_language_id() override { return user_language; }
    LocalTime local_time() override { return now; }
    std::filesystem::path executable_folder() override { return folder; }
};

}  // namespace tavorin
