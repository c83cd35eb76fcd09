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

TEST(ImageNumbers, NumberZeroIsNeverHandedOut) {
    ImageNumbers numbers;
    numbers.note_read(IconType::icon, 0xFFFE);
    EXPECT_EQ(numbers.take(IconType::icon), 0xFFFF);
    EXPECT_EQ(numbers.take(IconType::icon), 1);
    numbers.note_read(IconType::cursor, 0xFFFF);
    EXPECT_NE(numbers.take(IconType::cursor), 0);
}

}  // namespace
}  // namespace tavorin
