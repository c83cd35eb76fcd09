// The toolbar editor's strip and its prompts: cell geometry, insertions from the context menu,
// prompts kept in the string table of the toolbar's language, and renamed buttons keeping them.

#include "resources/toolbar/toolbar_strip.h"

#include "model/project.h"
#include "resources/image/resource_fixture.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {
namespace {

class ToolbarStripTest : public test::ResourceFixture {
protected:
    Toolbar& add_toolbar() {
        auto stored = session.symbols().register_resource_name(u"IDR_TOOLBAR1", kind::toolbar, false, std::nullopt, 0);
        auto toolbar = std::make_unique<Toolbar>(session.symbols());
        toolbar->identity().name = stored ? *stored : u"IDR_TOOLBAR1";
        session.project().set_current_language(0x0409);  // new resources take the current language
        return static_cast<Toolbar&>(*session.project().add_resource(std::move(toolbar)));
    }
};

TEST_F(ToolbarStripTest, ButtonsAreFramedCellsAndSeparatorsGapsFromTenPixels) {
    Toolbar& toolbar = add_toolbar();
    toolbar.add_button(u"ID_A");
    toolbar.add_separator();
    toolbar.add_button(u"ID_B");
    const std::vector<ToolbarCell> cells = toolbar_cells(toolbar);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].left, 10);
    EXPECT_EQ(cells[0].width, 22);
    EXPECT_TRUE(cells[1].separator);
    EXPECT_EQ(cells[1].left, 32);
    EXPECT_EQ(cells[2].left, 42);
    EXPECT_EQ(cells[2].image, 1u);  // the second image: separators take none
    EXPECT_EQ(toolbar_item_at(toolbar, 9), std::nullopt);
    EXPECT_EQ(toolbar_item_at(toolbar, 31), 0u);
    EXPECT_EQ(toolbar_item_at(toolbar, 35), 1u);
    EXPECT_EQ(toolbar_item_at(toolbar, 63), 2u);
    EXPECT_EQ(toolbar_item_at(toolbar, 64), std::nullopt);
}

TEST_F(ToolbarStripTest, ContextMenuInsertionsGoBeforeAfterOrAtTheEnd) {
    Toolbar& toolbar = add_toolbar();
    toolbar.add_button(u"ID_A");
    toolbar.add_button(u"ID_B");
    const struct {
        ToolbarInsert what;
        std::size_t at;
        std::size_t expected;
        bool separator;
    } cases[] = {{ToolbarInsert::separator_before, 1, 1, true},  {ToolbarInsert::button_after, 0, 1, false},
                 {ToolbarInsert::button_before, 0, 0, false},    {ToolbarInsert::separator_after, 4, 5, true},
                 {ToolbarInsert::button_at_end, 0, 6, false},    {ToolbarInsert::separator_at_end, 0, 7, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(insert_toolbar_item(toolbar, c.what, c.at), c.expected);
        EXPECT_EQ(toolbar.items()[c.expected].separator(), c.separator);
    }
    EXPECT_EQ(toolbar.items()[0].id, u"IDR_COMMAND2");
    EXPECT_EQ(toolbar.items()[2].id, u"IDR_COMMAND1");
}

TEST_F(ToolbarStripTest, PromptsLiveInTheStringTableAndFollowARenamedButton) {
    Toolbar& toolbar = add_toolbar();
    toolbar.add_button(u"ID_FILE_NEW");
    toolbar.add_separator();
    EXPECT_EQ(session.project().string_table(0x0409), nullptr);
    set_toolbar_prompt(toolbar, 0, u"New file", session.workspace());
    auto* table = dynamic_cast<StringTable*>(session.project().string_table(0x0409));
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->text_of(u"ID_FILE_NEW"), nullptr);
    EXPECT_EQ(*table->text_of(u"ID_FILE_NEW"), u"New file");
    EXPECT_EQ(toolbar_prompt(toolbar, 0, session.workspace()), u"New file");
    EXPECT_EQ(toolbar_prompt(toolbar, 1, session.workspace()), u"");

    ASSERT_TRUE(set_toolbar_button_id(toolbar, 0, u"ID_FILE_CREATE", session.workspace()));
    EXPECT_EQ(toolbar.items()[0].id, u"ID_FILE_CREATE");
    EXPECT_EQ(toolbar_prompt(toolbar, 0, session.workspace()), u"New file");
    EXPECT_FALSE(set_toolbar_button_id(toolbar, 0, u"1st", session.workspace()));
    EXPECT_FALSE(set_toolbar_button_id(toolbar, 1, u"ID_SEPARATOR", session.workspace()));
}

}  // namespace
}  // namespace tavorin
