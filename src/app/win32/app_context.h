#pragma once
// What the program's windows share during a run: the session, the paths beside the executable,
// the shared GDI objects and the little state of the user interface itself.

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/app_paths.h"
#include "services/message_log.h"
#include "app/new_resources.h"
#include "app/session.h"
#include "app/win32/app_resources.h"
#include "resources/version/win32/version_language_dialog.h"

namespace tavorin {

struct ClipboardFormats {
    UINT string_table = 0;  // "Tavorin_StringTable": rows of a string table
    UINT accelerator = 0;   // "Tavorin_Accelerator": rows of an accelerator table
};

ClipboardFormats register_clipboard_formats();

// The Messages window opens again as the user left it during the run.
struct MessagesWindowMemory {
    std::optional<SIZE> size;
    LogFilter filter{true, true, true};
};

struct InputState {
    HWND hover_window = nullptr;    // the window the mouse last moved over
    bool wheel_scrolling = false;   // set while a wheel turn is delivered as scrolling
    bool shortcut_taken = false;    // the last key-down was a shortcut: its character is dropped
};

// Where the answers of the program's own choosing dialogs come from (the language of a new
// string table, the type of a custom resource): the dialogs themselves unless a test answers
// for them. Questions and file dialogs are the platform's.
struct DialogAnswers {
    std::function<std::optional<std::uint16_t>(std::uint16_t initial)> language;
    std::function<std::optional<CustomTypeAnswer>()> custom_type;
    // The language and code page of a new block of version strings.
    std::function<std::optional<VersionLanguageChoice>()> version_block;
    // The colour dialog of the image editor (red in the lowest byte).
    std::function<std::optional<std::uint32_t>(std::uint32_t initial)> color;
};

struct App {
    Session& session;
    AppPaths paths;
    AppResources& resources;
    HINSTANCE instance = nullptr;
    ClipboardFormats clipboard;
    MessagesWindowMemory messages;
    InputState input;
    // An exception caught inside a window procedure; the message loop throws it again so that
    // the program's guard sees it.
    std::exception_ptr failure;
    DialogAnswers dialog_answers;
};

}  // namespace tavorin
