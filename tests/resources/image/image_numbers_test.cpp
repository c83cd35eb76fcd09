#include "resources/image/image_numbers.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(ImageNumbers, NewImagesCountFromOneAndReadImagesPushTheCounter) {
    ImageNumbers numbers;
    EXPECT_EQ(numbers.take(IconType::icon), 1);
    EXPECT_EQ(numbers.take(IconType::icon), 2);
    EXPECT_EQ(numbers.take(IconType::cursor), 1);  // each kind has its own counter

    numbers.note_read(IconType::icon, 10);
    EXPECT_EQ(numbers.take(IconType::icon), 11);
    numbers.note_read(IconType::icon, 4);  // lower: the counter stays
    EXPECT_EQ(numbers.take(IconType::icon), 12);
    EXPECT_EQ(numbers.take(IconType::cursor), 2);

    numbers.restart();
    EXPECT_EQ(numbers.take(IconType::icon), 1);
    EXPECT_EQ(numbers.take(IconType::cursor), 1);
}

TEST(ImageNumbers, NumberZeroIsNeverHandedOutAndNoNumberTwice) {
    ImageNumbers numbers;
    numbers.note_read(IconType::icon, 0xFFFE);
    EXPECT_EQ(numbers.take(IconType::icon), 0xFFFF);
    // Starting again at 1 would give a second image a number in use: there is none left.
    EXPECT_EQ(numbers.take(IconType::icon), std::nullopt);
    EXPECT_EQ(numbers.take(IconType::icon), std::nullopt);
    numbers.note_read(IconType::cursor, 0xFFFF);
    EXPECT_EQ(numbers.take(IconType::cursor), 1);
    numbers.restart();
    EXPECT_EQ(numbers.take(IconType::icon), 1);
}

}  // namespace
}  // namespace tavorin
