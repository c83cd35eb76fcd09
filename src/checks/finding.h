#pragma once
// What a check reports: which check, how severe, about which resource and which of its items,
// what is wrong, and where the resource or item was written.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/resource_kind.h"

namespace tavorin {

class Resource;

enum class Severity { note, warning, error };

std::string_view severity_name(Severity severity);

// Where a finding points: a file and line for resources read from a script, a file and the
// resource's record for compiled input, or just the file.
struct SourceLocation {
    std::filesystem::path file;
    std::size_t line = 0;                // 1-based; 0 when unknown
    std::optional<std::size_t> record;  // compiled input: the resource's record, counted from 1
};

struct Finding {
    std::string_view check;  // "TV2001"
    Severity severity = Severity::warning;
    // The resource the finding is about; none for findings about the project's headers. It
    // lives as long as the project holds it; the fields below keep what the output needs.
    const Resource* resource = nullptr;
    bool about_resource = false;
    ResourceKind kind = kind::user_defined;
    std::u16string resource_name;
    std::uint16_t language = 0;
    // The control, menu item, accelerator or string the finding is about ("IDC_NAME", "&File"),
    // empty when it is about the resource as a whole.
    std::u16string item;
    std::u16string message;
    // A piece of the resource's statement that shows where the item was written (its identifier
    // or its quoted text); the line of its first occurrence becomes the finding's line.
    std::u16string anchor;
    // Which occurrence of the anchor stands for the item (0: the first), when earlier items of
    // the statement have the same one.
    std::size_t anchor_occurrence = 0;
    SourceLocation location;
};

using Findings = std::vector<Finding>;

}  // namespace tavorin
