#include "resources/image/bitmap_data.h"

#include <gtest/gtest.h>

#include "imaging/image_bytes.h"

namespace tavorin {
namespace {

using test::append;
using test::Bytes;
using test::info_header;

// A DIB of the given total length: a 24-bit header and rows for the bytes that follow.
Bytes dib_of_length(std::size_t length) {
    Bytes dib = info_header(4, 1, 24);
    dib.resize(length, 0xAB);
    return dib;
}

Bytes with_file_header(const Bytes& dib) {
    Bytes file{'B', 'M'};
    test::put_u32(file, static_cast<std::uint32_t>(dib.size() + 14));
    test::put_u32(file, 0);
    test::put_u32(file, 54);
    append(file, dib);
    return file;
}

TEST(BitmapData, ResourceDataIsPaddedWhenTwoBytesAreLeftOver) {
    const Bytes dib = dib_of_length(1026);
    const Bytes data = encode_bitmap_resource(dib);
    ASSERT_EQ(data.size(), 1028u);
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 1026), dib);
    EXPECT_EQ(data[1026], 0);
    EXPECT_EQ(data[1027], 0);

    EXPECT_EQ(encode_bitmap_resource(dib_of_length(1024)).size(), 1024u);
    EXPECT_EQ(encode_bitmap_resource(dib_of_length(1025)).size(), 1025u);
    EXPECT_EQ(encode_bitmap_resource(dib_of_length(1027)).size(), 1027u);
}

TEST(BitmapData, FileHeaderIsDroppedFromResourceData) {
    const Bytes dib = dib_of_length(60);
    EXPECT_EQ(encode_bitmap_resource(with_file_header(dib)), dib);

    const auto decoded = decode_bitmap_resource(with_file_header(dib));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, dib);
}

TEST(BitmapData, DecodingWantsAnInfoHeader) {
    const auto plain = decode_bitmap_resource(dib_of_length(60));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->size(), 60u);

    auto expect_refused = [](const Bytes& data) {
        const auto result = decode_bitmap_resource(data);
        ASSERT_FALSE(result);
        EXPECT_EQ(result.error(), u"Invalid file structure");
    };
    Bytes v5 = dib_of_length(140);
    test::set_u32(v5, 0, 124);
    expect_refused(v5);
    expect_refused(with_file_header(v5));
    expect_refused({});
    expect_refused({'B', 'M', 0, 0});
    const Bytes valid = dib_of_length(60);
    expect_refused(Bytes(valid.begin(), valid.begin() + 39));
}

TEST(BitmapData, ExportAddsTheFileHeader) {
    const Bytes dib = dib_of_length(58);
    const auto file = export_bitmap_file(dib);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, with_file_header(dib));
    // Kept bytes that still have their file header are exported once, not twice.
    const auto again = export_bitmap_file(with_file_header(dib));
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, *file);
}

TEST(BitmapData, SizeFromTheHeaderWithOrWithoutFileHeader) {
    Bytes dib = info_header(48, -15, 24);  // top-down rows still make 15 rows
    const auto size = bitmap_size(dib);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 48u);
    EXPECT_EQ(size->height, 15u);
    const auto from_file = bitmap_size(with_file_header(dib));
    ASSERT_TRUE(from_file);
    EXPECT_EQ(from_file->height, 15u);
    EXPECT_FALSE(bitmap_size(Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace tavorin
