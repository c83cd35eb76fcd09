#include "app/win32/startup.h"

#include <sstream>
#include <stdexcept>

#include "app/command_line.h"
#include "app/config_file.h"
#include "app/include_question.h"
#include "app/update_install.h"
#include "app/win32/association_registry.h"
#include "app/win32/include_question_dialog.h"
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

int run_editor(Win32Platform& platform, App& app, const CommandLine& command_line, bool first_run) {
    app.session.set_interactive(true);
    MainWindow main_window(app);
    if (!main_window.create()) throw std::runtime_error("the main window could not be created");
    platform.set_main_window(main_window.handle());
    platform.set_status_sink([&main_window](std::u16string_view text) { main_window.show_status(text); });
    main_window.show();
    run_include_question(app, main_window, first_run);
    if (command_line.file_to_open) main_window.open_file(std::filesystem::path(*command_line.file_to_open));
    SetFocus(main_window.handle());
    if (app.session.config().auto_check_update) main_window.updates().start(main_window.handle(), false);
    const int exit_code = run_message_loop(app, main_window.handle());
    platform.set_status_sink(nullptr);
    return exit_code;
}

int run_session(HINSTANCE instance, Win32Platform& platform, Session& session, const CommandLine& command_line) {
    session.log().information(session.text(str::program_started));
    const ClipboardFormats clipboard = register_clipboard_formats();
    const AppPaths paths = AppPaths::beside(platform.executable_folder());
    std::error_code error;
    const bool first_run = !std::filesystem::exists(paths.config_file, error);
    read_config(session, paths, session.config_sections());
    remove_replaced_program(platform.executable_folder());

    AppResources resources(instance);
    if (!prepare_windowing(instance, resources)) throw std::runtime_error("the window classes could not be registered");

    if (command_line.show_help) {
        write_to_standard_error(command_line_usage());
        return 0;
    }
    delete_requested_files(session, command_line);
    if (command_line.mode == CommandLine::Mode::convert) return run_conversion_mode(session, command_line);

    App app{session, paths, resources, instance, clipboard, {}, {}, nullptr, {}};
    return run_editor(platform, app, command_line, first_run);
}

// The elevated run that registers the association for every user of the machine.
int run_association_mode(const CommandLine& command_line) {
    Win32Platform platform;
    Session session(platform);
    session.set_interactive(true);
    const AppPaths paths = AppPaths::beside(platform.executable_folder());
    read_config(session, paths, session.config_sections());
    const bool written = write_file_association(AssociationScope::machine, executable_path());
    const HWND asking = reinterpret_cast<HWND>(static_cast<INT_PTR>(command_line.associate_window));
    platform.set_main_window(IsWindow(asking) ? asking : nullptr);
    session.ask(session.text(written ? str::files_associated : str::association_failed), AskButtons::ok,
                written ? AskIcon::information : AskIcon::error);
    return 0;
}

}  // namespace

bool run_include_question(App& app, MainWindow& main_window, bool first_run) {
    Config& config = app.session.config();
    if (!should_ask_for_include_paths(config, first_run)) return false;
    const IncludeQuestionResult answer = ask_include_question(app, main_window.handle());
    if (!take_include_question_answer(config, answer.answer, answer.do_not_ask_again)) return false;
    main_window.show_preferences_at(PreferencesPage::include_paths);
    return true;
}

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
    if (command_line.mode == CommandLine::Mode::associate_files) {
        try {
            return run_association_mode(command_line);
        } catch (...) {
            return 0;
        }
    }

    Win32Platform platform;
    Session session(platform);
    try {
        return run_session(instance, platform, session, command_line);
    } catch (...) {
        return report_fatal_error(session, platform.main_window(), command_line.mode);
    }
}

}  // namespace tavorin
