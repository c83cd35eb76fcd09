#include "app/preferences.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include "app/config_file.h"
#include "app/config_temp_folder.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

using testing::ConfigTempFolder;

class PreferencesTest : public ::testing::Test {
protected:
    // The configuration file a fresh session reads back after `session` wrote it.
    Preferences written_and_read_back() {
        EXPECT_TRUE(write_config(session, paths, session.config_sections()));
        ScriptedPlatform other_platform;
        Session other(other_platform);
        read_config(other, paths, other.config_sections());
        return current_preferences(other);
    }

    ConfigTempFolder folder;
    AppPaths paths = AppPaths::beside(folder.path());
    ScriptedPlatform platform;
    Session session{platform};
};

// One value of each page, changed in the copy the dialog edits, reaches the file.
TEST_F(PreferencesTest, AValueOfEachPageIsWrittenToTheFile) {
    Preferences edited = current_preferences(session);
    edited.config.single_tab_mode = false;                          // General
    edited.config.auto_check_update = false;
    edited.config.update_server = u"https://updates.example.net/t";
    edited.config.web_page = u"https://example.net/";
    edited.config.include_paths = {u"C:\\sdk\\include", u"D:\\more"};  // Include paths
    edited.config.header_name = u"%barefilename%_res.h";             // Code generation
    edited.config.asm_define = true;
    edited.config.encoding = TextEncoding::utf8;                     // Files
    edited.config.insert_bom = true;
    edited.config.resource_header = u"#include \"%RESOURCE_HEADER%\"\r\n// mine\r\n%RESOURCES%";  // Template
    edited.designer.grid_width = 8;                                  // Dialog Editor
    edited.designer.set_grid(true);
    edited.controls[0].default_identifier = u"IDC_MYBUTTON";         // Control preferences
    edited.controls[0].default_width = 60;
    edited.image_editor.background = color_ref(1, 2, 3);            // Image Editor
    edited.image_editor.texture_grid = false;

    const auto changes = apply_preferences(session, edited);
    EXPECT_TRUE(changes.any);
    EXPECT_FALSE(changes.language);
    EXPECT_EQ(written_and_read_back(), current_preferences(session));
    EXPECT_EQ(current_preferences(session).controls[0].default_identifier, u"IDC_MYBUTTON");
    EXPECT_EQ(current_preferences(session).config.resource_header, edited.config.resource_header);
}

TEST_F(PreferencesTest, ValuesAreTidiedAsTheReaderWouldAndTheCatalogKeepsItsNames) {
    Preferences edited = current_preferences(session);
    edited.config.header_name.clear();
    edited.config.unicode_macro = std::u16string(70, u'M');
    edited.controls[2].display_name = u"Renamed";
    edited.controls[2].default_width = 0;
    const auto before = session.control_catalog().entries()[2];
    apply_preferences(session, edited);
    EXPECT_EQ(session.config().header_name, u"resource.h");
    EXPECT_EQ(session.config().unicode_macro.size(), 60u);
    EXPECT_EQ(session.control_catalog().entries()[2].display_name, before.display_name);
    EXPECT_EQ(session.control_catalog().entries()[2].default_width, before.default_width);
}

TEST_F(PreferencesTest, OnlyALanguageChangeNeedsARestartAndNothingChangedIsSaid) {
    EXPECT_FALSE(apply_preferences(session, current_preferences(session)).any);
    Preferences edited = current_preferences(session);
    edited.config.language = u"Deutsch";
    const auto changes = apply_preferences(session, edited);
    EXPECT_TRUE(changes.any);
    EXPECT_TRUE(changes.language);
}

TEST_F(PreferencesTest, TheRunsOwnIncludeFoldersAreKept) {
    session.config().run_include_folders = {u"/run/include"};
    Preferences edited = current_preferences(session);
    edited.config.run_include_folders.clear();
    apply_preferences(session, edited);
    EXPECT_EQ(session.config().run_include_folders, std::vector<std::u16string>{u"/run/include"});
}

TEST(IncludePathOrder, MovesStopAtTheEnds) {
    std::vector<std::u16string> paths{u"a", u"b", u"c"};
    EXPECT_FALSE(move_include_path(paths, 0, true));
    EXPECT_FALSE(move_include_path(paths, 2, false));
    EXPECT_FALSE(move_include_path(paths, 3, true));
    EXPECT_TRUE(move_include_path(paths, 2, true));
    EXPECT_EQ(paths, (std::vector<std::u16string>{u"a", u"c", u"b"}));
    EXPECT_TRUE(move_include_path(paths, 0, false));
    EXPECT_EQ(paths, (std::vector<std::u16string>{u"c", u"a", u"b"}));
}

TEST(ScriptTemplates, ListsTheTextFilesOfTheFolderByName) {
    ConfigTempFolder folder;
    folder.write("templates/minimal.txt", "x");
    folder.write("templates/With MFC.TXT", "x");
    folder.write("templates/notes.md", "x");
    folder.write("templates/Classic.txt", "x");
    EXPECT_EQ(script_template_names(folder.path() / "templates"),
              (std::vector<std::u16string>{u"Classic", u"minimal", u"With MFC"}));
    EXPECT_TRUE(script_template_names(folder.path() / "missing").empty());
}

}  // namespace
}  // namespace tavorin
