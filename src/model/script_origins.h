#pragma once
// Where the resources of a script came from, so that saving it rewrites only what changed: the
// files the reading took statements from, and for each resource statement its file and range
// in that file's decoded text, the language in force before it and, for string tables, each
// string's own range. Ranges are offsets into the text as decoded when it was read; a save reads
// the file again and checks that it has not changed since.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/resource_kind.h"

namespace tavorin {

struct SourceRange {
    std::uint32_t file = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    // The range can be replaced by new text: it lies in one file and is not the value of one
    // macro call. (Directives inside it are found when the save looks at the text.)
    bool replaceable = true;
};

struct StringOrigin {
    std::u16string identifier;
    std::uint64_t text_fingerprint = 0;  // of the text as stored
    std::int32_t value = 0;
    SourceRange range;    // the identifier to the end of the text
    SourceRange text_range;
};

// A part of a statement a save may replace alone, with a fingerprint of what was read there.
struct PartOrigin {
    SourceRange range;
    std::uint64_t fingerprint = 0;
};

struct StatementOrigin {
    SourceRange range;
    ResourceKind kind = kind::user_defined;
    std::uint16_t language = 0;  // in force before the statement, and again after it
    std::uint16_t resource_language = 0;  // of the resource it made (a LANGUAGE inside may differ)
    std::vector<StringOrigin> strings;  // a STRINGTABLE's entries, in order
    // A DIALOG's lines before its BEGIN, then each control statement (dialog_fingerprint.h).
    std::vector<PartOrigin> parts;
};

struct OriginFile {
    std::filesystem::path path;
    // Found through the include paths (an SDK's script): never written.
    bool system = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    // Where each directive line of the file starts.
    std::vector<std::size_t> directives;
};

struct ScriptOrigins {
    // File 0 is the opened script.
    std::vector<OriginFile> files;
    std::vector<StatementOrigin> statements;
    // The project's own headers (found beside the file including them), in reading order.
    std::vector<std::filesystem::path> headers;
    // The language in force at the end of the opened script.
    std::uint16_t end_language = 0;
    // The symbols the script's resources used when it was read, with their values: a header
    // line of a symbol whose value changed since is rewritten, one of a symbol that is gone
    // may have been renamed.
    std::vector<std::pair<std::u16string, std::int32_t>> read_symbols;
    // The macros in force at the end of the reading, sorted, with "<header.h>" for each standard
    // header a save added since: what the statements written into the script may name.
    std::vector<std::u16string> defined_macros;

    bool empty() const { return files.empty(); }
    void clear() { *this = ScriptOrigins{}; }
};

}  // namespace tavorin
