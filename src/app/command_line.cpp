#include "app/command_line.h"

namespace tavorin {

std::int64_t parse_decimal_prefix(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value > (INT64_MAX - 9) / 10) break;  // a handle never gets this long
        value = value * 10 + (text[i] - u'0');
    }
    return negative ? -value : value;
}

namespace {

enum class ReaderOption { none, include, define, help };

// Which of the options a compiler's users bring along the argument is; `inline_value` is
// what follows the option letter in the same argument ("-Iinc" gives "inc").
ReaderOption reader_option(std::u16string_view argument, std::u16string_view& inline_value) {
    inline_value = {};
    if (argument == u"--help" || argument == u"-h" || argument == u"-?" || argument == u"/?") return ReaderOption::help;
    if (argument == u"/I" || argument == u"/i" || argument == u"--include-dir") return ReaderOption::include;
    if (argument == u"/D" || argument == u"/d" || argument == u"--define") return ReaderOption::define;
    for (auto [prefix, option] : {std::pair{std::u16string_view(u"--include-dir="), ReaderOption::include},
                                  std::pair{std::u16string_view(u"--define="), ReaderOption::define},
                                  std::pair{std::u16string_view(u"-I"), ReaderOption::include},
                                  std::pair{std::u16string_view(u"-D"), ReaderOption::define}}) {
        if (argument.starts_with(prefix)) {
            inline_value = argument.substr(prefix.size());
            return option;
        }
    }
    return ReaderOption::none;
}

CommandLine::Definition parse_definition(std::u16string_view text) {
    const std::size_t equals = text.find(u'=');
    // A name alone is defined as 1, as C compilers do.
    if (equals == std::u16string_view::npos) return {std::u16string(text), u"1"};
    return {std::u16string(text.substr(0, equals)), std::u16string(text.substr(equals + 1))};
}

// Takes the include, definition and help options out of the arguments, wherever they stand.
std::vector<std::u16string> take_reader_options(std::span<const std::u16string> arguments, CommandLine& result) {
    std::vector<std::u16string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::u16string_view value;
        const ReaderOption option = reader_option(arguments[i], value);
        if (option == ReaderOption::none) {
            rest.push_back(arguments[i]);
            continue;
        }
        if (option == ReaderOption::help) {
            result.show_help = true;
            continue;
        }
        std::u16string taken(value);
        if (taken.empty()) {
            if (i + 1 >= arguments.size()) {
                result.show_help = true;
                result.refusal = arguments[i] + u" needs a value";
                break;
            }
            taken = arguments[++i];
        }
        if (option == ReaderOption::include) {
            result.include_folders.push_back(std::move(taken));
        } else {
            result.definitions.push_back(parse_definition(taken));
        }
    }
    return rest;
}

}  // namespace

CommandLine parse_command_line(std::span<const std::u16string> all_arguments) {
    CommandLine result;
    if (!all_arguments.empty() && all_arguments[0] == u"-associateFiles") {
        result.mode = CommandLine::Mode::associate_files;
        if (all_arguments.size() > 1) result.associate_window = parse_decimal_prefix(all_arguments[1]);
        return result;
    }
    const std::vector<std::u16string> arguments = take_reader_options(all_arguments, result);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string& argument = arguments[i];
        if (!argument.starts_with(u'-')) {
            result.file_to_open = argument;
            break;
        }
        if (argument == u"--rewrite") {
            result.rewrite_script = true;
        } else if (argument == u"-delete") {
            if (i + 1 < arguments.size()) {
                result.files_to_delete.push_back(arguments[++i]);
            } else if (result.refusal.empty()) {
                result.refusal = argument + u" needs a value";
            }
        } else if (argument == u"-convert") {
            if (i + 2 >= arguments.size()) {
                if (result.refusal.empty()) result.refusal = argument + u" needs an input and an output";
                break;
            }
            result.mode = CommandLine::Mode::convert;
            result.convert_input = arguments[i + 1];
            result.convert_output = arguments[i + 2];
            if (i + 3 < arguments.size() && result.refusal.empty()) {
                result.refusal = u"unexpected argument: " + arguments[i + 3];
            }
            break;
        } else if (result.refusal.empty()) {
            result.refusal = u"unknown option: " + argument;
        }
    }
    return result;
}

}  // namespace tavorin

namespace tavorin {

std::string command_line_usage() {
    return "usage: tavorin [options] -convert INPUT OUTPUT\n"
           "       tavorin -delete FILE [-delete FILE]...\n"
           "       tavorin -check [options] INPUT...   (tavorin -check --help lists the checks)\n"
           "Converts between resource scripts (.rc, .dlg), compiled resources (.res), modules\n"
           "(.exe, .dll, .ocx, .mui) and C code (.c, .cpp); the output's extension picks its format.\n"
           "\n"
           "options:\n"
           "  -I DIR, /I DIR      look for included files in DIR (repeatable, searched first)\n"
           "  -D NAME[=VALUE]     define a macro before the script is read\n"
           "  -delete FILE        delete FILE before anything else (repeatable; a file that\n"
           "                      cannot be deleted gives a warning)\n"
           "  --rewrite           write a script output whole; by default a script converted to a\n"
           "                      script keeps its text, comments and directives as written\n"
           "  --help              print this text\n"
           "\n"
           "Included files are also looked for in the folders of the INCLUDE environment variable\n"
           "(separated by ';'), then in the include paths of Tavorin.xml (beside the program, or\n"
           "$XDG_CONFIG_HOME/tavorin/Tavorin.xml); when neither of these names a folder, last in\n"
           "the mingw-w64 headers (/usr/share/mingw-w64/include) when they are installed.\n"
           "The editor itself is the Windows program Tavorin.exe (on Linux: scripts/run).\n";
}

}  // namespace tavorin
