// The command-line program: the GUI program's arguments, without a window. Its conversion mode
// works on every platform; the editor itself needs Windows (on Linux: scripts/run, under Wine).

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/console_session.h"
#include "base/text.h"

int main(int argc, char** argv) {
    using namespace tavorin;
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(utf8_to_text(argv[i]));
    const CommandLine command_line = parse_command_line(arguments);
    if (command_line.show_help) {
        std::cout << command_line_usage();
        return 0;
    }
    return run_console(command_line, std::cerr);
}
