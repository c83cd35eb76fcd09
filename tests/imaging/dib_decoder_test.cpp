#include "imaging/dib_decoder.h"

#include <gtest/gtest.h>

#include "image_bytes.h"

namespace tavorin {
namespace {

using test::append;
using test::Bytes;
using test::info_header;
using test::put_u32;
using test::set_u16;
using test::set_u32;

constexpr std::uint32_t red = argb(0xFF, 0xFF, 0, 0);
constexpr std::uint32_t green = argb(0xFF, 0, 0xFF, 0);
constexpr std::uint32_t blue = argb(0xFF, 0, 0, 0xFF);
constexpr std::uint32_t black = argb(0xFF, 0, 0, 0);

std::vector<std::uint32_t> decoded(const Bytes& data) {
    auto pixels = decode_bitmap(data);
    EXPECT_TRUE(pixels) << "refused";
    return pixels ? pixels->argb : std::vector<std::uint32_t>{};
}

void expect_refused(const Bytes& data) {
    const auto pixels = decode_bitmap(data);
    ASSERT_FALSE(pixels);
    EXPECT_EQ(pixels.error(), u"Invalid file structure");
}

// 2 x 2, one bit per pixel, red and blue.
Bytes one_bit_dib() {
    Bytes dib = info_header(2, 2, 1);
    append(dib, {0x00, 0x00, 0xFF, 0x00,    // palette 0: red (blue, green, red, reserved)
                 0xFF, 0x00, 0x00, 0x00});  // palette 1: blue
    append(dib, {0x80, 0, 0, 0,             // first stored row is the bottom one: blue, red
                 0x40, 0, 0, 0});           // top row: red, blue
    return dib;
}

TEST(DibDecoder, PaletteImagesOfOneFourAndEightBits) {
    EXPECT_EQ(decoded(one_bit_dib()), (std::vector{red, blue, blue, red}));

    Bytes four = info_header(3, 1, 4, 0, 3);  // three palette entries declared
    append(four, {0x00, 0x00, 0xFF, 0,        // 0 red
                  0x00, 0xFF, 0x00, 0,        // 1 green
                  0xFF, 0x00, 0x00, 0});      // 2 blue
    append(four, {0x12, 0x00, 0, 0});         // indexes 1, 2, 0 in the high nibble first
    EXPECT_EQ(decoded(four), (std::vector{green, blue, red}));

    Bytes eight = info_header(1, -2, 8, 0, 2);  // top-down
    append(eight, {0x00, 0x00, 0xFF, 0,         // 0 red
                   0xFF, 0x00, 0x00, 0});       // 1 blue
    append(eight, {1, 0, 0, 0,                  // top row first
                   0, 0, 0, 0});
    EXPECT_EQ(decoded(eight), (std::vector{blue, red}));
}

TEST(DibDecoder, IndexBeyondTheDeclaredPaletteIsBlack) {
    Bytes dib = info_header(2, 1, 4, 0, 1);
    append(dib, {0x00, 0x00, 0xFF, 0});  // 0 red, the only entry
    append(dib, {0x0F, 0, 0, 0});        // indexes 0 and 15
    EXPECT_EQ(decoded(dib), (std::vector{red, black}));
}

TEST(DibDecoder, SixteenBitsDefaultToFiveBitsPerChannel) {
    Bytes dib = info_header(3, 1, 16);
    append(dib, {0x00, 0x7C,   // 0x7C00: red at full scale
                 0x00, 0x02,   // 0x0200: green 16 of 31
                 0x1F, 0x00,   // 0x001F: blue
                 0, 0});       // row padding
    EXPECT_EQ(decoded(dib), (std::vector{red, argb(0xFF, 0, 132, 0), blue}));
}

TEST(DibDecoder, SixteenBitFieldsAfterTheHeader) {
    Bytes dib = info_header(2, 1, 16, 3);
    put_u32(dib, 0xF800);  // red mask
    put_u32(dib, 0x07E0);  // green mask: six bits
    put_u32(dib, 0x001F);  // blue mask
    append(dib, {0xE0, 0x07,   // 0x07E0: green
                 0x20, 0x00}); // 0x0020: green 1 of 63
    EXPECT_EQ(decoded(dib), (std::vector{green, argb(0xFF, 0, 4, 0)}));
}

TEST(DibDecoder, TwentyFourBitsAreBlueGreenRed) {
    Bytes dib = info_header(1, 1, 24);
    append(dib, {0x01, 0x02, 0x03, 0});
    EXPECT_EQ(decoded(dib), (std::vector{argb(0xFF, 3, 2, 1)}));
}

TEST(DibDecoder, ThirtyTwoBitsKeepAlphaUnlessAllOfItIsZero) {
    Bytes with_alpha = info_header(2, 1, 32);
    append(with_alpha, {10, 20, 30, 0x80,   // half transparent
                        1, 2, 3, 0});       // fully transparent
    EXPECT_EQ(decoded(with_alpha), (std::vector{argb(0x80, 30, 20, 10), argb(0, 3, 2, 1)}));

    Bytes unused_alpha = info_header(2, 1, 32);
    append(unused_alpha, {10, 20, 30, 0, 1, 2, 3, 0});
    EXPECT_EQ(decoded(unused_alpha), (std::vector{argb(0xFF, 30, 20, 10), argb(0xFF, 3, 2, 1)}));
}

TEST(DibDecoder, ThirtyTwoBitFieldsWithAlphaMask) {
    Bytes dib = info_header(1, 1, 32, 6);  // BI_ALPHABITFIELDS: four masks follow
    put_u32(dib, 0xFF000000);              // red
    put_u32(dib, 0x00FF0000);              // green
    put_u32(dib, 0x0000FF00);              // blue
    put_u32(dib, 0x000000FF);              // alpha
    append(dib, {0x40, 0x11, 0x22, 0x33});
    EXPECT_EQ(decoded(dib), (std::vector{argb(0x40, 0x33, 0x22, 0x11)}));
}

TEST(DibDecoder, CoreHeaderWithThreeBytePaletteEntries) {
    Bytes dib;
    put_u32(dib, 12);                      // bcSize
    append(dib, {2, 0, 1, 0, 1, 0, 1, 0}); // width 2, height 1, planes 1, one bit
    append(dib, {0xFF, 0, 0,               // 0 blue
                 0, 0, 0xFF});             // 1 red
    append(dib, {0x40, 0, 0, 0});
    EXPECT_EQ(decoded(dib), (std::vector{blue, red}));
}

TEST(DibDecoder, BitmapFileHeaderPixelOffsetIsHonouredWhenItIsPlausible) {
    Bytes file{'B', 'M'};
    put_u32(file, 0);                  // file size, not checked
    put_u32(file, 0);                  // reserved
    put_u32(file, 14 + 40 + 4);        // pixels after a 4-byte gap
    append(file, info_header(1, 1, 24));
    append(file, {0xEE, 0xEE, 0xEE, 0xEE});  // gap
    append(file, {0x01, 0x02, 0x03, 0});
    EXPECT_EQ(decoded(file), (std::vector{argb(0xFF, 3, 2, 1)}));

    // An offset pointing into the header is ignored: the pixels follow the header.
    Bytes wrong_offset = file;
    set_u32(wrong_offset, 10, 20);
    wrong_offset.erase(wrong_offset.begin() + 54, wrong_offset.begin() + 58);
    EXPECT_EQ(decoded(wrong_offset), (std::vector{argb(0xFF, 3, 2, 1)}));
}

TEST(DibDecoder, MalformedHeadersAreRefused) {
    expect_refused({});
    expect_refused({'B', 'M', 0, 0});  // file header cut short

    const Bytes valid = one_bit_dib();
    Bytes unknown_size = valid;
    set_u32(unknown_size, 0, 41);
    expect_refused(unknown_size);

    expect_refused(Bytes(valid.begin(), valid.begin() + 30));  // header cut short

    Bytes zero_width = valid;
    set_u32(zero_width, 4, 0);
    expect_refused(zero_width);

    Bytes negative_width = valid;
    set_u32(negative_width, 4, 0xFFFFFFFE);
    expect_refused(negative_width);

    Bytes zero_height = valid;
    set_u32(zero_height, 8, 0);
    expect_refused(zero_height);

    Bytes lowest_height = valid;
    set_u32(lowest_height, 8, 0x80000000);  // cannot be negated
    expect_refused(lowest_height);

    Bytes odd_depth = valid;
    set_u16(odd_depth, 14, 7);
    expect_refused(odd_depth);

    Bytes run_length = valid;
    set_u32(run_length, 16, 1);  // BI_RLE8
    expect_refused(run_length);

    Bytes too_many_colors = valid;
    set_u32(too_many_colors, 32, 3);  // three palette entries for one bit
    expect_refused(too_many_colors);
}

TEST(DibDecoder, MissingPaletteOrPixelsAreRefused) {
    const Bytes valid = one_bit_dib();
    expect_refused(Bytes(valid.begin(), valid.begin() + 44));     // half a palette
    expect_refused(Bytes(valid.begin(), valid.end() - 1));        // last row one byte short

    Bytes endless_palette = info_header(1, 1, 24, 0, 0xFFFFFFFF);  // a palette no data can hold
    append(endless_palette, {1, 2, 3, 0});
    expect_refused(endless_palette);

    Bytes bit_fields_on_24 = info_header(1, 1, 24, 3);
    append(bit_fields_on_24, Bytes(16, 0));
    expect_refused(bit_fields_on_24);
}

TEST(DibDecoder, HugeClaimsAreRefusedBeforeAllocating) {
    Bytes wide = info_header(40000, 1, 1);  // wider than any image we build
    append(wide, Bytes(8 + 5000, 0));
    expect_refused(wide);

    Bytes large = info_header(30000, 30000, 1);  // 900 million pixels from a few bytes
    append(large, Bytes(16, 0));
    expect_refused(large);
}

}  // namespace
}  // namespace tavorin
