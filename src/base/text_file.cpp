#include "base/text_file.h"

#include <algorithm>
#include <array>

#include "base/file_io.h"
#include "base/text.h"

namespace tavorin {

namespace {

bool has_prefix(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> prefix) {
    if (bytes.size() < prefix.size()) return false;
    std::size_t i = 0;
    for (auto b : prefix) {
        if (bytes[i++] != b) return false;
    }
    return true;
}

bool is_continuation(std::uint8_t b) { return (b & 0xC0) == 0x80; }

// True when every byte of 0x80 or above is part of a well-formed multi-byte sequence.
// Four-byte sequences count as well: only UTF-8 produces them in practice.
bool looks_like_utf8(std::span<const std::uint8_t> bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint8_t lead = bytes[i];
        std::size_t extra;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
        } else {
            return false;
        }
        if (bytes.size() - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            if (!is_continuation(bytes[i + k])) return false;
        }
        i += extra + 1;
    }
    return true;
}

}  // namespace

DetectedEncoding detect_encoding(std::span<const std::uint8_t> bytes) {
    if (has_prefix(bytes, {0xFF, 0xFE})) return DetectedEncoding::utf16le;
    if (has_prefix(bytes, {0xEF, 0xBB, 0xBF})) return DetectedEncoding::utf8;
    if (bytes.size() >= 2 && bytes[1] == 0 && (bytes.size() == 2 || bytes[2] != 0)) return DetectedEncoding::utf16le;
    return looks_like_utf8(bytes) ? DetectedEncoding::utf8 : DetectedEncoding::ansi;
}

DecodedText decode_text(std::span<const std::uint8_t> bytes, const AnsiDecoder& ansi, bool append_line_break) {
    DecodedText result;
    result.encoding = detect_encoding(bytes);
    switch (result.encoding) {
        case DetectedEncoding::utf16le: {
            auto body = has_prefix(bytes, {0xFF, 0xFE}) ? bytes.subspan(2) : bytes;
            result.text.reserve(body.size() / 2 + 2);
            for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
                result.text.push_back(static_cast<char16_t>(body[i] | (body[i + 1] << 8)));
            }
            break;
        }
        case DetectedEncoding::utf8: {
            auto body = has_prefix(bytes, {0xEF, 0xBB, 0xBF}) ? bytes.subspan(3) : bytes;
            result.text = utf8_to_text(std::string_view(reinterpret_cast<const char*>(body.data()), body.size()));
            break;
        }
        case DetectedEncoding::ansi:
            result.text = ansi(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
            break;
    }
    if (append_line_break) result.text += u"\r\n";
    return result;
}

Result<std::optional<std::u16string>> read_plain_ascii_file(const std::filesystem::path& path) {
    auto in = open_regular_file(path);
    if (!in) return Error{in.error()};
    std::u16string text;
    std::error_code error;
    if (const std::uintmax_t size = std::filesystem::file_size(path, error); !error && size < max_read_size) {
        text.reserve(static_cast<std::size_t>(size));
    }
    std::array<char, 1 << 16> chunk;
    while (*in) {
        in->read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto count = static_cast<std::size_t>(in->gcount());
        // Checked a whole chunk at a time, which the compiler turns into wide comparisons.
        unsigned not_plain = 0;
        for (std::size_t i = 0; i < count; ++i) not_plain |= static_cast<unsigned char>(chunk[i]) - 1u >= 0x7Fu;
        if (not_plain != 0) return std::optional<std::u16string>();
        if (text.size() + count > max_read_size) return file_error(path, u"The file is too large.");
        const std::size_t used = text.size();
        text.resize(used + count);
        std::copy_n(chunk.begin(), count, text.begin() + static_cast<std::ptrdiff_t>(used));
    }
    if (in->bad()) return file_error(path, u"The file cannot be read.");
    return std::optional<std::u16string>(std::move(text));
}

Result<DecodedText> read_text_file(const std::filesystem::path& path, const AnsiDecoder& ansi,
                                   bool append_line_break) {
    auto bytes = read_file_bytes(path);
    if (!bytes) return Error{bytes.error()};
    return decode_text(*bytes, ansi, append_line_break);
}

}  // namespace tavorin
