#include "formats/script_splice.h"

#include <algorithm>
#include <map>
#include <set>
#include <system_error>

#include "base/file_io.h"
#include "base/fingerprint.h"
#include "base/text.h"
#include "formats/header_splice.h"
#include "formats/standard_headers.h"
#include "dialog/dialog.h"
#include "dialog/dialog_fingerprint.h"
#include "dialog/dialog_script_parts.h"
#include "model/workspace.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t string_identifier_width = 30;

bool is_blank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r'; }

std::size_t line_start(const std::u16string& text, std::size_t pos) {
    while (pos > 0 && text[pos - 1] != u'\n') --pos;
    return pos;
}

// The start of the next line (after the line feed), or the text's end.
std::size_t next_line(const std::u16string& text, std::size_t pos) {
    const std::size_t feed = text.find(u'\n', pos);
    return feed == std::u16string::npos ? text.size() : feed + 1;
}

bool blank_between(const std::u16string& text, std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i) {
        if (!is_blank(text[i])) return false;
    }
    return true;
}

// Only blanks, or blanks and a comment, from `pos` to the line's end.
bool rest_of_line_free(const std::u16string& text, std::size_t pos) {
    while (pos < text.size() && is_blank(text[pos])) ++pos;
    if (pos >= text.size() || text[pos] == u'\n') return true;
    return text.compare(pos, 2, u"//") == 0 || text[pos] == u';';
}

int line_number(const std::u16string& text, std::size_t pos) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(pos, text.size())), u'\n'));
}

// The blanks before `pos` on its line when nothing else is there.
std::u16string indentation_at(const std::u16string& text, std::size_t pos) {
    const std::size_t start = line_start(text, pos);
    if (!blank_between(text, start, pos)) return {};
    std::u16string indent = text.substr(start, pos - start);
    std::erase(indent, u'\r');
    return indent;
}

std::u16string indented(std::u16string_view text, std::u16string_view indent) {
    std::u16string out;
    out.reserve(text.size() + 16);
    for (char16_t c : text) {
        if (c == u'\r') continue;
        out.push_back(c);
        if (c == u'\n') out.append(indent);
    }
    return out;
}

bool is_word_at(const std::u16string& text, std::size_t pos, std::u16string_view word) {
    if (text.compare(pos, word.size(), word) != 0) return false;
    const auto identifier = [](char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_'; };
    if (pos > 0 && identifier(text[pos - 1])) return false;
    return pos + word.size() >= text.size() || !identifier(text[pos + word.size()]);
}

// Whether blocks in this text are written BEGIN ... END rather than with braces.
bool uses_pascal_blocks(const std::u16string& text, std::size_t begin, std::size_t end, bool otherwise) {
    for (std::size_t i = begin; i < end; ++i) {
        if (text[i] == u'{') return false;
        if ((text[i] == u'B' || text[i] == u'b') && (is_word_at(text, i, u"BEGIN") || is_word_at(text, i, u"begin"))) return true;
    }
    return otherwise;
}

// The directive word after '#' ("if", "endif", ...).
std::u16string_view directive_word(const std::u16string& text, std::size_t hash) {
    std::size_t p = hash + 1;
    while (p < text.size() && (text[p] == u' ' || text[p] == u'\t')) ++p;
    std::size_t e = p;
    while (e < text.size() && ((text[e] >= u'a' && text[e] <= u'z') || (text[e] >= u'A' && text[e] <= u'Z'))) ++e;
    return std::u16string_view(text).substr(p, e - p);
}

enum class Branch { none, open, middle, close };

Branch branch_of(std::u16string_view word) {
    if (word == u"if" || word == u"ifdef" || word == u"ifndef") return Branch::open;
    if (word == u"else" || word == u"elif") return Branch::middle;
    if (word == u"endif") return Branch::close;
    return Branch::none;
}


// For each new part, the old part it is (same fingerprint, in order), as a longest common
// subsequence; for very long lists only the equal parts at both ends.
std::vector<std::optional<std::size_t>> align_parts(const std::vector<std::uint64_t>& old_parts,
                                                    const std::vector<std::uint64_t>& new_parts) {
    const std::size_t n = old_parts.size(), m = new_parts.size();
    std::vector<std::optional<std::size_t>> kept(m);
    constexpr std::size_t most_cells = 4'000'000;
    if (n * m > most_cells) {
        std::size_t before = 0;
        for (; before < n && before < m && old_parts[before] == new_parts[before]; ++before) kept[before] = before;
        for (std::size_t after = 1; after <= n - before && after <= m - before && old_parts[n - after] == new_parts[m - after]; ++after) {
            kept[m - after] = n - after;
        }
        return kept;
    }
    std::vector<std::uint32_t> common((n + 1) * (m + 1), 0);
    const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return common[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            at(i, j) = old_parts[i] == new_parts[j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    for (std::size_t i = 0, j = 0; i < n && j < m;) {
        if (old_parts[i] == new_parts[j] && at(i, j) == at(i + 1, j + 1) + 1) {
            kept[j++] = i++;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return kept;
}

// Where a piece of an edit's text becomes a statement or a string of the origins after the save.
struct Mark {
    enum class What { statement, string, part };
    What what = What::statement;
    std::size_t statement = 0;
    std::size_t string = 0;  // or part
    // Offsets in the edit's text (with the file's line ends): the statement's or string's range,
    // and where a string's text begins.
    std::size_t begin = 0;
    std::size_t text_begin = 0;
    std::size_t end = 0;
};

struct EditMarks {
    std::size_t file = 0;
    std::size_t edit = 0;
    std::vector<Mark> marks;
};

class Splicer {
public:
    Splicer(Workspace& workspace, std::u16string_view header_name)
        : workspace_(workspace), header_name_(header_name), origins_(workspace.project().script_origins()),
          files_(workspace), groups_(origins_.files.size()), next_(origins_),
          dropped_(origins_.statements.size(), false) {
        for (const OriginFile& file : origins_.files) files_.add(file.path, SpliceFiles::Expected{file.size, file.modified});
    }

    Result<ScriptSplice> run();

private:
    Status load(std::uint32_t index);
    const std::u16string& text(std::uint32_t file) const { return files_.text(file); }
    bool has_directive(std::uint32_t file, std::size_t begin, std::size_t end) const;
    std::pair<std::size_t, std::size_t> whole_conditionals(std::uint32_t file, std::size_t begin, std::size_t end) const;

    Status replace_statement(std::size_t index, const Resource* resource);
    // A changed dialog whose statement was read part by part: only its header and the control
    // statements that changed are written. Nothing when the statement cannot be edited so.
    std::optional<Status> replace_dialog_parts(std::size_t index, const Resource& resource, bool pascal);
    Status splice_strings(std::uint16_t language);
    Status insert_resource(const Resource& resource);
    // Inserts a new statement; its origin (with `strings`, whose ranges are relative to `body`)
    // is added to the origins after the save. Returns the new statement's index.
    Result<std::size_t> insert_statement(std::uint16_t language, ResourceKind kind, const std::u16string& body,
                                         std::vector<StringOrigin> strings);
    // The writer's text for the resource; the standard headers it names are noted.
    std::u16string resource_text(const Resource& resource, bool pascal);
    std::u16string language_line(std::uint16_t language) const;
    // Includes the standard headers the written statements need and the script lacks, after its
    // last #include before its first statement.
    Status include_needed_headers();
    // Replaces the range in place, or, where that would cut a macro call or a conditional region,
    // the whole region with its old text kept in a comment above the new text. `mark` (its
    // offsets relative to the replacement) places what the replacement holds.
    Status replace_range(const SourceRange& range, const std::u16string& replacement, bool remove_whole_lines,
                         std::u16string_view what, std::optional<Mark> mark);
    // Adds an edit; the marks' offsets are relative to `text` with line feeds.
    void add_edit(std::uint32_t file, std::size_t begin, std::size_t end, const std::u16string& text, std::vector<Mark> marks);
    ScriptOrigins origins_after_save();

    Workspace& workspace_;
    std::u16string header_name_;
    const ScriptOrigins& origins_;
    SpliceFiles files_;
    // Per file, its conditional groups: the offsets of their #if and of the line after their #endif.
    std::vector<std::vector<std::pair<std::size_t, std::size_t>>> groups_;
    std::vector<const Resource*> claimed_;
    std::vector<std::pair<std::size_t, std::uint32_t>> kept_statements_;  // statement, file
    // The origins after the save, filled in as the edits are made.
    ScriptOrigins next_;
    std::vector<bool> dropped_;
    std::vector<std::vector<bool>> dropped_strings_;
    std::vector<bool> moved_;  // statements whose range an edit's mark gives
    std::vector<EditMarks> marks_;
    std::vector<std::pair<const Resource*, std::int32_t>> resource_origins_;
    std::set<std::u16string> needed_headers_;
    // The edit adding include lines, and where its first '#' is in it.
    std::optional<std::pair<std::size_t, std::size_t>> include_edit_;
    ScriptSplice result_;
};

Status Splicer::load(std::uint32_t index) {
    const bool first = groups_.at(index).empty();
    if (Status loaded = files_.load(index); !loaded) return loaded;
    if (!first) return success();
    const std::u16string& content = files_.text(index);
    std::vector<std::size_t> open;
    for (const std::size_t hash : origins_.files[index].directives) {
        if (hash >= content.size()) continue;
        switch (branch_of(directive_word(content, hash))) {
            case Branch::open: open.push_back(hash); break;
            case Branch::close:
                if (!open.empty()) {
                    groups_[index].emplace_back(open.back(), next_line(content, hash));
                    open.pop_back();
                }
                break;
            default: break;
        }
    }
    return success();
}

bool Splicer::has_directive(std::uint32_t file, std::size_t begin, std::size_t end) const {
    const auto& directives = origins_.files[file].directives;
    const auto first = std::lower_bound(directives.begin(), directives.end(), begin);
    return first != directives.end() && *first < end;
}

// The range grown until no conditional group lies partly inside it.
std::pair<std::size_t, std::size_t> Splicer::whole_conditionals(std::uint32_t file, std::size_t begin, std::size_t end) const {
    bool grown = true;
    while (grown) {
        grown = false;
        for (const auto& [open, after] : groups_[file]) {
            const bool overlaps = open < end && after > begin;
            const bool inside = open >= begin && after <= end;
            if (overlaps && !inside) {
                begin = std::min(begin, open);
                end = std::max(end, after);
                grown = true;
            }
        }
    }
    return {begin, end};
}

std::u16string Splicer::language_line(std::uint16_t language) const {
    return workspace_.language_macros().statement_text(language);
}

std::u16string Splicer::resource_text(const Resource& resource, bool pascal) {
    TextWriter out(pascal);
    resource.write_script_text(out, workspace_);
    std::u16string text = out.take();
    add_needed_headers(text, origins_.defined_macros, workspace_.symbols(), needed_headers_);
    return text;
}

Status Splicer::include_needed_headers() {
    if (needed_headers_.empty()) return success();
    if (Status loaded = load(0); !loaded) return loaded;
    const std::u16string& content = text(0);
    std::size_t first = content.size();
    for (const StatementOrigin& statement : origins_.statements) {
        if (statement.range.file == 0) first = std::min(first, statement.range.begin);
    }
    const auto conditional = [&](std::size_t hash) {
        return std::any_of(groups_[0].begin(), groups_[0].end(),
                           [&](const auto& group) { return group.first < hash && hash < group.second; });
    };
    std::optional<std::size_t> last_include;
    std::optional<std::size_t> first_directive;
    for (const std::size_t hash : origins_.files[0].directives) {
        if (hash >= first || hash >= content.size()) break;
        if (!first_directive) first_directive = hash;
        if (directive_word(content, hash) == u"include" && !conditional(hash)) last_include = hash;
    }
    std::u16string lines;
    for (const std::u16string& header : needed_headers_) lines += u"#include " + header + u"\n";
    std::size_t at = 0;
    std::u16string inserted;
    if (last_include) {
        // At the end of that line, before its line end.
        at = next_line(content, *last_include);
        if (at > *last_include && content[at - 1] == u'\n') --at;
        if (at > *last_include && content[at - 1] == u'\r') --at;
        inserted = u"\n" + lines.substr(0, lines.size() - 1);
    } else {
        at = line_start(content, std::min(first, first_directive.value_or(first)));
        inserted = lines + u"\n";
    }
    std::u16string placed = files_.with_line_ends(0, inserted);
    const std::size_t hash = placed.find(u'#');
    include_edit_.emplace(files_.edit(0, TextEdit{at, at, std::move(placed)}), hash);
    const std::u16string script = origins_.files[0].path.filename().u16string();
    for (const std::u16string& header : needed_headers_) {
        result_.notes.push_back(fill_placeholders(workspace_.text(str::standard_header_added), script, u"#include " + header));
    }
    return success();
}

void Splicer::add_edit(std::uint32_t file, std::size_t begin, std::size_t end, const std::u16string& text,
                       std::vector<Mark> marks) {
    std::u16string placed = files_.with_line_ends(file, text);
    if (placed.size() != text.size()) {
        // The text's line ends became the file's (a carriage return dropped, one put before each
        // line feed): each offset moves by what changed before it.
        // A mark may reach past the edit into text it leaves as it is.
        const auto count = [&](std::size_t offset, char16_t c) {
            const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, text.size()));
            return static_cast<std::size_t>(std::count(text.begin(), end, c));
        };
        const bool crlf = placed.size() != text.size() - count(text.size(), u'\r');
        const auto moved = [&](std::size_t offset) {
            return offset - count(offset, u'\r') + (crlf ? count(offset, u'\n') : 0);
        };
        for (Mark& mark : marks) {
            mark.begin = moved(mark.begin);
            mark.text_begin = moved(mark.text_begin);
            mark.end = moved(mark.end);
        }
    }
    const std::size_t edit = files_.edit(file, TextEdit{begin, end, std::move(placed)});
    for (const Mark& mark : marks) {
        if (mark.what == Mark::What::statement) moved_.at(mark.statement) = true;
    }
    if (!marks.empty()) marks_.push_back(EditMarks{file, edit, std::move(marks)});
}

Status Splicer::replace_range(const SourceRange& range, const std::u16string& replacement, bool remove_whole_lines,
                              std::u16string_view what, std::optional<Mark> mark) {
    if (Status loaded = load(range.file); !loaded) return loaded;
    const std::u16string& content = text(range.file);
    if (range.end > content.size() || range.begin > range.end) {
        return file_error(origins_.files[range.file].path, workspace_.text(str::file_changed_since_read));
    }
    std::vector<Mark> marks;
    if (range.replaceable && !has_directive(range.file, range.begin, range.end)) {
        std::size_t begin = range.begin;
        std::size_t end = range.end;
        if (remove_whole_lines && replacement.empty() && blank_between(content, line_start(content, begin), begin) &&
            rest_of_line_free(content, end)) {
            begin = line_start(content, begin);
            end = next_line(content, end);
        }
        std::u16string text = indented(replacement, indentation_at(content, begin));
        if (mark) {
            mark->end = mark->end == replacement.size() ? text.size() : mark->end;
            marks.push_back(*mark);
        }
        add_edit(range.file, begin, end, text, std::move(marks));
        return success();
    }

    // The whole lines of the region, with every conditional group it cuts.
    auto [begin, end] = whole_conditionals(range.file, line_start(content, range.begin), next_line(content, range.end));
    for (const auto& [statement, other_file] : kept_statements_) {
        const SourceRange& other = origins_.statements[statement].range;
        if (other_file == range.file && other.begin < end && other.end > begin &&
            !(other.begin == range.begin && other.end == range.end)) {
            return file_error(origins_.files[range.file].path,
                              fill_placeholders(workspace_.text(str::splice_region_shared), what,
                                                decimal(line_number(content, begin))));
        }
    }
    std::u16string text;
    for (std::size_t p = begin; p < end;) {
        const std::size_t e = std::min(next_line(content, p), end);
        std::u16string line = content.substr(p, e - p);
        std::erase(line, u'\r');
        text += u"// ";
        text += line;
        if (text.back() != u'\n') text += u'\n';
        p = e;
    }
    if (!replacement.empty()) {
        if (mark) {
            mark->begin += text.size();
            mark->text_begin += text.size();
            mark->end += text.size();
            marks.push_back(*mark);
        }
        text += replacement;
        text += u'\n';
    }
    add_edit(range.file, begin, end, text, std::move(marks));
    const std::u16string place =
        display_path(origins_.files[range.file].path) + u"(" + decimal(line_number(content, begin)) + u")";
    result_.rewritten_regions.push_back(fill_placeholders(workspace_.text(str::splice_region_rewritten), what, place));
    return success();
}

Status Splicer::replace_statement(std::size_t index, const Resource* resource) {
    const StatementOrigin& origin = origins_.statements[index];
    if (origins_.files[origin.range.file].system) {
        return file_error(origins_.files[origin.range.file].path, workspace_.text(str::file_is_system));
    }
    if (Status loaded = load(origin.range.file); !loaded) return loaded;
    if (resource == nullptr) {
        dropped_[index] = true;
        const std::u16string what = origin.kind == kind::string_table ? u"STRINGTABLE" : std::u16string(u"?");
        return replace_range(origin.range, {}, true, what, std::nullopt);
    }
    const std::u16string& content = text(origin.range.file);
    const bool pascal = uses_pascal_blocks(content, origin.range.begin, std::min(origin.range.end, content.size()),
                                           workspace_.config().pascal);
    if (auto done = replace_dialog_parts(index, *resource, pascal)) return *done;
    std::u16string replacement = resource_text(*resource, pascal);
    if (resource->language() != origin.language) {
        // The statement keeps its place; the language of the lines after it stays as it was.
        replacement = language_line(resource->language()) + u"\n" + replacement + u"\n" + language_line(origin.language);
    }
    next_.statements[index].resource_language = resource->language();
    next_.statements[index].range.replaceable = true;
    return replace_range(origin.range, replacement, false, resource->name_text(),
                         Mark{Mark::What::statement, index, 0, 0, 0, replacement.size()});
}

std::optional<Status> Splicer::replace_dialog_parts(std::size_t index, const Resource& resource, bool pascal) {
    const StatementOrigin& origin = origins_.statements[index];
    const auto* dialog = dynamic_cast<const Dialog*>(&resource);
    const SourceRange& range = origin.range;
    if (dialog == nullptr || origin.parts.empty() || resource.language() != origin.language || !range.replaceable ||
        has_directive(range.file, range.begin, range.end)) {
        return std::nullopt;
    }
    for (const PartOrigin& part : origin.parts) {
        if (!part.range.replaceable || part.range.file != range.file || part.range.begin < range.begin ||
            part.range.end > range.end) {
            return std::nullopt;
        }
    }
    const std::u16string& content = text(range.file);
    // The header is replaced by whole lines, up to the line of BEGIN.
    const std::size_t body = origin.parts[0].range.end;
    const std::size_t body_line = line_start(content, body);
    if (body_line <= range.begin || !blank_between(content, body_line, body)) return std::nullopt;

    const auto& controls = dialog->controls();
    const auto& old_parts = origin.parts;
    const std::size_t old_count = old_parts.size() - 1;
    std::vector<std::uint64_t> old_fingerprints;
    for (std::size_t i = 1; i < old_parts.size(); ++i) old_fingerprints.push_back(old_parts[i].fingerprint);
    std::vector<std::uint64_t> fingerprints;
    for (const auto& control : controls) fingerprints.push_back(control_fingerprint(*control));
    const std::vector<std::optional<std::size_t>> kept_from = align_parts(old_fingerprints, fingerprints);

    // The parts after the save: those kept move with the edits, the marks place the others.
    StatementOrigin& next = next_.statements[index];
    std::vector<PartOrigin> parts{old_parts[0]};
    parts[0].fingerprint = dialog_header_fingerprint(*dialog);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        parts.push_back(PartOrigin{kept_from[i] ? old_parts[*kept_from[i] + 1].range : SourceRange{}, fingerprints[i]});
    }
    next.parts = std::move(parts);
    next.resource_language = resource.language();

    if (next.parts[0].fingerprint != old_parts[0].fingerprint) {
        TextWriter out(pascal);
        write_dialog_header(out, *dialog);
        std::u16string header = indented(out.take(), indentation_at(content, range.begin));
        add_needed_headers(header, origins_.defined_macros, workspace_.symbols(), needed_headers_);
        header += u'\n';
        // The header's range ends where BEGIN stands, past the blanks before it.
        Mark mark{Mark::What::part, index, 0, 0, 0, header.size() + (body - body_line)};
        add_edit(range.file, range.begin, body_line, header, {mark});
    }

    // Each run of changes between kept controls: old parts [first_old, end_old) (numbered from 1)
    // become new controls [first_new, end_new).
    const auto replace_run = [&](std::size_t first_old, std::size_t end_old, std::size_t first_new,
                                 std::size_t end_new) -> bool {
        const std::u16string indent = old_count == 0 ? indentation_at(content, body) + u"    "
                                                     : indentation_at(content, old_parts[std::min(first_old, old_count)].range.begin);
        std::u16string text;
        std::vector<Mark> marks;
        // `lead`: a line break before the first; `trail`: one after the last.
        const auto write_controls = [&](bool lead, bool trail) {
            for (std::size_t i = first_new; i < end_new; ++i) {
                if (lead || i > first_new) text += u"\n" + indent;
                TextWriter out(pascal);
                write_control_statement(out, *dialog, *controls[i]);
                const std::u16string statement = indented(out.take(), indent);
                add_needed_headers(statement, origins_.defined_macros, workspace_.symbols(), needed_headers_);
                marks.push_back(Mark{Mark::What::part, index, i + 1, text.size(), text.size(), text.size() + statement.size()});
                text += statement;
            }
            if (trail) text += u"\n" + indent;
        };
        std::size_t begin = 0;
        std::size_t end = 0;
        if (first_old < end_old) {
            begin = old_parts[first_old].range.begin;
            end = old_parts[end_old - 1].range.end;
            if (first_new == end_new) {
                if (!blank_between(content, line_start(content, begin), begin) || !rest_of_line_free(content, end)) return false;
                begin = line_start(content, begin);
                end = next_line(content, end);
            } else {
                write_controls(false, false);
            }
        } else if (first_old > 1) {
            // After the statement before them.
            begin = end = old_parts[first_old - 1].range.end;
            write_controls(true, false);
        } else if (old_count > 0) {
            begin = end = old_parts[first_old].range.begin;
            write_controls(false, true);
        } else {
            // Into an empty body, after its BEGIN or brace.
            begin = end = body + (content[body] == u'{' ? 1 : 5);
            write_controls(true, false);
        }
        add_edit(range.file, begin, end, text, std::move(marks));
        return true;
    };
    std::size_t old_part = 1;
    std::size_t control = 0;
    while (old_part <= old_count || control < controls.size()) {
        if (control < controls.size() && kept_from[control] == old_part - 1) {
            ++old_part;
            ++control;
            continue;
        }
        const std::size_t first_new = control;
        while (control < controls.size() && !kept_from[control]) ++control;
        const std::size_t first_old = old_part;
        old_part = control < controls.size() ? *kept_from[control] + 1 : old_count + 1;
        if (!replace_run(first_old, old_part, first_new, control)) return std::nullopt;
    }
    return success();
}

Status Splicer::splice_strings(std::uint16_t language) {
    Project& project = workspace_.project();
    const auto* table = static_cast<const StringTable*>(project.string_table(language));
    std::vector<std::size_t> blocks;
    for (std::size_t i = 0; i < origins_.statements.size(); ++i) {
        const StatementOrigin& origin = origins_.statements[i];
        if (origin.kind == kind::string_table && origin.resource_language == language) blocks.push_back(i);
    }
    if (table != nullptr && !table->identity().modified) return success();
    if (table == nullptr) {
        for (const std::size_t block : blocks) {
            if (Status done = replace_statement(block, nullptr); !done) return done;
        }
        return success();
    }

    std::map<std::u16string_view, const StringEntry*> current;
    std::map<std::int32_t, const StringEntry*> by_value;
    for (std::size_t row = 0; row < table->size(); ++row) {
        current.emplace(table->entry(row).identifier, &table->entry(row));
        by_value.emplace(table->value_at(row), &table->entry(row));
    }
    std::set<std::u16string_view> seen;
    std::optional<std::pair<std::size_t, std::size_t>> anchor;  // statement, string
    std::set<std::u16string_view> read_identifiers;
    for (const std::size_t block : blocks) {
        for (const StringOrigin& string : origins_.statements[block].strings) read_identifiers.insert(string.identifier);
    }
    for (const std::size_t block : blocks) {
        const auto& strings = origins_.statements[block].strings;
        for (std::size_t j = 0; j < strings.size(); ++j) {
            const StringOrigin& string = strings[j];
            auto it = current.find(string.identifier);
            if (it == current.end()) {
                // Renamed: the string of the same number under its new identifier takes the line.
                const auto renamed = by_value.find(string.value);
                if (renamed != by_value.end() && !seen.contains(renamed->second->identifier) &&
                    !read_identifiers.contains(renamed->second->identifier)) {
                    const StringEntry& entry = *renamed->second;
                    seen.insert(entry.identifier);
                    if (!anchor || string.range.file == 0 || strings[0].range.file != 0) anchor = std::pair{block, j};
                    const std::size_t width = string.text_range.begin > string.range.begin ? string.text_range.begin - string.range.begin : 0;
                    TextWriter out;
                    out.write_padded(entry.identifier, width > entry.identifier.size() ? width : entry.identifier.size() + 1);
                    const std::size_t text_begin = out.text().size();
                    out.write_quoted(entry.text);
                    next_.statements[block].strings[j].identifier = entry.identifier;
                    next_.statements[block].strings[j].text_fingerprint = text_fingerprint(entry.text);
                    const std::u16string replacement = out.text();
                    if (Status done = replace_range(string.range, replacement, false, entry.identifier,
                                                    Mark{Mark::What::string, block, j, 0, text_begin, replacement.size()});
                        !done) {
                        return done;
                    }
                    continue;
                }
            }
            if (it == current.end() || seen.contains(string.identifier)) {
                dropped_strings_[block][j] = true;
                if (Status done = replace_range(string.range, {}, true, string.identifier, std::nullopt); !done) return done;
                continue;
            }
            seen.insert(string.identifier);
            if (!anchor || string.range.file == 0 || strings[0].range.file != 0) anchor = std::pair{block, j};
            if (text_fingerprint(it->second->text) == string.text_fingerprint) continue;
            TextWriter quoted;
            quoted.write_quoted(it->second->text);
            next_.statements[block].strings[j].text_fingerprint = text_fingerprint(it->second->text);
            const std::u16string replacement = quoted.text();
            if (Status done = replace_range(string.text_range, replacement, false, string.identifier,
                                            Mark{Mark::What::string, block, j, 0, 0, replacement.size()});
                !done) {
                return done;
            }
        }
    }

    std::vector<const StringEntry*> added;
    for (const StringEntry& entry : table->entries()) {
        if (!seen.contains(entry.identifier)) added.push_back(&entry);
    }
    if (added.empty()) return success();
    if (!anchor) {
        TextWriter out(workspace_.config().pascal);
        out.write(u"STRINGTABLE");
        out.line_break();
        out.open_block();
        std::vector<StringOrigin> strings;
        for (const StringEntry* entry : added) {
            out.line_break();
            StringOrigin string{entry->identifier, text_fingerprint(entry->text), table->value_of(*entry), {}, {}};
            const std::size_t line_begin = out.text().size();
            out.write_padded(entry->identifier, string_identifier_width);
            string.range.begin = string.text_range.begin = out.text().size();
            string.range.begin = line_begin;
            out.write_quoted(entry->text);
            string.range.end = string.text_range.end = out.text().size();
            strings.push_back(std::move(string));
        }
        out.close_block();
        // The writer breaks lines with CR LF; the offsets count them as one character each.
        std::u16string body = out.take();
        for (StringOrigin& string : strings) {
            const auto before = [&](std::size_t offset) {
                return offset - static_cast<std::size_t>(std::count(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(offset), u'\r'));
            };
            string.range.begin = before(string.range.begin);
            string.text_range.begin = before(string.text_range.begin);
            string.range.end = string.text_range.end = before(string.range.end);
        }
        std::erase(body, u'\r');
        auto inserted = insert_statement(language, kind::string_table, body, std::move(strings));
        if (!inserted) return Error{inserted.error()};
        return success();
    }

    const auto [block, j] = *anchor;
    const StringOrigin& last = origins_.statements[block].strings[j];
    const std::uint32_t file = last.range.file;
    if (Status loaded = load(file); !loaded) return loaded;
    const std::u16string& content = text(file);
    const std::u16string indent = indentation_at(content, last.range.begin);
    const std::size_t width = last.text_range.begin > last.range.begin ? last.text_range.begin - last.range.begin : 0;
    const std::size_t at = next_line(content, last.range.end);
    std::u16string lines;
    if (at == content.size() && (content.empty() || content.back() != u'\n')) lines += u'\n';
    std::vector<Mark> marks;
    for (const StringEntry* entry : added) {
        TextWriter out;
        out.write(indent);
        Mark mark{Mark::What::string, block, next_.statements[block].strings.size(), lines.size() + indent.size(), 0, 0};
        out.write_padded(entry->identifier, width > entry->identifier.size() ? width : entry->identifier.size() + 1);
        mark.text_begin = lines.size() + out.text().size();
        out.write_quoted(entry->text);
        mark.end = lines.size() + out.text().size();
        lines += out.text();
        lines += u'\n';
        next_.statements[block].strings.push_back(
            StringOrigin{entry->identifier, text_fingerprint(entry->text), table->value_of(*entry), {file, 0, 0, true}, {file, 0, 0, true}});
        dropped_strings_[block].push_back(false);
        marks.push_back(mark);
    }
    add_edit(file, at, at, lines, std::move(marks));
    return success();
}

Status Splicer::insert_resource(const Resource& resource) {
    if (Status loaded = load(0); !loaded) return loaded;
    const std::u16string& content = text(0);
    const bool pascal = uses_pascal_blocks(content, 0, content.size(), workspace_.config().pascal);
    auto inserted = insert_statement(resource.language(), resource.kind(), resource_text(resource, pascal), {});
    if (!inserted) return Error{inserted.error()};
    resource_origins_.emplace_back(&resource, static_cast<std::int32_t>(*inserted));
    return success();
}

// After the last statement of the opened script of the same kind and language, else of the same
// language; else before the block for the resource editors at the script's end, or at its end,
// in a LANGUAGE statement of its own.
Result<std::size_t> Splicer::insert_statement(std::uint16_t language, ResourceKind kind, const std::u16string& body,
                                              std::vector<StringOrigin> strings) {
    if (Status loaded = load(0); !loaded) return Error{loaded.error()};
    const std::u16string& content = text(0);
    std::optional<std::size_t> same_kind;
    std::optional<std::size_t> same_language;
    std::size_t last_end = 0;
    for (const auto& [index, file] : kept_statements_) {
        const StatementOrigin& origin = origins_.statements[index];
        if (file != 0 || !origin.range.replaceable) continue;
        last_end = std::max(last_end, origin.range.end);
        if (origin.language != language || origin.resource_language != language) continue;
        if (!same_language || origin.range.end > origins_.statements[*same_language].range.end) same_language = index;
        if (origin.kind == kind && (!same_kind || origin.range.end > origins_.statements[*same_kind].range.end)) {
            same_kind = index;
        }
    }

    std::size_t at = content.size();
    std::u16string text;
    const std::uint16_t in_force = origins_.end_language;
    const bool own_language = !same_kind && !same_language && language != in_force;
    if (const auto anchor = same_kind ? same_kind : same_language) {
        at = next_line(content, origins_.statements[*anchor].range.end);
        text = at == content.size() && !content.empty() && content.back() != u'\n' ? u"\n\n" : u"\n";
    } else {
        for (const std::size_t hash : origins_.files[0].directives) {
            if (hash < last_end || hash >= content.size()) continue;
            const std::size_t line_end = next_line(content, hash);
            if (content.substr(hash, line_end - hash).find(u"APSTUDIO_INVOKED") != std::u16string::npos) {
                at = line_start(content, hash);
                break;
            }
        }
        if (at == content.size() && !content.empty() && content.back() != u'\n') text += u'\n';
        if (own_language) {
            text += language_line(language) + u"\n\n";
            add_needed_headers(text, origins_.defined_macros, workspace_.symbols(), needed_headers_);
        }
    }
    const std::size_t body_begin = text.size();
    text += body;
    const std::size_t body_end = text.size();
    text += u'\n';
    if (own_language) text += u"\n" + language_line(in_force) + u"\n";
    if (!same_kind && !same_language) text += u'\n';

    const std::size_t index = next_.statements.size();
    StatementOrigin origin;
    origin.range = SourceRange{0, 0, 0, true};
    origin.kind = kind;
    origin.language = own_language ? language : (same_kind || same_language ? language : in_force);
    origin.resource_language = language;
    std::vector<Mark> marks{Mark{Mark::What::statement, index, 0, body_begin, 0, body_end}};
    for (std::size_t j = 0; j < strings.size(); ++j) {
        marks.push_back(Mark{Mark::What::string, index, j, body_begin + strings[j].range.begin,
                             body_begin + strings[j].text_range.begin, body_begin + strings[j].range.end});
        strings[j].range.file = strings[j].text_range.file = 0;
    }
    origin.strings = std::move(strings);
    next_.statements.push_back(std::move(origin));
    dropped_.push_back(false);
    dropped_strings_.emplace_back(next_.statements.back().strings.size(), false);
    moved_.push_back(false);
    add_edit(0, at, at, text, std::move(marks));
    return index;
}

// The origins as they are once the save is done: ranges moved by the edits before them, those
// the edits wrote placed by their marks, deleted statements and strings gone.
ScriptOrigins Splicer::origins_after_save() {
    std::set<std::pair<std::size_t, std::size_t>> part_placed;
    for (const EditMarks& edit : marks_) {
        const std::size_t base = files_.new_begin(edit.file, edit.edit);
        for (const Mark& mark : edit.marks) {
            StatementOrigin& statement = next_.statements.at(mark.statement);
            if (mark.what == Mark::What::statement) {
                statement.range = SourceRange{static_cast<std::uint32_t>(edit.file), base + mark.begin, base + mark.end, true};
            } else if (mark.what == Mark::What::part) {
                statement.parts.at(mark.string).range =
                    SourceRange{static_cast<std::uint32_t>(edit.file), base + mark.begin, base + mark.end, true};
                part_placed.emplace(mark.statement, mark.string);
            } else {
                StringOrigin& string = statement.strings.at(mark.string);
                const std::size_t begin = mark.begin == mark.text_begin && mark.begin == 0 && string.range.end > 0
                                              ? files_.new_offset(edit.file, string.range.begin, true)
                                              : base + mark.begin;
                string.range = SourceRange{static_cast<std::uint32_t>(edit.file), begin, base + mark.end, true};
                string.text_range = SourceRange{static_cast<std::uint32_t>(edit.file),
                                                mark.text_begin == 0 && mark.begin == 0 ? base : base + mark.text_begin,
                                                base + mark.end, true};
            }
        }
    }
    const auto move = [&](SourceRange& range) {
        range.begin = files_.new_offset(range.file, range.begin, true);
        range.end = files_.new_offset(range.file, range.end, false);
    };
    // Ranges no mark placed move with the edits before them.
    std::vector<std::vector<bool>> string_placed(next_.statements.size());
    for (const EditMarks& edit : marks_) {
        for (const Mark& mark : edit.marks) {
            if (mark.what != Mark::What::string) continue;
            auto& placed = string_placed.at(mark.statement);
            if (placed.size() <= mark.string) placed.resize(mark.string + 1, false);
            placed[mark.string] = true;
        }
    }
    ScriptOrigins after;
    after.files = origins_.files;
    after.headers = origins_.headers;
    after.end_language = origins_.end_language;
    after.defined_macros = origins_.defined_macros;
    after.defined_macros.insert(after.defined_macros.end(), needed_headers_.begin(), needed_headers_.end());
    std::sort(after.defined_macros.begin(), after.defined_macros.end());
    std::vector<std::int32_t> renumbered(next_.statements.size(), -1);
    for (std::size_t i = 0; i < next_.statements.size(); ++i) {
        if (dropped_[i]) continue;
        StatementOrigin statement = std::move(next_.statements[i]);
        if (!moved_[i]) move(statement.range);
        std::vector<StringOrigin> strings;
        for (std::size_t j = 0; j < statement.strings.size(); ++j) {
            if (j < dropped_strings_[i].size() && dropped_strings_[i][j]) continue;
            StringOrigin string = std::move(statement.strings[j]);
            const bool placed = j < string_placed[i].size() && string_placed[i][j];
            if (!placed) {
                move(string.range);
                move(string.text_range);
            }
            strings.push_back(std::move(string));
        }
        statement.strings = std::move(strings);
        for (std::size_t j = 0; j < statement.parts.size(); ++j) {
            if (!part_placed.contains({i, j})) move(statement.parts[j].range);
        }
        renumbered[i] = static_cast<std::int32_t>(after.statements.size());
        after.statements.push_back(std::move(statement));
    }
    for (OriginFile& file : after.files) {
        const auto index = static_cast<std::size_t>(&file - after.files.data());
        std::vector<std::size_t> directives;
        for (const std::size_t hash : file.directives) {
            if (!files_.replaced(index, hash)) directives.push_back(files_.new_offset(index, hash, true));
        }
        if (index == 0 && include_edit_) {
            directives.push_back(files_.new_begin(0, include_edit_->first) + include_edit_->second);
            std::sort(directives.begin(), directives.end());
        }
        file.directives = std::move(directives);
    }
    for (std::size_t i = 0; i < claimed_.size(); ++i) {
        if (claimed_[i] != nullptr) resource_origins_.emplace_back(claimed_[i], static_cast<std::int32_t>(i));
    }
    for (auto& [resource, index] : resource_origins_) index = renumbered.at(static_cast<std::size_t>(index));
    result_.resource_origins = std::move(resource_origins_);
    return after;
}

Result<ScriptSplice> Splicer::run() {
    Project& project = workspace_.project();
    claimed_.assign(origins_.statements.size(), nullptr);
    moved_.assign(origins_.statements.size(), false);
    for (const StatementOrigin& statement : origins_.statements) dropped_strings_.emplace_back(statement.strings.size(), false);
    std::vector<const Resource*> added;
    std::set<std::uint16_t> string_languages;
    for (const auto& resource : project.resources()) {
        if (resource->kind() == kind::string_table) {
            string_languages.insert(resource->language());
            continue;
        }
        const std::int32_t origin = resource->identity().origin;
        if (origin >= 0 && static_cast<std::size_t>(origin) < claimed_.size() &&
            origins_.statements[static_cast<std::size_t>(origin)].kind == resource->kind() &&
            claimed_[static_cast<std::size_t>(origin)] == nullptr) {
            claimed_[static_cast<std::size_t>(origin)] = resource.get();
        } else {
            added.push_back(resource.get());
        }
    }
    for (std::size_t i = 0; i < origins_.statements.size(); ++i) {
        const StatementOrigin& origin = origins_.statements[i];
        if (origin.kind == kind::string_table) {
            string_languages.insert(origin.resource_language);
            kept_statements_.emplace_back(i, origin.range.file);
        } else if (claimed_[i] != nullptr) {
            kept_statements_.emplace_back(i, origin.range.file);
        }
    }

    for (std::size_t i = 0; i < origins_.statements.size(); ++i) {
        const StatementOrigin& origin = origins_.statements[i];
        if (origin.kind == kind::string_table) continue;
        const Resource* resource = claimed_[i];
        if (resource != nullptr && !resource->identity().modified && resource->language() == origin.resource_language) continue;
        if (Status done = replace_statement(i, resource); !done) return Error{done.error()};
    }
    for (const std::uint16_t language : string_languages) {
        if (Status done = splice_strings(language); !done) return Error{done.error()};
    }
    for (const Resource* resource : added) {
        if (Status done = insert_resource(*resource); !done) return Error{done.error()};
    }
    if (Status done = include_needed_headers(); !done) return Error{done.error()};
    if (Status done = splice_symbol_definitions(workspace_, files_, header_name_); !done) return Error{done.error()};

    auto files = files_.finish();
    if (!files) return Error{files.error()};
    result_.files = std::move(*files);
    result_.origins = origins_after_save();
    return std::move(result_);
}

}  // namespace

bool can_splice_script(const Workspace& workspace) { return !workspace.project().script_origins().empty(); }

Result<ScriptSplice> splice_script(Workspace& workspace, std::u16string_view header_name) {
    Splicer splicer(workspace, header_name);
    return splicer.run();
}

}  // namespace tavorin
