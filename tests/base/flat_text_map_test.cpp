#include "base/flat_text_map.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace tavorin {
namespace {

std::u16string name_of(unsigned number) {
    std::u16string name = u"IDC_";
    for (const char digit : std::to_string(number)) name.push_back(static_cast<char16_t>(digit));
    return name;
}

// Removals move later entries of a run back; through thousands of mixed changes the map must
// keep agreeing with a plain one, and its iteration must visit each entry once.
TEST(FlatTextMap, AgreesWithAMapThroughInsertsAndRemovals) {
    std::mt19937 random(11);
    for (const unsigned key_range : {10u, 400u, 6000u}) {
        FlatTextMap<unsigned> map;
        std::map<std::u16string, unsigned> expected;
        for (int step = 0; step < 30000; ++step) {
            const unsigned number = random() % key_range;
            const std::u16string key = name_of(number);
            if (random() % 3 != 0) {
                const auto [it, added] = map.try_emplace(std::u16string_view(key), number);
                EXPECT_EQ(added, expected.emplace(key, number).second);
                EXPECT_EQ(it->first, key);
            } else if (random() % 2 == 0) {
                EXPECT_EQ(map.erase(key), expected.erase(key));
            } else if (const auto it = map.find(key); it != map.end()) {
                map.erase(it);
                expected.erase(key);
            }
        }
        ASSERT_EQ(map.size(), expected.size()) << key_range;
        std::map<std::u16string, unsigned> visited;
        for (const auto& [key, value] : map) EXPECT_TRUE(visited.emplace(key, value).second);
        EXPECT_EQ(visited, expected);
        for (unsigned number = 0; number < key_range; ++number) {
            EXPECT_EQ(map.contains(name_of(number)), expected.contains(name_of(number)));
        }
    }
}

TEST(FlatTextMap, EntriesStayInPlaceAndCopiesAreIndependent) {
    FlatTextMap<std::u16string> map;
    const auto [first, added] = map.try_emplace(std::u16string(u"IDOK"), u"1");
    ASSERT_TRUE(added);
    const std::u16string* kept = &first->second;
    for (unsigned number = 0; number < 5000; ++number) map.emplace(name_of(number), u"x");
    EXPECT_EQ(&map.find(u"IDOK")->second, kept);

    FlatTextMap<std::u16string> copy = map;
    copy.find(u"IDOK")->second = u"2";
    copy.erase(u"IDOK");
    EXPECT_EQ(map.find(u"IDOK")->second, u"1");
    EXPECT_FALSE(copy.contains(u"IDOK"));
    EXPECT_EQ(copy.size(), map.size() - 1);

    map.clear();
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.find(u"IDOK"), map.end());
    EXPECT_EQ(map.begin(), map.end());
}

}  // namespace
}  // namespace tavorin
