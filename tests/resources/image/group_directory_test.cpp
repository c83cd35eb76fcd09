#include "resources/image/group_directory.h"

#include <gtest/gtest.h>

#include "icon_fixtures.h"

namespace tavorin {
namespace {

using test::append;
using test::Bytes;
using test::put_u16;
using test::put_u32;
using test::tiny_icon_dib;

IconImage numbered_image(std::uint16_t number, std::uint8_t color = 1) {
    auto image = make_icon_image(tiny_icon_dib(color));
    EXPECT_TRUE(image);
    image->number = number;
    return *image;
}

TEST(GroupDirectory, IconEntriesAreMadeFromTheImages) {
    const IconImage images[] = {numbered_image(3), numbered_image(9)};
    Bytes expected;
    put_u16(expected, 0);     // reserved
    put_u16(expected, 1);     // icon
    put_u16(expected, 2);     // count
    for (std::uint16_t number : {3, 9}) {
        append(expected, {1, 1, 2, 0});  // width, height, colour count of one bit, reserved
        put_u16(expected, 1);            // planes
        put_u16(expected, 1);            // bit count
        put_u32(expected, 56);           // size of the RT_ICON
        put_u16(expected, number);
    }
    EXPECT_EQ(encode_group_directory(images, IconType::icon), expected);
}

TEST(GroupDirectory, CursorEntriesUseSixteenBitSizesAndCountTheHotSpot) {
    const IconImage images[] = {numbered_image(4)};
    Bytes expected;
    put_u16(expected, 0);
    put_u16(expected, 2);   // cursor
    put_u16(expected, 1);
    put_u16(expected, 1);   // width
    put_u16(expected, 2);   // height of colour and mask
    put_u16(expected, 1);   // planes
    put_u16(expected, 1);   // bit count
    put_u32(expected, 60);  // the image and the four hot-spot bytes of the RT_CURSOR
    put_u16(expected, 4);
    EXPECT_EQ(encode_group_directory(images, IconType::cursor), expected);
}

TEST(GroupDirectory, DecodingPicksTheImagesReadBeforeAndKeepsTheirEntries) {
    Bytes group;
    put_u16(group, 0);
    put_u16(group, 1);
    put_u16(group, 3);
    const std::uint8_t odd_entry[] = {32, 32, 0, 0, 1, 0, 8, 0, 0x10, 0, 0, 0};  // claims 32 x 32, 8 bits
    for (std::uint16_t number : {7, 8, 5}) {
        group.insert(group.end(), std::begin(odd_entry), std::end(odd_entry));
        put_u16(group, number);
    }
    const IconImage five = numbered_image(5, 0);
    const IconImage seven = numbered_image(7, 1);
    IconImageMap read_images;
    read_images[5] = {five, five.bytes, nullptr};
    read_images[7] = {seven, seven.bytes, nullptr};  // 8 was never read

    const auto images = images_of_group(group, read_images);
    ASSERT_TRUE(images);
    ASSERT_EQ(images->size(), 2u);
    EXPECT_EQ((*images)[0].number, 7);
    EXPECT_EQ((*images)[1].number, 5);
    EXPECT_EQ((*images)[0].bytes, seven.bytes);
    EXPECT_EQ(read_images.size(), 2u);  // another group may use them too

    // Written back, each kept entry comes out unchanged.
    const Bytes rewritten = encode_group_directory(*images, IconType::icon);
    Bytes expected;
    put_u16(expected, 0);
    put_u16(expected, 1);
    put_u16(expected, 2);
    for (std::uint16_t number : {7, 5}) {
        expected.insert(expected.end(), std::begin(odd_entry), std::end(odd_entry));
        put_u16(expected, number);
    }
    EXPECT_EQ(rewritten, expected);
}

TEST(GroupDirectory, ShortDirectoriesAreRefused) {
    Bytes group(20, 0);  // room for the header and one entry
    group[2] = 1;
    group[4] = 2;        // but two entries claimed
    auto entries = decode_group_directory(group);
    ASSERT_FALSE(entries);
    EXPECT_EQ(entries.error(), u"Invalid file structure");
    EXPECT_FALSE(images_of_group(group, {}));

    group.resize(6 + 2 * 14);
    EXPECT_TRUE(decode_group_directory(group));
    EXPECT_FALSE(decode_group_directory(Bytes{0, 0, 1, 0, 0}));
}

TEST(CursorResource, HotSpotPrecedesTheImage) {
    IconImage image = numbered_image(1);
    image.hotspot_x = 5;
    image.hotspot_y = 7;
    const Bytes data = encode_cursor_resource(image);
    ASSERT_EQ(data.size(), image.bytes.size() + 4);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 4), (Bytes{5, 0, 7, 0}));
    EXPECT_EQ(image_resource_size(image, IconType::cursor), data.size());

    const auto back = decode_cursor_resource(data);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->hotspot_x, 5);
    EXPECT_EQ(back->hotspot_y, 7);
    EXPECT_EQ(back->bytes, image.bytes);

    // Cursor data without a hot spot, starting with the image itself.
    const auto bare = decode_cursor_resource(image.bytes);
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->hotspot_x, 0);
    EXPECT_EQ(bare->bytes, image.bytes);

    EXPECT_FALSE(decode_cursor_resource(Bytes{5, 0, 7}));
    const auto not_an_image = decode_cursor_resource(Bytes{5, 0, 7, 0, 'G', 'I', 'F'});
    ASSERT_FALSE(not_an_image);
    EXPECT_EQ(not_an_image.error(), u"Invalid file structure");
}

}  // namespace
}  // namespace tavorin
