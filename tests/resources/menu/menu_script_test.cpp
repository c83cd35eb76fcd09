#include "resources/menu/menu.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "platform/scripted_platform.h"
#include "resources/menu/menu_fixtures.h"

namespace tavorin {
namespace {

using namespace testing;

class MenuScriptTest : public ::testing::Test {
protected:
    std::u16string script(bool extended, MenuItems items) {
        Menu menu(session.symbols(), extended);
        menu.identity().name = u"IDR_MENU1";
        for (MenuItem& item : items) menu.append_item(std::move(item));
        TextWriter out(session.config().pascal);
        menu.write_script_text(out, session.workspace());
        return out.take();
    }

    ScriptedPlatform platform;
    Session session{platform};
};

TEST_F(MenuScriptTest, ClassicFormNestsPopupsInBlocks) {
    EXPECT_EQ(script(false, {popup_of(u"&File", {command_item(u"&Open", u"IDM_OPEN"), separator_item()})}),
              u"IDR_MENU1 MENU\r\n"
              u"{\r\n"
              u"    POPUP \"&File\"\r\n"
              u"    {\r\n"
              u"        MENUITEM \"&Open\", IDM_OPEN\r\n"
              u"        MENUITEM SEPARATOR\r\n"
              u"    }\r\n"
              u"}");
    session.config().pascal = true;
    EXPECT_EQ(script(false, {}), u"IDR_MENU1 MENU\r\nBEGIN\r\nEND");
}

TEST_F(MenuScriptTest, ClassicOptionsComeInTheirOrder) {
    using namespace menu_flag;
    MenuItem shortcut = command_item(u"Open", u"5", checked);
    shortcut.shortcut = u"Ctrl+O";
    const std::u16string text =
        script(false, {command_item(u"A", u"5", bar_break | inactive | grayed | help | checked | owner_draw | bitmap),
                       command_item(u"B", u"6", column_break), popup_of(u"C", {}, grayed), command_item(u"", u"7"),
                       command_item(u"Say \"hi\"", u""), shortcut});
    EXPECT_NE(text.find(u"MENUITEM \"A\", 5, CHECKED, HELP, GRAYED, INACTIVE, OWNERDRAW, BITMAP, MENUBARBREAK\r\n"),
              std::u16string::npos);
    EXPECT_NE(text.find(u"MENUITEM \"B\", 6, MENUBREAK\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"POPUP \"C\", GRAYED\r\n"), std::u16string::npos);
    // An empty caption is no separator: the item keeps its identifier. An item without
    // identifier writes 0.
    EXPECT_NE(text.find(u"MENUITEM \"\", 7\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"MENUITEM \"Say \"\"hi\"\"\", 0\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"MENUITEM \"Open\\tCtrl+O\", 5, CHECKED\r\n"), std::u16string::npos);
}

TEST_F(MenuScriptTest, ExtendedFormWritesIdentifierTypeAndStateForEveryItem) {
    using namespace menu_flag;
    EXPECT_EQ(script(true, {popup_of(u"&File", {command_item(u"Open", u"", checked | default_item), separator_item(),
                                             command_item(u"Wide", u"IDM_W", owner_draw | bar_break | help | grayed)})}),
              u"IDR_MENU1 MENUEX\r\n"
              u"{\r\n"
              u"    POPUP \"&File\", 0, 0, 0\r\n"
              u"    {\r\n"
              u"        MENUITEM \"Open\", 0, 0, MFS_CHECKED | MFS_DEFAULT\r\n"
              u"        MENUITEM \"\", 0, MFT_SEPARATOR, 0\r\n"
              u"        MENUITEM \"Wide\", IDM_W, MFT_OWNERDRAW | MFT_MENUBARBREAK | MFT_RIGHTJUSTIFY, MFS_GRAYED\r\n"
              u"    }\r\n"
              u"}");
}

}  // namespace
}  // namespace tavorin
