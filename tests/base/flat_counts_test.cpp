#include "base/flat_counts.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

namespace tavorin {
namespace {

// Keys that crowd into few home slots make long runs, so removals must move members back; the
// table must keep agreeing with a plain map through thousands of mixed changes.
TEST(FlatCounts, AgreesWithAMapThroughAddsAndRemovals) {
    std::mt19937 random(7);
    for (const int key_range : {12, 300, 5000}) {
        FlatCounts<std::int32_t> counts;
        std::map<std::int32_t, int> expected;
        for (int step = 0; step < 20000; ++step) {
            const std::int32_t key = static_cast<std::int32_t>(random() % key_range) * 1024;
            const unsigned action = random() % 4;
            if (action < 2) {
                counts.add(key);
                ++expected[key];
            } else {
                const bool all = action == 3;
                const auto it = expected.find(key);
                EXPECT_EQ(counts.remove(key, all), it != expected.end());
                if (it != expected.end() && (all || --it->second == 0)) expected.erase(it);
            }
        }
        ASSERT_EQ(counts.size(), expected.size()) << key_range;
        for (std::int32_t key = 0; key < key_range; ++key) {
            const auto it = expected.find(key * 1024);
            EXPECT_EQ(counts.count(key * 1024), it == expected.end() ? 0 : it->second) << key;
        }
    }
}

TEST(FlatCounts, CountsPointers) {
    std::vector<int> objects(100);
    FlatCounts<const int*> counts;
    EXPECT_FALSE(counts.contains(&objects[0]));
    for (const int& object : objects) counts.add(&object, 2);
    counts.remove(&objects[5]);
    EXPECT_EQ(counts.count(&objects[5]), 1);
    EXPECT_EQ(counts.count(&objects[6]), 2);
    for (const int& object : objects) counts.remove(&object, true);
    EXPECT_TRUE(counts.empty());
}

}  // namespace
}  // namespace tavorin
