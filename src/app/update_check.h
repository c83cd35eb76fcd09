#pragma once
// The decisions of the update check, apart from the download itself: what the server's version
// document says, and whether its version is newer than the running one.
//
// The version document is plain text: the newest version number on its first line and the
// SHA-256 of the archive, as 64 hexadecimal digits, on its second. The archive is only ever
// installed when its digest matches.

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/sha256.h"

namespace tavorin {

inline constexpr std::string_view running_version = "1.5.9";
// The two files on the update server; its address is a configuration value.
inline constexpr std::string_view version_document_name = "v_1.5.9";
inline constexpr std::string_view update_archive_name = "Tavorin-x64.zip";
// Anything larger is not what the server publishes.
inline constexpr std::size_t max_version_document_size = 1024;
inline constexpr std::size_t max_update_archive_size = std::size_t{64} << 20;

struct VersionDocument {
    std::string version;  // dotted decimal numbers, "1.6.0"
    Sha256Digest archive_digest{};
};

// Nothing when the text is not a version number line and a digest line (blanks and a final line
// break are allowed around them).
std::optional<VersionDocument> parse_version_document(std::string_view text);

// "1.6.0" as {1, 6, 0}; nothing unless it is one to four decimal numbers of at most five digits
// separated by single dots.
std::optional<std::vector<unsigned>> parse_version(std::string_view text);

// Compares part by part; missing parts count as 0, so "1.6" equals "1.6.0".
std::strong_ordering compare_versions(const std::vector<unsigned>& a, const std::vector<unsigned>& b);

enum class UpdateOffer { none, newer_version };

// A newer version than the running one is offered; the same or an older one is not.
UpdateOffer decide_update(const VersionDocument& document, std::string_view current = running_version);

// The address of a file on the update server: `server` (a configuration value, "https://host/path")
// with a slash and the name appended. Nothing unless the server address is an https address with
// a host: the check never talks to a server in the clear.
std::optional<std::u16string> update_file_url(std::u16string_view server, std::string_view name);

}  // namespace tavorin
