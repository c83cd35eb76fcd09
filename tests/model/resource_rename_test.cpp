#include "model/resource_rename.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/text.h"
#include "model/undo_history.h"
#include "platform/scripted_platform.h"
#include "test_resource.h"

namespace tavorin {
namespace {

class ResourceRenameTest : public ::testing::Test {
protected:
    ResourceRenameTest() {
        session.set_interactive(true);
        project.set_current_language(0x409);
    }

    Resource& add(ResourceKind kind, std::u16string name) {
        const auto stored = session.symbols().register_resource_name(name, kind, false, std::nullopt, 0x409);
        return *project.add_resource(std::make_unique<TestResource>(kind, *stored));
    }

    ScriptedPlatform platform;
    Session session{platform};
    Project& project = session.project();
    UndoHistory history{platform};
};

TEST(TypedResourceName, QuotesAndNonSymbolsMakeStringNames) {
    EXPECT_EQ(parse_typed_resource_name(u"IDR_LEVEL2").string_name, false);
    EXPECT_EQ(parse_typed_resource_name(u"7").string_name, false);
    const TypedResourceName quoted = parse_typed_resource_name(u"\"LEVEL\"");
    EXPECT_EQ(quoted.name, u"LEVEL");
    EXPECT_TRUE(quoted.string_name);
    EXPECT_TRUE(parse_typed_resource_name(u"level.one").string_name);
}

TEST_F(ResourceRenameTest, ARenameIsOneUndoActionThatRestoresNameAndValue) {
    Resource& level = add(kind::dialog, u"IDR_LEVEL1");
    const std::int32_t old_value = session.symbols().value_of(u"IDR_LEVEL1");
    ASSERT_TRUE(rename_resource(project, history, level, u"IDR_LEVEL2", u"Rename"));
    EXPECT_EQ(level.name_text(), u"IDR_LEVEL2");
    const std::int32_t new_value = session.symbols().value_of(u"IDR_LEVEL2");
    EXPECT_FALSE(session.symbols().has_symbol(u"IDR_LEVEL1"));
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Rename"}));

    history.undo();
    EXPECT_EQ(level.name_text(), u"IDR_LEVEL1");
    EXPECT_EQ(session.symbols().value_of(u"IDR_LEVEL1"), old_value);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDR_LEVEL2"));
    history.redo();
    EXPECT_EQ(level.name_text(), u"IDR_LEVEL2");
    EXPECT_EQ(session.symbols().value_of(u"IDR_LEVEL2"), new_value) << "the header keeps its values";
}

TEST_F(ResourceRenameTest, RefusedNamesAreShownAndRecordNothing) {
    Resource& first = add(kind::dialog, u"IDD_ONE");
    add(kind::dialog, u"IDD_TWO");
    struct Case {
        const char16_t* typed;
        const char16_t* message;
    };
    for (const Case& c : {Case{u"IDD_TWO", u"This ID is already used by another resource of the same type."},
                          Case{u"65536", u"Number is too big (WORD value expected)."},
                          Case{u"has blank", u"Invalid ID."}, Case{u"", u"Invalid ID."}}) {
        platform.questions.clear();
        const std::string typed = text_to_utf8(c.typed);
        EXPECT_FALSE(rename_resource(project, history, first, c.typed, u"Rename")) << typed;
        ASSERT_EQ(platform.questions.size(), 1u) << typed;
        EXPECT_EQ(platform.questions[0].text, c.message);
        EXPECT_EQ(first.name_text(), u"IDD_ONE");
    }
    EXPECT_FALSE(history.can_undo());
    EXPECT_TRUE(rename_resource(project, history, first, u"IDD_ONE", u"Rename")) << "unchanged";
    EXPECT_FALSE(history.can_undo());
}

TEST_F(ResourceRenameTest, OrdinalsAndLanguagesAreUndoneToo) {
    Resource& data = add(kind::dialog, u"IDD_DATA");
    ASSERT_TRUE(rename_resource(project, history, data, u"42", u"Rename"));
    EXPECT_EQ(data.name_text(), u"42");
    EXPECT_EQ(data.identity().ordinal, 42);
    ASSERT_TRUE(change_resource_language(project, history, data, 0x407, u"Language"));
    EXPECT_EQ(data.language(), 0x407);
    history.undo(2);
    EXPECT_EQ(data.name_text(), u"IDD_DATA");
    EXPECT_EQ(data.language(), 0x409);
    history.redo(2);
    EXPECT_EQ(data.name_text(), u"42");
    EXPECT_EQ(data.language(), 0x407);
}

}  // namespace
}  // namespace tavorin
