#include "checks/finding_output.h"

#include <cstdio>

#include "base/text.h"
#include "checks/check_catalog.h"
#include "checks/run_checks.h"
#include "model/resource.h"

namespace tavorin {

namespace {

std::string utf8(std::u16string_view text) { return text_to_utf8(text); }

std::string hex(std::size_t value, int digits) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*zX", digits, value);
    return buffer;
}

// "DIALOG IDD_ABOUT [0x0409]", or nothing for a finding about no resource.
std::string resource_text(const Finding& finding) {
    if (!finding.about_resource) return {};
    std::string text = utf8(kind_keyword(finding.kind));
    if (!finding.resource_name.empty()) text += " " + utf8(finding.resource_name);
    return text + " [0x" + hex(finding.language, 4) + "]";
}

std::string sarif_level(Severity severity) {
    switch (severity) {
        case Severity::error: return "error";
        case Severity::note: return "note";
        default: return "warning";
    }
}

// A relative URI reference: '/' separators, characters outside the unreserved set encoded.
std::string uri_of(const std::string& path) {
    std::string uri = !path.empty() && path.front() == '/' ? "file://" : "";
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
        if (c == '\\') {
            uri += '/';
        } else if (plain) {
            uri += static_cast<char>(c);
        } else {
            uri += '%' + hex(c, 2);
        }
    }
    return uri;
}

}  // namespace

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    out += "\\u00" + hex(c, 2);
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

void write_finding_line(std::ostream& out, const Finding& finding, const PathShower& show) {
    out << show(finding.location.file);
    if (finding.location.line > 0) out << '(' << finding.location.line << ')';
    out << ": " << severity_name(finding.severity) << ' ' << finding.check << ": ";
    if (finding.location.line == 0 && finding.about_resource) {
        out << resource_text(finding);
        if (finding.location.record) out << " (record " << *finding.location.record << ")";
        out << ": ";
    }
    out << utf8(finding.message) << '\n';
}

void write_finding_json(std::ostream& out, const Finding& finding, const PathShower& show) {
    out << "{\"check\":" << json_string(finding.check) << ",\"severity\":" << json_string(severity_name(finding.severity))
        << ",\"file\":" << json_string(show(finding.location.file));
    if (finding.location.line > 0) out << ",\"line\":" << finding.location.line;
    if (finding.location.record) out << ",\"record\":" << *finding.location.record;
    if (finding.about_resource) {
        out << ",\"resource\":{\"type\":" << json_string(utf8(kind_keyword(finding.kind)))
            << ",\"name\":" << json_string(utf8(finding.resource_name)) << ",\"language\":" << finding.language << '}';
    }
    if (!finding.item.empty()) out << ",\"item\":" << json_string(utf8(finding.item));
    out << ",\"message\":" << json_string(utf8(finding.message)) << "}\n";
}

void write_sarif(std::ostream& out, const Findings& findings, const PathShower& show, std::string_view tool_version) {
    out << "{\n  \"$schema\": \"https://json.schemastore.org/sarif-2.1.0.json\",\n  \"version\": \"2.1.0\",\n"
        << "  \"runs\": [\n    {\n      \"tool\": {\n        \"driver\": {\n          \"name\": \"Tavorin\",\n"
        << "          \"version\": " << json_string(tool_version) << ",\n          \"rules\": [";
    const auto checks = all_checks();
    for (std::size_t i = 0; i < checks.size(); ++i) {
        out << (i == 0 ? "\n" : ",\n") << "            {\"id\": " << json_string(checks[i].id)
            << ", \"shortDescription\": {\"text\": " << json_string(checks[i].description)
            << "}, \"defaultConfiguration\": {\"level\": " << json_string(sarif_level(checks[i].severity)) << "}}";
    }
    out << "\n          ]\n        }\n      },\n      \"results\": [";
    bool first = true;
    for (const Finding& finding : findings) {
        std::size_t rule_index = 0;
        while (rule_index < checks.size() && checks[rule_index].id != finding.check) ++rule_index;
        out << (first ? "\n" : ",\n") << "        {\"ruleId\": " << json_string(finding.check);
        if (rule_index < checks.size()) out << ", \"ruleIndex\": " << rule_index;
        out << ", \"level\": " << json_string(sarif_level(finding.severity)) << ", \"message\": {\"text\": "
            << json_string(utf8(finding.message)) << "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": "
            << "{\"uri\": " << json_string(uri_of(show(finding.location.file))) << "}";
        if (finding.location.line > 0) {
            out << ", \"region\": {\"startLine\": " << finding.location.line << "}";
        }
        out << "}";
        if (finding.about_resource) {
            std::string name = resource_text(finding);
            if (!finding.item.empty()) name += " " + utf8(finding.item);
            out << ", \"logicalLocations\": [{\"fullyQualifiedName\": " << json_string(name) << ", \"kind\": \"resource\"}]";
        }
        out << "}]}";
        first = false;
    }
    out << (first ? "]\n" : "\n      ]\n") << "    }\n  ]\n}\n";
}

}  // namespace tavorin
