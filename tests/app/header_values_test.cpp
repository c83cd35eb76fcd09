#include "app/header_values.h"

#include <gtest/gtest.h>

#include "app/project_files.h"
#include "app/session.h"
#include "formats/writer_test_support.h"
#include "model/symbol_table.h"
#include "model/test_resource.h"
#include "platform/scripted_platform.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/menu/menu.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {
namespace {

TEST(HeaderValues, OnlyNumericObjectDefinesCount) {
    const auto defines = numeric_defines(
        u"// a comment\r\n"
        u"#define IDD_ABOUT   101\r\n"
        u"  #  define IDM_HEX 0x9C41 // trailing comment\r\n"
        u"#define IDC_PAREN (1005)\n"
        u"#define ID_UNSIGNED 40010U\r\n"
        u"#define IDC_NEG -1\r\n"
        u"#define NAME_ALIAS IDD_ABOUT\r\n"
        u"#define FUNCTION(x) 5\r\n"
        u"#define EMPTY\r\n"
        u"#define TEXT \"101\"\r\n"
        u"#define MIXED 12abc\r\n"
        u"#ifdef APSTUDIO_INVOKED\r\n"
        u"#define _APS_NEXT_COMMAND_VALUE 40020");
    ASSERT_EQ(defines.size(), 6u);
    const std::vector<std::pair<std::u16string, std::int32_t>> expected{
        {u"IDD_ABOUT", 101},  {u"IDM_HEX", 0x9C41}, {u"IDC_PAREN", 1005},
        {u"ID_UNSIGNED", 40010}, {u"IDC_NEG", -1},   {u"_APS_NEXT_COMMAND_VALUE", 40020}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(defines[i].name, expected[i].first);
        EXPECT_EQ(defines[i].value, expected[i].second);
    }
}

// A script whose header defines names it does not use and keeps the counters of new values: the
// new string, menu item, accelerator and control of the reading take none of the header's values
// and continue from its counters, which move on.
TEST(HeaderValues, NewIdentifiersOfAReadProjectAvoidTheHeadersValues) {
    ScriptedPlatform platform;
    Session session(platform);
    testing::TempFolder folder;
    folder.write("resource.h",
                 "#define IDR_MAINMENU 101\r\n"
                 "#define IDM_FILE_NEW 40001\r\n"
                 "#define IDM_UNUSED 40002\r\n"
                 "#define IDC_UNUSED 1000\r\n"
                 "#ifdef APSTUDIO_INVOKED\r\n"
                 "#ifndef APSTUDIO_READONLY_SYMBOLS\r\n"
                 "#define _APS_NEXT_RESOURCE_VALUE 102\r\n"
                 "#define _APS_NEXT_COMMAND_VALUE 40000\r\n"
                 "#define _APS_NEXT_CONTROL_VALUE 1000\r\n"
                 "#define _APS_NEXT_SYMED_VALUE 101\r\n"
                 "#endif\r\n"
                 "#endif\r\n");
    folder.write("app.rc",
                 "#include \"resource.h\"\r\n"
                 "IDR_MAINMENU MENU\r\nBEGIN\r\n    MENUITEM \"&New\", IDM_FILE_NEW\r\nEND\r\n");
    ReadingTables tables;
    ASSERT_TRUE(read_project_file(session, tables, folder / "app.rc"));
    SymbolTable& symbols = session.symbols();
    EXPECT_EQ(symbols.next_values().command, 40000);

    StringTable& strings = string_table_for(session.workspace(), session.project().current_language());
    strings.add_entry(u"IDS_STRING1", u"new");
    EXPECT_EQ(symbols.value_of(u"IDS_STRING1"), 40000);
    AcceleratorTable& keys = add_new_accelerator_table(session.workspace());
    keys.add_ascii_entry(u"ID_ACCELERATOR1", false, false, false, u'a');
    // 40001 is the menu item's, 40002 the header's own.
    EXPECT_EQ(symbols.value_of(u"ID_ACCELERATOR1"), 40003);
    Menu& menu = add_new_menu(session.workspace());
    menu.append_item(MenuItem{u"&Open", u"", u"ID_FILE_OPEN", 0, {}});
    EXPECT_EQ(symbols.value_of(u"ID_FILE_OPEN"), 40004);
    EXPECT_EQ(symbols.next_values().command, 40005);
    // The new resources' names continue from the resource counter.
    EXPECT_EQ(symbols.value_of(keys.name_text()), 102);
    EXPECT_EQ(symbols.value_of(menu.name_text()), 103);
    EXPECT_EQ(symbols.next_values().resource, 104);
    const TestResource dialog{kind::dialog, u"IDD_NEW"};
    EXPECT_EQ(*symbols.register_control_id(u"IDC_NEW", dialog), 1001);
    EXPECT_EQ(symbols.next_values().control, 1002);
}

}  // namespace
}  // namespace tavorin
