// The release archive is made by `cmake -E tar --format=zip` (scripts/package); the update must
// read what it makes.

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/config_temp_folder.h"
#include "app/update_install.h"
#include "base/file_io.h"

namespace tavorin {
namespace {

TEST(PackageFormat, AnArchiveMadeLikeTheReleaseIsStagedWhole) {
    testing::ConfigTempFolder folder;
    folder.write("package/Tavorin.exe", std::string(3000, 'x'));
    folder.write("package/languages/Deutsch.txt", "Links\r\n");
    folder.write("package/help/Tavorin.html", "<html></html>");
    const std::string command = "cd \"" + (folder.path() / "package").string() + "\" && \"" TAVORIN_CMAKE_COMMAND
                                "\" -E tar cf ../release.zip --format=zip -- Tavorin.exe languages help";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "cmake cannot run here";
    const auto archive = read_file_bytes(folder.path() / "release.zip");
    ASSERT_TRUE(archive.ok());
    UiStrings strings;
    const auto staged = stage_update(*archive, sha256(*archive), folder.path() / "staging", strings);
    ASSERT_TRUE(staged) << ::testing::PrintToString(staged.error());
    EXPECT_EQ(staged->files.size(), 3u);
    EXPECT_EQ(folder.read("staging/languages/Deutsch.txt"), "Links\r\n");
    EXPECT_EQ(folder.read("staging/Tavorin.exe"), std::string(3000, 'x'));
}

}  // namespace
}  // namespace tavorin
