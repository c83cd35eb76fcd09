#pragma once
// Reads a whole text file and decodes it by byte-order mark or by inspection: UTF-16 LE,
// UTF-8, else ANSI. Scripts, headers, language files and templates all come through here.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"

namespace tavorin {

enum class DetectedEncoding { utf16le, utf8, ansi };

using AnsiDecoder = std::function<std::u16string(std::string_view)>;

struct DecodedText {
    std::u16string text;
    DetectedEncoding encoding = DetectedEncoding::utf8;
};

DetectedEncoding detect_encoding(std::span<const std::uint8_t> bytes);

// With `append_line_break`, CR LF is appended to the text.
DecodedText decode_text(std::span<const std::uint8_t> bytes, const AnsiDecoder& ansi, bool append_line_break = false);

// The text of a file whose bytes are all plain ASCII (1 to 127), which every encoding but UTF-16
// reads the same way, widened as it is read so that its bytes are never held whole; nothing when
// some byte is not plain.
Result<std::optional<std::u16string>> read_plain_ascii_file(const std::filesystem::path& path);

Result<DecodedText> read_text_file(const std::filesystem::path& path, const AnsiDecoder& ansi,
                                   bool append_line_break = false);

}  // namespace tavorin
