#include "checks/run_checks.h"

#include <algorithm>

#include "checks/source_texts.h"
#include "model/project.h"

namespace tavorin {

namespace {

// The statement a finding's resource came from, or for a string its own entry: the range to
// report and to look for the anchor in.
std::optional<SourceRange> range_of(const ScriptOrigins& origins, const Finding& finding) {
    const std::int32_t origin = finding.resource->identity().origin;
    if (finding.kind == kind::string_table && !finding.anchor.empty()) {
        for (const StatementOrigin& statement : origins.statements) {
            if (statement.kind != kind::string_table || statement.resource_language != finding.language) continue;
            for (const StringOrigin& string : statement.strings) {
                if (string.identifier == finding.anchor) return string.range;
            }
        }
    }
    if (origin < 0 || static_cast<std::size_t>(origin) >= origins.statements.size()) return std::nullopt;
    return origins.statements[origin].range;
}

void locate(Finding& finding, const ScriptOrigins& origins, SourceTexts* sources, const std::filesystem::path& input) {
    if (!finding.location.file.empty()) return;
    finding.location.file = input;
    if (finding.resource == nullptr) return;
    if (sources != nullptr) {
        if (const auto range = range_of(origins, finding); range && range->file < origins.files.size()) {
            finding.location.file = origins.files[range->file].path;
            std::size_t offset = range->begin;
            const std::u16string* text = sources->text(range->file);
            if (text != nullptr && !finding.anchor.empty() && range->end <= text->size()) {
                const std::u16string_view statement =
                    std::u16string_view(*text).substr(range->begin, range->end - range->begin);
                std::size_t found = statement.find(finding.anchor);
                for (std::size_t skip = 0; skip < finding.anchor_occurrence && found != std::u16string_view::npos; ++skip) {
                    found = statement.find(finding.anchor, found + finding.anchor.size());
                }
                if (found != std::u16string_view::npos) offset += found;
            }
            finding.location.line = sources->line_of(range->file, offset);
            return;
        }
    }
    if (const CompiledOrigin* origin = finding.resource->origin()) finding.location.record = origin->position;
}

}  // namespace

Findings run_checks(const CheckRun& run, const CheckOptions& options) {
    Findings findings;
    const ScriptOrigins& origins = run.project.script_origins();
    std::optional<SourceTexts> sources;
    if (!origins.empty()) sources.emplace(origins, run.ansi);
    SourceTexts* texts = sources ? &*sources : nullptr;
    CheckContext context(run.project, run.symbols, run.measurer, options, findings, texts);
    check_dialogs(context);
    check_text_fit(context);
    check_menus_and_accelerators(context);
    check_languages(context);
    check_versions(context);
    check_headers(context);
    for (Finding& finding : findings) locate(finding, origins, texts, run.input);
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (a.location.file != b.location.file) return a.location.file < b.location.file;
        return a.location.line < b.location.line;
    });
    return findings;
}

std::u16string_view kind_keyword(ResourceKind kind) {
    switch (kind) {
        case kind::bitmap: return u"BITMAP";
        case kind::icon: return u"ICON";
        case kind::menu: return u"MENU";
        case kind::dialog: return u"DIALOG";
        case kind::string_table: return u"STRINGTABLE";
        case kind::accelerator: return u"ACCELERATORS";
        case kind::version: return u"VERSIONINFO";
        case kind::toolbar: return u"TOOLBAR";
        case kind::manifest: return u"MANIFEST";
        case kind::cursor: return u"CURSOR";
        case kind::html: return u"HTML";
        default: return u"RESOURCE";
    }
}

}  // namespace tavorin
