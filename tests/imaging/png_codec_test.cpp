#include "imaging/png_codec.h"

#include <gtest/gtest.h>

#include "image_bytes.h"

namespace tavorin {
namespace {

using test::Bytes;

Pixels gradient(std::uint32_t width, std::uint32_t height, bool with_alpha) {
    Pixels pixels(width, height);
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const auto a = static_cast<std::uint8_t>(with_alpha ? (x * 37 + y) % 256 : 255);
            pixels.at(x, y) = argb(a, static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16),
                                   static_cast<std::uint8_t>(x ^ y));
        }
    }
    return pixels;
}

TEST(PngCodec, EncodedImagesDecodeToTheSamePixels) {
    for (bool with_alpha : {false, true}) {
        const Pixels original = gradient(16, 9, with_alpha);
        const auto stream = encode_png(original);
        ASSERT_TRUE(stream);
        EXPECT_TRUE(is_png(*stream));
        const auto info = read_png_info(*stream);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->width, 16u);
        EXPECT_EQ(info->height, 9u);
        EXPECT_EQ(info->bit_count, with_alpha ? 32 : 24);
        const auto back = decode_png(*stream);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, original);
    }
}

TEST(PngCodec, DamagedStreamsAreRefused) {
    const auto stream = encode_png(gradient(8, 8, true));
    ASSERT_TRUE(stream);
    const Bytes valid = *stream;

    auto expect_refused = [](const Bytes& data) {
        const auto pixels = decode_png(data);
        ASSERT_FALSE(pixels);
        EXPECT_EQ(pixels.error(), u"Invalid file structure");
    };
    expect_refused({});
    expect_refused(Bytes(valid.begin(), valid.begin() + 20));  // IHDR cut short
    expect_refused(Bytes(valid.begin(), valid.end() - 20));    // image data cut short

    Bytes bad_signature = valid;
    bad_signature[7] = 0;
    expect_refused(bad_signature);

    Bytes bad_depth = valid;
    bad_depth[24] = 3;  // IHDR bit depth
    expect_refused(bad_depth);

    Bytes bad_color_type = valid;
    bad_color_type[25] = 5;
    expect_refused(bad_color_type);

    Bytes damaged_data = valid;
    damaged_data[valid.size() - 20] ^= 0xFF;  // inside the compressed data: its checksum fails
    expect_refused(damaged_data);
}

TEST(PngCodec, HugeClaimedSizeIsRefusedBeforeDecoding) {
    const auto stream = encode_png(gradient(1, 1, false));
    ASSERT_TRUE(stream);
    Bytes huge = *stream;
    // IHDR width and height (big-endian) at 16 and 20: 30000 x 30000.
    for (std::size_t at : {16u, 20u}) {
        huge[at] = 0;
        huge[at + 1] = 0;
        huge[at + 2] = 0x75;
        huge[at + 3] = 0x30;
    }
    EXPECT_FALSE(read_png_info(huge));
    EXPECT_FALSE(decode_png(huge));
}

}  // namespace
}  // namespace tavorin
