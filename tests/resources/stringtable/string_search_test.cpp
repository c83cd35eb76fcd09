#include "resources/stringtable/string_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavorin {
namespace {

TEST(StringSearch, FindsInOneTextForwardAndBackward) {
    struct Case {
        std::u16string_view text;
        std::size_t from;
        TextSearch search;
        std::optional<std::size_t> expected;
    };
    const std::vector<Case> cases{
        {u"abcabc", 0, {u"bc", true, true}, 1},
        {u"abcabc", 2, {u"bc", true, true}, 4},
        {u"abcabc", 5, {u"bc", true, true}, std::nullopt},
        {u"abcabc", 6, {u"bc", true, false}, 4},
        {u"abcabc", 4, {u"bc", true, false}, 1},
        {u"abcabc", 1, {u"bc", true, false}, std::nullopt},
        {u"ABC", 0, {u"abc", true, true}, std::nullopt},
        {u"ABC", 0, {u"abc", false, true}, 0},
        {u"\u00C9t\u00E9", 0, {u"\u00E9T\u00C9", false, true}, 0},
        {u"ab", 0, {u"abc", false, true}, std::nullopt},
        {u"ab", 0, {u"", false, true}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(find_in_text(c.text, c.from, c.search), c.expected)
            << std::string(c.text.begin(), c.text.end()) << " from " << c.from;
    }
}

TEST(StringSearch, NextRowWrapsAroundAndEndsWithTheCurrentRow) {
    using At = std::pair<std::size_t, std::size_t>;
    const std::vector<StringEntry> rows{{u"A", u"alpha"}, {u"B", u"beta"}, {u"C", u"gamma alpha"}};
    const auto at = [](std::optional<StringMatch> match) {
        return match ? std::optional(At(match->row, match->offset)) : std::nullopt;
    };
    EXPECT_EQ(at(find_next_string(rows, std::nullopt, {u"alpha", false, true})), At(0, 0));
    EXPECT_EQ(at(find_next_string(rows, 0, {u"alpha", false, true})), At(2, 6));
    EXPECT_EQ(at(find_next_string(rows, 2, {u"alpha", false, true})), At(0, 0));
    EXPECT_EQ(at(find_next_string(rows, 0, {u"alpha", false, false})), At(2, 6));
    EXPECT_EQ(at(find_next_string(rows, 1, {u"beta", false, true})), At(1, 0))
        << "the current row is the last one tried";
    EXPECT_EQ(at(find_next_string(rows, std::nullopt, {u"delta", false, true})), std::nullopt);
    EXPECT_EQ(at(find_next_string({}, std::nullopt, {u"a", false, true})), std::nullopt);
}

TEST(StringSearch, ReplacingCountsNonOverlappingOccurrences) {
    EXPECT_EQ(replace_in_text(u"aaaa", u"aa", u"b", true).text, u"bb");
    EXPECT_EQ(replace_in_text(u"aaaa", u"aa", u"b", true).count, 2u);
    EXPECT_EQ(replace_in_text(u"Tab tab", u"TAB", u"x", false).text, u"x x");
    EXPECT_EQ(replace_in_text(u"Tab tab", u"TAB", u"x", true).count, 0u);
    EXPECT_EQ(replace_in_text(u"abc", u"", u"x", false).text, u"abc");
    EXPECT_EQ(replace_in_text(u"a.b", u".", u"..", false).text, u"a..b") << "the replacement is not searched again";
}

}  // namespace
}  // namespace tavorin
