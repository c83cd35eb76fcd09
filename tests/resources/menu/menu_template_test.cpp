#include "resources/menu/menu_template.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/text.h"
#include "platform/scripted_platform.h"
#include "resources/menu/menu_fixtures.h"

namespace tavorin {
namespace {

using namespace testing;

class MenuTemplateTest : public ::testing::Test {
protected:
    Menu& make_menu(bool extended, MenuItems items) {
        menus.push_back(std::make_unique<Menu>(session.symbols(), extended));
        for (MenuItem& item : items) menus.back()->append_item(std::move(item));
        return *menus.back();
    }
    static Bytes encode(const Menu& menu) {
        BinaryBuffer out;
        EXPECT_TRUE(menu.serialize(out));
        return out.take();
    }
    std::unique_ptr<Menu> decode(const Bytes& data) {
        auto menu = decode_menu_template(data, session.symbols());
        EXPECT_TRUE(menu) << text_to_utf8(menu ? u"" : menu.error());
        return menu ? std::move(*menu) : nullptr;
    }

    ScriptedPlatform platform;
    Session session{platform};
    std::vector<std::unique_ptr<Menu>> menus;
};

TEST_F(MenuTemplateTest, ClassicPopupCarriesPopupAndEndFlagsAndItsChildrenFollowIt) {
    const Menu& menu = make_menu(false, {popup_of(u"F", {command_item(u"A", u"5"), command_item(u"B", u"6")})});
    Bytes expected;
    words(expected, {0, 0});            // version, header size
    words(expected, {0x90});            // popup | last, no identifier
    text(expected, u"F");
    words(expected, {0x00, 5});         // first child
    text(expected, u"A");
    words(expected, {0x80, 6});         // last child
    text(expected, u"B");
    EXPECT_EQ(encode(menu), expected);
}

TEST_F(MenuTemplateTest, ExtendedItemsStartAtMultiplesOfFour) {
    const Menu& menu = make_menu(true, {command_item(u"ab", u"7"), command_item(u"c", u"8")});
    Bytes expected;
    words(expected, {1, 4, 0, 0});         // version 1, offset 4, help id
    words(expected, {0, 0, 0, 0, 7, 0});   // type, state, id
    words(expected, {0});                  // flags
    text(expected, u"ab");                 // ends at 22 + 6 = 28, a multiple of four
    words(expected, {0, 0, 0, 0, 8, 0});   // next item at 28
    words(expected, {0x80});
    text(expected, u"c");
    EXPECT_EQ(encode(menu), expected);

    // Three characters end at 30: two bytes of padding come before the next item.
    const Bytes padded = encode(make_menu(true, {command_item(u"abc", u"7"), command_item(u"c", u"8")}));
    ASSERT_GE(padded.size(), 36u);
    EXPECT_EQ(padded[30], 0);
    EXPECT_EQ(padded[31], 0);
    EXPECT_EQ(padded[32 + 8], 8);  // the identifier of the second item
}

TEST_F(MenuTemplateTest, ShortcutIsJoinedByATabAndSplitAgainWhenRead) {
    const SplitCaption typed = split_caption(u"Open\\tCtrl+O");
    EXPECT_EQ(typed.text, u"Open");
    EXPECT_EQ(typed.shortcut, u"Ctrl+O");
    MenuItem item = command_item(typed.text, u"5");
    item.shortcut = typed.shortcut;
    const Bytes data = encode(make_menu(false, {item}));
    Bytes expected;
    words(expected, {0, 0, 0x80, 5});
    text(expected, u"Open\tCtrl+O");
    EXPECT_EQ(data, expected);

    const auto read = decode(data);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->items().at(0).text, u"Open");
    EXPECT_EQ(read->items().at(0).shortcut, u"Ctrl+O");
    // A doubled backslash before t is a backslash and a letter, not a shortcut.
    EXPECT_EQ(split_caption(u"C:\\\\temp").shortcut, u"");
}

// A backslash before a letter that is no escape stands for itself in the data; read back, it
// becomes the escaped backslash of the stored form, which encodes to the same data.
TEST_F(MenuTemplateTest, EscapesAreResolvedInTheDataAndComeBackInStoredForm) {
    const Bytes data = encode(make_menu(false, {command_item(u"a\\nb \\\\ \\q", u"5")}));
    Bytes expected;
    words(expected, {0, 0, 0x80, 5});
    text(expected, u"a\nb \\ \\q");
    EXPECT_EQ(data, expected);
    const auto read = decode(data);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->items().at(0).text, u"a\\nb \\\\ \\\\q");
    EXPECT_EQ(encode(*read), data);
}

TEST_F(MenuTemplateTest, EveryFlagSurvivesBothTemplates) {
    using namespace menu_flag;
    // Inactive has no state of its own in the extended form (MFS_DISABLED is MFS_GRAYED) and
    // default none in the classic form; each form is checked with the flags it can hold.
    const std::vector<std::uint32_t> classic_flags = {checked, grayed, inactive, help, owner_draw, bitmap, column_break,
                                                      bar_break, checked | grayed | inactive | help | bar_break};
    const std::vector<std::uint32_t> extended_flags = {checked,      grayed, default_item, help, owner_draw,
                                                       bitmap,       column_break, bar_break,
                                                       checked | grayed | default_item | owner_draw | column_break};
    for (const bool extended : {false, true}) {
        for (std::uint32_t flags : extended ? extended_flags : classic_flags) {
            SCOPED_TRACE(::testing::Message() << (extended ? "MENUEX " : "MENU ") << std::hex << flags);
            const Menu& menu = make_menu(extended, {popup_of(u"P", {command_item(u"A", u"5", flags), separator_item()}, flags),
                                                    command_item(u"B", u"6", flags)});
            const auto read = decode(encode(menu));
            ASSERT_TRUE(read);
            EXPECT_EQ(read->extended(), extended);
            EXPECT_EQ(read->items(), menu.items());
        }
    }
}

TEST_F(MenuTemplateTest, ExtendedFlagsUseTheTypeAndStateValues) {
    const Menu& menu = make_menu(true, {command_item(u"A", u"5", menu_flag::checked | menu_flag::default_item |
                                                                   menu_flag::owner_draw | menu_flag::bar_break |
                                                                   menu_flag::help | menu_flag::inactive)});
    Bytes expected;
    words(expected, {1, 4, 0, 0});
    words(expected, {0x4120, 0, 0x100B, 0, 5, 0, 0x80});  // type, state (MFS_GRAYED for inactive), id, flags
    text(expected, u"A");
    EXPECT_EQ(encode(menu), expected);
    EXPECT_EQ(classic_item_flags(command_item(u"A", u"5", menu_flag::grayed | menu_flag::inactive | menu_flag::checked |
                                                         menu_flag::column_break | menu_flag::help |
                                                         menu_flag::owner_draw)),
              0x4000 | 0x100 | 0x40 | 0x8 | 0x2 | 0x1);
}

TEST_F(MenuTemplateTest, EmptyPopupIsWrittenAsAPlainItemSoTheNextItemsStayWhereTheyAre) {
    for (const bool extended : {false, true}) {
        const Menu& menu = make_menu(extended, {popup_of(u"Empty", {}), command_item(u"After", u"6")});
        const auto read = decode(encode(menu));
        ASSERT_TRUE(read);
        ASSERT_EQ(read->items().size(), 2u);
        EXPECT_FALSE(read->items()[0].is_popup());
        EXPECT_EQ(read->items()[0].text, u"Empty");
        EXPECT_EQ(read->items()[0].identifier, u"");
        EXPECT_EQ(read->items()[1].text, u"After");
    }
}

TEST_F(MenuTemplateTest, DecodedIdentifiersAreNamedByTheSymbolTableOrByTheirValue) {
    Menu& owner = make_menu(false, {});
    session.symbols().register_item_id(u"ID_FILE_OPEN", owner, 0x1234);
    Bytes data;
    words(data, {0, 0, 0, 0x1234});
    text(data, u"Open");
    words(data, {0, 0});
    text(data, u"");  // separator
    words(data, {0x80, 300});
    text(data, u"Other");
    const auto read = decode(data);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->items().size(), 3u);
    EXPECT_EQ(read->items()[0].identifier, u"ID_FILE_OPEN");
    EXPECT_TRUE(read->items()[1].is_separator());
    EXPECT_EQ(read->items()[1].identifier, u"");
    EXPECT_EQ(read->items()[2].identifier, u"300");
    EXPECT_EQ(read->value_of(read->items()[2]), 300);
}

// Only the separator's own encoding (no flags, no identifier, no text) reads as a separator: an
// item with an identifier or a flag but no text stays an item and encodes back the same.
TEST_F(MenuTemplateTest, ItemsWithoutTextStayItems) {
    Bytes data;
    words(data, {0, 0});
    words(data, {0, 7});     // identifier 7, no text
    text(data, u"");
    words(data, {0x01, 0});  // grayed, no identifier, no text
    text(data, u"");
    words(data, {0x80, 0});  // the separator
    text(data, u"");
    const auto read = decode(data);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->items().size(), 3u);
    EXPECT_FALSE(read->items()[0].is_separator());
    EXPECT_EQ(read->items()[0].identifier, u"7");
    EXPECT_FALSE(read->items()[1].is_separator());
    EXPECT_TRUE(read->items()[2].is_separator());
    EXPECT_EQ(encode(*read), data);
}

TEST_F(MenuTemplateTest, DamagedDataIsAnErrorAtEveryLength) {
    const Bytes data = encode(make_menu(true, {popup_of(u"P", {command_item(u"A", u"5"), popup_of(u"Q", {command_item(u"B", u"6")})}),
                                               command_item(u"C", u"7")}));
    // A cut inside the 8-byte header leaves a (clamped) header without items: an empty menu.
    EXPECT_FALSE(decode_menu_template(Bytes(data.begin(), data.begin() + 2), session.symbols()));
    for (std::size_t size = 9; size < data.size(); ++size) {
        const Bytes cut(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size));
        const auto read = decode_menu_template(cut, session.symbols());
        EXPECT_FALSE(read) << size << " " << (read ? (*read)->items().size() : 0);
    }
    EXPECT_TRUE(decode_menu_template(data, session.symbols()));
}

TEST_F(MenuTemplateTest, EmptyTemplateIsAMenuWithoutItemsAndDeepNestingIsRefused) {
    Bytes header;
    words(header, {0, 0});
    const auto empty = decode(header);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->items().empty());

    Bytes deep;
    words(deep, {0, 0});
    for (int i = 0; i < 1000; ++i) {
        words(deep, {0x10});
        text(deep, u"p");
    }
    const auto refused = decode_menu_template(deep, session.symbols());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"The menu template ends early or is damaged.");
}

}  // namespace
}  // namespace tavorin
