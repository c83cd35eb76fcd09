#include "app/new_resources.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "config_temp_folder.h"
#include "platform/scripted_platform.h"

namespace tavorin::testing {
namespace {

class NewResourcesTest : public ::testing::Test {
protected:
    NewResourcesTest() { session.set_interactive(true); }

    std::vector<std::u16string> names() const {
        std::vector<std::u16string> out;
        for (const auto& resource : session.project().resources()) out.push_back(resource->tree_name());
        return out;
    }

    ConfigTempFolder folder;
    ScriptedPlatform platform;
    Session session{platform};
    ImageNumbers numbers;
};

TEST_F(NewResourcesTest, EachKindIsCreatedWithItsDefaultName) {
    const std::pair<ResourceKind, std::u16string> cases[] = {
        {kind::dialog, u"IDD_DIALOG1"},          {kind::dialog, u"IDD_DIALOG2"},
        {kind::menu, u"IDR_MENU1"},              {kind::accelerator, u"IDR_ACCELERATOR1"},
        {kind::version, u"1"},
    };
    for (const auto& [kind, name] : cases) {
        Resource* added = add_new_resource(session, kind, 0, folder.path());
        ASSERT_NE(added, nullptr) << kind;
        EXPECT_EQ(added->kind(), kind);
        EXPECT_EQ(added->name_text(), name);
    }
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(NewResourcesTest, ASecondManifestIsRefusedAndTakesNoName) {
    Resource* manifest = add_new_resource(session, kind::manifest, 0, folder.path());
    ASSERT_NE(manifest, nullptr);
    EXPECT_EQ(manifest->name_text(), u"1");
    EXPECT_EQ(add_new_resource(session, kind::manifest, 0, folder.path()), nullptr);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Only one Manifest is allowed");
    EXPECT_EQ(platform.questions[0].caption, u"Error");
    EXPECT_EQ(session.project().resources_of_kind(kind::manifest).size(), 1u);
}

TEST_F(NewResourcesTest, AToolbarComesWithItsBitmap) {
    Resource* toolbar = add_new_resource(session, kind::toolbar, 0, folder.path());
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->kind(), kind::toolbar);
    const auto bitmaps = session.project().resources_of_kind(kind::bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0]->name_text(), toolbar->name_text());
}

TEST_F(NewResourcesTest, AStringTableIsMadeInTheChosenLanguageOnce) {
    Resource* german = add_new_resource(session, kind::string_table, 0x407, folder.path());
    ASSERT_NE(german, nullptr);
    EXPECT_EQ(german->language(), 0x407);
    EXPECT_EQ(session.project().current_language(), 0) << "the current language stays";
    EXPECT_EQ(add_new_resource(session, kind::string_table, 0x407, folder.path()), german);
    EXPECT_EQ(session.project().resources().size(), 1u);
}

TEST_F(NewResourcesTest, AFileThatCannotBeReadAddsNothing) {
    const auto result =
        add_resource_from_file(session, numbers, kind::icon, folder.path() / "missing.ico", folder.path(), false);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(session.project().empty());
    EXPECT_FALSE(session.symbols().has_symbol(u"IDI_ICON1")) << "no name was taken for it";
}

TEST_F(NewResourcesTest, OnlyTheImageKindsStartFromAFile) {
    EXPECT_EQ(new_resource_filter(kind::bitmap), std::u16string(u"Bitmaps (*.bmp)\0*.bmp\0\0", 23));
    EXPECT_EQ(new_resource_filter(kind::cursor), std::u16string(u"Cursors (*.cur)\0*.cur\0\0", 23));
    EXPECT_TRUE(new_resource_filter(kind::dialog).empty());
    EXPECT_FALSE(can_add_kind(kind::user_defined));
    EXPECT_FALSE(can_add_kind(kind::html));
}

}  // namespace
}  // namespace tavorin::testing
