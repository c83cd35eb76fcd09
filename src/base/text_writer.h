#pragma once
// Builds script, header and code text: CR LF line breaks indented by four spaces per level,
// blocks opened with "BEGIN"/"{" and closed with "END"/"}", padded and quoted writes. The text is
// encoded only when it is taken out (ANSI, UTF-16 LE or UTF-8, optionally with a byte-order mark).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

enum class TextEncoding { ansi = 0, utf16le = 1, utf8 = 2 };

using AnsiEncoder = std::function<std::string(std::u16string_view)>;

std::vector<std::uint8_t> encode_text(std::u16string_view text, TextEncoding encoding, bool byte_order_mark,
                                      const AnsiEncoder& ansi);

class TextWriter {
public:
    static constexpr std::size_t block_size = 4096;

    explicit TextWriter(bool pascal_blocks = false) : pascal_(pascal_blocks) {}

    void write(std::u16string_view text);
    void write(char16_t c);

    // CR LF, then four spaces per indentation level unless indentation is switched off.
    void line_break();
    void set_indentation(bool enabled) { indentation_ = enabled; }
    int level() const { return level_; }
    void indent() { ++level_; }
    void outdent();

    // "BEGIN" or "{", then one level deeper.
    void open_block();
    // One level back, a line break, then "END" or "}".
    void close_block();

    // The text followed by spaces up to `width` characters, and at least one space.
    void write_padded(std::u16string_view text, std::size_t width);

    // A stored text (backslash escapes as typed) in double quotes: every quote in it, plain or
    // escaped, is written doubled, the one form every compiler reads as a quote.
    void write_quoted(std::u16string_view text);

    const std::u16string& text() const { return text_; }
    std::u16string take() { return std::move(text_); }

private:
    std::u16string text_;
    bool pascal_;
    bool indentation_ = true;
    int level_ = 0;
};

}  // namespace tavorin
