#include "script/expression.h"

#include <gtest/gtest.h>

#include <string>

#include "services/ui_strings.h"
#include "base/text.h"

namespace tavorin {
namespace {

class ExpressionTest : public ::testing::Test {
protected:
    Result<ExpressionValue> run(std::u16string_view text, ReaderMode mode = ReaderMode::parsing,
                                ExpressionKind kind = ExpressionKind::plain) {
        ExpressionEvaluator evaluator(macros, strings, mode);
        auto result = evaluator.evaluate(text, 0, kind);
        failure_position = evaluator.failure_position();
        return result;
    }
    std::uint32_t value(std::u16string_view text, ReaderMode mode = ReaderMode::parsing) {
        auto result = run(text, mode);
        EXPECT_TRUE(result.ok()) << std::string(result.ok() ? "" : "failed");
        return result.ok() ? result->value : 0xDEADBEEF;
    }
    std::u16string error(std::u16string_view text, ReaderMode mode = ReaderMode::parsing) {
        auto result = run(text, mode);
        EXPECT_FALSE(result.ok());
        return result.ok() ? u"<no error>" : result.error();
    }
    void define(std::u16string_view name, std::u16string value) { macros.define(name, std::move(value), false, 0); }

    UiStrings strings;
    MacroTable macros;
    std::size_t failure_position = 0;
};

TEST_F(ExpressionTest, PrecedenceFollowsTheTableFromConditionalToUnary) {
    EXPECT_EQ(value(u"1 + 2 * 3"), 7u);
    EXPECT_EQ(value(u"(1 + 2) * 3"), 9u);
    EXPECT_EQ(value(u"1 | 2 & 3"), 3u);      // & before |
    EXPECT_EQ(value(u"1 ^ 3 & 1"), 0u);      // & before ^
    EXPECT_EQ(value(u"6 | 1 ^ 3"), 6u | (1u ^ 3u));
    EXPECT_EQ(value(u"1 == 2 < 3"), 1u);     // relational before equality
    EXPECT_EQ(value(u"1 << 2 + 1"), 8u);     // additive before shift
    EXPECT_EQ(value(u"2 < 1 << 2"), 1u);     // shift before relational
    EXPECT_EQ(value(u"0 || 2 && 3"), 1u);    // && before ||
    EXPECT_EQ(value(u"3 & 1 == 1"), 1u);     // equality before &
    EXPECT_EQ(value(u"0 ? 1 : 2 | 4"), 6u);  // conditional lowest
    EXPECT_EQ(value(u"-2 * 3"), 0u - 6u);
}

TEST_F(ExpressionTest, TwoOperandLevelsAreLeftAssociative) {
    EXPECT_EQ(value(u"8 - 2 - 1"), 5u);
    EXPECT_EQ(value(u"16 / 4 / 2"), 2u);
    EXPECT_EQ(value(u"256 >> 2 >> 1"), 32u);
    EXPECT_EQ(value(u"17 % 5 % 3"), 2u);
}

TEST_F(ExpressionTest, ArithmeticIsUnsigned32Bit) {
    EXPECT_EQ(value(u"1 - 2"), 4294967295u);
    EXPECT_EQ(value(u"-1 > 0"), 1u);
    EXPECT_EQ(value(u"1 << 33"), 2u);
    EXPECT_EQ(value(u"0x80000000 >> 31"), 1u) << "logical shift";
    EXPECT_EQ(value(u"0xFFFFFFFF / 2"), 0x7FFFFFFFu);
    EXPECT_EQ(value(u"0x10000 * 0x10000"), 0u);
    EXPECT_EQ(value(u"~0"), 0xFFFFFFFFu);
    EXPECT_EQ(value(u"!5"), 0u);
    EXPECT_EQ(value(u"!0"), 1u);
    EXPECT_EQ(value(u"+7"), 7u);
    EXPECT_EQ(value(u"5 != 5"), 0u);
    EXPECT_EQ(value(u"3 >= 3 && 2 <= 1"), 0u);
    EXPECT_EQ(value(u"2 || 0"), 1u);
}

TEST_F(ExpressionTest, ConditionalNeedsItsColon) {
    EXPECT_EQ(value(u"1 ? 2 : 3"), 2u);
    EXPECT_EQ(value(u"0 ? 2 : 3"), 3u);
    EXPECT_EQ(value(u"0 ? 1 : 0 ? 2 : 3"), 3u);
    EXPECT_EQ(error(u"1 ? 2 3"), u"':' character expected.");
}

TEST_F(ExpressionTest, MalformedExpressionsNameWhatIsMissing) {
    EXPECT_EQ(error(u"(1 + 2"), u"Right parenthesis expected");
    EXPECT_EQ(error(u"1 +"), u"Integer value expected.");
    EXPECT_EQ(error(u""), u"Integer value expected.");
    EXPECT_EQ(error(u"\"text\""), u"Integer value expected.");
    EXPECT_EQ(error(u"1 + ,"), u"Integer value expected.");
    EXPECT_EQ(failure_position, 4u);
}

TEST_F(ExpressionTest, DivisionByZeroIsAnErrorOnlyWhereItIsEvaluated) {
    EXPECT_EQ(error(u"1 / 0"), u"Division by zero.");
    EXPECT_EQ(failure_position, 2u) << "reported at the operator";
    EXPECT_EQ(error(u"5 % (2 - 2)"), u"Division by zero.");
    EXPECT_EQ(value(u"0 && 1 / 0"), 0u);
    EXPECT_EQ(value(u"1 || 1 % 0"), 1u);
    EXPECT_EQ(value(u"1 ? 2 : 1 / 0"), 2u);
    EXPECT_EQ(value(u"0 ? 1 / 0 : 3"), 3u);
}

TEST_F(ExpressionTest, TheTextEndsBeforeTheWhiteSpaceAfterIt) {
    auto result = run(u"1 + 2  \r\n  , x");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->value, 3u);
    EXPECT_EQ(result->text_end, 5u);
    EXPECT_EQ(result->end, 11u);

    auto continued = run(u"1 |\\\r\n 2 next");
    ASSERT_TRUE(continued);
    EXPECT_EQ(continued->value, 3u) << "a continued line is white space";
    EXPECT_EQ(continued->end, 9u);
}

TEST_F(ExpressionTest, IdentifiersAreEvaluatedThroughTheirMacroValues) {
    define(u"BASE", u"(2)");
    define(u"NEXT", u"BASE + 1");
    define(u"WITH_SUFFIX", u"0x10L");
    EXPECT_EQ(value(u"NEXT * 2"), 6u) << "a macro's value is evaluated as a whole";
    EXPECT_EQ(value(u"WITH_SUFFIX | 1"), 0x11u);
}

TEST_F(ExpressionTest, MacroValuesOfAnyLengthEvaluate) {
    std::u16string long_value;
    for (int i = 0; i < 400; ++i) long_value += i == 0 ? u"1" : u" + 1";
    ASSERT_GT(long_value.size(), 1000u);
    define(u"LONG", long_value);
    EXPECT_EQ(value(u"LONG"), 400u);
}

TEST_F(ExpressionTest, UndeclaredIdentifiersDependOnTheMode) {
    EXPECT_EQ(error(u"1 + MISSING"), u"MISSING: undeclared identifier.");
    EXPECT_EQ(failure_position, 4u);

    auto preprocessing = run(u"MISSING + 1", ReaderMode::preprocessing);
    ASSERT_TRUE(preprocessing);
    EXPECT_EQ(preprocessing->value, 1u);
    EXPECT_TRUE(preprocessing->undeclared);

    auto declared = run(u"1 + 1", ReaderMode::preprocessing);
    ASSERT_TRUE(declared);
    EXPECT_FALSE(declared->undeclared);
}

TEST_F(ExpressionTest, CallsOfUnknownFunctionsCountZeroWhilePreprocessing) {
    auto call = run(u"GCC_PREREQ(4, 3) + 5", ReaderMode::preprocessing);
    ASSERT_TRUE(call);
    EXPECT_EQ(call->value, 5u);
    EXPECT_TRUE(call->undeclared);
    EXPECT_EQ(value(u"EMPTY() + 1", ReaderMode::preprocessing), 1u);
    EXPECT_EQ(error(u"F(1, 2", ReaderMode::preprocessing), u"Right parenthesis expected");
}

TEST_F(ExpressionTest, DefinedIsKnownOnlyWhilePreprocessing) {
    define(u"HAVE_X", u"0");
    EXPECT_EQ(value(u"defined HAVE_X", ReaderMode::preprocessing), 1u);
    EXPECT_EQ(value(u"defined(HAVE_X)", ReaderMode::preprocessing), 1u);
    EXPECT_EQ(value(u"defined ( ( HAVE_X ) )", ReaderMode::preprocessing), 1u);
    EXPECT_EQ(value(u"defined(OTHER) || !defined HAVE_X", ReaderMode::preprocessing), 0u);
    EXPECT_EQ(error(u"defined(HAVE_X", ReaderMode::preprocessing), u"Right parenthesis expected");
    EXPECT_EQ(error(u"defined((HAVE_X)", ReaderMode::preprocessing), u"Right parenthesis expected");
    EXPECT_EQ(error(u"defined +", ReaderMode::preprocessing), u"Control ID expected.");
    EXPECT_EQ(error(u"defined(HAVE_X)"), u"defined: undeclared identifier.");
}

TEST_F(ExpressionTest, MacrosThatNameEachOtherEndWithAnError) {
    define(u"PING", u"PONG + 1");
    define(u"PONG", u"PING");
    EXPECT_EQ(error(u"PING"), u"Recursive macro: PING refers to itself.");
    EXPECT_EQ(error(u"1 + PONG", ReaderMode::preprocessing), u"Recursive macro: PONG refers to itself.");
    define(u"SELF", u"SELF");
    EXPECT_EQ(error(u"SELF"), u"Recursive macro: SELF refers to itself.");
}

TEST_F(ExpressionTest, DeepNestingEndsWithAnErrorInsteadOfExhaustingTheStack) {
    const std::u16string deep = std::u16string(100000, u'(') + u"1" + std::u16string(100000, u')');
    EXPECT_EQ(error(deep), u"Expression nested too deeply.");
    EXPECT_EQ(error(std::u16string(100000, u'-') + u"1"), u"Expression nested too deeply.");

    const std::u16string fine = std::u16string(60, u'(') + u"1" + std::u16string(60, u')');
    EXPECT_EQ(value(fine), 1u);

    // A long chain of macros, each naming the next.
    for (int i = 0; i < 5000; ++i) define(u"CHAIN" + decimal(i), u"CHAIN" + decimal(i + 1));
    define(u"CHAIN5000", u"1");
    auto chained = run(u"CHAIN0");
    ASSERT_FALSE(chained);
    EXPECT_TRUE(starts_with(chained.error(), u"Macros nested too deeply at CHAIN"));

    define(u"SHORT1", u"SHORT2 + 1");
    define(u"SHORT2", u"SHORT3 + 1");
    define(u"SHORT3", u"1");
    EXPECT_EQ(value(u"SHORT1"), 3u);
}

TEST_F(ExpressionTest, NotInAStyleExpressionNamesBitsToRemove) {
    define(u"WS_CHILD", u"0x40000000L");
    define(u"WS_VISIBLE", u"0x10000000L");
    auto child_not_visible = run(u"WS_CHILD | NOT WS_VISIBLE", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_TRUE(child_not_visible);
    EXPECT_EQ(child_not_visible->not_mask, 0x10000000u);
    const std::uint32_t default_style = 0x50010000;  // WS_CHILD | WS_VISIBLE | WS_TABSTOP
    EXPECT_EQ((default_style | child_not_visible->value) & ~child_not_visible->not_mask, 0x40010000u);

    auto taken_back = run(u"NOT WS_VISIBLE | WS_VISIBLE", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_TRUE(taken_back);
    EXPECT_EQ(taken_back->not_mask, 0u) << "a later plain mention takes the bit back";

    auto numbers = run(u"0x80 | NOT 0x00800000", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_TRUE(numbers);
    EXPECT_EQ((0x50010000u | numbers->value) & ~numbers->not_mask, 0x50010080u);
}

TEST_F(ExpressionTest, NotTakesItsWholeOperand) {
    define(u"WS_OVERLAPPEDWINDOW", u"(0x00000000L | 0x00C00000L | 0x00080000L | 0x00040000L | 0x00020000L | 0x00010000L)");
    auto whole = run(u"NOT WS_OVERLAPPEDWINDOW", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->not_mask, 0x00CF0000u);

    auto parenthesised = run(u"NOT (0x2 | 0x4) | 0x1", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_TRUE(parenthesised);
    EXPECT_EQ(parenthesised->not_mask, 0x6u);
    EXPECT_EQ(parenthesised->value, 0x7u);
}

TEST_F(ExpressionTest, NotIsAWordOnlyInStyleExpressionsAndOnlyOnce) {
    EXPECT_EQ(error(u"NOT 1"), u"NOT: undeclared identifier.");
    auto twice = run(u"NOT NOT 1", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_FALSE(twice);
    EXPECT_EQ(twice.error(), u"NOT: undeclared identifier.");
    auto glued = run(u"NOT(1)", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_FALSE(glued);
    EXPECT_EQ(glued.error(), u"NOT: undeclared identifier.");
    auto lower = run(u"not 1", ReaderMode::parsing, ExpressionKind::style);
    ASSERT_FALSE(lower);
    EXPECT_EQ(lower.error(), u"not: undeclared identifier.");
}

}  // namespace
}  // namespace tavorin
