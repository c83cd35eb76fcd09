// Version information: the fixed version numbers against the FileVersion and ProductVersion
// strings, and the translation list against the string blocks.

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

#include "base/escapes.h"
#include "base/text.h"
#include "checks/check_context.h"
#include "checks/source_texts.h"
#include "checks/text_features.h"
#include "model/project.h"
#include "resources/version/version_info.h"

namespace tavorin {

namespace {

// The leading numbers of a version string ("1, 2, 3, 4", "1.2.3.4 beta", "8.0"): up to four,
// separated by '.' or ','; none when it does not start with a number.
std::vector<std::uint32_t> leading_numbers(std::u16string_view text) {
    std::vector<std::uint32_t> numbers;
    std::size_t i = 0;
    const auto skip_blanks = [&] {
        while (i < text.size() && text[i] == u' ') ++i;
    };
    skip_blanks();
    while (numbers.size() < 4 && i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        std::uint32_t value = 0;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            value = std::min<std::uint32_t>(value * 10 + (text[i] - u'0'), 0x7FFFFFFF);
            ++i;
        }
        numbers.push_back(value);
        skip_blanks();
        if (i >= text.size() || (text[i] != u'.' && text[i] != u',')) break;
        ++i;
        skip_blanks();
    }
    return numbers;
}

void compare_version(CheckContext& context, const VersionInfo& version, const VersionStringBlock& block,
                     std::u16string_view key, std::u16string_view fixed_name, const VersionNumber& fixed) {
    const auto it = std::find_if(block.strings.begin(), block.strings.end(),
                                 [&](const VersionString& s) { return equals_ignore_case(s.key, key); });
    if (it == block.strings.end() || !it->value) return;
    const std::u16string value = unescape_stored_text(*it->value);
    const auto numbers = leading_numbers(value);
    if (numbers.empty()) return;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] == fixed[i]) continue;
        context.report("TV5001", version, std::u16string(key),
                       std::u16string(key) + u" " + quoted_for_message(value) + u" of block " + block.name() +
                           u" disagrees with " + std::u16string(fixed_name) + u" " + version_text(fixed),
                       u"\"" + std::u16string(key) + u"\"");
        return;
    }
}

// The (language, code page) pairs of a compiled resource's Translation value.
std::optional<std::vector<std::uint32_t>> compiled_translations(std::span<const std::uint8_t> data) {
    static constexpr char16_t key[] = u"Translation";
    constexpr std::size_t key_bytes = (sizeof(key) / sizeof(key[0])) * 2;  // with the terminating zero
    for (std::size_t at = 6; at + key_bytes <= data.size(); at += 2) {
        bool match = true;
        for (std::size_t k = 0; k < key_bytes / 2 && match; ++k) {
            match = data[at + 2 * k] == (key[k] & 0xFF) && data[at + 2 * k + 1] == (key[k] >> 8);
        }
        if (!match) continue;
        const std::size_t value_length = data[at - 4] | (data[at - 3] << 8);
        const std::size_t value = (at + key_bytes + 3) & ~std::size_t{3};
        if (value + value_length > data.size()) return std::nullopt;
        std::vector<std::uint32_t> pairs;
        for (std::size_t v = value; v + 4 <= value + value_length; v += 4) {
            const std::uint32_t language = data[v] | (data[v + 1] << 8);
            const std::uint32_t code_page = data[v + 2] | (data[v + 3] << 8);
            pairs.push_back((language << 16) | code_page);
        }
        return pairs;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> number_at(std::u16string_view text, std::size_t& i) {
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    std::size_t end = i;
    const auto word_character = [](char16_t c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
    };
    while (end < text.size() && word_character(text[end])) ++end;
    if (end == i) return std::nullopt;
    const auto value = parse_typed_number(text.substr(i, end - i));
    i = end;
    // Suffixes such as L and U are part of the word and fail the parse; so does a macro name.
    if (!value || *value > 0xFFFF) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

// The pairs of a script's VALUE "Translation" line; none when the statement has none or spells
// its numbers with macros.
std::optional<std::vector<std::uint32_t>> script_translations(CheckContext& context, const VersionInfo& version) {
    const Project& project = context.project();
    const std::int32_t origin = version.identity().origin;
    if (context.sources() == nullptr || origin < 0 ||
        static_cast<std::size_t>(origin) >= project.script_origins().statements.size()) {
        return std::nullopt;
    }
    const SourceRange& range = project.script_origins().statements[origin].range;
    const std::u16string* text = context.sources()->text(range.file);
    if (text == nullptr || range.end > text->size()) return std::nullopt;
    const std::u16string_view statement = std::u16string_view(*text).substr(range.begin, range.end - range.begin);
    const std::size_t found = statement.find(u"\"Translation\"");
    if (found == std::u16string_view::npos) return std::nullopt;
    std::size_t i = found + 13;
    std::vector<std::uint32_t> pairs;
    while (true) {
        while (i < statement.size() && (statement[i] == u' ' || statement[i] == u'\t')) ++i;
        if (i >= statement.size() || statement[i] != u',') break;
        ++i;
        const auto language = number_at(statement, i);
        while (i < statement.size() && (statement[i] == u' ' || statement[i] == u'\t')) ++i;
        if (!language || i >= statement.size() || statement[i] != u',') return std::nullopt;
        ++i;
        const auto code_page = number_at(statement, i);
        if (!code_page) return std::nullopt;
        pairs.push_back((*language << 16) | *code_page);
    }
    return pairs;
}

std::u16string pair_text(std::uint32_t pair) { return hexadecimal(pair, 8); }

void check_translation_list(CheckContext& context, const VersionInfo& version) {
    std::optional<std::vector<std::uint32_t>> listed;
    if (const CompiledOrigin* origin = version.origin(); origin != nullptr && origin->data) {
        listed = compiled_translations(origin->data->span());
    } else {
        listed = script_translations(context, version);
    }
    if (!listed) return;
    std::set<std::uint32_t> blocks;
    for (const VersionStringBlock& block : version.blocks()) blocks.insert(block.translation());
    const std::set<std::uint32_t> list(listed->begin(), listed->end());
    for (std::uint32_t pair : list) {
        if (blocks.contains(pair)) continue;
        context.report("TV5002", version, pair_text(pair),
                       u"the translation list names " + pair_text(pair) + u", which has no string block",
                       u"\"Translation\"");
    }
    for (std::uint32_t pair : blocks) {
        if (list.contains(pair)) continue;
        context.report("TV5002", version, pair_text(pair),
                       u"the string block " + pair_text(pair) + u" is missing from the translation list",
                       u"\"Translation\"");
    }
}

}  // namespace

void check_versions(CheckContext& context) {
    for (const Resource* resource : context.project().resources_of_kind(kind::version)) {
        const auto* version = dynamic_cast<const VersionInfo*>(resource);
        if (version == nullptr) continue;
        if (context.enabled("TV5001")) {
            for (const VersionStringBlock& block : version->blocks()) {
                compare_version(context, *version, block, u"FileVersion", u"FILEVERSION", version->fixed().file_version);
                compare_version(context, *version, block, u"ProductVersion", u"PRODUCTVERSION",
                                version->fixed().product_version);
            }
        }
        if (context.enabled("TV5002")) check_translation_list(context, *version);
    }
}

}  // namespace tavorin
