#include "base/text_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavorin {
namespace {

TEST(TextSearch, FindsInOneTextForwardAndBackward) {
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

TEST(TextSearch, ReplacingCountsNonOverlappingOccurrences) {
    EXPECT_EQ(replace_in_text(u"aaaa", u"aa", u"b", true).text, u"bb");
    EXPECT_EQ(replace_in_text(u"aaaa", u"aa", u"b", true).count, 2u);
    EXPECT_EQ(replace_in_text(u"Tab tab", u"TAB", u"x", false).text, u"x x");
    EXPECT_EQ(replace_in_text(u"Tab tab", u"TAB", u"x", true).count, 0u);
    EXPECT_EQ(replace_in_text(u"abc", u"", u"x", false).text, u"abc");
    EXPECT_EQ(replace_in_text(u"a.b", u".", u"..", false).text, u"a..b") << "the replacement is not searched again";
}

}  // namespace
}  // namespace tavorin
