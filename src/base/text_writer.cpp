#include "base/text_writer.h"

#include "base/text.h"

#include <algorithm>

namespace tavorin {

std::vector<std::uint8_t> encode_text(std::u16string_view text, TextEncoding encoding, bool byte_order_mark,
                                      const AnsiEncoder& ansi) {
    std::vector<std::uint8_t> out;
    switch (encoding) {
        case TextEncoding::utf16le:
            out.reserve(2 * text.size() + 2);
            if (byte_order_mark) {
                out.push_back(0xFF);
                out.push_back(0xFE);
            }
            for (char16_t c : text) {
                out.push_back(static_cast<std::uint8_t>(c));
                out.push_back(static_cast<std::uint8_t>(c >> 8));
            }
            break;
        case TextEncoding::utf8: {
            const std::string bytes = text_to_utf8(text);
            out.reserve(bytes.size() + 3);
            if (byte_order_mark) {
                out.push_back(0xEF);
                out.push_back(0xBB);
                out.push_back(0xBF);
            }
            out.insert(out.end(), bytes.begin(), bytes.end());
            break;
        }
        case TextEncoding::ansi: {
            const std::string bytes = ansi(text);
            out.insert(out.end(), bytes.begin(), bytes.end());
            break;
        }
    }
    return out;
}

void TextWriter::write(std::u16string_view text) {
    if (text_.capacity() < text_.size() + text.size()) {
        text_.reserve((text_.size() + text.size() + block_size) / block_size * block_size);
    }
    text_ += text;
}

void TextWriter::write(char16_t c) { write(std::u16string_view(&c, 1)); }

void TextWriter::line_break() {
    write(u"\r\n");
    if (indentation_) write(std::u16string(4 * static_cast<std::size_t>(level_), u' '));
}

void TextWriter::outdent() {
    if (level_ > 0) --level_;
}

void TextWriter::open_block() {
    write(pascal_ ? u"BEGIN" : u"{");
    indent();
}

void TextWriter::close_block() {
    outdent();
    line_break();
    write(pascal_ ? u"END" : u"}");
}

void TextWriter::write_padded(std::u16string_view text, std::size_t width) {
    write(text);
    write(std::u16string(text.size() < width ? width - text.size() : 1, u' '));
}

void TextWriter::write_quoted(std::u16string_view text) {
    write(u'"');
    std::size_t i = 0;
    while (i < text.size()) {
        // Plain characters go over in one piece.
        const std::size_t special = std::min(text.find_first_of(u"\"\\", i), text.size());
        write(text.substr(i, special - i));
        i = special;
        if (i == text.size()) break;
        if (text[i] == u'"') {
            write(u"\"\"");
            ++i;
        } else if (i + 1 == text.size()) {
            // A backslash at the very end would escape the closing quote.
            write(u"\\\\");
            ++i;
        } else {
            // Only a doubled quote is read back as a quote by every compiler; other escapes stay.
            write(text[i + 1] == u'"' ? u"\"\"" : text.substr(i, 2));
            i += 2;
        }
    }
    write(u'"');
}

}  // namespace tavorin
