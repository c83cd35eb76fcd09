#include "services/ui_strings.h"

#include <algorithm>
#include <span>
#include <system_error>

#include "services/untranslated_strings.h"
#include "base/escapes.h"
#include "base/text.h"

namespace tavorin {

namespace embedded {
std::span<const unsigned char> english_strings();
}

namespace {

std::u16string resolve_escapes(std::u16string_view line) {
    std::u16string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != u'\\') {
            out.push_back(line[i]);
            continue;
        }
        if (i + 1 >= line.size()) break;
        const char16_t next = line[++i];
        if (next == u'0') {
            out.push_back(u'\0');
        } else if (const char16_t c = escape_character(next)) {
            out.push_back(c);
        } else {
            break;
        }
    }
    return out;
}

}  // namespace

std::vector<std::optional<std::u16string>> parse_language_lines(std::u16string_view file_text) {
    std::vector<std::optional<std::u16string>> lines;
    std::size_t start = 0;
    while (start < file_text.size() && lines.size() < UiStrings::count) {
        std::size_t end = file_text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) end = file_text.size();
        if (end == start) {
            lines.push_back(std::nullopt);
        } else {
            lines.push_back(resolve_escapes(file_text.substr(start, end - start)));
        }
        start = end;
        if (start < file_text.size() && file_text[start] == u'\r') ++start;
        if (start < file_text.size() && file_text[start] == u'\n') ++start;
    }
    return lines;
}

const std::array<std::u16string, UiStrings::count>& built_in_strings() {
    static const std::array<std::u16string, UiStrings::count> table = [] {
        std::array<std::u16string, UiStrings::count> entries;
        const auto bytes = embedded::english_strings();
        const auto text = utf8_to_text(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        auto lines = parse_language_lines(text);
        for (std::size_t i = 0; i < lines.size(); ++i) entries[i] = std::move(lines[i]).value_or(u"");
        return entries;
    }();
    return table;
}

UiStrings::UiStrings() { reset_to_built_in(); }

void UiStrings::reset_to_built_in() { active_ = built_in_strings(); }

const std::u16string& UiStrings::text(std::uint32_t number) const {
    static const std::u16string none;
    if (number >= untranslated_first) {
        const auto index = number - untranslated_first;
        return index < untranslated_count ? untranslated_strings()[index] : none;
    }
    return number < count ? active_[number] : none;
}

void UiStrings::install_language_text(std::u16string_view file_text) {
    reset_to_built_in();
    auto lines = parse_language_lines(file_text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i]) active_[i] = std::move(*lines[i]);
    }
}

std::vector<std::u16string> language_list(const std::filesystem::path& languages_folder) {
    std::vector<std::u16string> names{u"English"};
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(languages_folder, error)) {
        const auto& path = entry.path();
        if (entry.is_regular_file(error) && equals_ignore_case(path.extension().u16string(), u".txt")) {
            names.push_back(path.stem().u16string());
        }
    }
    return names;
}

}  // namespace tavorin
