#include "app/layout_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/config_temp_folder.h"

namespace tavorin {
namespace {

using testing::ConfigTempFolder;

// A layout file: the rectangle (10, 20, 810, 620) followed by `panel_bytes` bytes of panels.
std::vector<std::uint8_t> layout_bytes(std::size_t panel_bytes) {
    std::vector<std::uint8_t> bytes = {
        10, 0, 0, 0,   // left
        20, 0, 0, 0,   // top
        0x2A, 3, 0, 0,  // right 810
        0x6C, 2, 0, 0,  // bottom 620
    };
    for (std::size_t i = 0; i < panel_bytes; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7));
    return bytes;
}

class LayoutFileTest : public ::testing::Test {
protected:
    std::optional<Layout> read_bytes(const std::vector<std::uint8_t>& bytes) {
        folder.write("Tavorin.layout", bytes);
        return read_layout(path());
    }
    std::filesystem::path path() const { return folder.path() / "Tavorin.layout"; }

    ConfigTempFolder folder;
};

TEST_F(LayoutFileTest, FilesOf2048BytesOrMoreAreIgnored) {
    EXPECT_FALSE(read_bytes(layout_bytes(2048 - 16)).has_value());
    EXPECT_FALSE(read_bytes(layout_bytes(5000)).has_value());

    const auto largest = read_bytes(layout_bytes(2047 - 16));
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->window, (WindowRect{10, 20, 810, 620}));
    EXPECT_EQ(largest->panels.size(), 2031u);
    EXPECT_EQ(largest->panels[2030], static_cast<std::uint8_t>(2030 * 7));
}

TEST_F(LayoutFileTest, FilesTooShortForTheRectangleAreIgnored) {
    auto bytes = layout_bytes(0);
    bytes.pop_back();
    EXPECT_FALSE(read_bytes(bytes).has_value());
    EXPECT_FALSE(read_bytes({}).has_value());

    const auto rectangle_only = read_bytes(layout_bytes(0));
    ASSERT_TRUE(rectangle_only.has_value());
    EXPECT_TRUE(rectangle_only->panels.empty());
}

TEST_F(LayoutFileTest, AMissingFileGivesNothing) { EXPECT_FALSE(read_layout(path()).has_value()); }

TEST_F(LayoutFileTest, ARectangleWithoutAreaIsNotRestored) {
    EXPECT_FALSE(layout_from_bytes(layout_to_bytes(Layout{{100, 100, 100, 400}, {}})).has_value());
    EXPECT_FALSE(layout_from_bytes(layout_to_bytes(Layout{{100, 400, 300, 200}, {}})).has_value());
}

TEST_F(LayoutFileTest, WritesLittleEndianSignedValuesAndReadsThemBack) {
    const Layout layout{{-8, -1200, 1900, 1000}, {1, 2, 3, 0, 255}};
    ASSERT_TRUE(write_layout(path(), layout).ok());

    const std::string bytes = folder.read("Tavorin.layout");
    ASSERT_EQ(bytes.size(), 21u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\xF8\xFF\xFF\xFF\x50\xFB\xFF\xFF", 8));
    EXPECT_EQ(bytes.substr(8, 8), std::string("\x6C\x07\x00\x00\xE8\x03\x00\x00", 8));
    EXPECT_EQ(bytes.substr(16), std::string("\x01\x02\x03\x00\xFF", 5));

    const auto read = read_layout(path());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, layout);
}

TEST_F(LayoutFileTest, AFailedWriteIsReturned) {
    EXPECT_FALSE(write_layout(folder.path() / "no" / "Tavorin.layout", Layout{{0, 0, 10, 10}, {}}).ok());
}

TEST(DefaultWindowRect, IsHalfTheScreenInItsMiddle) {
    EXPECT_EQ(default_window_rect(1920, 1080), (WindowRect{480, 270, 1440, 810}));
    EXPECT_EQ(default_window_rect(1366, 768), (WindowRect{341, 192, 341 + 683, 192 + 384}));
}

TEST(FirstStartWindowRect, LeavesATwentiethOfTheWorkAreaOnEachSide) {
    EXPECT_EQ(first_start_window_rect(WindowRect{0, 0, 1920, 1040}), (WindowRect{96, 52, 1824, 988}));
    EXPECT_EQ(first_start_window_rect(WindowRect{-1280, 40, 0, 1024}), (WindowRect{-1216, 89, -64, 975}));
}

}  // namespace
}  // namespace tavorin
