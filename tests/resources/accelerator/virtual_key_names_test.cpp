#include "resources/accelerator/virtual_key_names.h"

#include <gtest/gtest.h>

#include <set>

namespace tavorin {
namespace {

TEST(VirtualKeyNames, TheStandardTableHas160UniqueNames) {
    const auto names = standard_virtual_key_names();
    ASSERT_EQ(names.size(), 160u);
    std::set<std::u16string_view> unique;
    for (const auto& key : names) {
        EXPECT_TRUE(unique.insert(key.name).second);
        EXPECT_TRUE(key.name.starts_with(u"VK_"));
    }
    EXPECT_EQ(names.front().name, u"VK_LBUTTON");
    EXPECT_EQ(names.back().name, u"VK_OEM_CLEAR");
}

TEST(VirtualKeyNames, EveryNameGivesItsCodeAndTheFirstNameOfACodeWins) {
    VirtualKeyNames keys;
    for (const auto& key : standard_virtual_key_names()) EXPECT_EQ(keys.code_of(key.name), key.code);
    EXPECT_EQ(keys.name_of(0x15), u"VK_KANA");
    EXPECT_EQ(keys.name_of(0x19), u"VK_HANJA");
    EXPECT_EQ(keys.name_of(0x92), u"VK_OEM_NEC_EQUAL");
    EXPECT_EQ(keys.name_of(0x70), u"VK_F1");
    EXPECT_EQ(keys.name_of(0x87), u"VK_F24");
    EXPECT_EQ(keys.code_of(u"VK_NUMPAD7"), 0x67);
}

TEST(VirtualKeyNames, LettersAndDigitsHaveNoEntries) {
    VirtualKeyNames keys;
    EXPECT_FALSE(keys.code_of(u"VK_A"));
    EXPECT_FALSE(keys.name_of(u'A'));
    EXPECT_FALSE(keys.name_of(u'0'));
    EXPECT_FALSE(keys.name_of(0x00));
    EXPECT_FALSE(keys.name_of(0xFF));
}

TEST(VirtualKeyNames, AddedNamesOnlyNameCodesWithoutAName) {
    VirtualKeyNames keys;
    EXPECT_TRUE(keys.add(u"VK_NAVIGATION_VIEW", 0x88));
    EXPECT_FALSE(keys.add(u"VK_NAVIGATION_AGAIN", 0x88));
    EXPECT_FALSE(keys.add(u"VK_MY_F1", 0x70));
    EXPECT_EQ(keys.name_of(0x88), u"VK_NAVIGATION_VIEW");
    EXPECT_EQ(keys.code_of(u"VK_NAVIGATION_VIEW"), 0x88);
    EXPECT_FALSE(keys.code_of(u"VK_MY_F1"));
    EXPECT_EQ(keys.added().size(), 1u);
}

}  // namespace
}  // namespace tavorin
