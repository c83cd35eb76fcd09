#include "model/symbol_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "services/ui_strings.h"
#include "test_resource.h"

namespace tavorin {
namespace {

class SymbolTableTest : public ::testing::Test {
protected:
    UiStrings strings;
    SymbolTable table{strings};
    TestResource dialog_a{kind::dialog, u"IDD_A"};
    TestResource dialog_b{kind::dialog, u"IDD_B"};
    TestResource menu_a{kind::menu, u"IDR_A"};
    TestResource menu_b{kind::menu, u"IDR_B"};
};

TEST_F(SymbolTableTest, StartsSeededAndResetsToTheSeeds) {
    for (const auto& table_state : {0, 1}) {
        if (table_state == 1) {
            ASSERT_TRUE(table.register_resource_name(u"IDD_X", kind::dialog, false, std::nullopt, 9));
            ASSERT_TRUE(table.register_control_id(u"IDC_X", dialog_a).ok());
            table.reset();
        }
        for (const char16_t* seed : {u"RC_INVOKED", u"IDC_STATIC"}) {
            const Symbol* symbol = table.find(seed);
            ASSERT_NE(symbol, nullptr) << table_state;
            EXPECT_EQ(symbol->value, -1);
            EXPECT_TRUE(symbol->system);
        }
        EXPECT_EQ(table.symbols().size(), 2u);
        EXPECT_EQ(table.next_free_resource_value(), 100);
        EXPECT_EQ(table.next_free_control_value(), 1000);
        EXPECT_EQ(table.value_of(u"IDD_X"), 0);
    }
}

TEST_F(SymbolTableTest, OneNameServesOneResourcePerKindAndLanguage) {
    EXPECT_EQ(table.register_resource_name(u"IDD_ABOUT", kind::dialog, false, std::nullopt, 0x409), u"IDD_ABOUT");
    EXPECT_EQ(table.register_resource_name(u"IDD_ABOUT", kind::dialog, false, std::nullopt, 0x409), std::nullopt);
    // Another language, or another kind, shares the name and its one value.
    EXPECT_EQ(table.register_resource_name(u"IDD_ABOUT", kind::dialog, false, std::nullopt, 0x407), u"IDD_ABOUT");
    EXPECT_EQ(table.register_resource_name(u"IDD_ABOUT", kind::menu, false, std::nullopt, 0x409), u"IDD_ABOUT");
    EXPECT_EQ(table.value_of(u"IDD_ABOUT"), 100);
    EXPECT_EQ(table.symbols().size(), 3u);
}

TEST_F(SymbolTableTest, NumericNameKeepsItsValueWhenFreeAndBecomesTheNextFreeValueWhenTaken) {
    EXPECT_EQ(table.register_resource_name(u"5", kind::dialog, false, std::nullopt, 9), u"5");
    EXPECT_EQ(table.value_of(u"5"), 5);
    EXPECT_EQ(table.next_free_resource_value(), 100);

    UiStrings other_strings;
    SymbolTable fresh(other_strings);
    ASSERT_TRUE(fresh.register_resource_name(u"IDD_FIVE", kind::dialog, false, 5, 9));
    // Trying 5 already advanced the counter from 100, so the value chosen is 101.
    EXPECT_EQ(fresh.register_resource_name(u"5", kind::dialog, false, 5, 9), u"101");
    EXPECT_EQ(fresh.value_of(u"101"), 101);
    EXPECT_FALSE(fresh.has_symbol(u"5"));
    EXPECT_EQ(fresh.next_free_resource_value(), 102);
}

TEST_F(SymbolTableTest, HeaderValueIsKeptAndMovesTheCounterPastIt) {
    EXPECT_TRUE(table.register_resource_name(u"IDD_MAIN", kind::dialog, false, 120, 9));
    EXPECT_EQ(table.value_of(u"IDD_MAIN"), 120);
    EXPECT_EQ(table.next_free_resource_value(), 121);
    // Values from 1000 on are control values; they leave the resource counter alone.
    EXPECT_TRUE(table.register_resource_name(u"IDD_HIGH", kind::dialog, false, 2000, 9));
    EXPECT_EQ(table.next_free_resource_value(), 121);
    EXPECT_EQ(*table.register_resource_name(u"IDD_NEXT", kind::dialog, false, std::nullopt, 9), u"IDD_NEXT");
    EXPECT_EQ(table.value_of(u"IDD_NEXT"), 121);
}

TEST_F(SymbolTableTest, TwoNamesOfOneValueClashLikeOneName) {
    ASSERT_TRUE(table.register_resource_name(u"IDD_ABOUT", kind::dialog, false, 100, 9));
    // The numeric name 100 is the same ordinal: for another kind it joins, for dialogs it clashes.
    EXPECT_EQ(table.register_resource_name(u"100", kind::menu, false, std::nullopt, 9), u"100");
    EXPECT_EQ(table.value_of(u"100"), 100);
    EXPECT_TRUE(table.find(u"IDD_ABOUT")->has_resource_use(kind::menu, 9));
    EXPECT_EQ(table.register_resource_name(u"100", kind::dialog, false, std::nullopt, 9), std::nullopt);
    // A new numeric name whose value is taken for this kind and language gets a value of its own.
    EXPECT_EQ(table.register_resource_name(u"0x64", kind::dialog, false, std::nullopt, 9), u"101");
}

TEST_F(SymbolTableTest, StringNamesHaveNoValueAndClashOnlyWithThemselves) {
    ASSERT_TRUE(table.register_control_id(u"IDC_ZERO", dialog_a, 0).ok());
    EXPECT_EQ(table.register_resource_name(u"MYDIALOG", kind::dialog, true, std::nullopt, 9), u"MYDIALOG");
    EXPECT_TRUE(table.is_string_name(u"MYDIALOG"));
    EXPECT_EQ(table.value_of(u"MYDIALOG"), 0);
    // A second string name is not taken for a use of the symbol that happens to have the value 0.
    EXPECT_EQ(table.register_resource_name(u"OTHER", kind::dialog, true, std::nullopt, 9), u"OTHER");
    EXPECT_EQ(table.register_resource_name(u"MYDIALOG", kind::dialog, true, std::nullopt, 9), std::nullopt);
    EXPECT_EQ(table.register_resource_name(u"MYDIALOG", kind::menu, true, std::nullopt, 9), u"MYDIALOG");
    EXPECT_EQ(table.next_free_resource_value(), 100);
}

TEST_F(SymbolTableTest, NewNamesAreNumberedFromTheBase) {
    EXPECT_EQ(table.new_resource_name(u"IDD_DIALOG", kind::dialog, 9), u"IDD_DIALOG1");
    EXPECT_EQ(table.value_of(u"IDD_DIALOG1"), 100);
    // Trailing digits of the base are dropped; the numbering skips names in the table.
    EXPECT_EQ(table.new_resource_name(u"IDD_DIALOG7", kind::dialog, 9), u"IDD_DIALOG2");
    EXPECT_EQ(table.value_of(u"IDD_DIALOG2"), 101);
    EXPECT_EQ(table.free_name(u"IDD_DIALOG"), u"IDD_DIALOG3");
    EXPECT_FALSE(table.has_symbol(u"IDD_DIALOG3"));
    // A clashing name renamed after reading keeps its old value when it is free for the kind...
    EXPECT_EQ(table.new_resource_name(u"IDD_DIALOG1", kind::menu, 9, 100), u"IDD_DIALOG3");
    EXPECT_EQ(table.value_of(u"IDD_DIALOG3"), 100);
    // ...and gets a new one when a resource of the kind and language uses it.
    EXPECT_EQ(table.new_resource_name(u"IDD_DIALOG1", kind::dialog, 9, 100), u"IDD_DIALOG4");
    EXPECT_EQ(table.value_of(u"IDD_DIALOG4"), 102);
    // The manifest's default name "1" stays 1.
    EXPECT_EQ(table.new_resource_name(u"1", kind::manifest, 9), u"1");
    EXPECT_EQ(table.value_of(u"1"), 1);
}

TEST_F(SymbolTableTest, ReleasingTheLastUseDropsTheSymbol) {
    ASSERT_TRUE(table.register_resource_name(u"IDD_ABOUT", kind::dialog, false, std::nullopt, 9));
    ASSERT_TRUE(table.register_resource_name(u"IDD_ABOUT", kind::dialog, false, std::nullopt, 7));
    table.release_resource_name(u"IDD_ABOUT", kind::dialog, 9);
    ASSERT_TRUE(table.has_symbol(u"IDD_ABOUT"));
    EXPECT_TRUE(table.register_resource_name(u"IDD_ABOUT", kind::dialog, false, std::nullopt, 9));
    table.release_resource_name(u"IDD_ABOUT", kind::dialog, 9);
    table.release_resource_name(u"IDD_ABOUT", kind::dialog, 7);
    EXPECT_FALSE(table.has_symbol(u"IDD_ABOUT"));
    EXPECT_EQ(table.find_by_value(100), nullptr);

    // A second name of the value stays while the first still has users, and goes with it.
    ASSERT_TRUE(table.register_resource_name(u"IDD_MAIN", kind::dialog, false, 150, 9));
    ASSERT_TRUE(table.register_resource_name(u"150", kind::menu, false, std::nullopt, 9));
    ASSERT_TRUE(table.register_resource_name(u"150", kind::accelerator, false, std::nullopt, 9));
    table.release_resource_name(u"150", kind::menu, 9);
    EXPECT_TRUE(table.has_symbol(u"150"));
    EXPECT_TRUE(table.find(u"IDD_MAIN")->has_resource_use(kind::accelerator, 9));
    table.release_resource_name(u"150", kind::accelerator, 9);
    table.release_resource_name(u"IDD_MAIN", kind::dialog, 9);
    EXPECT_FALSE(table.has_symbol(u"150"));
    EXPECT_FALSE(table.has_symbol(u"IDD_MAIN"));
}

TEST_F(SymbolTableTest, SystemNamesComeFromTheMacroLookupAndStay) {
    table.set_system_name_lookup([](std::u16string_view name) { return name == u"IDM_SYSTEM"; });
    ASSERT_TRUE(table.register_resource_name(u"IDM_SYSTEM", kind::menu, false, 300, 9));
    ASSERT_TRUE(table.register_resource_name(u"IDM_OWN", kind::menu, false, 301, 9));
    EXPECT_TRUE(table.find(u"IDM_SYSTEM")->system);
    EXPECT_FALSE(table.find(u"IDM_OWN")->system);
    table.release_resource_name(u"IDM_SYSTEM", kind::menu, 9);
    EXPECT_TRUE(table.has_symbol(u"IDM_SYSTEM"));
    // The lookup survives a reset.
    table.reset();
    ASSERT_TRUE(table.register_control_id(u"IDM_SYSTEM", dialog_a).ok());
    EXPECT_TRUE(table.find(u"IDM_SYSTEM")->system);
}

TEST_F(SymbolTableTest, ControlIdsAreUniqueWithinADialogAndSharedAcrossDialogs) {
    EXPECT_EQ(*table.register_control_id(u"IDC_EDIT1", dialog_a), 1000);
    EXPECT_EQ(*table.register_control_id(u"IDC_EDIT2", dialog_a), 1001);
    const auto again = table.register_control_id(u"IDC_EDIT1", dialog_a);
    ASSERT_FALSE(again.ok());
    EXPECT_EQ(again.error(), u"This ID is already used by another control of this dialog resource.");
    EXPECT_EQ(*table.register_control_id(u"IDC_EDIT1", dialog_b), 1000);
    // IDC_STATIC is shared by any number of controls of one dialog.
    EXPECT_EQ(*table.register_control_id(u"IDC_STATIC", dialog_a), -1);
    EXPECT_EQ(*table.register_control_id(u"IDC_STATIC", dialog_a), -1);
    // Wanted values and numeric names are taken as they are.
    EXPECT_EQ(*table.register_control_id(u"IDOK", dialog_a, 1), 1);
    EXPECT_EQ(*table.register_control_id(u"1005", dialog_b), 1005);
    EXPECT_EQ(table.next_free_control_value(), 1002);
}

TEST_F(SymbolTableTest, NewControlIdSkipsValuesItsDialogUses) {
    ASSERT_TRUE(table.register_control_id(u"IDC_FROM_HEADER", dialog_a, 1000).ok());
    ASSERT_TRUE(table.register_control_id(u"IDC_ALSO", dialog_a, 1001).ok());
    EXPECT_EQ(*table.register_control_id(u"IDC_NEW", dialog_a), 1002);
    EXPECT_EQ(table.next_free_control_value(), 1003);
    // Another dialog may reuse a value only dialog A uses.
    ASSERT_TRUE(table.register_control_id(u"IDC_B_FIRST", dialog_b, 1003).ok());
    EXPECT_EQ(*table.register_control_id(u"IDC_B_NEW", dialog_b), 1004);
}

TEST_F(SymbolTableTest, DeletingTheLastControlUseDropsTheIdAndGivesValuesBack) {
    ASSERT_TRUE(table.register_control_id(u"IDC_EDIT1", dialog_a).ok());  // 1000
    ASSERT_TRUE(table.register_control_id(u"IDC_EDIT2", dialog_a).ok());  // 1001
    ASSERT_TRUE(table.register_control_id(u"IDC_EDIT3", dialog_a).ok());  // 1002
    ASSERT_TRUE(table.register_control_id(u"IDC_EDIT2", dialog_b).ok());
    ASSERT_EQ(table.register_item_id(u"ID_FILE_OPEN", menu_a), 40000);

    table.release_control_id(u"IDC_EDIT2", dialog_a);
    EXPECT_TRUE(table.has_symbol(u"IDC_EDIT2"));  // dialog B still uses it
    EXPECT_EQ(table.next_free_control_value(), 1003);

    table.release_control_id(u"IDC_EDIT3", dialog_a);
    EXPECT_FALSE(table.has_symbol(u"IDC_EDIT3"));
    // The largest control value left, not the command value 40000.
    EXPECT_EQ(table.next_free_control_value(), 1001);
    // 1001 is IDC_EDIT2's, which dialog B still has: a new id takes a value of its own.
    EXPECT_EQ(*table.register_control_id(u"IDC_EDIT4", dialog_a), 1002);

    table.release_control_id(u"IDC_STATIC", dialog_a);
    EXPECT_TRUE(table.has_symbol(u"IDC_STATIC"));
}

TEST_F(SymbolTableTest, ItemIdsAreNumberedPerOwnerAndCounted) {
    EXPECT_EQ(table.register_item_id(u"ID_FILE_NEW", menu_a), 40000);
    EXPECT_EQ(table.register_item_id(u"ID_FILE_OPEN", menu_a), 40001);
    // A new item id takes a value no symbol has, whichever resource owns it.
    EXPECT_EQ(table.register_item_id(u"ID_OTHER", menu_b), 40002);
    // A name in the table keeps its value, wherever it is used.
    EXPECT_EQ(table.register_item_id(u"ID_FILE_OPEN", menu_b), 40001);
    EXPECT_EQ(table.register_item_id(u"ID_FILE_OPEN", menu_b), 40001);
    EXPECT_EQ(table.register_item_id(u"40123", menu_a), 40123);
    EXPECT_EQ(table.register_item_id(u"ID_GIVEN", menu_a, 40200), 40200);
    EXPECT_EQ(table.largest_command_value(), 40200);

    table.release_item_id(u"ID_FILE_OPEN", menu_b);
    table.release_item_id(u"ID_FILE_OPEN", menu_a);
    EXPECT_TRUE(table.has_symbol(u"ID_FILE_OPEN"));  // one item of menu B is left
    table.release_item_id(u"ID_FILE_OPEN", menu_b);
    EXPECT_FALSE(table.has_symbol(u"ID_FILE_OPEN"));
}

TEST_F(SymbolTableTest, NewIdentifiersTakeNoValueOfAnySymbolOrHeader) {
    ASSERT_TRUE(table.register_control_id(u"IDC_EDIT", dialog_a, 1000).ok());
    ASSERT_EQ(table.register_item_id(u"IDM_FILE_NEW", menu_a, 40000), 40000);
    ASSERT_EQ(table.register_item_id(u"IDM_FILE_OPEN", menu_a, 40001), 40001);
    table.reserve_header_value(40002);  // a header name the script does not use
    table.reserve_header_value(1001);
    EXPECT_TRUE(table.value_taken(40001));
    EXPECT_TRUE(table.value_taken(40002));
    EXPECT_FALSE(table.value_taken(40003));

    // Strings, accelerators and menu items of other resources, and controls of other dialogs.
    EXPECT_EQ(table.register_item_id(u"IDS_STRING1", menu_b), 40003);
    EXPECT_EQ(table.register_item_id(u"ID_ACCELERATOR1", menu_b), 40004);
    EXPECT_EQ(*table.register_control_id(u"IDC_BUTTON1", dialog_b), 1002);
    // A reset forgets the header's values with the symbols.
    table.reset();
    EXPECT_FALSE(table.value_taken(40002));
}

TEST_F(SymbolTableTest, ARenamedNewItemIdLeavesNoNameBehind) {
    ASSERT_EQ(table.register_item_id(u"IDM_FILE_NEW", menu_a, 40000), 40000);
    // A new accelerator's id has a value of its own, so nothing holds it once it is renamed.
    EXPECT_EQ(table.register_item_id(u"ID_ACCELERATOR1", menu_b), 40001);
    EXPECT_EQ(table.register_item_id(u"ID_RENAMED", menu_b), 40002);
    table.release_item_id(u"ID_ACCELERATOR1", menu_b);
    EXPECT_FALSE(table.has_symbol(u"ID_ACCELERATOR1"));
    EXPECT_TRUE(table.has_symbol(u"IDM_FILE_NEW"));
}

TEST_F(SymbolTableTest, NewIdentifiersContinueFromTheHeadersCountersAndAdvanceThem) {
    table.set_next_values(NextValues{130, 32775, 1010, 101});
    EXPECT_EQ(table.new_resource_name(u"IDD_DIALOG", kind::dialog, 0), u"IDD_DIALOG1");
    EXPECT_EQ(table.value_of(u"IDD_DIALOG1"), 130);
    EXPECT_EQ(table.register_item_id(u"ID_NEW_COMMAND", menu_a), 32775);
    EXPECT_EQ(*table.register_control_id(u"IDC_NEW", dialog_a), 1010);
    EXPECT_EQ(table.next_values().resource, 131);
    EXPECT_EQ(table.next_values().command, 32776);
    EXPECT_EQ(table.next_values().control, 1011);
    EXPECT_EQ(table.next_values().symbol, 101);  // nothing new of its kind

    // A taken value is passed over, and the counter goes past the value given out.
    ASSERT_EQ(table.register_item_id(u"ID_TAKEN", menu_b, 32776), 32776);
    EXPECT_EQ(table.register_item_id(u"ID_NEXT", menu_a), 32777);
    EXPECT_EQ(table.next_values().command, 32778);
    // Values below the counter given by a script do not move it back.
    ASSERT_EQ(table.register_item_id(u"ID_LOW", menu_a, 40), 40);
    EXPECT_EQ(table.next_values().command, 32778);
    // Without counters a header's values are still passed over, from the seeds up.
    table.reset();
    EXPECT_FALSE(table.next_values().command);
    table.reserve_header_value(40000);
    EXPECT_EQ(table.register_item_id(u"ID_FIRST", menu_a), 40001);
}

TEST_F(SymbolTableTest, DroppingAValuesOwnerHandsItToTheFirstNameWithUsesAndDropsTheRest) {
    // Five names of the value 300: the owner, two that only share it and two with uses of their own.
    ASSERT_EQ(table.register_item_id(u"ID_OWNER", menu_a, 300), 300);
    ASSERT_EQ(table.register_item_id(u"ID_A_FOLLOWER", menu_b, 300), 300);
    ASSERT_EQ(table.register_item_id(u"ID_C_FOLLOWER", menu_b, 300), 300);
    // Registered out of name order: the new owner is the first by name, not the first to come.
    ASSERT_EQ(*table.register_control_id(u"ID_D_USED", dialog_b, 300), 300);
    ASSERT_EQ(*table.register_control_id(u"ID_B_USED", dialog_a, 300), 300);
    // Names without uses stay while the value's owner is in use.
    table.release_item_id(u"ID_A_FOLLOWER", menu_b);
    table.release_item_id(u"ID_C_FOLLOWER", menu_b);
    ASSERT_TRUE(table.has_symbol(u"ID_A_FOLLOWER"));
    ASSERT_TRUE(table.has_symbol(u"ID_C_FOLLOWER"));
    EXPECT_EQ(table.find_by_value(300)->name, u"ID_OWNER");

    table.release_item_id(u"ID_OWNER", menu_a);
    EXPECT_FALSE(table.has_symbol(u"ID_OWNER"));
    EXPECT_FALSE(table.has_symbol(u"ID_A_FOLLOWER"));
    EXPECT_FALSE(table.has_symbol(u"ID_C_FOLLOWER"));
    ASSERT_NE(table.find_by_value(300), nullptr);
    EXPECT_EQ(table.find_by_value(300)->name, u"ID_B_USED");
    EXPECT_TRUE(table.has_symbol(u"ID_D_USED"));

    table.release_control_id(u"ID_B_USED", dialog_a);
    EXPECT_EQ(table.find_by_value(300)->name, u"ID_D_USED");
    table.release_control_id(u"ID_D_USED", dialog_b);
    EXPECT_EQ(table.find_by_value(300), nullptr);
    EXPECT_EQ(table.symbols().size(), 2u);
}

TEST_F(SymbolTableTest, ControlValuesAreGivenBackOnlyWhenNoDialogUsesThemAnyMore) {
    // Two names of the largest control value, in two dialogs.
    ASSERT_EQ(*table.register_control_id(u"IDC_LOW", dialog_a, 1010), 1010);
    ASSERT_EQ(*table.register_control_id(u"IDC_HIGH", dialog_a, 1020), 1020);
    ASSERT_EQ(*table.register_control_id(u"IDC_HIGH_TOO", dialog_b, 1020), 1020);
    ASSERT_EQ(*table.register_control_id(u"IDC_GONE", dialog_b, 1030), 1030);

    table.release_control_id(u"IDC_GONE", dialog_b);
    EXPECT_EQ(table.next_free_control_value(), 1020);
    table.release_control_id(u"IDC_HIGH", dialog_a);
    EXPECT_EQ(table.next_free_control_value(), 1020);
    table.release_control_id(u"IDC_HIGH_TOO", dialog_b);
    EXPECT_EQ(table.next_free_control_value(), 1010);
    table.release_control_id(u"IDC_LOW", dialog_a);
    EXPECT_EQ(table.next_free_control_value(), 1000);

    // A reset forgets the counts along with the symbols.
    ASSERT_EQ(*table.register_control_id(u"IDC_KEPT", dialog_a, 1500), 1500);
    table.reset();
    ASSERT_EQ(*table.register_control_id(u"IDC_A", dialog_a, 1200), 1200);
    ASSERT_EQ(*table.register_control_id(u"IDC_B", dialog_a, 1100), 1100);
    table.release_control_id(u"IDC_A", dialog_a);
    EXPECT_EQ(table.next_free_control_value(), 1100);
}

TEST_F(SymbolTableTest, UsesOutliveTheirFirstUserAndEndWithTheLast) {
    TestResource menu_c{kind::menu, u"IDR_C"};
    TestResource dialog_c{kind::dialog, u"IDD_C"};
    // Two items of menu A (the first user), one each of menus B and C.
    for (const TestResource* menu : {&menu_a, &menu_a, &menu_b, &menu_c}) {
        ASSERT_EQ(table.register_item_id(u"ID_SHARED", *menu), 40000);
    }
    // Menu A keeps the value while one of its items has it: its next new id skips it.
    table.release_item_id(u"ID_SHARED", menu_a);
    EXPECT_EQ(table.register_item_id(u"ID_NEXT_A", menu_a), 40001);
    table.release_item_id(u"ID_SHARED", menu_a);
    table.release_item_id(u"ID_SHARED", menu_a);  // none of menu A's left: changes nothing
    // Menus B and C still use it: a new id of any owner passes it by.
    EXPECT_EQ(table.register_item_id(u"ID_FREED_A", menu_a), 40002);
    table.release_item_id(u"ID_FREED_A", menu_a);
    table.release_item_id(u"ID_SHARED", menu_b);
    EXPECT_TRUE(table.has_symbol(u"ID_SHARED"));
    table.release_item_id(u"ID_SHARED", menu_c);
    EXPECT_FALSE(table.has_symbol(u"ID_SHARED"));

    for (const TestResource* dialog : {&dialog_a, &dialog_b, &dialog_c}) {
        ASSERT_EQ(*table.register_control_id(u"IDC_SHARED", *dialog), 1000);
    }
    table.release_control_id(u"IDC_SHARED", dialog_a);
    EXPECT_TRUE(table.register_control_id(u"IDC_SHARED", dialog_a).ok());
    EXPECT_FALSE(table.register_control_id(u"IDC_SHARED", dialog_b).ok());
    EXPECT_FALSE(table.register_control_id(u"IDC_SHARED", dialog_c).ok());
    for (const TestResource* dialog : {&dialog_b, &dialog_a, &dialog_c}) {
        EXPECT_TRUE(table.has_symbol(u"IDC_SHARED"));
        table.release_control_id(u"IDC_SHARED", *dialog);
    }
    EXPECT_FALSE(table.has_symbol(u"IDC_SHARED"));
}

TEST_F(SymbolTableTest, SymbolsAreListedInNameOrderWhateverOrderTheyCameIn) {
    for (const char16_t* name : {u"b_LOW", u"IDC_B", u"ID_A", u"IDC_A", u"A", u"_X", u"B"}) {
        ASSERT_GE(table.register_item_id(name, menu_a), 40000);
    }
    std::vector<std::u16string> names;
    for (const auto& [name, symbol] : table.symbols()) {
        EXPECT_EQ(name, symbol.name);
        names.push_back(name);
    }
    // Code unit by code unit: capitals before "_" before small letters.
    EXPECT_EQ(names, (std::vector<std::u16string>{u"A", u"B", u"IDC_A", u"IDC_B", u"IDC_STATIC", u"ID_A",
                                                  u"RC_INVOKED", u"_X", u"b_LOW"}));
}

TEST(LeadingNumber, ReadsDecimalHexadecimalAndSign) {
    EXPECT_EQ(leading_number(u"123"), 123);
    EXPECT_EQ(leading_number(u"0x1F"), 31);
    EXPECT_EQ(leading_number(u"-5"), -5);
    EXPECT_EQ(leading_number(u"12abc"), 12);
    EXPECT_EQ(leading_number(u"IDD_X"), std::nullopt);
    EXPECT_EQ(leading_number(u"-"), std::nullopt);
    EXPECT_EQ(leading_number(u""), std::nullopt);
}

}  // namespace
}  // namespace tavorin
