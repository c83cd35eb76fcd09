// The command-line program: the GUI program's arguments, without a window. Its conversion mode
// works on every platform; the editor itself needs Windows (on Linux: scripts/run, under Wine).

#include <cstddef>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <thread>
#include <vector>

#ifdef TAVORIN_MIMALLOC
#include <mimalloc.h>
#endif
#ifndef _WIN32
#include <csignal>
#endif

#include "app/check_command.h"
#include "app/command_line.h"
#include "app/compiler_personality.h"
#include "app/console_session.h"
#include "base/text.h"

int main(int argc, char** argv) {
    using namespace tavorin;
#ifndef _WIN32
    // Beyond a file-size limit a write fails with its reason instead of ending the program, so
    // the save is abandoned cleanly and says which file it could not write.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef TAVORIN_MIMALLOC
    // 2 MB pages where the system gives them: a large project takes a fraction of the page faults.
    // They apply to memory taken from the system from now on: to a new thread's blocks, and to a
    // range reserved up front that also serves the large texts of big scripts (each taken from the
    // system on its own, those would get small pages). Only the pages used take memory.
    mi_option_enable(mi_option_large_os_pages);
    mi_option_set(mi_option_eager_commit_delay, 0);
    mi_reserve_os_memory(std::size_t{1} << 30, true, true);
#endif
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(utf8_to_text(argv[i]));
    const std::u16string program_path = argc > 0 ? utf8_to_text(argv[0]) : std::u16string();
    if (const auto personality = choose_personality(program_path, arguments)) {
        static ConsoleRun* const run = new ConsoleRun;
        int status = 0;
        std::thread([&] { status = run_personality(*personality, *run, std::cout, std::cerr); }).join();
        return status;
    }
    if (is_check_command(arguments)) {
        static ConsoleRun* const run = new ConsoleRun;
        const CheckCommand command = parse_check_command(std::span(arguments).subspan(1));
        int status = 0;
        std::thread([&] { status = run_check_command(*run, command, std::cout, std::cerr); }).join();
        return status;
    }
    const CommandLine command_line = parse_command_line(arguments);
    if (const int refused = refuse_command_line(command_line, std::cerr)) return refused;
    if (command_line.show_help) {
        std::cout << command_line_usage();
        return 0;
    }
    // The run ends the program: the process's end gives back the memory of a large project at once,
    // where freeing it piece by piece would take a third of a conversion's time. (Held by a
    // static, it stays reachable for leak checkers.)
    static ConsoleRun* const run = new ConsoleRun;
    // The main thread's heap began before main, on small pages; a thread of its own starts the
    // run's heap on large ones.
    int status = 0;
    std::thread([&] { status = run_console(*run, command_line, std::cerr); }).join();
    return status;
}
