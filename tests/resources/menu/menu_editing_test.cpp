#include "resources/menu/menu_editing.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/text.h"
#include "base/text_search.h"
#include "platform/scripted_platform.h"
#include "resources/menu/menu_fixtures.h"
#include "resources/menu/menu_navigation.h"
#include "resources/menu/menu_search.h"

namespace tavorin {
namespace {

using namespace testing;

class MenuEditingTest : public ::testing::Test {
protected:
    MenuEditingTest() { session.set_interactive(true); }

    // File (Open, Save) and Edit (Copy), typed in as the user does.
    void type_menu() {
        ASSERT_TRUE(editing.type_into_placeholder({0}, u"&File"));
        ASSERT_TRUE(editing.type_into_placeholder({0, 0}, u"Open\\tCtrl+O"));
        ASSERT_TRUE(editing.type_into_placeholder({0, 1}, u"Save"));
        ASSERT_TRUE(editing.type_into_placeholder({1}, u"Edit"));
        ASSERT_TRUE(editing.type_into_placeholder({1, 0}, u"Copy"));
    }
    std::int32_t value(const MenuPath& path) { return menu.value_of(menu.item(path)); }

    ScriptedPlatform platform;
    Session session{platform};
    Menu& menu = add_new_menu(session.workspace());
    UndoHistory history{platform};
    MenuEditing editing{menu, session.workspace(), history};
};

TEST_F(MenuEditingTest, NewMenuIsNamedFromIdrMenuInTheConfiguredForm) {
    EXPECT_EQ(menu.name_text(), u"IDR_MENU1");
    EXPECT_FALSE(menu.extended());
    EXPECT_TRUE(menu.items().empty());
    session.config().menu_ex = true;
    EXPECT_TRUE(add_new_menu(session.workspace()).extended());
}

TEST_F(MenuEditingTest, TypedItemsBecomePopupsAtTheTopAndNamedCommandsBelow) {
    type_menu();
    EXPECT_TRUE(menu.item({0}).is_popup());
    EXPECT_EQ(menu.item({0}).identifier, u"");
    EXPECT_EQ(menu.item({0, 0}).text, u"Open");
    EXPECT_EQ(menu.item({0, 0}).shortcut, u"Ctrl+O");
    EXPECT_EQ(menu.item({0, 0}).identifier, u"IDM_OPEN1");
    EXPECT_EQ(value({0, 0}), 40000);
    EXPECT_EQ(menu.item({0, 1}).identifier, u"IDM_SAVE1");
    EXPECT_EQ(value({0, 1}), 40001);
    EXPECT_EQ(menu.item({1, 0}).identifier, u"IDM_COPY1");
    EXPECT_TRUE(menu.identity().modified);
    EXPECT_EQ(history.undo_names().front(), u"Insert Item");

    // Only a placeholder takes typing, and only text makes an item.
    EXPECT_FALSE(editing.type_into_placeholder({0, 0}, u"X"));
    EXPECT_FALSE(editing.type_into_placeholder({0, 5}, u"X"));
    EXPECT_FALSE(editing.type_into_placeholder({2}, u""));

    EXPECT_EQ(menu_identifier_base(u"&Save as..."), u"IDM__SAVE_AS___");
    const std::u16string long_text(300, u'x');
    ASSERT_TRUE(editing.type_into_placeholder({2}, long_text));
    EXPECT_EQ(menu.item({2}).text.size(), max_menu_caption_length);
}

TEST_F(MenuEditingTest, DeleteAndUndoBringBackTheItemWithItsIdentifiers) {
    type_menu();
    const MenuItem file = menu.item({0});
    EXPECT_FALSE(editing.delete_item({0, 2}));  // the placeholder
    ASSERT_TRUE(editing.delete_item({0}));
    EXPECT_EQ(menu.items().size(), 1u);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDM_OPEN1"));
    EXPECT_EQ(history.undo_names().front(), u"Delete Item");
    history.undo();
    EXPECT_EQ(menu.item({0}), file);
    EXPECT_EQ(value({0, 1}), 40001);
    history.redo();
    EXPECT_EQ(menu.item({0}).text, u"Edit");
}

TEST_F(MenuEditingTest, MoveItemBetweenListsAndBack) {
    type_menu();
    EXPECT_FALSE(editing.move_item({0}, {0, 1}));  // into itself
    EXPECT_FALSE(editing.move_item({0, 0}, {1, 5}));
    ASSERT_TRUE(editing.move_item({0, 0}, {1, 1}));
    EXPECT_EQ(menu.item({1, 1}).text, u"Open");
    EXPECT_EQ(value({1, 1}), 40000);
    EXPECT_EQ(menu.item({0, 0}).text, u"Save");
    EXPECT_EQ(history.undo_names().front(), u"Move Item");
    history.undo();
    EXPECT_EQ(menu.item({0, 0}).text, u"Open");
    EXPECT_EQ(menu.item({1}).submenu.size(), 1u);
}

TEST_F(MenuEditingTest, PopupOffNamesTheItemAfterItsPopupAndUndoRestoresTheSubmenu) {
    type_menu();
    ASSERT_TRUE(editing.type_into_placeholder({0, 2}, u"Recent"));
    editing.set_popup({0, 2}, true);
    EXPECT_TRUE(menu.item({0, 2}).is_popup());
    EXPECT_EQ(menu.item({0, 2}).identifier, u"");
    EXPECT_FALSE(session.symbols().has_symbol(u"IDM_RECENT1"));
    EXPECT_EQ(history.undo_names().front(), u"Add Popup");

    const MenuItem edit = menu.item({1});
    editing.set_popup({1}, false);
    EXPECT_EQ(menu.item({1}).identifier, u"IDM_EDIT1");
    EXPECT_TRUE(menu.item({1}).submenu.empty());
    EXPECT_FALSE(session.symbols().has_symbol(u"IDM_COPY1"));
    editing.set_popup({0, 2}, false);
    EXPECT_EQ(menu.item({0, 2}).identifier, u"IDM__FILE_RECENT1");
    EXPECT_EQ(history.undo_names().front(), u"Remove Popup");

    history.undo(2);
    EXPECT_EQ(menu.item({1}), edit);
    EXPECT_EQ(value({1, 0}), 40002);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDM_EDIT1"));
}

TEST_F(MenuEditingTest, TextAndIdentifierChangesAreValidatedAndUndoable) {
    type_menu();
    editing.set_text({0, 0}, u"Load\tCtrl+L");
    EXPECT_EQ(menu.item({0, 0}).text, u"Load");
    EXPECT_EQ(menu.item({0, 0}).shortcut, u"Ctrl+L");
    EXPECT_EQ(history.undo_names().front(), u"Set Item Text");

    EXPECT_FALSE(editing.set_identifier({0, 0}, u"two words"));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Invalid ID.");
    EXPECT_EQ(platform.questions[0].caption, u"Error");
    ASSERT_TRUE(editing.set_identifier({0, 0}, u"ID_FILE_LOAD"));
    EXPECT_EQ(menu.item({0, 0}).identifier, u"ID_FILE_LOAD");
    EXPECT_FALSE(session.symbols().has_symbol(u"IDM_OPEN1"));
    EXPECT_EQ(history.undo_names().front(), u"Set Item ID");

    history.undo(2);
    EXPECT_EQ(menu.item({0, 0}).text, u"Open");
    EXPECT_EQ(menu.item({0, 0}).identifier, u"IDM_OPEN1");
    EXPECT_EQ(value({0, 0}), 40000);
    EXPECT_FALSE(session.symbols().has_symbol(u"ID_FILE_LOAD"));
}

TEST_F(MenuEditingTest, FlagChangesCarryTheirLabelsAndDefaultSwitchesToTheExtendedForm) {
    type_menu();
    struct Case {
        void (MenuEditing::*set)(const MenuPath&, bool);
        std::uint32_t flag;
        std::u16string_view label;
    };
    const Case cases[] = {
        {&MenuEditing::set_checked, menu_flag::checked, u"Check Menu Item"},
        {&MenuEditing::set_inactive, menu_flag::inactive, u"Enable Menu Item"},
        {&MenuEditing::set_grayed, menu_flag::grayed, u"Gray Menu Item"},
        {&MenuEditing::set_help, menu_flag::help, u"Set Menu Item Help"},
        {&MenuEditing::set_owner_draw, menu_flag::owner_draw, u"Set Menu Item Ownerdraw"},
        {&MenuEditing::set_default, menu_flag::default_item, u"Set Menu Item Default"},
    };
    for (const Case& c : cases) {
        menu.set_extended(false);
        (editing.*c.set)({0, 1}, true);
        EXPECT_TRUE(menu.item({0, 1}).has(c.flag)) << text_to_utf8(c.label);
        EXPECT_EQ(history.undo_names().front(), c.label);
        const bool switches = c.flag == menu_flag::default_item || c.flag == menu_flag::owner_draw;
        EXPECT_EQ(menu.extended(), switches) << text_to_utf8(c.label);
        history.undo();
        EXPECT_FALSE(menu.item({0, 1}).has(c.flag));
        EXPECT_FALSE(menu.extended());
        EXPECT_EQ(value({0, 1}), 40001);
    }
    editing.set_break({1}, MenuBreak::bar);
    EXPECT_EQ(menu.item({1}).break_kind(), MenuBreak::bar);
    EXPECT_EQ(history.undo_names().front(), u"Set Menu Break");
}

TEST_F(MenuEditingTest, KeysMoveTheSelectionAndWrapOverThePlaceholder) {
    type_menu();
    struct Case {
        MenuPath from;
        MenuKey key;
        std::optional<MenuPath> to;
    };
    const Case cases[] = {
        {{0, 1}, MenuKey::home, MenuPath{0, 0}},  {{0, 0}, MenuKey::end, MenuPath{0, 1}},
        {{0, 0}, MenuKey::up, MenuPath{0, 2}},    {{0, 2}, MenuKey::down, MenuPath{0, 0}},
        {{0, 1}, MenuKey::down, MenuPath{0, 2}},  {{1}, MenuKey::right, MenuPath{1, 0}},
        {{0, 0}, MenuKey::right, std::nullopt},   {{1, 0}, MenuKey::left, MenuPath{1}},
        {{2}, MenuKey::left, std::nullopt},       {{0, 7}, MenuKey::down, std::nullopt},
        {{2}, MenuKey::down, MenuPath{0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(menu_key_target(menu, c.from, c.key), c.to) << static_cast<int>(c.key) << " from " << c.from.back();
    }
}

TEST_F(MenuEditingTest, MovesGoUpDownOutOfAndIntoPopups) {
    type_menu();
    struct Case {
        MenuPath from;
        MenuMove move;
        std::optional<MenuPath> to;
    };
    const Case cases[] = {
        {{0, 1}, MenuMove::up, MenuPath{0, 0}},   {{0, 0}, MenuMove::up, std::nullopt},
        {{0, 0}, MenuMove::down, MenuPath{0, 1}}, {{0, 1}, MenuMove::down, std::nullopt},
        {{1, 0}, MenuMove::out, MenuPath{2}},     {{1}, MenuMove::out, std::nullopt},
        {{1}, MenuMove::in, MenuPath{0, 2}},      {{0, 1}, MenuMove::in, std::nullopt},
        {{0, 2}, MenuMove::up, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(menu_move_target(menu, c.from, c.move), c.to) << static_cast<int>(c.move) << " from " << c.from.back();
    }
    // Edit moved into File and back out by the targets given.
    ASSERT_TRUE(editing.move_item({1}, *menu_move_target(menu, {1}, MenuMove::in)));
    EXPECT_EQ(menu.item({0, 2}).text, u"Edit");
    ASSERT_TRUE(editing.move_item({0, 2}, *menu_move_target(menu, {0, 2}, MenuMove::out)));
    EXPECT_EQ(menu.item({1}).submenu.at(0).text, u"Copy");
}

TEST_F(MenuEditingTest, InsertPutsATypedItemBeforeTheSelectedOne) {
    type_menu();
    ASSERT_EQ(editing.insert_typed_item({0, 1}, u"Close"), (MenuPath{0, 1}));
    EXPECT_EQ(menu.item({0, 1}).identifier, u"IDM_CLOSE1");
    EXPECT_EQ(menu.item({0, 2}).text, u"Save");
    EXPECT_EQ(history.undo_names().front(), u"Insert Item");
    history.undo();
    EXPECT_EQ(menu.item({0, 1}).text, u"Save");
    EXPECT_FALSE(editing.insert_typed_item({0, 9}, u"Far"));
}

TEST_F(MenuEditingTest, FormSwitchIsOneUndoableStep) {
    editing.set_extended(true);
    EXPECT_TRUE(menu.extended());
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Set Menu Form"});
    editing.set_extended(true);
    EXPECT_EQ(history.size(), 1u);
    history.undo();
    EXPECT_FALSE(menu.extended());
    history.redo();
    EXPECT_TRUE(menu.extended());
}

TEST_F(MenuEditingTest, FindWalksCaptionsDepthFirstAndWraps) {
    type_menu();
    EXPECT_EQ(menu_item_paths(menu),
              (std::vector<MenuPath>{{0}, {0, 0}, {0, 1}, {1}, {1, 0}}));
    EXPECT_EQ(find_in_captions(menu, std::nullopt, u"o", false), (MenuPath{0, 0}));
    EXPECT_EQ(find_in_captions(menu, MenuPath{0, 0}, u"O", false), (MenuPath{1, 0}));
    EXPECT_EQ(find_in_captions(menu, MenuPath{1, 0}, u"o", false), (MenuPath{0, 0})) << "wraps round";
    EXPECT_EQ(find_in_captions(menu, std::nullopt, u"OP", true), std::nullopt);
    EXPECT_EQ(find_in_captions(menu, std::nullopt, u"Ctrl", false), std::nullopt) << "shortcuts are not captions";
}

TEST_F(MenuEditingTest, ReplaceChangesEveryCaptionInOneStepAndKeepsShortcuts) {
    type_menu();
    EXPECT_EQ(replace_in_text(u"Open or OPEN", u"open", u"Load", false).text, u"Load or Load");
    EXPECT_EQ(replace_in_text(u"Open or OPEN", u"OPEN", u"Load", true).text, u"Open or Load");
    EXPECT_EQ(editing.replace_in_captions(u"o", u"0", false), 2u);
    EXPECT_EQ(menu.item({0, 0}).text, u"0pen");
    EXPECT_EQ(menu.item({0, 0}).shortcut, u"Ctrl+O");
    EXPECT_EQ(menu.item({1, 0}).text, u"C0py");
    EXPECT_EQ(history.undo_names().front(), u"Replace");
    history.undo();
    EXPECT_EQ(menu.item({0, 0}).text, u"Open");
    EXPECT_EQ(menu.item({1, 0}).text, u"Copy");
    EXPECT_EQ(editing.replace_in_captions(u"zzz", u"y", false), 0u);
}

}  // namespace
}  // namespace tavorin
