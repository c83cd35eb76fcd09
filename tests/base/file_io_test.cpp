// Whole-file reads and safe writes on real files: what is not a regular file is refused, large
// files read completely, a write keeps the target's mode, goes through symbolic links, refuses
// read-only targets, leaves nothing behind when it fails, and writers of one target at the same
// time do not disturb each other.

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "base/file_io.h"
#include "base/file_size_limit.h"
#include "base/text.h"
#include "formats/writer_test_support.h"

namespace tavorin {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::vector<fs::path> names_in(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadFileBytes, RefusesFoldersAndMissingFilesWithTheReason) {
    testing::TempFolder folder;
    fs::create_directory(folder / "d.res");
    struct Case {
        const char* name;
        std::u16string_view reason;
    };
    for (const Case& c : {Case{"d.res", u"Is a directory"}, Case{"missing.rc", u"No such file or directory"}}) {
        SCOPED_TRACE(c.name);
        const auto read = read_file_bytes(folder / c.name);
        ASSERT_FALSE(read);
#ifdef _WIN32
        EXPECT_EQ(read.error().substr(0, display_path(folder / c.name).size() + 2), display_path(folder / c.name) + u"\r\n");
#else
        EXPECT_EQ(read.error(), display_path(folder / c.name) + u"\r\n" + std::u16string(c.reason));
#endif
    }
}

#ifndef _WIN32
TEST(ReadFileBytes, RefusesDevicesThatNeverEnd) {
    const auto read = read_file_bytes("/dev/zero");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error(), u"/dev/zero\r\nThe file is not a regular file.");
}
#endif

TEST(ReadFileBytes, ReadsEmptyAndMultiStepFilesWhole) {
    testing::TempFolder folder;
    for (const std::size_t size : {std::size_t{0}, std::size_t{3} << 20 | 5}) {
        SCOPED_TRACE(size);
        std::string content(size, '\0');
        for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<char>(i * 7 + i / 4096);
        folder.write("f.bin", content);
        const auto read = read_file_bytes(folder / "f.bin");
        ASSERT_TRUE(read);
        EXPECT_EQ(std::string(read->begin(), read->end()), content);
    }
}

TEST(WriteFileAtomically, ReplacesTheContentAndKeepsTheMode) {
    testing::TempFolder folder;
    folder.write("tool.exe", "old");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec | fs::perms::group_read |
                      fs::perms::group_exec;
    fs::permissions(folder / "tool.exe", mode);
    ASSERT_TRUE(write_file_atomically(folder / "tool.exe", Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(folder.text("tool.exe"), "new");
#ifndef _WIN32
    EXPECT_EQ(fs::status(folder / "tool.exe").permissions() & fs::perms::all, mode);
#endif
    EXPECT_EQ(names_in(folder.path()), std::vector<fs::path>{"tool.exe"});
}

// Small pieces are gathered before they are written and large ones are written as they are:
// the file must still hold every piece in its order, whatever sizes follow each other.
TEST(WriteFileAtomically, PiecesOfEverySizeComeOutInOrder) {
    testing::TempFolder folder;
    std::vector<Bytes> pieces;
    for (const std::size_t size : {10, 70000, 3, 0, 200000, 60000, 60000, 60000, 65535, 65536, 1, 300000, 7}) {
        Bytes piece(size);
        for (std::size_t i = 0; i < size; ++i) piece[i] = static_cast<std::uint8_t>(pieces.size() * 31 + i);
        pieces.push_back(std::move(piece));
    }
    const std::vector<std::span<const std::uint8_t>> spans(pieces.begin(), pieces.end());
    ASSERT_TRUE(write_pieces_atomically(folder / "out.res", spans));
    Bytes expected;
    for (const Bytes& piece : pieces) expected.insert(expected.end(), piece.begin(), piece.end());
    const auto written = read_file_bytes(folder / "out.res");
    ASSERT_TRUE(written);
    EXPECT_TRUE(*written == expected);
}

TEST(WriteFileAtomically, RefusesAReadOnlyTargetUnlessToldToReplaceIt) {
    testing::TempFolder folder;
    folder.write("locked.rc", "old");
    const fs::path target = folder / "locked.rc";
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);

    const Status refused = write_file_atomically(target, Bytes{'n'});
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), display_path(target) + u"\r\nThe file is read-only.");
    EXPECT_EQ(folder.text("locked.rc"), "old");

    ASSERT_TRUE(write_file_atomically(target, Bytes{'n'}, ReadOnlyTarget::replace));
    EXPECT_EQ(folder.text("locked.rc"), "n");
    EXPECT_TRUE(is_read_only_file(target));
    EXPECT_EQ(names_in(folder.path()), std::vector<fs::path>{"locked.rc"});
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32
TEST(WriteFileAtomically, WritesThroughSymbolicLinksToTheFileTheyName) {
    testing::TempFolder folder;
    folder.write("real/app.rc", "old");
    fs::create_symlink("real/app.rc", folder / "link.rc");
    fs::create_symlink("link.rc", folder / "link2.rc");
    ASSERT_TRUE(write_file_atomically(folder / "link2.rc", Bytes{'n', 'e', 'w'}));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "link.rc")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "link2.rc")));
    EXPECT_EQ(folder.text("real/app.rc"), "new");
    EXPECT_EQ(names_in(folder / "real"), std::vector<fs::path>{"app.rc"});
}

TEST(WriteFileAtomically, AFailedWriteKeepsTheTargetAndLeavesNoTemporaryFile) {
    testing::TempFolder folder;
    folder.write("big.res", "old");
    Status written = success();
    {
        const testing::FileSizeLimit limit(4096);
        if (!limit.available()) GTEST_SKIP() << "no file size limit here";
        written = write_file_atomically(folder / "big.res", Bytes(8192, 1));
    }
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), display_path(folder / "big.res") + u"\r\nFile too large");
    EXPECT_EQ(folder.text("big.res"), "old");
    EXPECT_EQ(names_in(folder.path()), std::vector<fs::path>{"big.res"});
}
#endif

TEST(WriteFileAtomically, AFolderInThePlaceOfTheTargetIsRefused) {
    testing::TempFolder folder;
    fs::create_directory(folder / "out.rc");
    const Status written = write_file_atomically(folder / "out.rc", Bytes{1});
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), display_path(folder / "out.rc") + u"\r\nIs a directory");
    EXPECT_EQ(names_in(folder.path()), std::vector<fs::path>{"out.rc"});
}

TEST(WriteFileAtomically, WritersOfOneTargetAtTheSameTimeAllSucceed) {
    testing::TempFolder folder;
    const fs::path target = folder / "resource.h";
    constexpr int rounds = 200;
    int failures[2] = {0, 0};
    std::vector<std::thread> writers;
    for (int w = 0; w < 2; ++w) {
        writers.emplace_back([&, w] {
            const Bytes content(1000, static_cast<std::uint8_t>('a' + w));
            for (int i = 0; i < rounds; ++i) failures[w] += write_file_atomically(target, content) ? 0 : 1;
        });
    }
    for (auto& writer : writers) writer.join();
    EXPECT_EQ(failures[0] + failures[1], 0);
    const std::string last = folder.text("resource.h");
    EXPECT_TRUE(last == std::string(1000, 'a') || last == std::string(1000, 'b'));
    EXPECT_EQ(names_in(folder.path()), std::vector<fs::path>{"resource.h"});
}

}  // namespace
}  // namespace tavorin
