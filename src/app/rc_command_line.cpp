#include "app/rc_command_line.h"

#include <array>
#include <filesystem>

#include "base/text.h"

namespace tavorin {

namespace {

Error usage_error(std::u16string message) { return Error{std::move(message)}; }

std::u16string lowercase(std::u16string_view text) {
    std::u16string lower(text);
    for (auto& c : lower) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return lower;
}

// Outside Windows a path starts with the "/" that leads rc's options. Options never name an
// existing root folder, so an argument whose first folder exists is taken as a path.
bool is_root_path(std::u16string_view argument) {
#ifdef _WIN32
    (void)argument;
    return false;
#else
    if (!argument.starts_with(u'/')) return false;
    const std::size_t end = argument.find(u'/', 1);
    if (end == std::u16string_view::npos) return false;
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::path(argument.substr(0, end)), error);
#endif
}

enum class ValueOption : std::uint8_t { output, include_folder, define, undefine, language, code_page };

// Longer names first: "/fo" before any one-letter option could take it.
constexpr std::array<std::pair<std::u16string_view, ValueOption>, 6> value_options{{
    {u"fo", ValueOption::output},
    {u"i", ValueOption::include_folder},
    {u"d", ValueOption::define},
    {u"u", ValueOption::undefine},
    {u"l", ValueOption::language},
    {u"c", ValueOption::code_page},
}};

Status apply_value(ResourceCompilation& compilation, ValueOption option, std::u16string_view value,
                   std::u16string_view spelled) {
    switch (option) {
        case ValueOption::output: compilation.output = value; break;
        case ValueOption::include_folder: compilation.include_folders.emplace_back(value); break;
        case ValueOption::define: compilation.definitions.push_back(parse_definition(value)); break;
        case ValueOption::undefine: compilation.undefinitions.emplace_back(value); break;
        case ValueOption::language: {
            // rc takes the language in hexadecimal, with or without "0x".
            const auto language = parse_option_number(value, 16);
            if (!language || *language > 0xFFFF) return usage_error(std::u16string(spelled) + u": bad language '" + std::u16string(value) + u"'");
            compilation.language = static_cast<std::uint16_t>(*language);
            break;
        }
        case ValueOption::code_page: {
            const auto code_page = parse_option_number(value, 10);
            if (!code_page) return usage_error(std::u16string(spelled) + u": bad code page '" + std::u16string(value) + u"'");
            if (!is_supported_code_page(*code_page)) {
                return usage_error(u"code page " + std::u16string(value) + u" is not supported (1252 and 65001 are)");
            }
            compilation.code_page = *code_page;
            break;
        }
    }
    return success();
}

// Options without a value: whether `name` is one.
bool apply_flag(ResourceCompilation& compilation, std::u16string_view name) {
    if (name == u"?" || name == u"h") {
        compilation.action = ResourceCompilation::Action::help;
    } else if (name == u"v") {
        compilation.verbose = true;
    } else if (name == u"x") {
        compilation.ignore_include_variable = true;
    } else if (name == u"nologo" || name == u"r") {
        // No banner is ever shown, and a .res file is what rc makes anyway.
    } else {
        return false;
    }
    return true;
}

}  // namespace

Result<ResourceCompilation> parse_rc_command_line(std::span<const std::u16string> arguments) {
    ResourceCompilation compilation;
    compilation.output_format = ResourceFormat::res;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string_view argument = arguments[i];
        const bool option = argument.size() > 1 && (argument[0] == u'-' || argument[0] == u'/') && !is_root_path(argument);
        if (!option) {
            if (!compilation.input.empty()) {
                return usage_error(u"only one script may be compiled at a time: '" + std::u16string(argument) + u"'");
            }
            compilation.input = argument;
            continue;
        }
        const std::u16string name = lowercase(argument.substr(1));
        if (apply_flag(compilation, name)) continue;
        if (name == u"n") {
            return usage_error(std::u16string(argument) + u": string table strings with a terminating zero are not supported");
        }
        bool known = false;
        for (const auto& [prefix, value_option] : value_options) {
            if (!name.starts_with(prefix)) continue;
            known = true;
            const std::u16string spelled(argument.substr(0, 1 + prefix.size()));
            std::u16string_view value = argument.substr(1 + prefix.size());
            if (value.empty()) {
                if (i + 1 >= arguments.size()) return usage_error(spelled + u" needs a value");
                value = arguments[++i];
            }
            if (Status applied = apply_value(compilation, value_option, value, spelled); !applied) {
                return Error{applied.error()};
            }
            break;
        }
        if (!known) return usage_error(u"unknown option '" + std::u16string(argument) + u"'");
    }
    if (compilation.action != ResourceCompilation::Action::compile) return compilation;
    if (compilation.input.empty()) return usage_error(u"no input file");
    return compilation;
}

std::string rc_usage(std::string_view program) {
    std::string text = "Usage: " + std::string(program) + " [options] file.rc\n";
    text +=
        "Options (led by / or -, in any letter case; values joined or following):\n"
        "  /fo FILE     Name the .res file (default: the script's name with .res)\n"
        "  /i DIR       Add a folder to search for included files (also -I)\n"
        "  /d SYM[=VAL] Define a symbol\n"
        "  /u SYM       Undefine a symbol\n"
        "  /l LANGID    Default language, hexadecimal (/l 409)\n"
        "  /c CODEPAGE  Code page of scripts without their own marks (1252 or 65001)\n"
        "  /x           Ignore the INCLUDE environment variable\n"
        "  /v           Verbose: tell what is read and written\n"
        "  /nologo, /r  Accepted (no banner is shown; a .res file is made)\n"
        "  /?, /h       Print this help\n";
    return text;
}

}  // namespace tavorin
