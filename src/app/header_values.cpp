#include "app/header_values.h"

#include <limits>

#include "base/text.h"
#include "base/text_file.h"
#include "model/project.h"
#include "model/symbol_table.h"
#include "platform/platform.h"
#include "script/include_search.h"

namespace tavorin {

namespace {

bool is_blank(char16_t c) { return c == u' ' || c == u'\t'; }

bool is_name_character(char16_t c) {
    return c == u'_' || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && (is_blank(text.front()) || text.front() == u'\r')) text.remove_prefix(1);
    while (!text.empty() && (is_blank(text.back()) || text.back() == u'\r')) text.remove_suffix(1);
    return text;
}

// The whole value text as one integer: "40001", "0x9C41", "(101)", "40001U", "-1".
std::optional<std::int32_t> integer_value(std::u16string_view text) {
    text = trimmed(text);
    const std::size_t comment = text.find(u"//");
    if (comment != std::u16string_view::npos) text = trimmed(text.substr(0, comment));
    while (text.size() >= 2 && text.front() == u'(' && text.back() == u')') text = trimmed(text.substr(1, text.size() - 2));
    while (!text.empty() && (text.back() == u'U' || text.back() == u'u' || text.back() == u'L' || text.back() == u'l')) {
        text.remove_suffix(1);
    }
    const auto number = leading_number(text);
    if (!number) return std::nullopt;
    // The number must be all there is.
    std::u16string_view digits = text.front() == u'-' ? text.substr(1) : text;
    const bool hex = digits.size() > 2 && digits[0] == u'0' && (digits[1] == u'x' || digits[1] == u'X');
    for (std::size_t i = hex ? 2 : 0; i < digits.size(); ++i) {
        const char16_t c = digits[i];
        const bool digit = (c >= u'0' && c <= u'9') || (hex && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')));
        if (!digit) return std::nullopt;
    }
    if (*number < std::numeric_limits<std::int32_t>::min() || *number > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*number));
}

}  // namespace

std::vector<HeaderDefine> numeric_defines(std::u16string_view header_text) {
    std::vector<HeaderDefine> defines;
    while (!header_text.empty()) {
        const std::size_t end = header_text.find(u'\n');
        std::u16string_view line = trimmed(header_text.substr(0, end));
        header_text = end == std::u16string_view::npos ? std::u16string_view() : header_text.substr(end + 1);
        if (line.empty() || line.front() != u'#') continue;
        line = trimmed(line.substr(1));
        if (!line.starts_with(u"define") || line.size() == 6 || !is_blank(line[6])) continue;
        line = trimmed(line.substr(6));
        std::size_t name_end = 0;
        while (name_end < line.size() && is_name_character(line[name_end])) ++name_end;
        // A function-like macro, or no name at all.
        if (name_end == 0 || (name_end < line.size() && !is_blank(line[name_end]))) continue;
        if (const auto value = integer_value(line.substr(name_end))) {
            defines.push_back(HeaderDefine{std::u16string(line.substr(0, name_end)), *value});
        }
    }
    return defines;
}

void note_header_defines(SymbolTable& symbols, std::span<const HeaderDefine> defines) {
    NextValues next = symbols.next_values();
    for (const HeaderDefine& define : defines) {
        if (define.name == u"_APS_NEXT_RESOURCE_VALUE") {
            next.resource = define.value;
        } else if (define.name == u"_APS_NEXT_COMMAND_VALUE") {
            next.command = define.value;
        } else if (define.name == u"_APS_NEXT_CONTROL_VALUE") {
            next.control = define.value;
        } else if (define.name == u"_APS_NEXT_SYMED_VALUE") {
            next.symbol = define.value;
        } else if (define.name.starts_with(u"_APS_")) {
            // The tools' other bookkeeping (_APS_3D_CONTROLS, _APS_NO_MFC) names no identifier.
        } else {
            symbols.reserve_header_value(define.value);
        }
    }
    symbols.set_next_values(next);
}

void note_project_headers(SymbolTable& symbols, const Project& project, const std::filesystem::path& script_folder,
                          std::u16string_view header_name, Platform& platform) {
    // The reading takes the own header's include out of the script's list.
    std::vector<std::u16string> names{std::u16string(header_name)};
    for (const std::u16string& line : project.include_lines()) {
        // <...> names a header of the system's; only the project's own are quoted.
        if (line.size() < 3 || line.front() != u'"' || line.back() != u'"') continue;
        std::u16string name = line.substr(1, line.size() - 2);
        if (!equals_ignore_case(name, header_name)) names.push_back(std::move(name));
    }
    for (const std::u16string& name : names) {
        const std::filesystem::path header = script_folder / included_name_to_path(name);
        std::error_code error;
        if (name.empty() || !std::filesystem::is_regular_file(header, error)) continue;
        const auto text = read_text_file(header, [&platform](std::string_view bytes) { return platform.ansi_to_text(bytes); });
        if (!text) continue;
        const std::vector<HeaderDefine> defines = numeric_defines(text->text);
        note_header_defines(symbols, defines);
    }
}

}  // namespace tavorin
