#include "app/windres_command_line.h"

#include <array>

#include "base/text.h"

namespace tavorin {

namespace {

enum class Option : std::uint8_t {
    input, output, input_format, output_format, target, include_folder, define, undefine, code_page, language,
    preprocessor, preprocessor_argument, use_temp_file, verbose, help, version, ignored,
};

struct LongOption {
    std::u16string_view name;
    Option option;
    bool takes_value;
};

constexpr std::array<LongOption, 18> long_options{{
    {u"input", Option::input, true},
    {u"output", Option::output, true},
    {u"input-format", Option::input_format, true},
    {u"output-format", Option::output_format, true},
    {u"target", Option::target, true},
    {u"include-dir", Option::include_folder, true},
    {u"define", Option::define, true},
    {u"undefine", Option::undefine, true},
    {u"codepage", Option::code_page, true},
    {u"language", Option::language, true},
    {u"preprocessor", Option::preprocessor, true},
    {u"preprocessor-arg", Option::preprocessor_argument, true},
    {u"use-temp-file", Option::use_temp_file, false},
    {u"no-use-temp-file", Option::use_temp_file, false},
    {u"verbose", Option::verbose, false},
    {u"help", Option::help, false},
    {u"version", Option::version, false},
    {u"yydebug", Option::ignored, false},
}};

struct ShortOption {
    char16_t letter;
    Option option;
    bool takes_value;
};

constexpr std::array<ShortOption, 15> short_options{{
    {u'i', Option::input, true},
    {u'o', Option::output, true},
    {u'J', Option::input_format, true},
    {u'O', Option::output_format, true},
    {u'F', Option::target, true},
    {u'I', Option::include_folder, true},
    {u'D', Option::define, true},
    {u'U', Option::undefine, true},
    {u'c', Option::code_page, true},
    {u'l', Option::language, true},
    {u'v', Option::verbose, false},
    {u'h', Option::help, false},
    {u'V', Option::version, false},
    // Taken for rc's sake and ignored, as windres does.
    {u'r', Option::ignored, false},
    {u'?', Option::help, false},
}};

Error usage_error(std::u16string message) { return Error{std::move(message)}; }

std::u16string quoted(std::u16string_view text) { return u"'" + std::u16string(text) + u"'"; }

// The long option a name or a unique prefix of one names.
Result<const LongOption*> find_long_option(std::u16string_view name) {
    const LongOption* found = nullptr;
    int prefixed = 0;
    for (const auto& option : long_options) {
        if (option.name == name) return &option;
        if (option.name.starts_with(name)) {
            found = &option;
            ++prefixed;
        }
    }
    if (prefixed == 1) return found;
    if (prefixed > 1) return usage_error(u"option " + quoted(u"--" + std::u16string(name)) + u" is ambiguous");
    return usage_error(u"unrecognized option " + quoted(u"--" + std::u16string(name)));
}

// The arguments windres passes to its C preprocessor that a build system relies on: those that
// make the preprocessor write a dependency file. Tavorin preprocesses scripts itself and writes
// that file on its own; any other argument would be lost, so it is refused.
class PreprocessorArguments {
public:
    explicit PreprocessorArguments(ResourceCompilation& compilation) : compilation_(compilation) {}

    Status take(std::u16string_view argument) {
        if (pending_ != nullptr) {
            (this->*pending_)(argument);
            pending_ = nullptr;
            return success();
        }
        if (argument == u"-MD" || argument == u"-MMD") {
            compilation_.write_dependencies = true;
            return success();
        }
        if (argument == u"-MP") {
            compilation_.phony_dependencies = true;
            return success();
        }
        for (const auto& [flag, setter] : value_flags) {
            if (!argument.starts_with(flag)) continue;
            const std::u16string_view value = argument.substr(flag.size());
            if (value.empty()) {
                pending_ = setter;
                pending_flag_ = flag;
            } else {
                (this->*setter)(value);
            }
            return success();
        }
        return usage_error(u"--preprocessor-arg " + quoted(argument) +
                           u" is not supported: scripts are preprocessed by tavorin itself, which takes only "
                           u"-MD, -MMD, -MF, -MQ, -MT and -MP");
    }

    Status finish() const {
        if (pending_ == nullptr) return success();
        return usage_error(u"--preprocessor-arg " + quoted(pending_flag_) + u" needs a value");
    }

private:
    using Setter = void (PreprocessorArguments::*)(std::u16string_view);
    void set_file(std::u16string_view value) { compilation_.dependency_file = value; }
    void add_quoted_target(std::u16string_view value) { compilation_.dependency_targets.emplace_back(value); }
    void add_raw_target(std::u16string_view value) { compilation_.raw_dependency_targets.emplace_back(value); }

    static constexpr std::array<std::pair<std::u16string_view, Setter>, 3> value_flags{{
        {u"-MF", &PreprocessorArguments::set_file},
        {u"-MQ", &PreprocessorArguments::add_quoted_target},
        {u"-MT", &PreprocessorArguments::add_raw_target},
    }};

    ResourceCompilation& compilation_;
    Setter pending_ = nullptr;
    std::u16string_view pending_flag_;
};

class WindresParser {
public:
    explicit WindresParser(CoffMachine machine) : preprocessor_(compilation_) { compilation_.machine = machine; }

    Status apply(Option option, std::u16string_view value, std::u16string_view spelled) {
        switch (option) {
            case Option::input: compilation_.input = value; break;
            case Option::output: compilation_.output = value; break;
            case Option::input_format:
            case Option::output_format: {
                const auto format = parse_format_name(value);
                if (!format) return usage_error(u"unknown format type " + quoted(value) + u" (rc, res or coff)");
                (option == Option::input_format ? compilation_.input_format : compilation_.output_format) = format;
                break;
            }
            case Option::target: {
                const auto machine = coff_target(value);
                if (!machine) {
                    return usage_error(u"unsupported target " + quoted(value) +
                                       u" (pe-x86-64, pe-i386 or pe-aarch64-little)");
                }
                compilation_.machine = *machine;
                break;
            }
            case Option::include_folder: compilation_.include_folders.emplace_back(value); break;
            case Option::define: compilation_.definitions.push_back(parse_definition(value)); break;
            case Option::undefine: compilation_.undefinitions.emplace_back(value); break;
            case Option::code_page: {
                const auto code_page = parse_option_number(value, 0);
                if (!code_page) return usage_error(std::u16string(spelled) + u": bad code page " + quoted(value));
                if (!is_supported_code_page(*code_page)) {
                    return usage_error(u"code page " + std::u16string(value) +
                                       u" is not supported (1252 and 65001 are)");
                }
                compilation_.code_page = *code_page;
                break;
            }
            case Option::language: {
                const auto language = parse_option_number(value, 16);
                if (!language || *language > 0xFFFF) return usage_error(std::u16string(spelled) + u": bad language " + quoted(value));
                compilation_.language = static_cast<std::uint16_t>(*language);
                break;
            }
            case Option::preprocessor: break;  // Tavorin preprocesses scripts itself.
            case Option::preprocessor_argument: return preprocessor_.take(value);
            case Option::use_temp_file: break;
            case Option::verbose: compilation_.verbose = true; break;
            case Option::help: compilation_.action = ResourceCompilation::Action::help; break;
            case Option::version: compilation_.action = ResourceCompilation::Action::version; break;
            case Option::ignored: break;
        }
        return success();
    }

    Status file_name(std::u16string_view name) {
        if (compilation_.input.empty()) {
            compilation_.input = name;
        } else if (compilation_.output.empty()) {
            compilation_.output = name;
        } else {
            return usage_error(u"too many file names: " + quoted(name));
        }
        return success();
    }

    Result<ResourceCompilation> finish() {
        if (Status finished = preprocessor_.finish(); !finished) return Error{finished.error()};
        if (compilation_.action != ResourceCompilation::Action::compile) return compilation_;
        if (compilation_.input.empty()) return usage_error(u"no input file");
        // windres would write the script to standard output; build systems always name the file.
        if (compilation_.output.empty()) return usage_error(u"no output file");
        return compilation_;
    }

private:
    ResourceCompilation compilation_;
    PreprocessorArguments preprocessor_;
};

}  // namespace

std::optional<CoffMachine> coff_target(std::u16string_view name) {
    if (name.starts_with(u"pei-")) name.remove_prefix(4);
    else if (name.starts_with(u"pe-")) name.remove_prefix(3);
    else return std::nullopt;
    if (name == u"x86-64") return CoffMachine::x86_64;
    if (name == u"i386") return CoffMachine::i386;
    if (name == u"aarch64-little") return CoffMachine::arm64;
    return std::nullopt;
}

Result<ResourceCompilation> parse_windres_command_line(std::span<const std::u16string> arguments, CoffMachine machine) {
    WindresParser parser(machine);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string_view argument = arguments[i];
        Status applied = success();
        if (argument == u"--") {
            for (++i; i < arguments.size() && applied; ++i) applied = parser.file_name(arguments[i]);
            if (!applied) return Error{applied.error()};
            break;
        }
        if (argument.starts_with(u"--")) {
            const std::size_t equals = argument.find(u'=');
            const std::u16string_view name = argument.substr(2, equals == std::u16string_view::npos ? equals : equals - 2);
            const auto option = find_long_option(name);
            if (!option) return Error{option.error()};
            const std::u16string spelled = u"--" + std::u16string((*option)->name);
            std::u16string_view value;
            if (equals != std::u16string_view::npos) {
                if (!(*option)->takes_value) return usage_error(u"option " + quoted(spelled) + u" doesn't allow an argument");
                value = argument.substr(equals + 1);
            } else if ((*option)->takes_value) {
                if (i + 1 >= arguments.size()) return usage_error(u"option " + quoted(spelled) + u" requires an argument");
                value = arguments[++i];
            }
            applied = parser.apply((*option)->option, value, spelled);
        } else if (argument.size() > 1 && argument[0] == u'-') {
            const ShortOption* option = nullptr;
            for (const auto& candidate : short_options) {
                if (candidate.letter == argument[1]) option = &candidate;
            }
            if (option == nullptr) return usage_error(u"invalid option -- " + quoted(argument.substr(1, 1)));
            const std::u16string spelled = std::u16string(argument.substr(0, 2));
            std::u16string_view value;
            if (option->takes_value) {
                if (argument.size() > 2) {
                    value = argument.substr(2);
                } else if (i + 1 < arguments.size()) {
                    value = arguments[++i];
                } else {
                    return usage_error(u"option requires an argument -- " + quoted(argument.substr(1, 1)));
                }
            } else if (argument.size() > 2) {
                return usage_error(u"invalid option " + quoted(argument));
            }
            applied = parser.apply(option->option, value, spelled);
        } else {
            applied = parser.file_name(argument);
        }
        if (!applied) return Error{applied.error()};
    }
    return parser.finish();
}

std::string windres_usage(std::string_view program) {
    std::string text = "Usage: " + std::string(program) + " [option(s)] [input-file] [output-file]\n";
    text +=
        " The options are:\n"
        "  -i --input=<file>            Name input file (.rc script, .res file or object)\n"
        "  -o --output=<file>           Name output file\n"
        "  -J --input-format=<format>   Specify input format\n"
        "  -O --output-format=<format>  Specify output format\n"
        "  -F --target=<target>         Specify COFF target: pe-x86-64 (default), pe-i386, pe-aarch64-little\n"
        "     --preprocessor=<program>  Accepted and ignored: scripts are preprocessed by tavorin\n"
        "     --preprocessor-arg=<arg>  Dependency-file arguments only: -MD, -MMD, -MF <file>, -MQ <target>,\n"
        "                               -MT <target>, -MP\n"
        "  -I --include-dir=<dir>       Include directory when preprocessing rc file\n"
        "  -D --define <sym>[=<val>]    Define SYM when preprocessing rc file\n"
        "  -U --undefine <sym>          Undefine SYM when preprocessing rc file\n"
        "  -v --verbose                 Verbose - tells you what it's doing\n"
        "  -c --codepage=<codepage>     Specify default codepage (1252 or 65001)\n"
        "  -l --language=<val>          Set language when reading rc file (hexadecimal)\n"
        "     --use-temp-file           Accepted and ignored\n"
        "     --no-use-temp-file        Accepted and ignored\n"
        "  -r                           Ignored for compatibility with rc\n"
        "  -h --help                    Print this help message\n"
        "  -V --version                 Print version information\n"
        "FORMAT is one of rc, res, or coff, and is deduced from the file name\n"
        "extension if not specified (.rc, .res, .o or .obj; any other output is coff).\n";
    return text;
}

}  // namespace tavorin
