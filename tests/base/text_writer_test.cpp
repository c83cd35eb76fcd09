#include "base/text_writer.h"

#include <gtest/gtest.h>

#include "base/code_page.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(TextWriter, LineBreaksIndentFourSpacesPerLevel) {
    TextWriter writer;
    writer.write(u"STRINGTABLE");
    writer.line_break();
    writer.open_block();
    writer.line_break();
    writer.write(u"x");
    writer.close_block();
    EXPECT_EQ(writer.text(), u"STRINGTABLE\r\n{\r\n    x\r\n}");
}

TEST(TextWriter, PascalBlocksUseBeginAndEnd) {
    TextWriter writer(true);
    writer.open_block();
    writer.open_block();
    writer.line_break();
    writer.write(u"y");
    writer.close_block();
    writer.close_block();
    EXPECT_EQ(writer.text(), u"BEGINBEGIN\r\n        y\r\n    END\r\nEND");
}

TEST(TextWriter, IndentationCanBeSwitchedOff) {
    TextWriter writer;
    writer.indent();
    writer.set_indentation(false);
    writer.line_break();
    writer.write(u"z");
    EXPECT_EQ(writer.text(), u"\r\nz");
    writer.outdent();
    writer.outdent();  // never below zero
    EXPECT_EQ(writer.level(), 0);
}

TEST(TextWriter, PaddedWriteFillsToTheWidthWithAtLeastOneSpace) {
    TextWriter writer;
    writer.write_padded(u"IDS_STRING1", 30);
    EXPECT_EQ(writer.text(), u"IDS_STRING1" + std::u16string(19, u' '));

    TextWriter exact;
    exact.write_padded(std::u16string(30, u'A'), 30);
    EXPECT_EQ(exact.text(), std::u16string(30, u'A') + u" ");
}

TEST(TextWriter, QuotedTextDoublesInnerQuotes) {
    TextWriter writer;
    writer.write_quoted(u"say \"hi\"");
    EXPECT_EQ(writer.text(), u"\"say \"\"hi\"\"\"");
}

TEST(TextWriter, QuotedTextWritesEscapedQuotesDoubledAndKeepsOtherEscapes) {
    const struct {
        std::u16string_view stored;
        std::u16string_view written;
    } cases[] = {
        {u"a\\\"b", u"\"a\"\"b\""},            // an escaped quote
        {u"a\\\\\"b", u"\"a\\\\\"\"b\""},   // an escaped backslash, then a plain quote
        {u"tab\\t\\n", u"\"tab\\t\\n\""},    // other escapes stay as typed
        {u"end\\", u"\"end\\\\\""},          // a lone final backslash must not escape the closing quote
    };
    for (const auto& c : cases) {
        TextWriter writer;
        writer.write_quoted(c.stored);
        EXPECT_EQ(writer.text(), c.written);
    }
}

TEST(TextEncoding, Utf16LittleEndianWithAndWithoutMark) {
    EXPECT_EQ(encode_text(u"A\u20AC", TextEncoding::utf16le, false, text_to_windows1252),
              (Bytes{'A', 0, 0xAC, 0x20}));
    EXPECT_EQ(encode_text(u"A", TextEncoding::utf16le, true, text_to_windows1252), (Bytes{0xFF, 0xFE, 'A', 0}));
}

TEST(TextEncoding, Utf8WithAndWithoutMark) {
    EXPECT_EQ(encode_text(u"\u00E9", TextEncoding::utf8, false, text_to_windows1252), (Bytes{0xC3, 0xA9}));
    EXPECT_EQ(encode_text(u"a", TextEncoding::utf8, true, text_to_windows1252), (Bytes{0xEF, 0xBB, 0xBF, 'a'}));
}

TEST(TextEncoding, AnsiGoesThroughTheCodePageAndNeverGetsAMark) {
    EXPECT_EQ(encode_text(u"\u00E9\u20AC\u4E2D", TextEncoding::ansi, true, text_to_windows1252),
              (Bytes{0xE9, 0x80, '?'}));
}

}  // namespace
}  // namespace tavorin
