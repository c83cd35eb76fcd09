#pragma once
// The seam for the command-line program: nothing is asked (questions are reported on stderr and
// answered with Answer::none, no file is chosen), ANSI is Windows-1252, text is measured with a fixed average size.

#include "platform/platform.h"

namespace tavorin {

class ConsolePlatform : public Platform {
public:
    Answer ask(const Question& question) override;
    // Nothing is chosen without a window.
    std::optional<std::filesystem::path> choose_file_to_open(const FileChoice&) override { return std::nullopt; }
    std::optional<std::filesystem::path> choose_file_to_save(const FileChoice&) override { return std::nullopt; }
    void show_status(std::u16string_view text) override;
    void beep() override {}
    TextExtent measure_text(std::u16string_view text, const FontSpec& font) override;
    std::u16string ansi_to_text(std::string_view bytes) override;
    std::string text_to_ansi(std::u16string_view text) override;
    std::u16string language_display_name(std::uint16_t language_id) override;
    std::uint16_t default_language_id() override;
    LocalTime local_time() override;
    std::filesystem::path executable_folder() override;
};

}  // namespace tavorin
