#include "resources/image/file_resource_line.h"
#include "resources/image/file_resource_traits.h"
#include "resources/image/resource_file_path.h"
#include "services/ui_strings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace tavorin {
namespace {

namespace fs = std::filesystem;

std::u16string line_of(std::u16string_view name, std::u16string_view keyword, std::u16string_view file) {
    TextWriter out;
    write_file_resource_line(out, name, keyword, file);
    return out.take();
}

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = fs::temp_directory_path() / ("tavorin-file-resource-" + std::to_string(random()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    const fs::path& path() const { return path_; }
    void touch(const std::string& name) const { std::ofstream(path_ / name) << "x"; }

private:
    fs::path path_;
};

TEST(FileResourceLine, NameAndKeywordArePaddedAndThePathEscaped) {
    EXPECT_EQ(line_of(u"IDB_BITMAP1", u"BITMAP", u"res\\logo.bmp"),
              u"IDB_BITMAP1        BITMAP         \"res\\\\logo.bmp\"");
    // Long names and keywords still get one space.
    EXPECT_EQ(line_of(u"IDR_A_VERY_LONG_NAME_1", u"RT_MANIFEST_LONGER", u"a.xml"),
              u"IDR_A_VERY_LONG_NAME_1 RT_MANIFEST_LONGER \"a.xml\"");
    EXPECT_EQ(line_of(u"1", u"ICON", u""), u"1                  ICON           \"?\"");
}

TEST(FileResourceLine, EveryCharacterWithAnEscapeLetterIsEscaped) {
    EXPECT_EQ(escape_file_name(u"C:\\x\\it's?.bmp"), u"C:\\\\x\\\\it\\'s\\?.bmp");
    EXPECT_EQ(escape_file_name(u"tab\there"), u"tab\\there");
    EXPECT_EQ(escape_file_name(u"caf\u00E9 \u4E2D.ico"), u"caf\u00E9 \u4E2D.ico");
}

TEST(FileResourceTraits, ImageKinds) {
    const auto bitmap = bitmap_traits();
    EXPECT_EQ(bitmap.type_word, u"bitmap");
    EXPECT_EQ(bitmap.skipped_bytes, 14u);
    EXPECT_EQ(icon_traits().keyword, u"ICON");
    EXPECT_EQ(icon_traits().default_name, u"IDI_ICON");
    EXPECT_EQ(cursor_traits().default_name, u"IDI_CURSOR");
    EXPECT_EQ(cursor_traits().filter, u"Cursors (*.cur)");
}

TEST(ResourceFilePath, ExportedFilesTakeTheFirstFreeNumber) {
    TempFolder folder;
    EXPECT_EQ(numbered_file_name(u"bitmap", u"bmp", folder.path()), u"bitmap1.bmp");
    folder.touch("bitmap1.bmp");
    folder.touch("bitmap3.bmp");
    folder.touch("icon1.bmp");
    EXPECT_EQ(numbered_file_name(u"bitmap", u"bmp", folder.path()), u"bitmap2.bmp");
    EXPECT_EQ(numbered_file_name(u"icon", u"ico", folder.path()), u"icon1.ico");
}

TEST(ResourceFilePath, TypedPathsAreChecked) {
    TempFolder folder;
    const UiStrings strings;
    folder.touch("logo.bmp");
    EXPECT_TRUE(check_resource_path(u"logo.bmp", folder.path(), strings));
    EXPECT_TRUE(check_resource_path(folder.path().u16string() + u"/logo.bmp", folder.path(), strings));

    const auto missing = check_resource_path(u"other.bmp", folder.path(), strings);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), u"File doesn't exist");

    const auto too_long = check_resource_path(std::u16string(260, u'a'), folder.path(), strings);
    ASSERT_FALSE(too_long);
    EXPECT_EQ(too_long.error(), u"File name is too long");
    EXPECT_EQ(check_resource_path(std::u16string(259, u'a'), folder.path(), strings).error(), u"File doesn't exist");
}

TEST(ResourceFilePath, BackslashesSeparateFolders) {
    TempFolder folder;
    fs::create_directories(folder.path() / "res");
    folder.touch("res/logo.bmp");
    EXPECT_TRUE(fs::is_regular_file(resolve_resource_path(u"res\\logo.bmp", folder.path())));
}

TEST(ResourceFilePath, APathSwitchesBetweenRelativeAndAbsolute) {
    TempFolder folder;
    const fs::path script_folder = folder.path() / "project";
    const std::u16string absolute = (script_folder / "res" / "logo.bmp").lexically_normal().make_preferred().u16string();
    const std::u16string relative = (fs::path("res") / "logo.bmp").make_preferred().u16string();
    EXPECT_EQ(absolute_resource_path(u"res\\logo.bmp", script_folder), absolute);
    EXPECT_EQ(relative_resource_path(absolute, script_folder), relative);
    EXPECT_EQ(relative_resource_path(u"res\\logo.bmp", script_folder), relative);
    EXPECT_EQ(absolute_resource_path(absolute, script_folder), absolute);
    // A file beside the folder goes up a level.
    const std::u16string beside = (folder.path() / "shared" / "a.ico").u16string();
    EXPECT_EQ(relative_resource_path(beside, script_folder), (fs::path("..") / "shared" / "a.ico").make_preferred().u16string());
    EXPECT_TRUE(is_absolute_resource_path(absolute));
    EXPECT_FALSE(is_absolute_resource_path(relative));
    EXPECT_FALSE(is_absolute_resource_path(u"logo.bmp"));
}

}  // namespace
}  // namespace tavorin
