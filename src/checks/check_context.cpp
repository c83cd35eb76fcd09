#include "checks/check_context.h"

#include "checks/check_catalog.h"
#include "model/resource.h"

namespace tavorin {

void CheckContext::report(std::string_view check, const Resource& resource, std::u16string item,
                          std::u16string message, std::u16string anchor, std::size_t anchor_occurrence) {
    if (!enabled(check)) return;
    const CheckInfo* info = find_check(check);
    Finding finding;
    finding.check = info != nullptr ? info->id : check;
    finding.severity = info != nullptr ? info->severity : Severity::warning;
    finding.resource = &resource;
    finding.about_resource = true;
    finding.kind = resource.kind();
    finding.resource_name = resource.is_named() ? resource.tree_name() : std::u16string();
    finding.language = resource.language();
    finding.item = std::move(item);
    finding.message = std::move(message);
    finding.anchor = std::move(anchor);
    finding.anchor_occurrence = anchor_occurrence;
    findings_.push_back(std::move(finding));
}

void CheckContext::report_at(std::string_view check, SourceLocation location, std::u16string item,
                             std::u16string message) {
    if (!enabled(check)) return;
    const CheckInfo* info = find_check(check);
    Finding finding;
    finding.check = info != nullptr ? info->id : check;
    finding.severity = info != nullptr ? info->severity : Severity::warning;
    finding.item = std::move(item);
    finding.message = std::move(message);
    finding.location = std::move(location);
    findings_.push_back(std::move(finding));
}

}  // namespace tavorin
