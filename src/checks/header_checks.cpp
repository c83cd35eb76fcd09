// The project's own headers: one identifier defined with two values.

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include "base/text.h"
#include "checks/check_context.h"
#include "checks/source_texts.h"
#include "model/project.h"

namespace tavorin {

namespace {

// The conditional branches a line lies in: for each enclosing #if, its number and which of its
// branches (#elif, #else) holds the line.
using ConditionPath = std::vector<std::pair<std::size_t, std::size_t>>;

struct Definition {
    std::int64_t value = 0;
    std::filesystem::path file;
    std::size_t line = 0;
    ConditionPath path;
};

// Whether two lines lie in different branches of one #if, so that at most one of them counts.
bool exclusive(const ConditionPath& a, const ConditionPath& b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i].first != b[i].first) return false;
        if (a[i].second != b[i].second) return true;
    }
    return false;
}

bool is_name_start(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; }
bool is_name_part(char16_t c) { return is_name_start(c) || (c >= u'0' && c <= u'9'); }

std::u16string_view skip_blanks(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
    return text;
}

// Follows #if, #elif, #else and #endif lines.
void follow_conditions(std::u16string_view line, ConditionPath& path, std::size_t& next_if) {
    line = skip_blanks(line);
    if (line.empty() || line.front() != u'#') return;
    line = skip_blanks(line.substr(1));
    if (line.starts_with(u"if")) {
        path.emplace_back(next_if++, 0);
    } else if ((line.starts_with(u"elif") || line.starts_with(u"else")) && !path.empty()) {
        ++path.back().second;
    } else if (line.starts_with(u"endif") && !path.empty()) {
        path.pop_back();
    }
}

// "NAME VALUE" of a "#define" line whose value is one number (in parentheses, with a sign or an
// integer suffix); none for any other line.
std::optional<std::pair<std::u16string, std::int64_t>> numeric_define(std::u16string_view line) {
    line = skip_blanks(line);
    if (line.empty() || line.front() != u'#') return std::nullopt;
    line = skip_blanks(line.substr(1));
    if (!line.starts_with(u"define")) return std::nullopt;
    line.remove_prefix(6);
    if (line.empty() || (line.front() != u' ' && line.front() != u'\t')) return std::nullopt;
    line = skip_blanks(line);
    std::size_t end = 0;
    if (line.empty() || !is_name_start(line.front())) return std::nullopt;
    while (end < line.size() && is_name_part(line[end])) ++end;
    const std::u16string name(line.substr(0, end));
    line = line.substr(end);
    if (!line.empty() && line.front() == u'(') return std::nullopt;  // a function-like macro
    line = skip_blanks(line);
    if (const std::size_t comment = line.find(u"//"); comment != std::u16string_view::npos) line = line.substr(0, comment);
    if (const std::size_t comment = line.find(u"/*"); comment != std::u16string_view::npos) line = line.substr(0, comment);
    while (!line.empty() && (line.back() == u' ' || line.back() == u'\t' || line.back() == u'\r')) line.remove_suffix(1);
    if (line.size() >= 2 && line.front() == u'(' && line.back() == u')') line = line.substr(1, line.size() - 2);
    line = skip_blanks(line);
    bool negative = false;
    if (!line.empty() && line.front() == u'-') {
        negative = true;
        line = skip_blanks(line.substr(1));
    }
    while (!line.empty() && (line.back() == u'u' || line.back() == u'U' || line.back() == u'l' || line.back() == u'L')) {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() < u'0' || line.front() > u'9') return std::nullopt;
    const auto value = parse_typed_number(line);
    if (!value) return std::nullopt;
    const auto number = static_cast<std::int64_t>(*value);
    return std::make_pair(name, negative ? -number : number);
}

}  // namespace

void check_headers(CheckContext& context) {
    if (!context.enabled("TV6001")) return;
    const ScriptOrigins& origins = context.project().script_origins();
    if (context.sources() == nullptr) return;
    std::map<std::u16string, Definition> first;
    std::size_t next_if = 0;
    for (const std::filesystem::path& header : origins.headers) {
        // The header is among the origin files when it holds statements; read it directly otherwise.
        auto decoded = read_text_file(header, [](std::string_view bytes) {
            std::u16string text;
            for (unsigned char c : bytes) text += static_cast<char16_t>(c);
            return text;
        });
        if (!decoded) continue;
        std::u16string_view rest = decoded->text;
        std::size_t line = 0;
        ConditionPath path;
        while (!rest.empty()) {
            ++line;
            const std::size_t end = std::min(rest.find(u'\n'), rest.size());
            follow_conditions(rest.substr(0, end), path, next_if);
            if (auto define = numeric_define(rest.substr(0, end))) {
                auto [it, inserted] = first.try_emplace(define->first, Definition{define->second, header, line, path});
                if (!inserted && it->second.value != define->second && !exclusive(it->second.path, path)) {
                    context.report_at("TV6001", SourceLocation{header, line, std::nullopt}, define->first,
                                      define->first + u" is defined as " + decimal(define->second) + u" here and as " +
                                          decimal(it->second.value) + u" in " + it->second.file.filename().u16string() +
                                          u" line " + decimal(static_cast<std::int64_t>(it->second.line)));
                }
            }
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }
}

}  // namespace tavorin
