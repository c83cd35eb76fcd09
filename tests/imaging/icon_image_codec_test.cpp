#include "imaging/icon_image_codec.h"

#include <gtest/gtest.h>

#include "imaging/png_codec.h"
#include "image_bytes.h"

namespace tavorin {
namespace {

using test::append;
using test::Bytes;
using test::info_header;

constexpr std::uint32_t red = argb(0xFF, 0xFF, 0, 0);
constexpr std::uint32_t clear = argb(0, 0, 0, 0);

// 2 x 2 icon image of one bit per pixel: the header states height 4 (colours and mask).
Bytes one_bit_icon() {
    Bytes image = info_header(2, 4, 1);
    append(image, {0, 0, 0, 0,              // palette 0: black
                   0, 0, 0xFF, 0});         // palette 1: red
    append(image, {0xC0, 0, 0, 0,           // colour rows, bottom first: red, red
                   0x80, 0, 0, 0});         // top: red, black
    append(image, {0x00, 0, 0, 0,           // mask rows, bottom first: both shown
                   0x40, 0, 0, 0});         // top: second pixel transparent
    return image;
}

TEST(IconImageCodec, MaskMakesPixelsTransparent) {
    const auto pixels = decode_icon_image(one_bit_icon());
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->width, 2u);
    EXPECT_EQ(pixels->height, 2u);
    EXPECT_EQ(pixels->argb, (std::vector{red, clear, red, red}));

    const auto info = read_icon_image_info(one_bit_icon());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->width, 2u);
    EXPECT_EQ(info->height, 2u);
    EXPECT_EQ(info->bit_count, 1);
    EXPECT_FALSE(info->png);
}

TEST(IconImageCodec, ThirtyTwoBitsUseAlphaAndTheMaskOnlyWhenAlphaIsUnused) {
    Bytes with_alpha = info_header(1, 2, 32);
    append(with_alpha, {1, 2, 3, 0x80});    // colour row with alpha
    append(with_alpha, {0x80, 0, 0, 0});    // mask says transparent, alpha wins
    auto pixels = decode_icon_image(with_alpha);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->argb, (std::vector{argb(0x80, 3, 2, 1)}));

    // Alpha left out of the mask entirely is accepted: the alpha says everything.
    pixels = decode_icon_image(Bytes(with_alpha.begin(), with_alpha.end() - 4));
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->argb, (std::vector{argb(0x80, 3, 2, 1)}));

    Bytes unused_alpha = info_header(2, 2, 32);
    append(unused_alpha, {1, 2, 3, 0, 4, 5, 6, 0});
    append(unused_alpha, {0x40, 0, 0, 0});  // second pixel transparent
    pixels = decode_icon_image(unused_alpha);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->argb, (std::vector{argb(0xFF, 3, 2, 1), argb(0, 6, 5, 4)}));
}

TEST(IconImageCodec, PngImagesTakeTheirSizeFromTheStream) {
    Pixels original(3, 5, argb(0x80, 1, 2, 3));
    const auto stream = encode_png(original);
    ASSERT_TRUE(stream);
    const auto info = read_icon_image_info(*stream);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->width, 3u);
    EXPECT_EQ(info->height, 5u);
    EXPECT_EQ(info->bit_count, 32);
    EXPECT_TRUE(info->png);
    const auto pixels = decode_icon_image(*stream);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(*pixels, original);
}

TEST(IconImageCodec, AnythingElseIsRefused) {
    auto expect_refused = [](const Bytes& image) {
        const auto info = read_icon_image_info(image);
        ASSERT_FALSE(info);
        EXPECT_EQ(info.error(), u"Invalid file structure");
        EXPECT_FALSE(decode_icon_image(image));
    };
    expect_refused({});
    expect_refused({'G', 'I', 'F', '8', '9', 'a'});

    const Bytes valid = one_bit_icon();
    Bytes core_header = valid;
    test::set_u32(core_header, 0, 12);  // only the 40-byte header is an icon image
    expect_refused(core_header);

    Bytes top_down = valid;
    test::set_u32(top_down, 8, static_cast<std::uint32_t>(-4));
    expect_refused(top_down);

    // Below 32 bits the mask is required.
    EXPECT_FALSE(decode_icon_image(Bytes(valid.begin(), valid.end() - 1)));
}

}  // namespace
}  // namespace tavorin
