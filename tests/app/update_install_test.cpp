#include "app/update_install.h"

#include <gtest/gtest.h>

#include "app/archive_entry_name.h"
#include "app/config_temp_folder.h"
#include "app/zip_archive.h"
#include "app/zip_builder.h"
#include "services/string_ids.h"

namespace tavorin {
namespace {

using testing::ConfigTempFolder;
using testing::ZipBuilder;

TEST(ArchiveEntryNames, PlainRelativeNamesAreAccepted) {
    for (const char16_t* name : {u"Tavorin.exe", u"languages/Deutsch.txt", u"help/Tavorin.html", u"a b.txt",
                                 u"templates/Minimal.txt", u"licences/zlib.txt"}) {
        EXPECT_TRUE(is_safe_archive_entry_name(name));
    }
}

TEST(ArchiveEntryNames, NamesThatCouldLeaveTheFolderAreRefused) {
    const char16_t* refused[] = {
        u"",
        u"..\\Tavorin.exe",   // backslash and parent folder
        u"../Tavorin.exe",
        u"languages/../../x.txt",
        u"/etc/passwd",        // absolute
        u"C:/Windows/x.dll",   // drive
        u"C:x.dll",
        u"Tavorin.exe:stream",
        u"languages//x.txt",   // empty part
        u"./x.txt",
        u"CON",                // devices, in any case, with extensions and blanks
        u"nul.txt",
        u"Lpt1",
        u"com9.log",
        u"languages/AUX .txt",
        u"x.txt.",             // Windows drops the final dot
        u"x.txt ",
        u"a|b",
        u"a/b/c/d.txt",        // deeper than any folder the program has
    };
    for (const char16_t* name : refused) {
        EXPECT_FALSE(is_safe_archive_entry_name(name)) << ::testing::PrintToString(std::u16string(name));
    }
    EXPECT_FALSE(is_safe_archive_entry_name(std::u16string(201, u'a')));
    EXPECT_FALSE(is_safe_archive_entry_name(std::u16string(u"a\x01.txt")));
    EXPECT_TRUE(is_reserved_device_name(u"COM1"));
    EXPECT_FALSE(is_reserved_device_name(u"COM10"));
    EXPECT_FALSE(is_reserved_device_name(u"console.txt"));
}

class ZipTest : public ::testing::Test {
protected:
    UiStrings strings;
};

TEST_F(ZipTest, StoredAndDeflatedEntriesReadBack) {
    const std::string big(5000, 'z');
    const auto archive = ZipBuilder().add("a.txt", "hello", false).add("dir/", "", false).add("b.txt", big).bytes();
    const auto entries = read_zip_directory(archive, strings);
    ASSERT_TRUE(entries) << ::testing::PrintToString(entries.error());
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0].name, u"a.txt");
    EXPECT_TRUE((*entries)[1].is_folder());
    EXPECT_LT((*entries)[2].packed_size, big.size());
    const auto a = read_zip_entry(archive, (*entries)[0], strings);
    const auto b = read_zip_entry(archive, (*entries)[2], strings);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(std::string(a->begin(), a->end()), "hello");
    EXPECT_EQ(std::string(b->begin(), b->end()), big);
}

TEST_F(ZipTest, DamagedArchivesGiveTheirMessage) {
    const auto good = ZipBuilder().add("a.txt", "some text that deflates", true).bytes();
    const std::u16string unreadable = strings.text(str::update_archive_unreadable);
    const std::u16string damaged = u"The file a.txt of the update archive is damaged or stored in a way Tavorin "
                                   u"cannot read. Nothing has been installed.";

    // Cut anywhere, the end record is gone or points outside.
    for (std::size_t size : {std::size_t{0}, std::size_t{10}, good.size() - 1, good.size() / 2}) {
        const auto entries = read_zip_directory(std::span(good).first(size), strings);
        ASSERT_FALSE(entries) << size;
        EXPECT_EQ(entries.error(), unreadable);
    }

    const auto wrong_crc = ZipBuilder().add("a.txt", "some text that deflates", true, 1).bytes();
    auto entries = read_zip_directory(wrong_crc, strings);
    ASSERT_TRUE(entries);
    EXPECT_EQ(read_zip_entry(wrong_crc, entries->front(), strings).error(), damaged);

    // The directory claims a larger file than the data inflates to.
    auto wrong_size = good;
    const std::size_t directory = good.size() - 22 - (46 + 5);
    wrong_size[directory + 24] += 1;
    entries = read_zip_directory(wrong_size, strings);
    ASSERT_TRUE(entries);
    EXPECT_EQ(read_zip_entry(wrong_size, entries->front(), strings).error(), damaged);

    // Encrypted entries are refused.
    auto encrypted = good;
    encrypted[directory + 8] |= 1;
    EXPECT_EQ(read_zip_directory(encrypted, strings).error(), damaged);

    // A local header offset past the data.
    auto far = good;
    far[directory + 42 + 3] = 0x7F;
    entries = read_zip_directory(far, strings);
    ASSERT_TRUE(entries);
    EXPECT_EQ(read_zip_entry(far, entries->front(), strings).error(), damaged);
}

class UpdateInstallTest : public ::testing::Test {
protected:
    std::filesystem::path program() const { return folder.path() / "program"; }
    std::filesystem::path staging() const { return folder.path() / "program" / "update.staging"; }

    ConfigTempFolder folder;
    UiStrings strings;
};

TEST_F(UpdateInstallTest, ACheckedArchiveReplacesTheProgramsFilesAndKeepsTheSettings) {
    folder.write("program/Tavorin.exe", "old program");
    folder.write("program/Tavorin.xml", "user settings");
    folder.write("program/languages/Deutsch.txt", "alt");
    const auto archive = ZipBuilder()
                             .add("Tavorin.exe", "new program")
                             .add("Tavorin.xml", "shipped settings")
                             .add("languages/", "", false)
                             .add("languages/Deutsch.txt", "neu")
                             .add("help/Tavorin.html", "<html></html>")
                             .bytes();
    auto staged = stage_update(archive, sha256(archive), staging(), strings);
    ASSERT_TRUE(staged) << ::testing::PrintToString(staged.error());
    EXPECT_EQ(staged->files.size(), 3u);  // the settings file is left out
    EXPECT_EQ(folder.read("program/Tavorin.exe"), "old program");  // nothing replaced yet

    ASSERT_TRUE(install_staged_update(*staged, program(), strings));
    EXPECT_EQ(folder.read("program/Tavorin.exe"), "new program");
    EXPECT_EQ(folder.read("program/Tavorin.exe.old"), "old program");
    EXPECT_EQ(folder.read("program/Tavorin.xml"), "user settings");
    EXPECT_EQ(folder.read("program/languages/Deutsch.txt"), "neu");
    EXPECT_EQ(folder.read("program/help/Tavorin.html"), "<html></html>");
    EXPECT_FALSE(std::filesystem::exists(staging()));

    remove_replaced_program(program());
    EXPECT_FALSE(std::filesystem::exists(program() / "Tavorin.exe.old"));
}

TEST_F(UpdateInstallTest, RefusedArchivesWriteNothing) {
    folder.write("program/Tavorin.exe", "old program");
    const auto good = ZipBuilder().add("Tavorin.exe", "new program").bytes();
    auto digest = sha256(good);
    digest[0] ^= 1;
    struct Case {
        std::vector<std::uint8_t> archive;
        Sha256Digest digest;
        std::u16string message;
    };
    const auto parent = ZipBuilder().add("Tavorin.exe", "new program").add("..\\evil.exe", "x").bytes();
    const auto parent_slash = ZipBuilder().add("Tavorin.exe", "new program").add("../evil.exe", "x").bytes();
    const auto device = ZipBuilder().add("NUL.txt", "x").bytes();
    const auto crc = ZipBuilder().add("Tavorin.exe", "new program", true, 7).bytes();
    const Case cases[] = {
        {good, digest, strings.text(str::update_hash_mismatch)},
        {parent, sha256(parent),
         u"The update archive holds a file whose name is not allowed: ..\\evil.exe. Nothing has been installed."},
        {parent_slash, sha256(parent_slash),
         u"The update archive holds a file whose name is not allowed: ../evil.exe. Nothing has been installed."},
        {device, sha256(device),
         u"The update archive holds a file whose name is not allowed: NUL.txt. Nothing has been installed."},
        {crc, sha256(crc),
         u"The file Tavorin.exe of the update archive is damaged or stored in a way Tavorin cannot read. "
         u"Nothing has been installed."},
    };
    for (const auto& c : cases) {
        const auto staged = stage_update(c.archive, c.digest, staging(), strings);
        ASSERT_FALSE(staged);
        EXPECT_EQ(staged.error(), c.message);
        EXPECT_FALSE(std::filesystem::exists(staging()));
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "evil.exe"));
        EXPECT_EQ(folder.read("program/Tavorin.exe"), "old program");
    }
}

}  // namespace
}  // namespace tavorin
