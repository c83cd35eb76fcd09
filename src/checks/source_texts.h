#pragma once
// The texts of the files a script was read from, read again on demand, with the line of an
// offset: how findings about resources of a script get their file and line.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "model/script_origins.h"

namespace tavorin {

class SourceTexts {
public:
    SourceTexts(const ScriptOrigins& origins, AnsiDecoder ansi) : origins_(origins), ansi_(std::move(ansi)) {}

    // The decoded text of an origin file; null when it cannot be read.
    const std::u16string* text(std::uint32_t file);
    // The 1-based line of an offset into an origin file's text; 0 when the file cannot be read.
    std::size_t line_of(std::uint32_t file, std::size_t offset);

private:
    struct Loaded {
        bool read = false;
        std::u16string text;
        std::vector<std::size_t> line_starts;
    };
    Loaded& load(std::uint32_t file);

    const ScriptOrigins& origins_;
    AnsiDecoder ansi_;
    std::map<std::uint32_t, Loaded> files_;
};

}  // namespace tavorin
