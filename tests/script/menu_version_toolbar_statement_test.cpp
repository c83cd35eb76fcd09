// Reading MENU, MENUEX, VERSIONINFO and TOOLBAR statements through a whole script reading.

#include <gtest/gtest.h>

#include "base/text.h"
#include "resources/menu/menu.h"
#include "resources/toolbar/toolbar.h"
#include "resources/version/version_info.h"
#include "script/open_script.h"
#include "script_harness.h"

namespace tavorin {
namespace {

// The SDK values the scripts below use, as the Windows headers define them.
constexpr std::string_view sdk_definitions =
    "#define MFT_STRING 0\n#define MFT_SEPARATOR 0x800\n#define MFT_OWNERDRAW 0x100\n#define MFT_RADIOCHECK 0x200\n"
    "#define MFT_MENUBREAK 0x40\n#define MFS_CHECKED 8\n#define MFS_GRAYED 3\n#define MFS_DEFAULT 0x1000\n"
    "#define VOS_NT_WINDOWS32 0x40004\n#define VFT_APP 1\n#define VFT2_UNKNOWN 0\n"
    "#define IDM_OPEN 100\n#define IDM_SAVE 101\n#define ID_BUTTON_A 0xE100\n";

class StatementTest : public ::testing::Test {
protected:
    ReadStatus read(std::string_view body) {
        const auto path = folder.write("app.rc", std::string(sdk_definitions) + std::string(body));
        return open_script(session.workspace(), tables, image_numbers, path);
    }
    // The message and line of a failed reading.
    std::string failure(std::string_view body) {
        const ReadStatus status = read(body);
        if (status) return "read without error";
        return text_to_utf8(status.failure().message) + " @" + std::to_string(status.failure().line);
    }
    template <typename R>
    R& only(ResourceKind kind) {
        const auto resources = session.project().resources_of_kind(kind);
        EXPECT_EQ(resources.size(), 1u);
        return static_cast<R&>(*resources.at(0));
    }

    ScriptedPlatform platform;
    ScriptTables tables;
    ImageNumbers image_numbers;
    Session session{platform};
    testing::ScriptFolder folder;
};

// Line numbers below count the definitions: the first line of a body is line 15.
constexpr int first_body_line = 15;

TEST_F(StatementTest, ClassicMenuWithPopupsOptionsAndSeparators) {
    ASSERT_TRUE(read("IDR_MAIN MENU\n"
                     "BEGIN\n"
                     "  POPUP \"&File\", GRAYED\n"
                     "  BEGIN\n"
                     "    MENUITEM \"&Open\\tCtrl+O\", IDM_OPEN, CHECKED MENUBARBREAK, HELP\n"
                     "    MENUITEM SEPARATOR\n"
                     "    MENUITEM \"Save\", 0x20 + 3, INACTIVE, MENUBREAK, OWNERDRAW\n"
                     "    POPUP \"Inner\" { MENUITEM \"x\", 7 }\n"
                     "  END\n"
                     "  MENUITEM \"&Help\", 9\n"
                     "END\n"));
    const Menu& menu = only<Menu>(kind::menu);
    EXPECT_EQ(menu.name_text(), u"IDR_MAIN");
    EXPECT_FALSE(menu.extended());
    ASSERT_EQ(menu.items().size(), 2u);
    const MenuItem& file = menu.items()[0];
    EXPECT_TRUE(file.is_popup());
    EXPECT_EQ(file.flags, menu_flag::popup | menu_flag::grayed);
    ASSERT_EQ(file.submenu.size(), 4u);
    EXPECT_EQ(file.submenu[0].text, u"&Open");
    EXPECT_EQ(file.submenu[0].shortcut, u"Ctrl+O");
    EXPECT_EQ(file.submenu[0].identifier, u"IDM_OPEN");
    EXPECT_EQ(menu.value_of(file.submenu[0]), 100);
    EXPECT_EQ(file.submenu[0].flags, menu_flag::checked | menu_flag::bar_break | menu_flag::help);
    EXPECT_TRUE(file.submenu[1].is_separator());
    EXPECT_EQ(file.submenu[2].identifier, u"35");
    EXPECT_EQ(file.submenu[2].flags, menu_flag::inactive | menu_flag::column_break | menu_flag::owner_draw);
    EXPECT_EQ(file.submenu[3].submenu.at(0).identifier, u"7");
    EXPECT_EQ(menu.items()[1].text, u"&Help");
}

TEST_F(StatementTest, ClassicOptionsEndAtTheEndOfTheLine) {
    EXPECT_EQ(failure("1 MENU\nBEGIN\n  MENUITEM \"a\", 5, CHECKED\n  GRAYED\nEND\n"),
              "Item or END statement expected. @" + std::to_string(first_body_line + 3));
    EXPECT_EQ(failure("1 MENU\nBEGIN\n  MENUITEM \"a\", 5, BOLD\nEND\n"),
              "CHECKED, GRAYED, HELP, INACTIVE, MENUBARBREAK or MENUBREAK expected @" +
                  std::to_string(first_body_line + 2));
}

TEST_F(StatementTest, ExtendedMenuTakesTypeAndStateLists) {
    ASSERT_TRUE(read("2 MENUEX\n"
                     "BEGIN\n"
                     "  POPUP \"&File\", 0, MFT_STRING, MFS_GRAYED, 0\n"
                     "  BEGIN\n"
                     "    MENUITEM \"Open\", IDM_OPEN, MFT_STRING, MFS_CHECKED | MFS_DEFAULT\n"
                     "    MENUITEM \"\", 0, MFT_SEPARATOR\n"
                     "    MENUITEM \"Radio\", IDM_SAVE, MFT_RADIOCHECK | MFT_OWNERDRAW, 3\n"
                     "    MENUITEM \"Plain\", 0\n"
                     "    MENUITEM SEPARATOR\n"
                     "  END\n"
                     "END\n"));
    const Menu& menu = only<Menu>(kind::menu);
    EXPECT_TRUE(menu.extended());
    const MenuItem& file = menu.items().at(0);
    EXPECT_EQ(file.flags, menu_flag::popup | menu_flag::grayed);
    ASSERT_EQ(file.submenu.size(), 5u);
    EXPECT_EQ(file.submenu[0].flags, menu_flag::checked | menu_flag::default_item);
    EXPECT_TRUE(file.submenu[1].is_separator());
    EXPECT_EQ(file.submenu[1].identifier, u"");
    // The radio check is dropped; state 3 is grayed.
    EXPECT_EQ(file.submenu[2].flags, menu_flag::owner_draw | menu_flag::grayed);
    EXPECT_EQ(file.submenu[3].identifier, u"");
    EXPECT_TRUE(file.submenu[4].is_separator());
}

TEST_F(StatementTest, MenuErrors) {
    struct Case {
        std::string_view script;
        std::string expected;
    };
    const Case cases[] = {
        {"1 MENU\nMENUITEM \"a\", 1\n", "BEGIN or { expected. @" + std::to_string(first_body_line + 1)},
        {"1 MENU\nBEGIN\n  ITEM \"a\", 1\nEND\n", "Item or END statement expected. @" + std::to_string(first_body_line + 2)},
        {"1 MENU\nBEGIN\n  POPUP \"a\"\n  BEGIN\n  MENUITEM \"b\", 2\n  BOGUS\nEND\n",
         "END or } expected. @" + std::to_string(first_body_line + 5)},
        {"1 MENU\nBEGIN\n  MENUITEM a, 1\nEND\n", "Character string expected. @" + std::to_string(first_body_line + 2)},
        {"1 MENU\nBEGIN\n  MENUITEM \"a\" 1\nEND\n", "',' character expected. @" + std::to_string(first_body_line + 2)},
    };
    for (const Case& c : cases) EXPECT_EQ(failure(c.script), c.expected) << c.script;
    EXPECT_TRUE(session.project().resources_of_kind(kind::menu).empty());
}

TEST_F(StatementTest, VersionInformationWithFixedStatementsAndBlocks) {
    ASSERT_TRUE(read("VS_VERSION_INFO VERSIONINFO\n"
                     "  FILEVERSION 1,2\n"
                     "  PRODUCTVERSION 3,4,5,6\n"
                     "  FILEFLAGSMASK 0x3fL\n"
                     "  FILEFLAGS 0\n"
                     "  FILEOS VOS_NT_WINDOWS32\n"
                     "  FILETYPE VFT_APP\n"
                     "  FILESUBTYPE VFT2_UNKNOWN\n"
                     "BEGIN\n"
                     "  BLOCK \"StringFileInfo\"\n"
                     "  BEGIN\n"
                     "    BLOCK \"040904b0\"\n"
                     "    BEGIN\n"
                     "      VALUE \"CompanyName\", \"Example \"\"Co\"\"\"\n"
                     "      VALUE \"FileVersion\", \"1.2\\0\"\n"
                     "    END\n"
                     "    BLOCK \"040704B0\" { VALUE \"ProductName\", \"Beispiel\" }\n"
                     "  END\n"
                     "  BLOCK \"VarFileInfo\"\n"
                     "  BEGIN\n"
                     "    VALUE \"Translation\", 0x409, 1200, 0x407, 1200\n"
                     "  END\n"
                     "END\n"));
    const VersionInfo& version = only<VersionInfo>(kind::version);
    EXPECT_EQ(version.name_text(), u"VS_VERSION_INFO");
    EXPECT_EQ(version.fixed(), (FixedVersionInfo{{1, 2, 0, 0}, {3, 4, 5, 6}, 0x3F, 0, 0x40004, 1, 0}));
    ASSERT_EQ(version.blocks().size(), 2u);
    EXPECT_EQ(version.blocks()[0].language, 0x0409);
    EXPECT_EQ(version.blocks()[0].code_page, 0x04B0);
    EXPECT_EQ(version.blocks()[0].strings,
              (std::vector<VersionString>{{u"CompanyName", u"Example \"Co\""}, {u"FileVersion", u"1.2\\0"}}));
    EXPECT_EQ(version.blocks()[1].key_text(), u"040704B0");
    EXPECT_EQ(version.translations(), (std::vector<std::uint32_t>{0x040704B0, 0x040904B0}));
}

TEST_F(StatementTest, VersionErrors) {
    struct Case {
        std::string_view script;
        std::string expected;
    };
    const Case cases[] = {
        {"1 VERSIONINFO\nFILEVERSION 1\nBOGUS 2\n", "BEGIN or { expected. @" + std::to_string(first_body_line + 2)},
        {"1 VERSIONINFO\nBEGIN\n  VALUE \"a\", \"b\"\nEND\n",
         "BLOCK \"StringFileInfo\" or BLOCK \"VarFileInfo\" expected. @" + std::to_string(first_body_line + 2)},
        {"1 VERSIONINFO\nBEGIN\n  BLOCK \"Strings\"\n  BEGIN\n  END\nEND\n",
         "BLOCK \"StringFileInfo\" or BLOCK \"VarFileInfo\" expected. @" + std::to_string(first_body_line + 2)},
        {"1 VERSIONINFO\nBEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"0409-4b0\"\n    BEGIN\n    END\n  END\nEND\n",
         "The string block name \"0409-4b0\" is not eight hexadecimal digits. @" + std::to_string(first_body_line + 4)},
        {"1 VERSIONINFO\nBEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"040904b0\"\n    BEGIN\n"
         "      VALUE \"a\" \"b\"\n    END\n  END\nEND\n",
         "',' character expected. @" + std::to_string(first_body_line + 6)},
    };
    for (const Case& c : cases) EXPECT_EQ(failure(c.script), c.expected) << c.script;
    EXPECT_TRUE(session.project().resources_of_kind(kind::version).empty());
}

TEST_F(StatementTest, ToolbarHandsOverItsItemsInOrder) {
    ASSERT_TRUE(read("IDR_TOOLS TOOLBAR 16, 15\n"
                     "BEGIN\n"
                     "  BUTTON ID_BUTTON_A\n"
                     "  BUTTON 0x10\n"
                     "  SEPARATOR\n"
                     "  BUTTON 40050\n"
                     "END\n"));
    const Toolbar& toolbar = only<Toolbar>(kind::toolbar);
    EXPECT_EQ(toolbar.button_width(), 16u);
    EXPECT_EQ(toolbar.button_height(), 15u);
    ASSERT_EQ(toolbar.items().size(), 4u);
    EXPECT_EQ(toolbar.items()[0].id, u"ID_BUTTON_A");
    EXPECT_EQ(session.symbols().value_of(u"ID_BUTTON_A"), 0xE100);
    EXPECT_EQ(toolbar.items()[1].id, u"16");
    EXPECT_TRUE(toolbar.items()[2].separator());
    EXPECT_EQ(toolbar.items()[3].id, u"40050");

    EXPECT_EQ(failure("1 TOOLBAR 16 15\nBEGIN\nEND\n"), "',' character expected. @" + std::to_string(first_body_line));
    EXPECT_EQ(failure("1 TOOLBAR 16, 15\nBEGIN\n  BUTON 5\nEND\n"),
              "END or } expected. @" + std::to_string(first_body_line + 2));
}

}  // namespace
}  // namespace tavorin
