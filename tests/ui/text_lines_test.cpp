#include "ui/text_lines.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(TextLinesTest, EveryKindOfLineBreakBecomesCrLf) {
    EXPECT_EQ(with_crlf_line_breaks(u"a\nb\r\nc\rd"), u"a\r\nb\r\nc\r\nd");
    EXPECT_EQ(with_crlf_line_breaks(u"\n\n"), u"\r\n\r\n");
    EXPECT_EQ(with_crlf_line_breaks(u"\r\r\n"), u"\r\n\r\n");
    EXPECT_EQ(with_crlf_line_breaks(u"none"), u"none");
}

TEST(TextLinesTest, ALineSpansFromItsStartToTheStartOfTheNext) {
    const std::u16string text = u"first\r\nsecond\r\nlast";
    struct Case {
        int line;
        std::size_t start;
        std::size_t end;
    };
    const Case cases[] = {
        {1, 0, 7},     // "first" and its line break
        {2, 7, 15},    // "second"
        {3, 15, 19},   // the last line has no line break
        {4, 19, 19},   // beyond the text
        {0, 0, 7},     // before the first line: the first
    };
    for (const Case& c : cases) {
        const TextSpan span = line_span(text, c.line);
        EXPECT_EQ(span.start, c.start) << c.line;
        EXPECT_EQ(span.end, c.end) << c.line;
    }
}

}  // namespace
}  // namespace tavorin
