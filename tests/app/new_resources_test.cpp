#include "app/new_resources.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/file_io.h"
#include "config_temp_folder.h"
#include "platform/scripted_platform.h"
#include "resources/rawdata/default_manifest.h"
#include "resources/rawdata/raw_data_resource.h"
#include "ui/resource_tree_model.h"

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

    const RawDataResource* only_manifest() const {
        const auto manifests = session.project().resources_of_kind(kind::manifest);
        return manifests.size() == 1 ? dynamic_cast<const RawDataResource*>(manifests[0]) : nullptr;
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

constexpr std::u16string_view generate_question = u"Do you want Tavorin to generate a manifest.xml file for you?";

std::vector<std::uint8_t> default_manifest_vector() {
    const auto bytes = default_manifest_bytes();
    return {bytes.begin(), bytes.end()};
}

TEST_F(NewResourcesTest, AGeneratedManifestOfAScriptIsWrittenToTheChosenFile) {
    const std::filesystem::path target = folder.path() / "manifest.xml";
    platform.answers = {Answer::yes};
    platform.chosen_files = {target};
    const auto added = add_manifest(session, folder.path(), true);
    ASSERT_TRUE(added.ok()) << std::string(added.error().begin(), added.error().end());
    ASSERT_NE(*added, nullptr);

    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, generate_question);
    EXPECT_EQ(platform.questions[0].buttons, AskButtons::yes_no);
    ASSERT_EQ(platform.file_dialogs.size(), 1u);
    EXPECT_TRUE(platform.file_dialogs[0].save);
    using namespace std::string_literals;
    EXPECT_EQ(platform.file_dialogs[0].choice.filter, u"XML Files (*.xml)\0*.xml\0All Files (*.*)\0*.*\0\0"s);
    EXPECT_EQ(platform.file_dialogs[0].choice.default_extension, u"xml");
    EXPECT_EQ(platform.file_dialogs[0].choice.proposed_name, u"manifest.xml");

    EXPECT_EQ(read_file_bytes(target).value(), default_manifest_vector());
    ASSERT_NE(only_manifest(), nullptr);
    EXPECT_EQ(only_manifest()->content_file(), display_path(target)) << "the script names the written file";
    EXPECT_EQ(only_manifest()->name_text(), u"1");
}

TEST_F(NewResourcesTest, AGeneratedManifestOfACompiledProjectStaysInMemory) {
    platform.answers = {Answer::yes};
    const auto added = add_manifest(session, folder.path(), false);
    ASSERT_TRUE(added.ok());
    ASSERT_NE(only_manifest(), nullptr);
    EXPECT_EQ(*added, only_manifest());
    EXPECT_TRUE(only_manifest()->in_memory());
    EXPECT_EQ(only_manifest()->bytes(), default_manifest_vector());
    EXPECT_TRUE(platform.file_dialogs.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "no file is written";
}

TEST_F(NewResourcesTest, WithoutAGeneratedManifestAnExistingFileIsChosen) {
    folder.write("app.manifest", std::string_view("<assembly/>"));
    const std::filesystem::path chosen = folder.path() / "app.manifest";
    for (const bool script_project : {true, false}) {
        session.project().clear();
        platform.answers = {Answer::no};
        platform.chosen_files = {chosen};
        platform.file_dialogs.clear();
        const auto added = add_manifest(session, folder.path(), script_project);
        ASSERT_TRUE(added.ok()) << script_project;
        ASSERT_EQ(platform.file_dialogs.size(), 1u);
        EXPECT_FALSE(platform.file_dialogs[0].save) << "an existing file is opened";
        ASSERT_NE(only_manifest(), nullptr);
        if (script_project) {
            EXPECT_EQ(only_manifest()->content_file(), display_path(chosen));
        } else {
            const std::string_view text = "<assembly/>";
            EXPECT_EQ(only_manifest()->bytes(), std::vector<std::uint8_t>(text.begin(), text.end()));
        }
    }
    platform.answers = {Answer::no};
    session.project().clear();
    const auto cancelled = add_manifest(session, folder.path(), true);
    ASSERT_TRUE(cancelled.ok());
    EXPECT_EQ(*cancelled, nullptr);
    EXPECT_TRUE(session.project().empty());
}

TEST_F(NewResourcesTest, AManifestFileThatCannotBeCreatedDropsTheResource) {
    const std::filesystem::path target = folder.path() / "no such folder" / "manifest.xml";
    platform.answers = {Answer::yes};
    platform.chosen_files = {target};
    const auto added = add_manifest(session, folder.path(), true);
    ASSERT_FALSE(added.ok());
    EXPECT_EQ(added.error().rfind(display_path(target) + u"\r\n", 0), 0u) << "the file, then the system's reason";
    EXPECT_GT(added.error().size(), display_path(target).size() + 2);
    EXPECT_TRUE(session.project().empty());
    EXPECT_FALSE(session.symbols().has_symbol(u"1")) << "no name was taken for it";
}

TEST_F(NewResourcesTest, ASecondManifestIsRefusedBeforeAnyQuestion) {
    platform.answers = {Answer::yes};
    ASSERT_TRUE(add_manifest(session, folder.path(), false).ok());
    platform.questions.clear();
    platform.answers = {Answer::yes};
    platform.chosen_files = {folder.path() / "manifest.xml"};
    const auto second = add_manifest(session, folder.path(), true);
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(*second, nullptr);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Only one Manifest is allowed");
    EXPECT_TRUE(platform.file_dialogs.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "manifest.xml"));
}

// What the user adds is unsaved work until the next save, and the tree says so; a creator that
// hands back what exists (the string table of a language) changes nothing.
TEST_F(NewResourcesTest, NewResourcesAreMarkedModifiedInTheTree) {
    Project& project = session.project();
    Resource* table = add_new_resource(session, kind::string_table, 0, folder.path());
    ASSERT_NE(table, nullptr);
    project.set_modified(*table, false);
    EXPECT_EQ(add_new_resource(session, kind::string_table, 0, folder.path()), table);
    EXPECT_FALSE(table->identity().modified) << "the existing string table was not changed";

    ASSERT_NE(add_new_resource(session, kind::toolbar, 0, folder.path()), nullptr);
    ASSERT_NE(add_new_resource(session, kind::dialog, 0, folder.path()), nullptr);
    folder.write("data.bin", std::string_view("DATA"));
    ASSERT_TRUE(add_custom_resource(session, {u"MYDATA", false}, folder.path() / "data.bin", folder.path(), true).ok());

    std::vector<std::u16string> labels;
    for (const TreeBranch& branch : resource_tree(project)) {
        for (const std::u16string& label : branch.labels) labels.push_back(branch.caption + u": " + label);
    }
    EXPECT_EQ(labels, (std::vector<std::u16string>{
                          u"MYDATA: IDR_MYDATA1 [Neutral]*", u"Bitmap: IDR_TOOLBAR1 [Neutral]*",
                          u"Dialog: IDD_DIALOG1 [Neutral]*", u"String Table: [Neutral]",
                          u"Toolbar: IDR_TOOLBAR1 [Neutral]*"}));
}

}  // namespace
}  // namespace tavorin::testing
