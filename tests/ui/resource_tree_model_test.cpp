#include "ui/resource_tree_model.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "model/test_resource.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

class ResourceTreeModelTest : public ::testing::Test {
protected:
    Resource* add(ResourceKind kind, std::u16string name, bool string_name = false, std::u16string custom = {}) {
        const auto stored = session.symbols().register_resource_name(name, kind, string_name, std::nullopt,
                                                                      session.project().current_language());
        if (stored) name = *stored;
        return session.project().add_resource(std::make_unique<TestResource>(kind, name, string_name, custom));
    }

    ScriptedPlatform platform;
    Session session{platform};
};

TEST_F(ResourceTreeModelTest, OneBranchPerTypeInTreeOrderWithTheProjectsLabels) {
    session.project().set_current_language(0);
    add(kind::dialog, u"IDD_ABOUT");
    add(kind::dialog, u"SETUP", true);
    Resource* menu = add(kind::menu, u"IDR_MAIN");
    add(numeric_custom_kind(300), u"7");
    add(session.custom_types().kind_for(u"MYDATA"), u"1", false, u"MYDATA");
    session.project().set_modified(*menu, true);

    const std::vector<TreeBranch> tree = resource_tree(session.project());
    ASSERT_EQ(tree.size(), 4u);
    EXPECT_EQ(tree[0].caption, u"MYDATA") << "named custom types come first";
    EXPECT_EQ(tree[0].icon, KindIcon::custom);
    EXPECT_EQ(tree[1].caption, u"Menu");
    EXPECT_EQ(tree[1].icon, KindIcon::menu);
    EXPECT_EQ(tree[1].labels, (std::vector<std::u16string>{u"IDR_MAIN [Neutral]*"}));
    EXPECT_EQ(tree[2].caption, u"Dialog");
    EXPECT_EQ(tree[2].icon, KindIcon::dialog);
    EXPECT_EQ(tree[2].labels, (std::vector<std::u16string>{u"\"SETUP\" [Neutral]", u"IDD_ABOUT [Neutral]"}));
    EXPECT_EQ(tree[2].resources.size(), 2u);
    EXPECT_EQ(tree[3].caption, u"300");
}

TEST(KindIconTest, EachStandardKindHasItsOwnPicture) {
    const std::pair<ResourceKind, KindIcon> cases[] = {
        {kind::dialog, KindIcon::dialog},   {kind::menu, KindIcon::menu},
        {kind::accelerator, KindIcon::accelerator}, {kind::string_table, KindIcon::string_table},
        {kind::version, KindIcon::version}, {kind::toolbar, KindIcon::toolbar},
        {kind::bitmap, KindIcon::bitmap},   {kind::icon, KindIcon::icon},
        {kind::cursor, KindIcon::cursor},   {kind::manifest, KindIcon::manifest},
        {kind::html, KindIcon::html},       {numeric_custom_kind(5), KindIcon::custom},
    };
    for (const auto& [kind, icon] : cases) EXPECT_EQ(kind_icon(kind), icon) << kind;
}

}  // namespace
}  // namespace tavorin
