#include "app/main_menu.h"

#include <gtest/gtest.h>

#include <string>

#include "services/ui_strings.h"
#include "base/text.h"

namespace tavorin {
namespace {

// One line per item, as the user reads the menu: "id text", "---" for a separator, a submenu's
// items indented below it.
std::string describe(const UiStrings& strings, std::span<const MenuBarItem> items, const std::string& indent = "") {
    std::string out;
    for (const auto& item : items) {
        if (item.kind == MenuBarItem::Kind::separator) {
            out += indent + "---\n";
            continue;
        }
        out += indent + std::to_string(item.id) + " " + text_to_utf8(strings.text(item.text)) + "\n";
        if (item.kind == MenuBarItem::Kind::submenu) out += describe(strings, item.items, indent + "  ");
    }
    return out;
}

TEST(MainMenu, HasFiveMenusWithTheirTitles) {
    const UiStrings strings;
    const auto bar = main_menu_bar();
    ASSERT_EQ(bar.size(), 5u);
    EXPECT_EQ(strings.text(bar[0].text), u"&File");
    EXPECT_EQ(strings.text(bar[1].text), u"&Edit");
    EXPECT_EQ(strings.text(bar[2].text), u"&View");
    EXPECT_EQ(strings.text(bar[3].text), u"&Options");
    EXPECT_EQ(strings.text(bar[4].text), u"&Help");
}

TEST(MainMenu, FileMenuHoldsTheProjectCommandsAndTwoSubmenus) {
    const UiStrings strings;
    EXPECT_EQ(describe(strings, main_menu_bar()[0].items),
              "40007 &New project...\tCtrl+N\n"
              "40008 &Open project...\tCtrl+O\n"
              "40125 &Save\tCtrl+S\n"
              "42000 Save As...\n"
              "42040 Rewrite Script...\n"
              "---\n"
              "42021 Code preview\n"
              "  40121 C/C++ source\n"
              "  40010 Resource\n"
              "40122 Close project\n"
              "---\n"
              "42022 Add a resource...\n"
              "  40104 Accelerator\n"
              "  40099 Bitmap\n"
              "  40110 Cursor\n"
              "  40102 Dialog\tCtrl+D\n"
              "  40100 Icon\n"
              "  40109 Manifest\n"
              "  40101 Menu\tCtrl+M\n"
              "  40103 String Table\n"
              "  40106 Toolbar\n"
              "  40098 User Defined\n"
              "  40105 Version Information\n"
              "---\n"
              "42003 New instance\n"
              "---\n"
              "42001 &Quit\tCtrl+Q\n");
}

TEST(MainMenu, EditViewOptionsAndHelpMenus) {
    const UiStrings strings;
    const auto bar = main_menu_bar();
    EXPECT_EQ(describe(strings, bar[1].items),
              "40004 Undo\tCtrl+Z\n40003 Redo\tCtrl+Y\n---\n40001 Cut\tCtrl+X\n40000 Copy\tCtrl+C\n"
              "40009 Paste\tCtrl+V\n40006 Delete\tDel\n---\n42002 Select All\tCtrl+A\n");
    EXPECT_EQ(describe(strings, bar[2].items),
              "40114 Resource Tree\n40112 Properties\n---\n42032 Messages\tCtrl+M\n---\n42007 Auto Save Layout\n");
    EXPECT_EQ(describe(strings, bar[3].items), "40132 Preferences...\tCtrl+P\n");
    EXPECT_EQ(describe(strings, bar[4].items),
              "40002 Help\tF1\n40111 Tavorin Web page\n---\n40115 Check for update\n---\n"
              "40123 Contact author\n40116 About\n");
}

TEST(MainMenu, ProjectCommandsWaitForAnOpenProject) {
    for (cmd::Id id : {40125, 42000, 42025, 42021, 40122, 42022}) EXPECT_TRUE(needs_open_project(id)) << id;
    // Everything else on the bar works without a project, the items inside the greyed submenus
    // included (the submenu itself is what is greyed).
    int enabled = 0;
    for (const auto& menu : main_menu_bar()) {
        for (const auto& item : menu.items) {
            if (item.kind == MenuBarItem::Kind::command && !needs_open_project(item.id)) ++enabled;
            for (const auto& inner : item.items) EXPECT_FALSE(needs_open_project(inner.id)) << inner.id;
        }
    }
    EXPECT_EQ(enabled, 4 + 7 + 4 + 1 + 5);  // File, Edit, View, Options, Help
    EXPECT_FALSE(needs_open_project(cmd::messages));
    EXPECT_FALSE(needs_open_project(0));
}

}  // namespace
}  // namespace tavorin
