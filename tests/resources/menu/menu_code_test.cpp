#include "resources/menu/menu_code.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "platform/scripted_platform.h"
#include "resources/menu/menu.h"

namespace tavorin {
namespace {

MenuItem command(std::u16string text, std::u16string identifier, std::uint32_t flags = 0,
                 std::u16string shortcut = {}) {
    return MenuItem{std::move(text), std::move(shortcut), std::move(identifier), flags, {}};
}

MenuItem popup(std::u16string text, MenuItems items, std::uint32_t flags = 0) {
    return MenuItem{std::move(text), {}, {}, flags | menu_flag::popup, std::move(items)};
}

MenuItem separator() { return MenuItem{{}, {}, {}, menu_flag::separator, {}}; }

class MenuCode : public ::testing::Test {
protected:
    std::u16string code(int number, const CodeContext& context = {}) {
        TextWriter out;
        write_menu_code(out, menu, number, context);
        return out.take();
    }

    ScriptedPlatform platform;
    Session session{platform};
    Menu menu{session.symbols(), false};
};

TEST_F(MenuCode, NestedPopupsAreNumberedPerListAndBuiltBeforeTheirItem) {
    menu.append_item(popup(u"&File", {command(u"&Open", u"IDM_OPEN", menu_flag::checked, u"Ctrl+O"), separator(),
                                      popup(u"Recent", {command(u"One", u"IDM_ONE", menu_flag::grayed)}),
                                      popup(u"More", {command(u"Two", u"IDM_TWO", menu_flag::column_break),
                                                      command(u"Three", u"IDM_THREE", menu_flag::bar_break)}),
                                      command(u"E&xit", u"IDM_EXIT", menu_flag::inactive)}));
    menu.append_item(popup(u"&Help", {command(u"&About", u"IDM_ABOUT")}));

    EXPECT_EQ(code(3),
              u"HMENU hmenu3 = CreateMenu();\r\n"
              u"HMENU hmenu3_1 = CreatePopupMenu();\r\n"
              u"AppendMenu(hmenu3_1, MF_STRING | MF_CHECKED, IDM_OPEN, TEXT(\"&Open\\tCtrl+O\"));\r\n"
              u"AppendMenu(hmenu3_1, MF_SEPARATOR, 0, 0);\r\n"
              u"HMENU hmenu3_1_1 = CreatePopupMenu();\r\n"
              u"AppendMenu(hmenu3_1_1, MF_STRING | MF_GRAYED, IDM_ONE, TEXT(\"One\"));\r\n"
              u"AppendMenu(hmenu3_1, MF_STRING | MF_POPUP, (UINT_PTR)hmenu3_1_1, TEXT(\"Recent\"));\r\n"
              u"HMENU hmenu3_1_2 = CreatePopupMenu();\r\n"
              u"AppendMenu(hmenu3_1_2, MF_STRING | MF_MENUBREAK, IDM_TWO, TEXT(\"Two\"));\r\n"
              u"AppendMenu(hmenu3_1_2, MF_STRING | MF_MENUBARBREAK, IDM_THREE, TEXT(\"Three\"));\r\n"
              u"AppendMenu(hmenu3_1, MF_STRING | MF_POPUP, (UINT_PTR)hmenu3_1_2, TEXT(\"More\"));\r\n"
              u"AppendMenu(hmenu3_1, MF_STRING | MF_DISABLED, IDM_EXIT, TEXT(\"E&xit\"));\r\n"
              u"AppendMenu(hmenu3, MF_STRING | MF_POPUP, (UINT_PTR)hmenu3_1, TEXT(\"&File\"));\r\n"
              u"HMENU hmenu3_2 = CreatePopupMenu();\r\n"
              u"AppendMenu(hmenu3_2, MF_STRING, IDM_ABOUT, TEXT(\"&About\"));\r\n"
              u"AppendMenu(hmenu3, MF_STRING | MF_POPUP, (UINT_PTR)hmenu3_2, TEXT(\"&Help\"));\r\n");
}

// A top-level item gets the break its break field names, and none without one.
TEST_F(MenuCode, TopLevelBreaksFollowTheBreakField) {
    menu.append_item(command(u"A", u"IDM_A"));
    menu.append_item(command(u"B", u"IDM_B", menu_flag::column_break));
    menu.append_item(popup(u"C", {}, menu_flag::bar_break));

    EXPECT_EQ(code(0),
              u"HMENU hmenu0 = CreateMenu();\r\n"
              u"AppendMenu(hmenu0, MF_STRING, IDM_A, TEXT(\"A\"));\r\n"
              u"AppendMenu(hmenu0, MF_STRING | MF_MENUBREAK, IDM_B, TEXT(\"B\"));\r\n"
              u"HMENU hmenu0_1 = CreatePopupMenu();\r\n"
              u"AppendMenu(hmenu0, MF_STRING | MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)hmenu0_1, TEXT(\"C\"));\r\n");
}

TEST_F(MenuCode, CaptionsCompileAsCStringsWithOrWithoutTheTextMacro) {
    menu.append_item(command(u"Say \"hi\"", u"IDM_HI"));
    menu.append_item(command(u"Kept \\\"escape\\\" and \\n", u"101"));
    menu.append_item(command(u"Trailing \\", u""));

    CodeContext plain;
    plain.text_macro = false;
    EXPECT_EQ(code(1, plain),
              u"HMENU hmenu1 = CreateMenu();\r\n"
              u"AppendMenu(hmenu1, MF_STRING, IDM_HI, \"Say \\\"hi\\\"\");\r\n"
              u"AppendMenu(hmenu1, MF_STRING, 101, \"Kept \\\"escape\\\" and \\n\");\r\n"
              u"AppendMenu(hmenu1, MF_STRING, 0, \"Trailing \\\\\");\r\n");

    CodeContext wide;
    wide.macro = u"_T";
    EXPECT_NE(code(1, wide).find(u"IDM_HI, _T(\"Say \\\"hi\\\"\"));"), std::u16string::npos);
}

}  // namespace
}  // namespace tavorin
