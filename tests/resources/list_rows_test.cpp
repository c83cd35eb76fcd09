#include "resources/list_rows.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(RowsForDeletion, LastFirstEachOnceOnlyExistingRows) {
    const std::vector<std::size_t> selected{1, 4, 1, 7, 0};
    EXPECT_EQ(rows_for_deletion(selected, 5), (std::vector<std::size_t>{4, 1, 0}));
}

TEST(RowsForDeletion, NothingLeftWhenNoRowExists) {
    const std::vector<std::size_t> selected{3, 9};
    EXPECT_TRUE(rows_for_deletion(selected, 3).empty());
    EXPECT_TRUE(rows_for_deletion({}, 3).empty());
}

}  // namespace
}  // namespace tavorin
