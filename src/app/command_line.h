#pragma once
// The program's arguments, scanned the same way by the GUI program and the command-line program.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavorin {

struct CommandLine {
    enum class Mode {
        normal,          // start the editor, opening `file_to_open` when there is one
        associate_files, // register the .rc association for the window `associate_window`, then exit
        convert,         // open `convert_input`, save it as `convert_output`, then exit
    };

    Mode mode = Mode::normal;
    std::int64_t associate_window = 0;
    std::vector<std::u16string> files_to_delete;  // in argument order, before anything else happens
    std::u16string convert_input;
    std::u16string convert_output;
    std::optional<std::u16string> file_to_open;

    // What a conversion reads scripts with, as compilers take it: "-I DIR" or "/I DIR" (also
    // "-IDIR"), repeatable, searched in order before anything configured; "-D NAME[=VALUE]"
    // (also "-DNAME"), defined before the script is read.
    std::vector<std::u16string> include_folders;
    struct Definition {
        std::u16string name;
        std::u16string value;
        bool operator==(const Definition&) const = default;
    };
    std::vector<Definition> definitions;
    // "--help", "-h", "-?" or "/?": print the usage and exit.
    bool show_help = false;
    // "--rewrite": a script output is written whole, not kept as the input script was written.
    bool rewrite_script = false;
    // Why the arguments are not a command the command-line program can run: an option without
    // its value, an unknown option, an argument after the conversion's two paths. Empty when
    // there is no such fault; the editor passes over them.
    std::u16string refusal;
};

// `arguments` excludes the program name. "-associateFiles" counts only as the first argument;
// a name not starting with "-" ends the scan as the file to open; "-delete" takes a path;
// "-convert" takes two paths (with fewer, the scan stops with nothing to open); other options
// are skipped, except the include, definition and help options above, wherever they stand.
// Each of these faults is noted in `refusal`.
CommandLine parse_command_line(std::span<const std::u16string> arguments);

// Decimal digits with an optional sign; parsing stops at the first other character (0 if none).
std::int64_t parse_decimal_prefix(std::u16string_view text);

// The usage text of the conversion mode, lines ending in LF.
std::string command_line_usage();

}  // namespace tavorin
