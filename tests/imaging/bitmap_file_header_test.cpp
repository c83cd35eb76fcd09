#include "imaging/bitmap_file_header.h"

#include <gtest/gtest.h>

#include "imaging/dib_decoder.h"
#include "image_bytes.h"

namespace tavorin {
namespace {

using test::append;
using test::Bytes;
using test::info_header;

std::uint32_t u32_at(const Bytes& bytes, std::size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

TEST(BitmapFileHeader, FileHeaderFieldsForAFullPalette) {
    Bytes dib = info_header(1, 1, 8);
    append(dib, Bytes(256 * 4, 0));  // palette
    append(dib, {1, 0, 0, 0});       // one row
    const auto file = make_bitmap_file(dib);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), dib.size() + 14);
    EXPECT_EQ((*file)[0], 'B');
    EXPECT_EQ((*file)[1], 'M');
    EXPECT_EQ(u32_at(*file, 2), dib.size() + 14);  // file size
    EXPECT_EQ(u32_at(*file, 6), 0u);               // reserved
    EXPECT_EQ(u32_at(*file, 10), 54u + 4 * 256);   // pixel offset
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), file->begin() + 14));
}

// The pixel offset follows the palette the header really declares and any bit-field masks,
// so the file decodes to the same image as the DIB.
TEST(BitmapFileHeader, PixelOffsetCountsDeclaredPaletteAndMasks) {
    Bytes short_palette = info_header(1, 1, 8, 0, 2);
    append(short_palette, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0});  // red, blue
    append(short_palette, {1, 0, 0, 0});
    auto file = make_bitmap_file(short_palette);
    ASSERT_TRUE(file);
    EXPECT_EQ(u32_at(*file, 10), 54u + 8);
    auto pixels = decode_bitmap(*file);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->argb, (std::vector{argb(0xFF, 0, 0, 0xFF)}));

    Bytes bit_fields = info_header(1, 1, 16, 3);
    test::put_u32(bit_fields, 0xF800);
    test::put_u32(bit_fields, 0x07E0);
    test::put_u32(bit_fields, 0x001F);
    append(bit_fields, {0x00, 0xF8, 0, 0});
    file = make_bitmap_file(bit_fields);
    ASSERT_TRUE(file);
    EXPECT_EQ(u32_at(*file, 10), 54u + 12);

    Bytes true_color = info_header(1, 1, 24);
    append(true_color, {1, 2, 3, 0});
    file = make_bitmap_file(true_color);
    ASSERT_TRUE(file);
    EXPECT_EQ(u32_at(*file, 10), 54u);
}

TEST(BitmapFileHeader, StrippingAndRefusal) {
    const Bytes with_header{'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x28};
    EXPECT_TRUE(has_bitmap_file_header(with_header));
    EXPECT_EQ(Bytes(without_bitmap_file_header(with_header).begin(), without_bitmap_file_header(with_header).end()),
              Bytes{0x28});
    const Bytes plain{0x28, 0, 0, 0};
    EXPECT_FALSE(has_bitmap_file_header(plain));
    EXPECT_EQ(without_bitmap_file_header(plain).size(), 4u);
    EXPECT_TRUE(without_bitmap_file_header(Bytes{'B', 'M', 0}).empty());

    const auto refused = make_bitmap_file(Bytes{1, 2, 3});
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"Invalid file structure");
}

}  // namespace
}  // namespace tavorin
