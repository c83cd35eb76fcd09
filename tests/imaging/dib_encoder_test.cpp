#include "imaging/dib_encoder.h"

#include <gtest/gtest.h>

#include "imaging/dib_decoder.h"
#include "imaging/icon_image_codec.h"
#include "image_bytes.h"

namespace tavorin {
namespace {

using test::Bytes;

constexpr std::uint32_t red = argb(0xFF, 0xFF, 0, 0);
constexpr std::uint32_t white = argb(0xFF, 0xFF, 0xFF, 0xFF);
constexpr std::uint32_t black = argb(0xFF, 0, 0, 0);

// 3 x 2: three colours, so it fits every depth; odd width exercises the row padding.
Pixels three_colors() {
    Pixels pixels(3, 2);
    pixels.argb = {red, white, black, black, red, white};
    return pixels;
}

TEST(DibEncoder, EveryDepthDecodesBackToTheSamePixels) {
    for (std::uint16_t bit_count : {4, 8, 16, 24, 32}) {
        const auto dib = encode_dib(three_colors(), bit_count);
        ASSERT_TRUE(dib) << bit_count;
        const auto back = decode_dib(*dib);
        ASSERT_TRUE(back) << bit_count;
        EXPECT_EQ(*back, three_colors()) << bit_count;
    }
}

TEST(DibEncoder, HeaderPaletteAndRowLayout) {
    Pixels two(2, 1);
    two.argb = {white, black};
    const auto dib = encode_dib(two, 1);
    ASSERT_TRUE(dib);
    Bytes expected = test::info_header(2, 1, 1);
    test::append(expected, {0xFF, 0xFF, 0xFF, 0,  // palette 0: white, the first colour met
                            0, 0, 0, 0,           // palette 1: black
                            0x40, 0, 0, 0});      // indexes 0, 1, row padded to four bytes
    expected[20] = 4;                             // biSizeImage
    EXPECT_EQ(*dib, expected);
}

TEST(DibEncoder, TooManyColorsForTheDepthIsAFailure) {
    const auto dib = encode_dib(three_colors(), 1);
    ASSERT_FALSE(dib);
    EXPECT_EQ(dib.error(), u"The image has more colors than the color depth can hold");
    EXPECT_FALSE(encode_dib(three_colors(), 2));
    EXPECT_FALSE(encode_dib(Pixels(), 24));
}

TEST(DibEncoder, IconImagesCarryTheirMask) {
    Pixels pixels(2, 2, red);
    pixels.at(1, 0) = argb(0, 0x12, 0x34, 0x56);  // transparent
    pixels.at(0, 1) = argb(0x40, 1, 2, 3);        // partly transparent

    const auto deep = encode_icon_dib(pixels, 32);
    ASSERT_TRUE(deep);
    EXPECT_EQ(deep->size(), 40u + 2 * 8 + 2 * 4);  // header, two colour rows, two mask rows
    EXPECT_EQ((*deep)[8], 4);                       // stored height covers the mask
    EXPECT_EQ((*deep)[40 + 16 + 4], 0x40);          // mask of the top row: second pixel
    auto back = decode_icon_image(*deep);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, pixels);

    const auto paletted = encode_icon_dib(pixels, 4);
    ASSERT_TRUE(paletted);
    back = decode_icon_image(*paletted);
    ASSERT_TRUE(back);
    Pixels expected(2, 2, red);
    expected.at(1, 0) = argb(0, 0, 0, 0);  // masked pixels are stored black
    expected.at(0, 1) = argb(0, 0, 0, 0);
    EXPECT_EQ(*back, expected);
}

}  // namespace
}  // namespace tavorin
