#pragma once
// The seam on Windows: questions are message boxes and file choices the system's dialogs, both
// owned by the main window's last active popup; text is measured with GDI, ANSI is the system
// code page, language names come from the locale database.

#include "platform/win32/windows_api.h"

#include <functional>

#include "platform/platform.h"

namespace tavorin {

class Win32Platform : public Platform {
public:
    // Questions asked before the main window exists have no owner.
    void set_main_window(HWND window) { main_window_ = window; }
    HWND main_window() const { return main_window_; }
    // Where status texts go; they are dropped while nothing listens.
    void set_status_sink(std::function<void(std::u16string_view)> sink) { status_sink_ = std::move(sink); }

    Answer ask(const Question& question) override;
    std::optional<std::filesystem::path> choose_file_to_open(const FileChoice& choice) override;
    std::optional<std::filesystem::path> choose_file_to_save(const FileChoice& choice) override;
    void show_status(std::u16string_view text) override;
    void beep() override;
    TextExtent measure_text(std::u16string_view text, const FontSpec& font) override;
    std::u16string ansi_to_text(std::string_view bytes) override;
    std::string text_to_ansi(std::u16string_view text) override;
    std::u16string language_display_name(std::uint16_t language_id) override;
    std::uint16_t default_language_id() override;
    LocalTime local_time() override;
    std::filesystem::path executable_folder() override;

private:
    HWND main_window_ = nullptr;
    std::function<void(std::u16string_view)> status_sink_;
};

// The window that owns the program's message boxes: the last active popup of the main window,
// so that a box opened while a dialog is up belongs to that dialog.
HWND message_box_owner(HWND main_window);

UINT message_box_flags(AskButtons buttons, AskIcon icon);

// The full path of the running executable (any length).
std::filesystem::path executable_path();

}  // namespace tavorin
