#include "resources/menu/menu_layout.h"

#include <gtest/gtest.h>

#include "model/symbol_table.h"
#include "services/ui_strings.h"
#include "resources/menu/menu_fixtures.h"

namespace tavorin {
namespace {

using namespace testing;

// Every character is 10 pixels wide.
int width_of(std::u16string_view text) { return static_cast<int>(text.size()) * 10; }

class MenuLayoutTest : public ::testing::Test {
protected:
    MenuLayoutTest() {
        menu.append_item(popup_of(u"File", {command_item(u"Open", u"1"),
                                            popup_of(u"Recent", {command_item(u"a.rc", u"2")})}));
        menu.append_item(popup_of(u"Edit", {}));
    }
    MenuLayout layout(const MenuPath& selected) { return layout_menu(menu, selected, u"Type here", width_of); }

    UiStrings strings;
    SymbolTable symbols{strings};
    Menu menu{symbols, false};
};

TEST_F(MenuLayoutTest, BarAloneWhenATopLevelPlaceholderIsSelected) {
    const MenuLayout shown = layout({2});
    ASSERT_EQ(shown.boxes.size(), 3u);
    EXPECT_EQ(shown.boxes[0].rect, (MenuRect{0, 0, 56, 22}));
    EXPECT_EQ(shown.boxes[1].rect, (MenuRect{56, 0, 112, 22}));
    EXPECT_TRUE(shown.boxes[2].placeholder);
    EXPECT_EQ(shown.boxes[2].rect, (MenuRect{112, 0, 218, 22}));
    EXPECT_TRUE(shown.lists.empty());
}

TEST_F(MenuLayoutTest, OpenPopupsHangUnderTheBarAndBesideTheirPopup) {
    const MenuLayout shown = layout({0, 1, 0});
    ASSERT_EQ(shown.lists.size(), 2u);
    // File's list: Open, Recent, its placeholder; as wide as the minimum.
    EXPECT_EQ(shown.lists[0], (MenuRect{0, 22, 120, 88}));
    // Recent's list beside the Recent row.
    EXPECT_EQ(shown.lists[1], (MenuRect{120, 44, 240, 88}));
    const MenuBox* recent_item = menu_box_of(shown, {0, 1, 0});
    ASSERT_NE(recent_item, nullptr);
    EXPECT_EQ(recent_item->rect, (MenuRect{120, 44, 240, 66}));
    const MenuBox* end = menu_box_of(shown, {0, 1, 1});
    ASSERT_NE(end, nullptr);
    EXPECT_TRUE(end->placeholder);

    // A point where the inner list covers nothing else, and one on the outer list.
    EXPECT_EQ(menu_box_at(shown, 130, 70)->path, (MenuPath{0, 1, 1}));
    EXPECT_EQ(menu_box_at(shown, 10, 30)->path, (MenuPath{0, 0}));
    EXPECT_EQ(menu_box_at(shown, 500, 500), nullptr);
    // An empty popup selected opens a list of its placeholder only.
    EXPECT_EQ(layout({1}).lists.at(0), (MenuRect{56, 22, 176, 44}));
}

TEST_F(MenuLayoutTest, ListsWidenForLongCaptionsAndShortcuts) {
    MenuItem wide = command_item(u"A very long caption", u"3");
    wide.shortcut = u"Ctrl+W";
    menu.insert_item({0, 0}, wide);
    // 19 characters, the gap, 6 characters, the padding.
    EXPECT_EQ(layout({0}).lists.at(0).right, 190 + 24 + 60 + 16);
}

}  // namespace
}  // namespace tavorin
