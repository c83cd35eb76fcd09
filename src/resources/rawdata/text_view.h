#pragma once
// The text view of manifests and HTML pages: the resource's bytes as editable text, and the
// edited text stored back as bytes in one of two charsets.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_writer.h"

namespace tavorin {

enum class TextCharset { ansi, unicode };

struct TextViewContent {
    std::u16string text;
    TextCharset charset = TextCharset::ansi;
};

using AnsiDecoder = std::function<std::u16string(std::string_view)>;

// The bytes as 8-bit text up to the first zero byte, charset ANSI. Bytes that begin with the
// UTF-16 byte-order mark (what the UNICODE charset stores) are read back as UTF-16 with charset
// UNICODE: read as 8-bit text they would stop at the first zero byte, and storing the view back
// would cut the resource down to its first character.
TextViewContent text_view_of(std::span<const std::uint8_t> bytes, const AnsiDecoder& ansi);

// UNICODE: the byte-order mark 0xFEFF and the text in UTF-16, 2 + 2 x length bytes, no
// terminator. ANSI: the 8-bit text and one zero byte.
std::vector<std::uint8_t> store_text_view(std::u16string_view text, TextCharset charset, const AnsiEncoder& ansi);

// The caret position the status area shows, both counted from 1.
struct CaretPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};
CaretPosition caret_position(std::u16string_view text, std::size_t caret);

}  // namespace tavorin
