#include "app/win32/startup.h"

#include <sstream>
#include <stdexcept>

#include "app/command_line.h"
#include "app/config_file.h"
#include "app/console_session.h"
#include "app/win32/app_context.h"
#include "app/win32/console_output.h"
#include "app/win32/main_window.h"
#include "app/win32/message_loop.h"
#include "app/win32/window_classes.h"
#include "base/text.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace tavorin {

namespace {

int run_conversion_mode(Session& session, const CommandLine& command_line) {
    std::ostringstream problems;
    const int exit_code = run_conversion(session, command_line, problems);
    write_to_standard_error(problems.str());
    return exit_code;
}

int run_editor(Win32Platform& platform, App& app, const CommandLine& command_line) {
    app.session.set_interactive(true);
    MainWindow main_window(app);
    if (!main_window.create()) throw std::runtime_error("the main window could not be created");
    platform.set_main_window(main_window.handle());
    platform.set_status_sink([&main_window](std::u16string_view text) { main_window.show_status(text); });
    main_window.show();
    if (command_line.file_to_open) main_window.open_file(std::filesystem::path(*command_line.file_to_open));
    SetFocus(main_window.handle());
    const int exit_code = run_message_loop(app, main_window.handle());
    platform.set_status_sink(nullptr);
    return exit_code;
}

int run_session(HINSTANCE instance, Win32Platform& platform, Session& session, const CommandLine& command_line) {
    session.log().information(session.text(str::program_started));
    const ClipboardFormats clipboard = register_clipboard_formats();
    const AppPaths paths = AppPaths::beside(platform.executable_folder());
    read_config(session, paths, session.config_sections());

    AppResources resources(instance);
    if (!prepare_windowing(instance, resources)) throw std::runtime_error("the window classes could not be registered");

    if (command_line.show_help) {
        write_to_standard_error(command_line_usage());
        return 0;
    }
    delete_requested_files(session, command_line);
    if (command_line.mode == CommandLine::Mode::convert) return run_conversion_mode(session, command_line);

    App app{session, paths, resources, instance, clipboard, {}, {}, nullptr, {}};
    return run_editor(platform, app, command_line);
}

}  // namespace

bool prepare_windowing(HINSTANCE instance, const AppResources& resources) {
    give_dialogs_the_program_icon(instance, resources.program_icon());
    initialise_common_controls();
    return register_window_classes(instance, resources.program_icon(), resources.small_program_icon());
}

int report_fatal_error(Session& session, HWND main_window, CommandLine::Mode mode) {
    const std::u16string& text = session.text(str::fatal_error);
    if (mode == CommandLine::Mode::convert) {
        write_to_standard_error(text_to_utf8(text) + "\n");
        return 1;
    }
    // The main window was destroyed on the way here and posted WM_QUIT, which would end the
    // box's own loop at once.
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    MessageBoxW(message_box_owner(main_window), wide(text).c_str(),
                wide(session.text(str::error_caption)).c_str(), MB_OK | MB_ICONERROR);
    return 0;
}

int run_program(HINSTANCE instance, std::span<const std::u16string> arguments) {
    const CommandLine command_line = parse_command_line(arguments);
    // The elevated helper run that registers the .rc association; the registration itself is
    // not part of the program yet, so the helper ends at once.
    if (command_line.mode == CommandLine::Mode::associate_files) return 0;

    Win32Platform platform;
    Session session(platform);
    try {
        return run_session(instance, platform, session, command_line);
    } catch (...) {
        return report_fatal_error(session, platform.main_window(), command_line.mode);
    }
}

}  // namespace tavorin
