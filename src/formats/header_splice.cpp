#include "formats/header_splice.h"

#include <algorithm>
#include <map>
#include <optional>

#include "base/file_io.h"
#include "base/text.h"
#include "formats/header_name.h"
#include "formats/header_writer.h"
#include "model/symbol_table.h"
#include "model/workspace.h"

namespace tavorin {

namespace {

constexpr std::size_t define_name_width = 40;
constexpr std::int32_t command_values_start = 0x8000;

bool is_identifier_char(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'$';
}

struct DefineLine {
    std::size_t file = 0;
    std::size_t line_begin = 0;
    std::size_t name_begin = 0;
    std::size_t name_end = 0;
    std::size_t value_begin = 0;
    std::size_t value_end = 0;
};

// "#define NAME VALUE" lines of object-like macros, with where their parts are.
std::vector<DefineLine> define_lines(const std::u16string& text, std::size_t file) {
    std::vector<DefineLine> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        std::size_t p = start;
        const auto skip_blanks = [&] {
            while (p < end && (text[p] == u' ' || text[p] == u'\t')) ++p;
        };
        skip_blanks();
        if (p < end && text[p] == u'#') {
            ++p;
            skip_blanks();
            if (text.compare(p, 6, u"define") == 0 && p + 6 < end && (text[p + 6] == u' ' || text[p + 6] == u'\t')) {
                p += 6;
                skip_blanks();
                DefineLine line{file, start, p, p, 0, 0};
                while (p < end && is_identifier_char(text[p])) ++p;
                line.name_end = p;
                if (line.name_end > line.name_begin && (p >= end || text[p] != u'(')) {
                    skip_blanks();
                    line.value_begin = p;
                    std::size_t value_end = p;
                    while (value_end < end && text[value_end] != u'\r' &&
                           text.compare(value_end, 2, u"//") != 0 && text.compare(value_end, 2, u"/*") != 0) {
                        ++value_end;
                    }
                    while (value_end > p && (text[value_end - 1] == u' ' || text[value_end - 1] == u'\t')) --value_end;
                    line.value_end = value_end;
                    lines.push_back(line);
                }
            }
        }
        start = end + 1;
    }
    return lines;
}

std::u16string_view name_of(const std::u16string& text, const DefineLine& line) {
    return std::u16string_view(text).substr(line.name_begin, line.name_end - line.name_begin);
}

std::optional<std::int64_t> plain_number(std::u16string_view text) {
    while (!text.empty() && text.front() == u'(' && text.back() == u')') text = text.substr(1, text.size() - 2);
    return leading_number(text);
}

// Where new lines go in the header: before the block of "_APS_NEXT_" values, else before the
// "#endif" that closes an include guard at the end, else at the end.
std::size_t insertion_point(const std::u16string& text, const std::vector<DefineLine>& lines) {
    for (const DefineLine& line : lines) {
        if (!starts_with(name_of(text, line), u"_APS_NEXT_")) continue;
        const std::size_t block = text.rfind(u"APSTUDIO_INVOKED", line.line_begin);
        if (block != std::u16string::npos) {
            std::size_t start = block;
            while (start > 0 && text[start - 1] != u'\n') --start;
            // After the last definition above the block, where the list of symbols ends.
            std::optional<std::size_t> after_last;
            for (const DefineLine& other : lines) {
                if (other.line_begin >= start || starts_with(name_of(text, other), u"_APS_")) continue;
                const std::size_t feed = text.find(u'\n', other.value_end);
                after_last = feed == std::u16string::npos ? text.size() : feed + 1;
            }
            return after_last.value_or(start);
        }
        return line.line_begin;
    }
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == u'\n' || text[end - 1] == u'\r' || text[end - 1] == u' ' || text[end - 1] == u'\t')) --end;
    std::size_t start = end;
    while (start > 0 && text[start - 1] != u'\n') --start;
    std::u16string_view last = std::u16string_view(text).substr(start, end - start);
    while (!last.empty() && (last.front() == u' ' || last.front() == u'\t')) last.remove_prefix(1);
    if (starts_with(last, u"#endif")) {
        const std::size_t first_directive = text.find(u'#');
        if (first_directive != std::u16string::npos &&
            (text.compare(first_directive, 7, u"#ifndef") == 0 || text.compare(first_directive, 12, u"#if !defined") == 0)) {
            return start;
        }
    }
    return text.size();
}

std::u16string new_define_line(const std::u16string& text, const std::vector<DefineLine>& lines, std::u16string_view name,
                               std::int32_t value) {
    const DefineLine* model = nullptr;
    for (const DefineLine& line : lines) {
        if (!starts_with(name_of(text, line), u"_APS_")) model = &line;
    }
    std::u16string out;
    std::size_t value_column = std::u16string(u"#define ").size() + define_name_width;
    if (model != nullptr) {
        out = text.substr(model->line_begin, model->name_begin - model->line_begin);
        value_column = model->value_begin - model->line_begin;
    } else {
        out = u"#define ";
    }
    out += name;
    out.append(out.size() < value_column ? value_column - out.size() : 1, u' ');
    out += decimal(value);
    out += u'\n';
    return out;
}

}  // namespace

Status splice_symbol_definitions(Workspace& workspace, SpliceFiles& files, std::u16string_view header_name) {
    const ScriptOrigins& origins = workspace.project().script_origins();
    const std::size_t script_files = files.size();
    std::vector<std::size_t> headers;
    for (const auto& header : origins.headers) {
        const auto existing = files.find(header);
        headers.push_back(existing ? *existing : files.add(header));
    }

    // Every define line of the scripts and headers; a script's own lines are edited in place too.
    std::vector<DefineLine> lines;
    std::map<std::u16string_view, const DefineLine*> by_name;
    std::vector<std::size_t> scanned;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const bool header = std::find(headers.begin(), headers.end(), i) != headers.end();
        if (!header && i >= script_files) continue;
        if (Status loaded = files.load(i); !loaded) return loaded;
        scanned.push_back(i);
    }
    std::vector<std::vector<DefineLine>> lines_of(files.size());
    for (const std::size_t i : scanned) {
        lines_of[i] = define_lines(files.text(i), i);
        for (const DefineLine& line : lines_of[i]) by_name.emplace(name_of(files.text(i), line), &line);
    }

    std::map<std::u16string_view, std::int32_t> read;
    for (const auto& [name, value] : origins.read_symbols) read.emplace(name, value);
    const SymbolTable& symbols = workspace.symbols();
    std::vector<std::pair<const std::u16string*, const Symbol*>> current;
    for (const auto& [name, symbol] : symbols.symbols()) {
        if (is_written_symbol(symbol)) current.emplace_back(&name, &symbol);
    }
    // A symbol of the reading that is gone may have been renamed: its line takes the new name.
    std::multimap<std::int32_t, const DefineLine*> gone;
    for (const auto& [name, value] : read) {
        const auto line = by_name.find(name);
        if (line != by_name.end() && symbols.find(name) == nullptr) gone.emplace(value, line->second);
    }

    std::map<std::u16string, std::int32_t> next_values;  // "_APS_NEXT_..." names to their new values
    const auto advance = [&](const Symbol& symbol) {
        std::u16string which = u"_APS_NEXT_RESOURCE_VALUE";
        if (!symbol.control_uses.empty()) which = u"_APS_NEXT_CONTROL_VALUE";
        else if (symbol.resource_uses.empty() && symbol.value >= command_values_start) which = u"_APS_NEXT_COMMAND_VALUE";
        auto [it, inserted] = next_values.emplace(which, symbol.value + 1);
        if (!inserted) it->second = std::max(it->second, symbol.value + 1);
    };

    std::vector<std::pair<std::u16string, std::int32_t>> added;
    for (const auto& [name, symbol] : current) {
        const auto line = by_name.find(*name);
        if (line != by_name.end()) {
            const auto was = read.find(*name);
            if (was != read.end() && was->second != symbol->value) {
                const DefineLine& at = *line->second;
                files.edit(at.file, TextEdit{at.value_begin, at.value_end, decimal(symbol->value)});
                advance(*symbol);
            }
            continue;
        }
        if (const auto renamed = gone.find(symbol->value); renamed != gone.end()) {
            const DefineLine& at = *renamed->second;
            // The value stays in its column when spaces alone lead to it.
            const std::u16string_view gap = std::u16string_view(files.text(at.file)).substr(at.name_end, at.value_begin - at.name_end);
            if (gap.find_first_not_of(u' ') == std::u16string_view::npos) {
                const std::size_t width = at.value_begin - at.name_begin;
                std::u16string renamed_line = *name;
                renamed_line.append(renamed_line.size() < width ? width - renamed_line.size() : 1, u' ');
                files.edit(at.file, TextEdit{at.name_begin, at.value_begin, std::move(renamed_line)});
            } else {
                files.edit(at.file, TextEdit{at.name_begin, at.name_end, *name});
            }
            gone.erase(renamed);
            continue;
        }
        added.emplace_back(*name, symbol->value);
        advance(*symbol);
    }
    if (added.empty() && next_values.empty()) return success();

    // New lines go to the header named like the project's header, else to the first header.
    std::optional<std::size_t> target;
    for (const std::size_t header : headers) {
        if (equals_ignore_case(files.path(header).filename().u16string(), path_from_script_text(header_name).filename().u16string())) {
            target = header;
            break;
        }
    }
    if (!target && !headers.empty()) target = headers.front();
    if (!target) {
        // No header yet: a new one, which the script includes at its top.
        target = files.add_new(header_path(files.path(0), header_name));
        files.edit(0, TextEdit{0, 0, files.with_line_ends(0, u"#include \"" + std::u16string(header_name) + u"\"\n")});
    }
    const std::u16string& text = files.text(*target);
    const std::vector<DefineLine>& target_lines = lines_of.size() > *target ? lines_of[*target] : std::vector<DefineLine>{};
    std::sort(added.begin(), added.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::u16string new_lines;
    const std::size_t at = insertion_point(text, target_lines);
    if (at == text.size() && !text.empty() && text.back() != u'\n') new_lines += u'\n';
    for (const auto& [name, value] : added) new_lines += new_define_line(text, target_lines, name, value);
    if (!new_lines.empty()) files.edit(*target, TextEdit{at, at, files.with_line_ends(*target, new_lines)});

    for (const auto& [name, value] : next_values) {
        const auto line = by_name.find(name);
        if (line == by_name.end()) continue;
        const DefineLine& at_line = *line->second;
        const std::u16string& owner = files.text(at_line.file);
        const auto present = plain_number(std::u16string_view(owner).substr(at_line.value_begin, at_line.value_end - at_line.value_begin));
        if (present && *present >= value) continue;
        files.edit(at_line.file, TextEdit{at_line.value_begin, at_line.value_end, decimal(value)});
    }
    return success();
}

Status add_missing_definitions(Workspace& workspace, SpliceFiles& files, std::size_t header) {
    if (Status loaded = files.load(header); !loaded) return loaded;
    const std::u16string& text = files.text(header);
    const std::vector<DefineLine> lines = define_lines(text, header);
    std::map<std::u16string_view, std::u16string_view> values;
    for (const DefineLine& line : lines) {
        values.emplace(name_of(text, line), std::u16string_view(text).substr(line.value_begin, line.value_end - line.value_begin));
    }
    std::vector<std::pair<std::u16string, std::int32_t>> added;
    for (const auto& [name, symbol] : workspace.symbols().symbols()) {
        if (!is_written_symbol(symbol)) continue;
        const auto defined = values.find(name);
        if (defined == values.end()) {
            added.emplace_back(name, symbol.value);
        } else if (plain_number(defined->second) != std::optional<std::int64_t>(symbol.value)) {
            // The header gives the name another value: the script would compile with that one.
            return Error{fill_placeholders(workspace.text(str::file_not_this_projects), display_path(files.path(header)))};
        }
    }
    if (added.empty()) return success();
    std::sort(added.begin(), added.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::u16string new_lines;
    const std::size_t at = insertion_point(text, lines);
    if (at == text.size() && !text.empty() && text.back() != u'\n') new_lines += u'\n';
    for (const auto& [name, value] : added) new_lines += new_define_line(text, lines, name, value);
    files.edit(header, TextEdit{at, at, files.with_line_ends(header, new_lines)});
    return success();
}

}  // namespace tavorin
