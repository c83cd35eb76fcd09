#include "resources/stringtable/string_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavorin {
namespace {

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

}  // namespace
}  // namespace tavorin
