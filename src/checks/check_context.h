#pragma once
// What every check works with: the project, the symbol table, the measurer, the options, and the
// list its findings go to.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "checks/finding.h"
#include "checks/text_measure.h"

namespace tavorin {

class Project;
class Resource;
class SourceTexts;
class SymbolTable;

struct CheckOptions {
    // Check ids (upper case) that do not run.
    std::set<std::string, std::less<>> disabled;
    // The scales the text-fit check measures at, in percent of 96 DPI.
    std::vector<int> scales{100, 125, 150, 200};
    // The language translations are compared with; by default the language most resources have.
    std::optional<std::uint16_t> base_language;
};

class CheckContext {
public:
    CheckContext(const Project& project, const SymbolTable& symbols, FontMeasurer* measurer,
                 const CheckOptions& options, Findings& findings, SourceTexts* sources = nullptr)
        : project_(project), symbols_(symbols), measurer_(measurer), options_(options), findings_(findings),
          sources_(sources) {}

    const Project& project() const { return project_; }
    const SymbolTable& symbols() const { return symbols_; }
    FontMeasurer* measurer() const { return measurer_; }
    // The texts of the script the project was read from; null for compiled input.
    SourceTexts* sources() const { return sources_; }
    const CheckOptions& options() const { return options_; }
    bool enabled(std::string_view check) const { return !options_.disabled.contains(check); }

    // Adds a finding of the check about the resource (with the check's own severity).
    void report(std::string_view check, const Resource& resource, std::u16string item, std::u16string message,
                std::u16string anchor = {}, std::size_t anchor_occurrence = 0);
    // Adds a finding that is about no resource, at a given place.
    void report_at(std::string_view check, SourceLocation location, std::u16string item, std::u16string message);

private:
    const Project& project_;
    const SymbolTable& symbols_;
    FontMeasurer* measurer_;
    const CheckOptions& options_;
    Findings& findings_;
    SourceTexts* sources_;
};

// The checks of each group; each runs only its enabled checks.
void check_dialogs(CheckContext& context);
void check_text_fit(CheckContext& context);
void check_menus_and_accelerators(CheckContext& context);
void check_languages(CheckContext& context);
void check_versions(CheckContext& context);
void check_headers(CheckContext& context);

}  // namespace tavorin
