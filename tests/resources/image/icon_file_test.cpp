#include "resources/image/icon_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_io.h"
#include "resources/image/group_directory.h"
#include "icon_fixtures.h"

namespace tavorin {
namespace {

using test::Bytes;
using test::FileImage;
using test::icon_file;
using test::set_u16;
using test::set_u32;
using test::tiny_icon_dib;

void expect_refused(const Bytes& file, IconType type = IconType::icon) {
    const auto images = read_icon_file(file, type);
    ASSERT_FALSE(images);
    EXPECT_EQ(images.error(), u"Invalid file structure");
}

TEST(IconFile, TwoImagesAreReadWithSizesFromTheImages) {
    const Bytes png = test::pattern_icon(48, 0);
    const Bytes file = icon_file(1, {{tiny_icon_dib(), 1, 1, 1, 1}, {png, 48, 48, 1, 32}});
    const auto images = read_icon_file(file, IconType::icon);
    ASSERT_TRUE(images) << "refused";
    ASSERT_EQ(images->size(), 2u);
    EXPECT_EQ((*images)[0].bytes, tiny_icon_dib());
    EXPECT_EQ((*images)[0].width, 1u);
    EXPECT_EQ((*images)[0].height, 1u);  // half the DIB's stored height
    EXPECT_EQ((*images)[0].bit_count, 1);
    EXPECT_FALSE((*images)[0].png);
    EXPECT_EQ((*images)[1].bytes, png);
    EXPECT_EQ((*images)[1].width, 48u);
    EXPECT_EQ((*images)[1].bit_count, 32);
    EXPECT_TRUE((*images)[1].png);

    const auto written = write_icon_file(*images, IconType::icon);
    ASSERT_TRUE(written);
    Bytes expected = file;
    expected[6 + 2] = 2;  // the colour count this program writes for one bit per pixel
    EXPECT_EQ(*written, expected);
}

// The group directory gets the file's planes and depth, or the image's where the file has 0.
TEST(IconFile, IconPlanesAndBitCountComeFromTheEntryUnlessZero) {
    const struct {
        std::uint16_t planes, bit_count, group_planes, group_bit_count;
    } cases[] = {{1, 4, 1, 4}, {0, 0, 1, 1}, {3, 8, 3, 8}};
    for (const auto& c : cases) {
        const auto images = read_icon_file(icon_file(1, {{tiny_icon_dib(), 1, 1, c.planes, c.bit_count}}), IconType::icon);
        ASSERT_TRUE(images);
        EXPECT_EQ((*images)[0].bit_count, c.group_bit_count);
        const GroupEntryBytes entry = group_entry_of((*images)[0], IconType::icon);
        EXPECT_EQ(entry[4] | entry[5] << 8, c.group_planes) << c.planes;
        EXPECT_EQ(entry[6] | entry[7] << 8, c.group_bit_count) << c.bit_count;
    }
}

TEST(IconFile, CursorHotSpotsComeFromTheEntriesAndGoBack) {
    const Bytes file = icon_file(2, {{tiny_icon_dib(), 1, 1, 5, 7}});
    const auto images = read_icon_file(file, IconType::cursor);
    ASSERT_TRUE(images);
    EXPECT_EQ((*images)[0].hotspot_x, 5);
    EXPECT_EQ((*images)[0].hotspot_y, 7);
    EXPECT_EQ((*images)[0].bit_count, 1);  // from the image: the entry holds the hot spot
    const auto written = write_icon_file(*images, IconType::cursor);
    ASSERT_TRUE(written);
    Bytes expected = file;
    expected[6 + 2] = 2;
    EXPECT_EQ(*written, expected);
}

TEST(IconFile, ImagesAreReadAtTheirOffsetsWhateverTheOrder) {
    Bytes file = icon_file(1, {{tiny_icon_dib(0), 1, 1, 1, 1}, {tiny_icon_dib(1), 1, 1, 1, 1}});
    // Swap the two offsets: the first entry now names the image stored second.
    set_u32(file, 6 + 12, 6 + 32 + 56);
    set_u32(file, 6 + 16 + 12, 6 + 32);
    const auto images = read_icon_file(file, IconType::icon);
    ASSERT_TRUE(images);
    EXPECT_EQ((*images)[0].bytes, tiny_icon_dib(1));
    EXPECT_EQ((*images)[1].bytes, tiny_icon_dib(0));
}

TEST(IconFile, MalformedFilesAreRefused) {
    const Bytes valid = icon_file(1, {{tiny_icon_dib(), 1, 1, 1, 1}});
    ASSERT_TRUE(read_icon_file(valid, IconType::icon));

    expect_refused({});
    expect_refused(Bytes(valid.begin(), valid.begin() + 5));           // header cut short
    expect_refused(Bytes(valid.begin(), valid.begin() + 6 + 10));      // entry cut short
    expect_refused(Bytes(valid.begin(), valid.end() - 1));             // image cut short
    expect_refused(valid, IconType::cursor);                           // an icon file where a cursor is wanted

    Bytes reserved = valid;
    set_u16(reserved, 0, 1);
    expect_refused(reserved);

    Bytes no_images = valid;
    set_u16(no_images, 4, 0);
    expect_refused(no_images);

    Bytes many_entries = valid;
    set_u16(many_entries, 4, 0xFFFF);  // a directory far longer than the file
    expect_refused(many_entries);

    Bytes far_offset = valid;
    set_u32(far_offset, 6 + 12, 0xFFFFFFF0);  // offset + size overflows 32 bits
    expect_refused(far_offset);

    Bytes not_an_image = valid;
    set_u32(not_an_image, 22, 12);  // the DIB header claims the 12-byte core form
    expect_refused(not_an_image);
}

// Icons in the depths and sizes icon files hold, PNG included, written, read and written again.
TEST(IconFile, GeneratedIconsRoundTripByteForByte) {
    std::vector<IconImage> images;
    const std::pair<std::uint32_t, std::uint16_t> forms[] = {{16, 1},  {16, 4},  {32, 8},  {32, 24},
                                                             {48, 32}, {256, 0}, {24, 32}, {20, 4}};
    for (auto [side, bit_count] : forms) {
        auto image = make_icon_image(test::pattern_icon(side, bit_count));
        ASSERT_TRUE(image) << side << " " << bit_count;
        EXPECT_EQ(image->width, side);
        images.push_back(*image);
    }
    const auto file = write_icon_file(images, IconType::icon);
    ASSERT_TRUE(file);
    EXPECT_EQ((*file)[6 + 5 * 16], 0);  // 256 pixels is written as 0
    const auto back = read_icon_file(*file, IconType::icon);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ((*back)[i].bytes, images[i].bytes) << i;
        EXPECT_EQ((*back)[i].width, images[i].width) << i;
        EXPECT_EQ((*back)[i].height, images[i].height) << i;
    }
    const auto again = write_icon_file(*back, IconType::icon);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, *file);
}

// Icon files installed on this machine (absent ones are skipped).
TEST(IconFile, InstalledIconFilesRoundTrip) {
    const char* const candidates[] = {
        "/usr/share/clang/scan-view-14/share/bugcatcher.ico",
        "/usr/lib/llvm-14/share/scan-view/bugcatcher.ico",
        "/usr/share/doc/fp-compiler/3.2.2/wince/SysInfo/sysinfo.ico",
        "/root/.pyenv/versions/3.13.0/lib/python3.13/idlelib/Icons/idle.ico",
        "/usr/lib/google-cloud-sdk/platform/google_appengine/php/new_project_template/favicon.ico",
    };
    int found = 0;
    for (const char* path : candidates) {
        if (!std::filesystem::is_regular_file(path)) continue;
        const auto bytes = read_file_bytes(path);
        ASSERT_TRUE(bytes) << path;
        const auto images = read_icon_file(*bytes, IconType::icon);
        if (!images) {
            ADD_FAILURE() << path << " refused";
            continue;
        }
        ++found;
        const auto written = write_icon_file(*images, IconType::icon);
        ASSERT_TRUE(written) << path;
        const auto back = read_icon_file(*written, IconType::icon);
        ASSERT_TRUE(back) << path;
        ASSERT_EQ(back->size(), images->size()) << path;
        for (std::size_t i = 0; i < images->size(); ++i) {
            EXPECT_EQ((*back)[i].bytes, (*images)[i].bytes) << path << " image " << i;
            EXPECT_EQ((*back)[i].bit_count, (*images)[i].bit_count) << path << " image " << i;
        }
    }
    if (found == 0) GTEST_SKIP() << "no icon files installed here";
}

}  // namespace
}  // namespace tavorin
