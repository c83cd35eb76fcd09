#include "app/shortcut_map.h"

#include <gtest/gtest.h>

#include <set>

namespace tavorin {
namespace {

constexpr ShortcutKey ctrl_key(char letter) { return modifier::ctrl | static_cast<ShortcutKey>(letter); }

TEST(ShortcutMap, HoldsExactlyNineteenDistinctKeys) {
    const auto map = shortcut_map();
    EXPECT_EQ(map.size(), 19u);
    std::set<ShortcutKey> keys;
    for (const auto& shortcut : map) keys.insert(shortcut.key);
    EXPECT_EQ(keys.size(), map.size());
}

TEST(ShortcutMap, CopyAndPasteHaveTwoKeysEach) {
    EXPECT_EQ(find_shortcut(ctrl_key('C')), cmd::copy);
    EXPECT_EQ(find_shortcut(modifier::ctrl | vk::insert), cmd::copy);
    EXPECT_EQ(find_shortcut(ctrl_key('V')), cmd::paste);
    EXPECT_EQ(find_shortcut(modifier::shift | vk::insert), cmd::paste);
    EXPECT_EQ(find_shortcut(modifier::shift | vk::del), cmd::delete_selection);
    EXPECT_EQ(find_shortcut(ctrl_key('X')), cmd::cut);
}

TEST(ShortcutMap, LettersAndFunctionKeys) {
    EXPECT_EQ(find_shortcut(ctrl_key('A')), 42002);
    EXPECT_EQ(find_shortcut(ctrl_key('N')), 40007);
    EXPECT_EQ(find_shortcut(ctrl_key('O')), 40008);
    EXPECT_EQ(find_shortcut(ctrl_key('D')), 40102);
    EXPECT_EQ(find_shortcut(ctrl_key('M')), 40101);
    EXPECT_EQ(find_shortcut(ctrl_key('E')), 40011);
    EXPECT_EQ(find_shortcut(ctrl_key('Q')), 42001);
    EXPECT_EQ(find_shortcut(ctrl_key('Z')), 40004);
    EXPECT_EQ(find_shortcut(ctrl_key('Y')), 40003);
    EXPECT_EQ(find_shortcut(ctrl_key('S')), 40125);
    EXPECT_EQ(find_shortcut(ctrl_key('P')), 40132);
    EXPECT_EQ(find_shortcut(0x70), 40002);  // F1
    EXPECT_EQ(find_shortcut(0x74), 40017);  // F5
}

TEST(ShortcutMap, ModifiersMustMatchExactly) {
    EXPECT_FALSE(find_shortcut('C'));
    EXPECT_FALSE(find_shortcut(modifier::ctrl | modifier::shift | 'C'));
    EXPECT_FALSE(find_shortcut(modifier::alt | 'Q'));
    EXPECT_FALSE(find_shortcut(vk::del));  // plain Delete belongs to the editors
    EXPECT_FALSE(find_shortcut(vk::insert));
    EXPECT_FALSE(find_shortcut(modifier::ctrl | vk::f1));
}

TEST(ShortcutMap, KeyCombinesTheModifierFlags) {
    EXPECT_EQ(shortcut_key(true, false, false, 'Q'), 0x10051u);
    EXPECT_EQ(shortcut_key(false, true, false, 'Q'), 0x20051u);
    EXPECT_EQ(shortcut_key(false, false, true, vk::insert), 0x4002Du);
    EXPECT_EQ(shortcut_key(true, true, true, vk::f5), 0x70074u);
    EXPECT_EQ(shortcut_key(false, false, false, vk::f1), 0x70u);
}

}  // namespace
}  // namespace tavorin
