#include "script/lexer.h"

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"

namespace tavorin {
namespace {

class LexerTest : public ::testing::Test {
protected:
    Lexer lexer(std::u16string_view text, const PositionMap* positions = nullptr) {
        return Lexer(text, macros, strings, positions);
    }

    UiStrings strings;
    MacroTable macros;
};

TEST_F(LexerTest, SkippingWhiteSpaceAndLines) {
    const std::u16string text = u"  \t\r\n \\\r\n x\n  \ry\nz";
    auto l = lexer(text);
    EXPECT_EQ(l.at(l.skip_blanks(0)), u'x');
    EXPECT_EQ(l.line_of(l.skip_blanks(0)), 3);
    EXPECT_EQ(l.skip_to_line_end(0), 5u) << "stops after the first line feed";
    EXPECT_EQ(l.at(l.skip_to_line_end(12)), u'y');
    EXPECT_EQ(l.skip_to_line_end(10), 10u) << "stops at anything that is not white";
    EXPECT_EQ(l.at(l.skip_line(11)), u' ');
    EXPECT_EQ(l.line_of(text.size()), 5);
    EXPECT_EQ(l.skip_line(text.size() - 1), text.size());
}

TEST_F(LexerTest, KeywordsIgnoreCaseAndMustEndTheWord) {
    auto l = lexer(u"  begin\n BEGINS Begin_ END}");
    EXPECT_EQ(l.keyword(0, u"BEGIN"), 7u);
    EXPECT_FALSE(l.keyword(8, u"BEGIN")) << "followed by a letter";
    EXPECT_EQ(l.keyword(15, u"BEGIN"), 21u) << "an underscore is not a letter or digit";
    EXPECT_EQ(l.keyword(22, u"end"), 26u);
    EXPECT_FALSE(l.keyword(22, u"ENDS"));
}

TEST_F(LexerTest, IdentifiersAndTheirError) {
    auto l = lexer(u"  IDC_1$x+1 , 12ab");
    auto id = l.identifier(0);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->value, u"IDC_1$x");
    EXPECT_EQ(id->end, 9u);
    auto digits = l.identifier(13);
    ASSERT_TRUE(digits);
    EXPECT_EQ(digits->value, u"12ab");

    auto missing = l.identifier(11);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), u"Control ID expected.");
    EXPECT_EQ(l.failure_position(), 12u);
}

TEST_F(LexerTest, NumbersSkipWhiteSpaceFirst) {
    auto l = lexer(u"  0x10L, x");
    auto n = l.number(0);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->value, 16u);
    EXPECT_EQ(n->end, 7u);
    EXPECT_FALSE(l.number(8));
}

TEST_F(LexerTest, BlockWordsAndBraces) {
    auto l = lexer(u" {  BEGIN\n }  end x");
    auto b1 = l.begin(0);
    ASSERT_TRUE(b1);
    auto b2 = l.begin(*b1);
    ASSERT_TRUE(b2);
    EXPECT_EQ(*b2, 9u);
    auto e1 = l.end(*b2);
    ASSERT_TRUE(e1);
    auto e2 = l.end(*e1);
    ASSERT_TRUE(e2);

    auto no_begin = l.begin(*e2);
    ASSERT_FALSE(no_begin);
    EXPECT_EQ(no_begin.error(), u"BEGIN or { expected.");
    auto no_end = l.end(*e2);
    ASSERT_FALSE(no_end);
    EXPECT_EQ(no_end.error(), u"END or } expected.");
}

TEST_F(LexerTest, ExpectNamesTheCharacterAndReportsWhereTheSearchBegan) {
    auto l = lexer(u"10 ,  20\n\n\n 30");
    auto after = l.expect(2, u',');
    ASSERT_TRUE(after);
    EXPECT_EQ(*after, 6u) << "the blanks after the comma are read too";

    auto missing = l.expect(8, u',');
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), u"',' character expected.");
    EXPECT_EQ(l.line_of(l.failure_position()), 1) << "not the line of the 30";

    auto colon = l.expect(8, u':');
    ASSERT_FALSE(colon);
    EXPECT_EQ(colon.error(), u"':' character expected.");

    EXPECT_EQ(l.optional_comma(2), 6u);
    EXPECT_EQ(l.optional_comma(6), 6u);
}

TEST_F(LexerTest, StringsKeepBackslashesAndJoinAdjacentLiterals) {
    auto l = lexer(u"  \"Hello \"\n     \"World\\n\" ,");
    auto s = l.string(0);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->value, u"Hello World\\n") << "two literals on two lines are one text; \\n stays two characters";
    EXPECT_EQ(l.at(l.skip_blanks(s->end)), u',');

    auto doubled = lexer(u"\"Say \"\"hi\"\"\"").string(0);
    ASSERT_TRUE(doubled);
    EXPECT_EQ(doubled->value, u"Say \"hi\"");

    auto joined = lexer(u"\"abc\\\r\n      def\"").string(0);
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->value, u"abc      def") << "the next line's indentation is part of the text";

    auto wide = lexer(u"L\"wide\"").string(0);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->value, u"wide");
}

TEST_F(LexerTest, AnUnclosedStringIsAnErrorAtTheLineItOpens) {
    auto l = lexer(u"\n  \"abc\r\nnext");
    auto s = l.string(0);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.error(), u"End of line encountered before the end of a character string.");
    EXPECT_EQ(l.line_of(l.failure_position()), 2);

    auto at_end = lexer(u"\"abc").string(0);
    ASSERT_FALSE(at_end);
    EXPECT_EQ(at_end.error(), u"End of file encountered before the end of a character string.");

    auto missing = lexer(u"  abc").string(0);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), u"Character string expected.");
}

TEST_F(LexerTest, QuotedTextResolvesEscapesWhenAsked) {
    auto escaped = lexer(u"\"C:\\\\dir\\\\a.bmp\\t\\q\\\u00e9\"").quoted_text(0, u'"', u'"', true);
    ASSERT_TRUE(escaped);
    EXPECT_EQ(escaped->value, u"C:\\dir\\a.bmp\t\\q\\\u00e9");

    auto plain = lexer(u"\"C:\\\\dir\\n\"").quoted_text(0, u'"', u'"', false);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->value, u"C:\\\\dir\\n");

    auto quote_escape = lexer(u"\"a\\\"b\"").quoted_text(0, u'"', u'"', true);
    ASSERT_TRUE(quote_escape);
    EXPECT_EQ(quote_escape->value, u"a\"b");
}

TEST_F(LexerTest, QuotedTextDoublesQuotesAndContinues) {
    auto l = lexer(u"L\"&Open \"\"x\"\"\"  \"...\"\n, 1");
    auto text = l.quoted_text(0);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->value, u"&Open \"x\"...");
    EXPECT_EQ(l.at(l.skip_blanks(text->end)), u',');

    auto single = lexer(u"L'x'").quoted_text(0, u'\'', u'\'');
    ASSERT_TRUE(single);
    EXPECT_EQ(single->value, u"x");

    auto angle = lexer(u"<windows.h>").quoted_text(0, u'<', u'>');
    ASSERT_TRUE(angle);
    EXPECT_EQ(angle->value, u"windows.h");
}

TEST_F(LexerTest, QuotedTextMustCloseOnItsLine) {
    auto line = lexer(u"\"abc\ndef\"").quoted_text(0);
    ASSERT_FALSE(line);
    EXPECT_EQ(line.error(), u"End of line encountered before the end of a character string.");

    auto file = lexer(u"\"abc").quoted_text(0);
    ASSERT_FALSE(file);
    EXPECT_EQ(file.error(), u"End of file encountered before the end of a character string.");

    auto missing = lexer(u"abc").quoted_text(0);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), u"Character string expected.");
}

TEST_F(LexerTest, ExpressionsGiveTheirOwnText) {
    auto l = lexer(u"  10 +  20 \n, 5");
    auto e = l.expression(0);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->value.value, 30u);
    EXPECT_EQ(e->value.text, u"10 +  20");
    EXPECT_EQ(l.at(e->end), u',');

    // A 16-bit field takes its values written unsigned or signed; others are errors.
    for (const auto& [text, expected] : {std::pair{u"0xFFFF", 0xFFFFu}, std::pair{u"-1", 0xFFFFu},
                                         std::pair{u"-32768", 0x8000u}}) {
        auto word = lexer(text).word_expression(0);
        ASSERT_TRUE(word) << text_to_utf8(text);
        EXPECT_EQ(word->value, expected);
    }
    auto too_large = lexer(u"0x12345").word_expression(0);
    ASSERT_FALSE(too_large);
    EXPECT_EQ(too_large.error(), u"The value 0x12345 (74565) is out of range (-32768 to 65535).");
    auto too_small = lexer(u"-32769").word_expression(0);
    ASSERT_FALSE(too_small);
    EXPECT_EQ(too_small.error(), u"The value -32769 is out of range (-32768 to 65535).");

    auto bad = lexer(u"\n\n  10 + )");
    auto failed = bad.expression(0);
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error(), u"Integer value expected.");
    EXPECT_EQ(bad.line_of(bad.failure_position()), 3);
}

TEST_F(LexerTest, StyleExpressionsKeepTheirNotMask) {
    auto l = lexer(u"0x80 | NOT 0x00800000, 0x10");
    auto style = l.style_expression(0);
    ASSERT_TRUE(style);
    EXPECT_EQ(style->value, 0x00800080u);
    EXPECT_EQ(l.not_mask(), 0x00800000u);

    auto next = l.style_expression(l.optional_comma(style->end));
    ASSERT_TRUE(next);
    EXPECT_EQ(l.not_mask(), 0u) << "each style expression starts a new mask";
}

TEST_F(LexerTest, ItemIdsTakeTheMacroNameRecordedAtTheirPosition) {
    macros.define(u"IDC_NAME", u"100", false, 0);
    macros.define(u"IDC_MOVED", u"7", false, 0);
    // As the preprocessor leaves "IDC_NAME, IDC_MOVED, IDC_NAME + 1, 100" behind.
    const std::u16string text = u"100 , 200 , 100  + 1, 100";
    PositionMap positions;
    positions.record(0, u"IDC_NAME", 1);
    positions.record(6, u"IDC_MOVED", 2);
    positions.record(12, u"IDC_NAME", 1);
    auto l = lexer(text, &positions);

    auto named = l.item_id(0);
    ASSERT_TRUE(named);
    EXPECT_EQ(named->value.name, u"IDC_NAME");
    EXPECT_EQ(named->value.value, 100u);
    EXPECT_EQ(named->end, 6u) << "the comma after the id is read";

    auto changed = l.item_id(named->end);
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->value.name, u"200") << "the macro's value no longer gives the same number";

    auto sum = l.item_id(changed->end);
    ASSERT_TRUE(sum);
    EXPECT_EQ(sum->value.value, 101u);
    EXPECT_EQ(sum->value.name, u"100  + 1");

    auto plain = l.item_id(sum->end);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->value.name, u"100");
}

}  // namespace
}  // namespace tavorin
