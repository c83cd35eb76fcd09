#include "app/update_check.h"

#include <algorithm>

#include "base/text.h"

namespace tavorin {

namespace {

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<std::vector<unsigned>> parse_version(std::string_view text) {
    std::vector<unsigned> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        const std::string_view part = text.substr(start, dot == std::string_view::npos ? text.npos : dot - start);
        if (part.empty() || part.size() > 5 || parts.size() == 4) return std::nullopt;
        unsigned value = 0;
        for (const char c : part) {
            if (c < '0' || c > '9') return std::nullopt;
            value = value * 10 + static_cast<unsigned>(c - '0');
        }
        parts.push_back(value);
        if (dot == std::string_view::npos) return parts;
        start = dot + 1;
    }
}

std::strong_ordering compare_versions(const std::vector<unsigned>& a, const std::vector<unsigned>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const unsigned left = i < a.size() ? a[i] : 0;
        const unsigned right = i < b.size() ? b[i] : 0;
        if (left != right) return left <=> right;
    }
    return std::strong_ordering::equal;
}

std::optional<VersionDocument> parse_version_document(std::string_view text) {
    if (text.size() > max_version_document_size) return std::nullopt;
    text = trim(text);
    const std::size_t line_end = text.find('\n');
    if (line_end == std::string_view::npos) return std::nullopt;
    const std::string_view version = trim(text.substr(0, line_end));
    const std::string_view digest = trim(text.substr(line_end + 1));
    if (!parse_version(version)) return std::nullopt;
    auto parsed_digest = parse_sha256_hex(digest);
    if (!parsed_digest) return std::nullopt;
    return VersionDocument{std::string(version), *parsed_digest};
}

UpdateOffer decide_update(const VersionDocument& document, std::string_view current) {
    const auto offered = parse_version(document.version);
    const auto running = parse_version(current);
    if (!offered || !running) return UpdateOffer::none;
    return compare_versions(*offered, *running) > 0 ? UpdateOffer::newer_version : UpdateOffer::none;
}

std::optional<std::u16string> update_file_url(std::u16string_view server, std::string_view name) {
    constexpr std::u16string_view scheme = u"https://";
    if (server.size() <= scheme.size() || !equals_ignore_case(server.substr(0, scheme.size()), scheme)) {
        return std::nullopt;
    }
    const std::u16string_view rest = server.substr(scheme.size());
    if (rest.front() == u'/' || rest.find_first_of(u" \t\r\n\\") != std::u16string_view::npos) return std::nullopt;
    std::u16string url(server);
    if (url.back() != u'/') url.push_back(u'/');
    return url + ascii_to_text(name);
}

}  // namespace tavorin
