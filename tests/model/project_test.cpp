#include "model/project.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/text.h"
#include "model/resource_order.h"
#include "platform/scripted_platform.h"
#include "test_resource.h"

namespace tavorin {
namespace {

struct RecordingObserver : ProjectObserver {
    std::vector<std::u16string> events;
    void resource_added(Resource& r, bool open) override {
        events.push_back(u"added " + r.name_text() + (open ? u" open" : u""));
    }
    void resource_changed(Resource& r) override { events.push_back(u"changed " + r.name_text()); }
    void resource_removing(Resource& r) override { events.push_back(u"removing " + r.name_text()); }
    void project_clearing() override { events.push_back(u"clearing"); }
};

class ProjectTest : public ::testing::Test {
protected:
    ProjectTest() {
        session.set_interactive(true);
        project.set_current_language(0x409);
        project.add_observer(observer);
    }

    // Registers the name as a reader would, then adds the resource.
    Resource* add(ResourceKind kind, std::u16string name, bool string_name = false, std::u16string custom = {}) {
        const auto stored = session.symbols().register_resource_name(name, kind, string_name, std::nullopt,
                                                                      project.current_language());
        if (stored) name = *stored;
        return project.add_resource(std::make_unique<TestResource>(kind, name, string_name, custom));
    }

    std::vector<std::u16string> labels() {
        std::vector<std::u16string> out;
        for (const auto& r : project.resources()) out.push_back(project.tree_label(*r));
        return out;
    }

    ScriptedPlatform platform;
    Session session{platform};
    Project& project = session.project();
    RecordingObserver observer;
};

ResourceIdentity identity(ResourceKind kind, std::u16string name, bool string_name = false,
                          std::uint16_t language = 0, std::u16string custom = {}) {
    ResourceIdentity id;
    id.kind = kind;
    id.name = std::move(name);
    id.string_name = string_name;
    id.language = language;
    id.custom_type_name = std::move(custom);
    return id;
}

TEST(TreeOrder, TypesThenNamesThenLanguages) {
    const auto custom = identity(kind::first_named_custom, u"LOGO", false, 0, u"MYTYPE");
    const auto bitmap = identity(kind::bitmap, u"IDB_A");
    const auto dialog = identity(kind::dialog, u"IDD_A");
    const auto rcdata = identity(numeric_custom_kind(10), u"IDR_A");
    EXPECT_TRUE(tree_order_before(custom, bitmap));
    EXPECT_TRUE(tree_order_before(bitmap, dialog));  // type 2 before type 5
    EXPECT_TRUE(tree_order_before(dialog, rcdata));  // type 5 before type 10
    EXPECT_TRUE(tree_order_before(identity(kind::first_named_custom, u"X", false, 0, u"alpha"),
                                  identity(kind::first_named_custom + 1, u"A", false, 0, u"BETA")));

    EXPECT_TRUE(tree_order_before(identity(kind::dialog, u"10"), identity(kind::dialog, u"9")));
    EXPECT_TRUE(tree_order_before(identity(kind::dialog, u"zzz", true), identity(kind::dialog, u"AAA")));
    EXPECT_EQ(compare_tree_order(identity(kind::dialog, u"idd_a", false, 9), identity(kind::dialog, u"IDD_A", false, 9)), 0);
    EXPECT_TRUE(tree_order_before(identity(kind::dialog, u"IDD_A", false, 7), identity(kind::dialog, u"IDD_A", false, 9)));
}

TEST_F(ProjectTest, AddedResourcesTakeTheCurrentLanguageAndTheTreeOrder) {
    project.set_time_stamp(0x12345678);
    Resource* dialog = add(kind::dialog, u"IDD_B");
    project.set_current_language(0x407);
    Resource* menu = add(kind::menu, u"IDR_MAIN");
    Resource* first = add(kind::dialog, u"IDD_A");
    EXPECT_EQ(dialog->language(), 0x409);
    EXPECT_EQ(menu->language(), 0x407);
    EXPECT_EQ(dialog->time_stamp(), 0x12345678u);
    EXPECT_EQ(project.current_resource(), first);
    EXPECT_EQ(labels(), (std::vector<std::u16string>{u"IDR_MAIN [German (Germany)]", u"IDD_A [German (Germany)]",
                                                     u"IDD_B [English (United States)]"}));
    EXPECT_EQ(project.resources_of_kind(kind::dialog), (std::vector<Resource*>{first, dialog}));
    EXPECT_EQ(observer.events, (std::vector<std::u16string>{u"added IDD_B", u"added IDR_MAIN", u"added IDD_A"}));
    EXPECT_EQ(project.find(kind::dialog, u"idd_b", 0x409), dialog);
    EXPECT_EQ(project.find(kind::dialog, u"IDD_B", 0x407), nullptr);
}

TEST_F(ProjectTest, ManyResourcesAddedOutOfOrderAreListedInTreeOrderWithEqualOnesInTheOrderAdded) {
    // Kinds interleaved and names descending, as a script lists them; every tenth name twice, as
    // a reader keeps a clashing name until its fix-up.
    std::vector<Resource*> expected_dialogs;
    std::vector<Resource*> expected_menus;
    for (int i = 99; i >= 0; --i) {
        const std::u16string name = u"N" + std::u16string(i < 10 ? u"0" : u"") + decimal(i);
        expected_menus.insert(expected_menus.begin(), add(kind::menu, name));
        Resource* dialog = add(kind::dialog, name);
        if (i % 10 == 0) {
            expected_dialogs.insert(expected_dialogs.begin(), add(kind::dialog, name));
        }
        expected_dialogs.insert(expected_dialogs.begin(), dialog);
    }
    EXPECT_EQ(project.resources_of_kind(kind::dialog), expected_dialogs);
    EXPECT_EQ(project.resources_of_kind(kind::menu), expected_menus);
    EXPECT_EQ(project.resources().front().get(), expected_menus.front());
    EXPECT_EQ(project.resources().back().get(), expected_dialogs.back());

    // Later additions and a removal keep the order.
    Resource* late = add(kind::menu, u"N50A");
    ASSERT_TRUE(project.remove(*expected_menus[3], false));
    expected_menus.erase(expected_menus.begin() + 3);
    expected_menus.insert(expected_menus.begin() + 50, late);
    EXPECT_EQ(project.resources_of_kind(kind::menu), expected_menus);
    EXPECT_EQ(project.find(kind::menu, u"n50a", 0x409), late);
}

TEST_F(ProjectTest, ResourceItemAnswersFromTheIdentityAndTheSymbolTable) {
    ASSERT_TRUE(session.symbols().register_resource_name(u"IDD_MAIN", kind::dialog, false, 300, 0x409));
    Resource* dialog = project.add_resource(std::make_unique<TestResource>(kind::dialog, u"IDD_MAIN"));
    Resource* logo = add(session.custom_types().kind_for(u"MYTYPE"), u"LOGO", true, u"MYTYPE");
    Resource* raw = add(numeric_custom_kind(10), u"7");
    EXPECT_EQ(dialog->type(), NameOrOrdinal::of_ordinal(5));
    EXPECT_EQ(dialog->name(), NameOrOrdinal::of_ordinal(300));
    EXPECT_EQ(dialog->memory_flags(), 0x1030);
    EXPECT_EQ(logo->type(), NameOrOrdinal::of_text(u"MYTYPE"));
    EXPECT_EQ(logo->name(), NameOrOrdinal::of_text(u"LOGO"));
    EXPECT_EQ(raw->type(), NameOrOrdinal::of_ordinal(10));
    EXPECT_EQ(raw->name(), NameOrOrdinal::of_ordinal(7));
    EXPECT_EQ(project.tree_label(*logo), u"\"LOGO\" [English (United States)]");
    ResourceItemList items;
    dialog->add_items(items);
    EXPECT_EQ(items.items(), (std::vector<const ResourceItem*>{dialog}));
}

TEST_F(ProjectTest, TreeLabelShowsNeutralUnknownAndModified) {
    project.set_current_language(0);
    Resource* neutral = add(kind::dialog, u"IDD_N");
    project.set_current_language(0x07FF);
    Resource* unknown = add(kind::dialog, u"IDD_U");
    EXPECT_EQ(project.tree_label(*neutral), u"IDD_N [Neutral]");
    EXPECT_EQ(project.tree_label(*unknown), u"IDD_U [?]");
    const auto before = project.revision();
    project.set_modified(*neutral, true);
    EXPECT_EQ(project.tree_label(*neutral), u"IDD_N [Neutral]*");
    EXPECT_GT(project.revision(), before);
    EXPECT_EQ(observer.events.back(), u"changed IDD_N");
}

TEST_F(ProjectTest, OnlyOneManifest) {
    ASSERT_NE(add(kind::manifest, u"1"), nullptr);
    EXPECT_EQ(add(kind::manifest, u"2"), nullptr);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Only one Manifest is allowed");
    EXPECT_EQ(platform.questions[0].caption, u"Error");
    EXPECT_EQ(project.resources().size(), 1u);
    EXPECT_EQ(project.manifest()->name_text(), u"1");
}

TEST_F(ProjectTest, OneStringTablePerLanguage) {
    Resource* english = project.add_resource(std::make_unique<TestResource>(kind::string_table));
    EXPECT_EQ(project.add_resource(std::make_unique<TestResource>(kind::string_table)), nullptr);
    project.set_current_language(0x407);
    Resource* german = project.add_resource(std::make_unique<TestResource>(kind::string_table));
    ASSERT_NE(german, nullptr);
    EXPECT_EQ(project.string_table(0x409), english);
    EXPECT_EQ(project.string_table(0x407), german);
    EXPECT_EQ(project.string_table(0x40C), nullptr);
    // A string table changes only its language, to one without a table.
    EXPECT_FALSE(project.rename(*german, u"", false, 0x409).ok());
    EXPECT_TRUE(project.rename(*german, u"", false, 0x40C).ok());
    EXPECT_EQ(project.string_table(0x40C), german);
    EXPECT_EQ(project.string_table(0x407), nullptr);
    EXPECT_TRUE(project.remove(*english, false));
    EXPECT_EQ(project.string_table(0x409), nullptr);
}

TEST_F(ProjectTest, RemoveAsksFirstAndReleasesTheName) {
    auto* dialog = static_cast<TestResource*>(add(kind::dialog, u"IDD_ABOUT"));
    platform.answers = {Answer::no, Answer::yes};
    EXPECT_FALSE(project.remove(*dialog));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Do you really want to remove this resource?");
    EXPECT_EQ(platform.questions[0].caption, u"Tavorin");
    EXPECT_EQ(platform.questions[0].buttons, AskButtons::yes_no);
    EXPECT_EQ(project.resources().size(), 1u);
    EXPECT_EQ(dialog->removing_calls, 0);

    EXPECT_TRUE(project.remove(*dialog));
    EXPECT_TRUE(project.empty());
    EXPECT_EQ(project.current_resource(), nullptr);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDD_ABOUT"));
    EXPECT_EQ(observer.events.back(), u"removing IDD_ABOUT");
}

TEST_F(ProjectTest, RemoveCanBeRefusedByTheResourceOrDoneWithoutAsking) {
    auto* dialog = static_cast<TestResource*>(add(kind::dialog, u"IDD_ABOUT"));
    dialog->removable = false;
    platform.answers = {Answer::yes};
    EXPECT_FALSE(project.remove(*dialog));
    EXPECT_TRUE(session.symbols().has_symbol(u"IDD_ABOUT"));
    dialog->removable = true;
    EXPECT_TRUE(project.remove(*dialog, false));
    EXPECT_EQ(platform.questions.size(), 1u);
}

TEST_F(ProjectTest, RenameReregistersAndMovesInTheTree) {
    Resource* a = add(kind::dialog, u"IDD_A");  // 100
    add(kind::dialog, u"IDD_B");  // 101
    ASSERT_TRUE(project.rename(*a, u"IDD_C", false, 0x409).ok());
    EXPECT_FALSE(session.symbols().has_symbol(u"IDD_A"));
    EXPECT_EQ(session.symbols().value_of(u"IDD_C"), 102);
    EXPECT_EQ(a->name(), NameOrOrdinal::of_ordinal(102));
    EXPECT_EQ(project.resources().back().get(), a);
    EXPECT_EQ(observer.events.back(), u"changed IDD_C");

    // Changing only the language keeps the value.
    ASSERT_TRUE(project.rename(*a, u"IDD_C", false, 0x407).ok());
    EXPECT_EQ(session.symbols().value_of(u"IDD_C"), 102);
    EXPECT_EQ(a->language(), 0x407);
    EXPECT_EQ(project.tree_label(*a), u"IDD_C [German (Germany)]");

    ASSERT_TRUE(project.rename(*a, u"my.dialog", true, 0x407).ok());
    EXPECT_EQ(project.tree_label(*a), u"\"my.dialog\" [German (Germany)]");
    EXPECT_EQ(a->name(), NameOrOrdinal::of_text(u"my.dialog"));
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(ProjectTest, RenameToATakenNameRollsBack) {
    ASSERT_TRUE(session.symbols().register_resource_name(u"IDD_A", kind::dialog, false, 250, 0x409));
    Resource* a = project.add_resource(std::make_unique<TestResource>(kind::dialog, u"IDD_A"));
    add(kind::dialog, u"IDD_B");
    const auto result = project.rename(*a, u"IDD_B", false, 0x409);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error(), u"This ID is already used by another resource of the same type.");
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"This ID is already used by another resource of the same type.");
    EXPECT_EQ(platform.questions[0].caption, u"Error");
    EXPECT_EQ(a->name_text(), u"IDD_A");
    // The old name is registered again with its old value and still clashes for dialogs.
    EXPECT_EQ(session.symbols().value_of(u"IDD_A"), 250);
    EXPECT_EQ(session.symbols().register_resource_name(u"IDD_A", kind::dialog, false, std::nullopt, 0x409),
              std::nullopt);
}

TEST_F(ProjectTest, RenameRefusesBadIdentifiersWithTheirMessages) {
    Resource* a = add(kind::dialog, u"IDD_A");
    struct Case {
        const char16_t* name;
        bool string_name;
        const char16_t* message;
    };
    for (const Case& c : {Case{u"65536", false, u"Number is too big (WORD value expected)."},
                          Case{u"a b", true, u"Invalid ID."}, Case{u"my.dialog", false, u"Invalid ID."}}) {
        platform.questions.clear();
        const auto result = project.rename(*a, c.name, c.string_name, 0x409);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error(), c.message);
        ASSERT_EQ(platform.questions.size(), 1u);
        EXPECT_EQ(platform.questions[0].text, c.message);
        EXPECT_EQ(platform.questions[0].icon, AskIcon::error);
    }
    EXPECT_EQ(a->name_text(), u"IDD_A");
    EXPECT_TRUE(session.symbols().has_symbol(u"IDD_A"));
}

TEST_F(ProjectTest, ClashingNamesFromAReaderAreKeptAndRenamedAfterwards) {
    SymbolTable& symbols = session.symbols();
    ASSERT_TRUE(symbols.register_resource_name(u"IDD_ABOUT", kind::dialog, false, 100, 0x409));
    project.add_resource(std::make_unique<TestResource>(kind::dialog, u"IDD_ABOUT"));
    // The second dialog of the same name and language fails to register but is added anyway.
    ASSERT_FALSE(symbols.register_resource_name(u"IDD_ABOUT", kind::dialog, false, 100, 0x409));
    Resource* second = project.add_resource(std::make_unique<TestResource>(kind::dialog, u"IDD_ABOUT"));
    ASSERT_EQ(project.resources().size(), 2u);

    const std::u16string renamed = symbols.new_resource_name(u"IDD_ABOUT", kind::dialog, 0x409, 100);
    project.set_name(*second, renamed, false);
    EXPECT_EQ(second->name_text(), u"IDD_ABOUT1");
    EXPECT_EQ(second->name(), NameOrOrdinal::of_ordinal(101));
    EXPECT_EQ(labels(), (std::vector<std::u16string>{u"IDD_ABOUT [English (United States)]",
                                                     u"IDD_ABOUT1 [English (United States)]"}));
}

TEST_F(ProjectTest, NewResourceNamesUseTheCurrentLanguage) {
    EXPECT_EQ(project.new_resource_name(u"IDD_DIALOG", kind::dialog), u"IDD_DIALOG1");
    EXPECT_EQ(project.new_resource_name(u"IDD_DIALOG", kind::dialog), u"IDD_DIALOG2");
    EXPECT_TRUE(session.symbols().find(u"IDD_DIALOG2")->has_resource_use(kind::dialog, 0x409));
}

TEST_F(ProjectTest, ClearEmptiesEverythingAndResetsTheSymbols) {
    add(kind::dialog, u"IDD_A");
    project.add_resource(std::make_unique<TestResource>(kind::string_table));
    project.include_lines().push_back(u"<windows.h>");
    session.config().default_language = 0x40C;
    project.clear();
    project.reset_current_language();
    EXPECT_TRUE(project.empty());
    EXPECT_TRUE(project.include_lines().empty());
    EXPECT_EQ(project.string_table(0x409), nullptr);
    EXPECT_EQ(project.current_resource(), nullptr);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDD_A"));
    EXPECT_EQ(session.symbols().next_free_resource_value(), 100);
    EXPECT_EQ(project.current_language(), 0x40C);
    EXPECT_EQ(observer.events.back(), u"clearing");
}

TEST_F(ProjectTest, QuestionsAreLeftOutWhenNotInteractive) {
    session.set_interactive(false);
    Resource* dialog = add(kind::dialog, u"IDD_A");
    EXPECT_TRUE(project.remove(*dialog));
    EXPECT_TRUE(platform.questions.empty());
}

}  // namespace
}  // namespace tavorin
