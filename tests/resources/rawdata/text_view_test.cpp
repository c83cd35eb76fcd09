#include "resources/rawdata/text_view.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Latin-1 stands in for the ANSI code page here.
std::u16string latin1_to_text(std::string_view bytes) {
    std::u16string text;
    for (char c : bytes) text.push_back(static_cast<unsigned char>(c));
    return text;
}
std::string text_to_latin1(std::u16string_view text) {
    std::string bytes;
    for (char16_t c : text) bytes.push_back(c < 256 ? static_cast<char>(c) : '?');
    return bytes;
}

TEST(TextView, UnicodeStoresByteOrderMarkAndUtf16WithoutTerminator) {
    const Bytes bytes = store_text_view(u"ab\u20AC", TextCharset::unicode, text_to_latin1);
    EXPECT_EQ(bytes, (Bytes{0xFF, 0xFE, 'a', 0, 'b', 0, 0xAC, 0x20}));  // 3 characters, 8 bytes
}

TEST(TextView, AnsiStoresEightBitTextAndOneZero) {
    const Bytes bytes = store_text_view(u"ab\u00E9", TextCharset::ansi, text_to_latin1);
    EXPECT_EQ(bytes, (Bytes{'a', 'b', 0xE9, 0}));  // 3 characters, 4 bytes
}

TEST(TextView, BytesAreShownAsAnsiTextUpToTheFirstZero) {
    const auto content = text_view_of(Bytes{'<', 'x', 0xE9, '>', 0, 'z'}, latin1_to_text);
    EXPECT_EQ(content.text, u"<x\u00E9>");
    EXPECT_EQ(content.charset, TextCharset::ansi);
}

TEST(TextView, UnicodeTextComesBackAsUnicode) {
    const Bytes stored = store_text_view(u"<a>\r\n\u4E2D", TextCharset::unicode, text_to_latin1);
    const auto content = text_view_of(stored, latin1_to_text);
    EXPECT_EQ(content.text, u"<a>\r\n\u4E2D");
    EXPECT_EQ(content.charset, TextCharset::unicode);
    EXPECT_EQ(store_text_view(content.text, content.charset, text_to_latin1), stored);
    // An odd last byte is not half a character.
    Bytes odd = stored;
    odd.push_back('x');
    EXPECT_EQ(text_view_of(odd, latin1_to_text).text, u"<a>\r\n\u4E2D");
}

TEST(TextView, CaretLineAndColumnCountFromOne) {
    const std::u16string text = u"ab\r\ncde\r\n";
    EXPECT_EQ(caret_position(text, 0).line, 1u);
    EXPECT_EQ(caret_position(text, 0).column, 1u);
    EXPECT_EQ(caret_position(text, 2).column, 3u);
    EXPECT_EQ(caret_position(text, 4).line, 2u);
    EXPECT_EQ(caret_position(text, 4).column, 1u);
    EXPECT_EQ(caret_position(text, 7).column, 4u);
    EXPECT_EQ(caret_position(text, 100).line, 3u);
}

}  // namespace
}  // namespace tavorin
