#include "app/new_resources.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/file_io.h"
#include "config_temp_folder.h"
#include "platform/scripted_platform.h"
#include "resources/rawdata/raw_data_resource.h"

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

TEST_F(NewResourcesTest, OnlyTheImageKindsStartFromAFileOfTheirKindOrAnyFile) {
    using namespace std::string_literals;
    EXPECT_EQ(new_resource_filter(kind::bitmap), u"Bitmaps (*.bmp)\0*.bmp\0All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(new_resource_filter(kind::cursor), u"Cursors (*.cur)\0*.cur\0All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(custom_resource_filter(), u"All Files (*.*)\0*.*\0\0"s);
    EXPECT_TRUE(new_resource_filter(kind::dialog).empty());
    EXPECT_FALSE(can_add_kind(kind::user_defined));
    EXPECT_FALSE(can_add_kind(kind::html));
}

TEST_F(NewResourcesTest, ACustomTypeMustBeANumberOrAWordAScriptCanCarry) {
    struct Case {
        std::u16string text;
        bool ordinal;
        std::u16string error;  // empty: accepted
    };
    const Case cases[] = {
        {u"MYDATA", false, u""},
        {u"my_data2", false, u""},
        {u"MENUS", false, u""},
        {u"", false, u"Invalid ID."},
        {u"MY DATA", false, u"Invalid ID."},
        {u"2DATA", false, u"Invalid ID."},
        {u"\"DATA\"", false, u"Invalid ID."},
        {u"Dialog", false, u"Invalid ID."},  // the reader would take these for statements
        {u"MENU_DATA", false, u"Invalid ID."},
        {u"10", true, u""},
        {u"65535", true, u""},
        {u"65536", true, u"Invalid ordinal identifier"},
        {u"0x10", true, u"Invalid ordinal identifier"},
        {u"MYDATA", true, u"Invalid ordinal identifier"},
        {u"", true, u"Invalid ordinal identifier"},
    };
    for (const Case& c : cases) {
        const Status checked = check_custom_type(session, CustomTypeAnswer{c.text, c.ordinal});
        EXPECT_EQ(checked.ok() ? std::u16string() : checked.error(), c.error)
            << std::string(c.text.begin(), c.text.end()) << (c.ordinal ? " as ordinal" : " as name");
    }
}

TEST_F(NewResourcesTest, ACustomResourceOfANamedTypeHoldsTheChosenFile) {
    folder.write("data.bin", std::string_view("\x01\x02\x00\x03", 4));
    const auto first = add_custom_resource(session, {u"MYDATA", false}, folder.path() / "data.bin", folder.path(), false);
    ASSERT_TRUE(first.ok()) << std::string(first.error().begin(), first.error().end());
    ASSERT_NE(*first, nullptr);
    const auto* raw = dynamic_cast<const RawDataResource*>(*first);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->bytes(), (std::vector<std::uint8_t>{1, 2, 0, 3}));
    EXPECT_EQ(session.custom_types().names(), std::vector<std::u16string>{u"MYDATA"});
    EXPECT_EQ(raw->kind(), *session.custom_types().find(u"MYDATA"));
    EXPECT_EQ(raw->name_text().rfind(u"IDR_MYDATA", 0), 0u);
    EXPECT_EQ(raw->traits().keyword, u"MYDATA");

    const auto second = add_custom_resource(session, {u"MYDATA", false}, folder.path() / "data.bin", folder.path(), true);
    ASSERT_TRUE(second.ok());
    EXPECT_EQ((*second)->kind(), raw->kind()) << "a known type keeps its kind";
    EXPECT_NE((*second)->name_text(), raw->name_text());
    EXPECT_EQ((*second)->content_file(), display_path(folder.path() / "data.bin")) << "a script refers to the file";
}

TEST_F(NewResourcesTest, ACustomResourceOfAnOrdinalTypeTakesThatNumber) {
    folder.write("page.htm", std::string_view("<p>"));
    const auto data = add_custom_resource(session, {u"10", true}, folder.path() / "page.htm", folder.path(), false);
    ASSERT_TRUE(data.ok());
    EXPECT_EQ((*data)->kind(), numeric_custom_kind(10));
    EXPECT_EQ((*data)->name_text().rfind(u"IDR_10_", 0), 0u);
    const auto html = add_custom_resource(session, {u"23", true}, folder.path() / "page.htm", folder.path(), false);
    ASSERT_TRUE(html.ok());
    EXPECT_EQ((*html)->kind(), kind::html) << "type 23 reads back as HTML, so it is HTML";
    EXPECT_TRUE(session.custom_types().names().empty());

    ASSERT_NE(add_new_resource(session, kind::manifest, 0, folder.path()), nullptr);
    const auto manifest = add_custom_resource(session, {u"24", true}, folder.path() / "page.htm", folder.path(), false);
    ASSERT_TRUE(manifest.ok());
    EXPECT_EQ(*manifest, nullptr);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Only one Manifest is allowed");
    EXPECT_EQ(session.project().resources().size(), 3u);
}

TEST_F(NewResourcesTest, ARefusedCustomTypeOrFileAddsNothing) {
    const auto bad_type = add_custom_resource(session, {u"MY DATA", false}, folder.path() / "x.bin", folder.path(), false);
    ASSERT_FALSE(bad_type.ok());
    EXPECT_EQ(bad_type.error(), u"Invalid ID.");
    EXPECT_TRUE(session.custom_types().names().empty()) << "a refused name is not a known type";
    const auto missing = add_custom_resource(session, {u"10", true}, folder.path() / "missing.bin", folder.path(), false);
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(session.project().empty());
}

}  // namespace
}  // namespace tavorin::testing
