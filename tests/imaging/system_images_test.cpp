// Bitmaps that happen to be installed on the machine, decoded where they lie. Machines without
// them skip the test.

#include <gtest/gtest.h>

#include <filesystem>

#include "base/file_io.h"
#include "imaging/dib_decoder.h"

namespace tavorin {
namespace {

const char* const candidate_bitmaps[] = {
    "/usr/share/doc/fp-compiler/3.2.2/palmos/pilrc.bmp",         // 1 bit, BITMAPINFOHEADER
    "/usr/share/doc/fp-compiler/3.2.2/palmos/pilrcic.bmp",
    "/root/.pyenv/versions/3.13.0/lib/python3.13/test/test_email/data/python.bmp",  // 32-bit V5 header
};

TEST(SystemImages, InstalledBitmapsDecode) {
    int found = 0;
    for (const char* path : candidate_bitmaps) {
        if (!std::filesystem::is_regular_file(path)) continue;
        ++found;
        const auto bytes = read_file_bytes(path);
        ASSERT_TRUE(bytes) << path;
        const auto pixels = decode_bitmap(*bytes);
        ASSERT_TRUE(pixels) << path;
        EXPECT_GT(pixels->width, 0u) << path;
        EXPECT_EQ(pixels->argb.size(), std::size_t{pixels->width} * pixels->height) << path;
    }
    if (found == 0) GTEST_SKIP() << "no bitmap files installed here";
}

}  // namespace
}  // namespace tavorin
