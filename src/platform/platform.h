#pragma once
// The few things the core asks of its surroundings. The GUI answers with Win32, the
// command-line mode answers without asking (and reports on stderr), tests answer from a script.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavorin {

enum class AskButtons { ok, ok_cancel, yes_no, yes_no_cancel, retry_cancel };
enum class AskIcon { none, error, warning, question, information };

// Values match the Win32 dialog result codes; `none` is what a suppressed question answers.
enum class Answer { none = 0, ok = 1, cancel = 2, retry = 4, yes = 6, no = 7 };

struct Question {
    std::u16string text;
    std::u16string caption;
    AskButtons buttons = AskButtons::ok;
    AskIcon icon = AskIcon::none;
};

// A file dialog: the filter is a UI string of descriptions and patterns separated by NULs,
// ending in two NULs; `filter_index` (1-based) is the one preselected; a name typed without an
// extension gets `default_extension`.
struct FileChoice {
    std::u16string filter;
    int filter_index = 1;
    std::u16string default_extension;
    // The file name the dialog proposes (in its starting folder); none when empty.
    std::u16string proposed_name;
};

struct FontSpec {
    std::u16string face;
    int point_size = 8;
    int weight = 400;
    bool italic = false;
};

// A text's extent in dialog units of the font it was measured in.
struct TextExtent {
    int width = 0;
    int height = 0;
};

struct LocalTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual Answer ask(const Question& question) = 0;
    // The open dialog (the file must exist) and the save dialog (it asks before overwriting);
    // none on Cancel.
    virtual std::optional<std::filesystem::path> choose_file_to_open(const FileChoice& choice) = 0;
    virtual std::optional<std::filesystem::path> choose_file_to_save(const FileChoice& choice) = 0;
    virtual void show_status(std::u16string_view text) = 0;
    // The short warning sound, e.g. when there is nothing more to undo.
    virtual void beep() = 0;
    virtual TextExtent measure_text(std::u16string_view text, const FontSpec& font) = 0;

    // ANSI means the system code page on Windows and Windows-1252 elsewhere.
    virtual std::u16string ansi_to_text(std::string_view bytes) = 0;
    virtual std::string text_to_ansi(std::u16string_view text) = 0;

    virtual std::u16string language_display_name(std::uint16_t language_id) = 0;
    // The user's default language id (the initial `defaultLanguage` setting).
    virtual std::uint16_t default_language_id() = 0;
    virtual LocalTime local_time() = 0;
    virtual std::filesystem::path executable_folder() = 0;
};

}  // namespace tavorin
