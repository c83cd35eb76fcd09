#include "base/file_transaction.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "base/companion_files.h"
#include "base/text.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavorin {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class FileTransactionTest : public ::testing::Test {
protected:
    FileTransactionTest() {
        std::random_device random;
        folder = fs::temp_directory_path() / ("tavorin_transaction_" + std::to_string(random()) + std::to_string(random()));
        fs::create_directories(folder);
    }
    ~FileTransactionTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    void write(const fs::path& name, std::string_view text) const {
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string read(const fs::path& name) const {
        std::ifstream in(folder / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Every name in the folder: nothing of a transaction may stay behind.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder)) found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    static Bytes bytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

    fs::path folder;
};

TEST_F(FileTransactionTest, EveryFileAppearsOnlyOnCommit) {
    write("app.rc", "old script");
    FileTransaction transaction;
    ASSERT_TRUE(transaction.replace(folder / "resource.h", bytes("header")));
    ASSERT_TRUE(transaction.create(folder / "icon1.ico", bytes("icon")));
    ASSERT_TRUE(transaction.replace(folder / "app.rc", bytes("new script")));
    EXPECT_EQ(read("app.rc"), "old script");
#ifndef _WIN32
    // Prepared files have no name until they are put in place.
    EXPECT_EQ(names(), std::vector<std::string>{"app.rc"});
#endif
    ASSERT_TRUE(transaction.commit());
    EXPECT_EQ(read("app.rc"), "new script");
    EXPECT_EQ(read("resource.h"), "header");
    EXPECT_EQ(read("icon1.ico"), "icon");
    EXPECT_EQ(names(), (std::vector<std::string>{"app.rc", "icon1.ico", "resource.h"}));
}

TEST_F(FileTransactionTest, AbandonedTransactionLeavesNothing) {
    write("app.rc", "old");
    {
        FileTransaction transaction;
        ASSERT_TRUE(transaction.replace(folder / "app.rc", bytes("new")));
        ASSERT_TRUE(transaction.create(folder / "data1.bin", bytes("x")));
    }
    EXPECT_EQ(read("app.rc"), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"app.rc"});
}

// A name taken by someone else between preparing and committing fails the whole save, and what
// was already put in place goes back.
TEST_F(FileTransactionTest, TakenNameAtCommitRollsBackTheOthers) {
    write("app.rc", "old");
    FileTransaction transaction;
    ASSERT_TRUE(transaction.replace(folder / "app.rc", bytes("new")));
    ASSERT_TRUE(transaction.create(folder / "icon1.ico", bytes("mine")));
    write("icon1.ico", "theirs");
    bool taken = false;
    EXPECT_FALSE(transaction.commit(&taken));
    EXPECT_TRUE(taken);
    EXPECT_EQ(read("app.rc"), "old");
    EXPECT_EQ(read("icon1.ico"), "theirs");
    EXPECT_EQ(names(), (std::vector<std::string>{"app.rc", "icon1.ico"}));
}

TEST_F(FileTransactionTest, OnlyRegularFilesAreReplaced) {
    fs::create_directories(folder / "folder.rc");
    FileTransaction transaction;
    EXPECT_FALSE(transaction.replace(folder / "folder.rc", bytes("x")));
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((folder / "pipe.res").c_str(), 0600), 0);
    const Status refused = transaction.replace(folder / "pipe.res", bytes("x"));
    ASSERT_FALSE(refused);
    EXPECT_NE(refused.error().find(u"not a regular file"), std::u16string::npos);
    EXPECT_TRUE(fs::is_fifo(folder / "pipe.res"));
    // Through a link to a device the device stays what it is.
    fs::create_symlink("/dev/null", folder / "null.res");
    EXPECT_FALSE(transaction.replace(folder / "null.res", bytes("x")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
#endif
}

#ifndef _WIN32
TEST_F(FileTransactionTest, LinkIsWrittenThroughAndModeKept) {
    write("real.rc", "old");
    fs::create_symlink("real.rc", folder / "link.rc");
    ::chmod((folder / "real.rc").c_str(), 0640);
    FileTransaction transaction;
    ASSERT_TRUE(transaction.replace(folder / "link.rc", bytes("new")));
    ASSERT_TRUE(transaction.commit());
    EXPECT_TRUE(fs::is_symlink(folder / "link.rc"));
    EXPECT_EQ(read("real.rc"), "new");
    struct stat info {};
    ASSERT_EQ(::stat((folder / "real.rc").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(FileTransactionTest, SetUserBitNeverPassesToAnotherOwner) {
    if (::geteuid() == 0) {
        // Root gives the file its owner back, bit and all.
        write("tool", "old");
        ASSERT_EQ(::chown((folder / "tool").c_str(), 12345, 12345), 0);
        ASSERT_EQ(::chmod((folder / "tool").c_str(), 04755), 0);
        FileTransaction transaction;
        ASSERT_TRUE(transaction.replace(folder / "tool", bytes("new")));
        ASSERT_TRUE(transaction.commit());
        struct stat info {};
        ASSERT_EQ(::stat((folder / "tool").c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 12345u);
        EXPECT_EQ(info.st_mode & 07777, 04755u);
    } else {
        GTEST_SKIP() << "needs the right to give files away";
    }
}

TEST_F(FileTransactionTest, SplitHardLinkIsReported) {
    write("app.rc", "old");
    fs::create_hard_link(folder / "app.rc", folder / "other.rc");
    FileTransaction transaction;
    ASSERT_TRUE(transaction.replace(folder / "app.rc", bytes("new")));
    ASSERT_TRUE(transaction.commit());
    EXPECT_EQ(read("other.rc"), "old");
    ASSERT_EQ(transaction.notes().size(), 1u);
}
#endif

TEST_F(FileTransactionTest, CompanionsStayInsideTheFolderUnderFreeNames) {
    const std::pair<const char*, bool> names_inside[] = {
        {"logo.bmp", true},         {"res\\logo.bmp", true}, {"res/../logo.bmp", true}, {"../profile", false},
        {"res\\..\\..\\x", false}, {"/etc/passwd", false}, {"C:\\x.bin", false},       {"\\\\server\\x", false},
    };
    for (const auto& [name, inside] : names_inside) {
        EXPECT_EQ(CompanionFiles::stays_inside(utf8_to_text(name)), inside) << name;
    }

    write("bitmap1.bmp", "the user's");
    FileTransaction transaction;
    CompanionFiles companions(transaction, folder);
    const auto first = companions.create_numbered(u"bitmap", u"bmp", bytes("a"));
    const auto second = companions.create_numbered(u"bitmap", u"bmp", bytes("b"));
    const auto outside = companions.write(u"../profile", bytes("c"), u"data", u"bin");
    // Named by its full path, a file inside the folder keeps its name.
    const auto inside = companions.write((folder / "full.xml").u16string(), bytes("d"), u"data", u"bin");
    ASSERT_TRUE(inside);
    EXPECT_EQ(*inside, (folder / "full.xml").u16string());
    ASSERT_TRUE(first && second && outside);
    EXPECT_EQ(*first, u"bitmap2.bmp");
    EXPECT_EQ(*second, u"bitmap3.bmp");
    EXPECT_EQ(*outside, u"data1.bin");
    ASSERT_TRUE(transaction.commit());
    EXPECT_EQ(read("bitmap1.bmp"), "the user's");
    EXPECT_EQ(read("data1.bin"), "c");
    EXPECT_FALSE(fs::exists(folder.parent_path() / "profile") && read("../profile") == "c");
    EXPECT_EQ(companions.moved().size(), 1u);
}

}  // namespace
}  // namespace tavorin
