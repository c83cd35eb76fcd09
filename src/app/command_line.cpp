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

CommandLine parse_command_line(std::span<const std::u16string> arguments) {
    CommandLine result;
    if (!arguments.empty() && arguments[0] == u"-associateFiles") {
        result.mode = CommandLine::Mode::associate_files;
        if (arguments.size() > 1) result.associate_window = parse_decimal_prefix(arguments[1]);
        return result;
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string& argument = arguments[i];
        if (!argument.starts_with(u'-')) {
            result.file_to_open = argument;
            break;
        }
        if (argument == u"-delete") {
            if (i + 1 < arguments.size()) result.files_to_delete.push_back(arguments[++i]);
        } else if (argument == u"-convert") {
            if (i + 2 >= arguments.size()) break;
            result.mode = CommandLine::Mode::convert;
            result.convert_input = arguments[i + 1];
            result.convert_output = arguments[i + 2];
            break;
        }
    }
    return result;
}

}  // namespace tavorin
