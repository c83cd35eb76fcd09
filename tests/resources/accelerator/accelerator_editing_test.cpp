#include "resources/accelerator/accelerator_editing.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "platform/scripted_platform.h"
#include "resources/accelerator/accelerator_clipboard.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

class AcceleratorEditingTest : public ::testing::Test {
protected:
    AcceleratorEditingTest() { session.set_interactive(true); }

    ScriptedPlatform platform;
    Session session{platform};
    AcceleratorTable& table = add_new_accelerator_table(session.workspace());
    VirtualKeyNames names;
    UndoHistory history{platform};
    AcceleratorEditing editing{table, session.workspace(), history, names};
};

TEST_F(AcceleratorEditingTest, NewAcceleratorIsTheAsciiKeyAWithANewIdentifier) {
    EXPECT_EQ(editing.add_new(), 0u);
    EXPECT_EQ(editing.add_new(), 1u);
    EXPECT_EQ(table.entry(0), (AcceleratorEntry{u"ID_ACCELERATOR1", AcceleratorKey::character(u'a')}));
    EXPECT_EQ(table.entry(1).identifier, u"ID_ACCELERATOR2");
    EXPECT_EQ(table.value_of(table.entry(1)), 40001);
    EXPECT_TRUE(table.identity().modified);
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Insert Accelerator", u"Insert Accelerator"}));
    history.undo();
    EXPECT_EQ(table.size(), 1u);
    history.redo();
    EXPECT_EQ(table.entry(1).identifier, u"ID_ACCELERATOR2");
    EXPECT_EQ(table.value_of(table.entry(1)), 40001);
}

TEST_F(AcceleratorEditingTest, IdentifierIsValidatedAndUndoable) {
    editing.add_new();
    EXPECT_FALSE(editing.set_identifier(0, u"two words"));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Invalid ID.");
    EXPECT_EQ(platform.questions[0].caption, u"Error");

    ASSERT_TRUE(editing.set_identifier(0, u"ID_FILE_OPEN"));
    EXPECT_EQ(table.entry(0).identifier, u"ID_FILE_OPEN");
    EXPECT_FALSE(session.symbols().has_symbol(u"ID_ACCELERATOR1"));
    EXPECT_EQ(history.undo_names().front(), u"Accelerator ID");
    history.undo();
    EXPECT_EQ(table.entry(0).identifier, u"ID_ACCELERATOR1");
    EXPECT_EQ(table.value_of(table.entry(0)), 40000);
    EXPECT_FALSE(session.symbols().has_symbol(u"ID_FILE_OPEN"));
}

TEST_F(AcceleratorEditingTest, AsciiKeyTakesTheFirstCharacter) {
    editing.add_new();
    ASSERT_TRUE(editing.set_ascii_key(0, u"xyz"));
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::character(u'x'));
    EXPECT_EQ(history.undo_names().front(), u"Set ASCII Key");
    EXPECT_FALSE(editing.set_ascii_key(0, u""));
    history.undo();
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::character(u'a'));
}

TEST_F(AcceleratorEditingTest, VirtualKeyIsANameANumberOrALetter) {
    editing.add_new();
    editing.set_virtual(0, true);
    ASSERT_TRUE(editing.set_virtual_key(0, u"VK_F2"));
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::named(u"VK_F2", 0x71));
    ASSERT_TRUE(editing.set_virtual_key(0, u"112"));
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::named(u"VK_F1", 0x70));
    ASSERT_TRUE(editing.set_virtual_key(0, u"7"));
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::number(7));
    ASSERT_TRUE(editing.set_virtual_key(0, u"q"));
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::letter(u'Q'));
    EXPECT_EQ(history.undo_names().front(), u"Set Virtual Key");

    const std::size_t steps = history.size();
    EXPECT_FALSE(editing.set_virtual_key(0, u"0"));
    EXPECT_FALSE(editing.set_virtual_key(0, u"1x"));
    EXPECT_FALSE(editing.set_virtual_key(0, u""));
    EXPECT_EQ(history.size(), steps);
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::letter(u'Q'));
}

TEST_F(AcceleratorEditingTest, ModifierAndTypeSwitchesAreKeySteps) {
    editing.add_new();
    EXPECT_FALSE(editing.set_control(0, true));
    EXPECT_FALSE(editing.set_shift(0, true));
    editing.set_alt(0, true);
    editing.set_virtual(0, true);
    EXPECT_EQ(table.entry(0).key, AcceleratorKey::named(u"VK_NUMPAD1", 0x61));
    EXPECT_TRUE(editing.set_control(0, true));
    EXPECT_TRUE(editing.set_shift(0, true));
    EXPECT_EQ(modifier_text(table.entry(0)), u"Alt + Ctrl + Shift");
    EXPECT_EQ(type_text(table.entry(0)), u"Virtual Key");

    editing.set_virtual(0, false);
    EXPECT_EQ(table.entry(0), (AcceleratorEntry{u"ID_ACCELERATOR1", AcceleratorKey::character(0x61), true, false, false}));
    EXPECT_EQ(modifier_text(table.entry(0)), u"Alt");
    EXPECT_EQ(type_text(table.entry(0)), u"ASCII");
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Key", u"Key", u"Key", u"Key", u"Key",
                                                                  u"Insert Accelerator"}));
    history.undo(1);
    EXPECT_TRUE(table.entry(0).control);
    EXPECT_TRUE(table.entry(0).shift);

    table.add_ascii_entry(u"ID_UPPER", false, false, false, u'K');
    editing.set_virtual(1, true);
    EXPECT_EQ(table.entry(1).key, AcceleratorKey::letter(u'K'));
}

TEST_F(AcceleratorEditingTest, DeletingRestoresIdentifierFlagsAndKeyAtTheirPlace) {
    table.add_ascii_entry(u"ID_A", false, false, false, u'a');
    table.add_virtual_key_entry(u"ID_B", true, true, false, AcceleratorKey::named(u"VK_F3", 0x72));
    table.add_ascii_entry(u"ID_C", false, false, false, u'c');
    const AcceleratorEntry middle = table.entry(1);
    ASSERT_TRUE(editing.delete_rows(std::vector<std::size_t>{1, 0}));
    EXPECT_EQ(table.size(), 1u);
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Delete item"});
    history.undo();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.entry(0).identifier, u"ID_A");
    EXPECT_EQ(table.entry(1), middle);
    EXPECT_EQ(table.entry(2).identifier, u"ID_C");

    EXPECT_FALSE(editing.delete_rows(std::vector<std::size_t>{7}));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(AcceleratorEditingTest, ClipboardRowsAreIdentifierFlagsAndKey) {
    table.add_virtual_key_entry(u"ID", true, false, true, AcceleratorKey::named(u"VK_F1", 0x70));
    table.add_ascii_entry(u"ID_C", false, true, false, u'c');
    EXPECT_EQ(editing.copy(std::vector<std::size_t>{0}), (Bytes{1, 0, 0, 0, 'I', 0, 'D', 0, 0, 0, 0x15, 0, 0x70, 0}));

    const auto rows = decode_accelerator_rows(editing.copy(std::vector<std::size_t>{1, 0}), names);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[0], table.entry(1));
    EXPECT_EQ((*rows)[1], table.entry(0));
    EXPECT_FALSE(decode_accelerator_rows(Bytes{1, 0, 0, 0, 'I', 0, 0, 0, 1, 0}, names));
}

TEST_F(AcceleratorEditingTest, PastedRowsAreAppendedWithIdentifiersFrom40000) {
    AcceleratorTable source(session.symbols());
    source.add_ascii_entry(u"ID_COPY", false, false, false, u'c');
    source.add_virtual_key_entry(u"ID_COPY", false, true, false, AcceleratorKey::named(u"VK_INSERT", 0x2D));
    AcceleratorEditing source_editing(source, session.workspace(), history, names);
    const Bytes clipboard = source_editing.copy(std::vector<std::size_t>{0, 1});

    const auto pasted = editing.paste(clipboard);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(*pasted, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(table.entry(0), (AcceleratorEntry{u"ID_COPY1", AcceleratorKey::character(u'c')}));
    EXPECT_EQ(table.entry(1), (AcceleratorEntry{u"ID_COPY2", AcceleratorKey::named(u"VK_INSERT", 0x2D), false, true,
                                                false}));
    EXPECT_EQ(table.value_of(table.entry(0)), 40000);
    EXPECT_EQ(table.value_of(table.entry(1)), 40001);
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Paste"});
    history.undo();
    EXPECT_EQ(table.size(), 0u);
}

TEST_F(AcceleratorEditingTest, ModifierCellSetsAllThreeInOneKeyStep) {
    EXPECT_EQ(modifier_choice_text(0), u"");
    EXPECT_EQ(modifier_choice_text(3), u"Alt + Ctrl");
    EXPECT_EQ(modifier_choice_text(6), u"Ctrl + Shift");
    editing.add_new();
    EXPECT_FALSE(editing.set_modifiers(0, true, true, false)) << "an ASCII row takes no Ctrl";
    EXPECT_FALSE(table.entry(0).alt);
    EXPECT_TRUE(editing.set_modifiers(0, true, false, false));
    EXPECT_EQ(modifier_choice_of(table.entry(0)), 1u);
    editing.set_virtual(0, true);
    EXPECT_TRUE(editing.set_modifiers(0, false, true, true));
    EXPECT_EQ(modifier_choice_of(table.entry(0)), 6u);
    EXPECT_EQ(history.undo_names().front(), u"Key");
    history.undo();
    EXPECT_EQ(modifier_choice_of(table.entry(0)), 1u);
}

TEST_F(AcceleratorEditingTest, PressedKeyBecomesTheVirtualKeyWithTheModifiersHeld) {
    editing.add_new();
    const std::size_t steps = history.size();
    for (std::uint16_t modifier : {0x10, 0x11, 0x12, 0xA0, 0xA5}) {
        EXPECT_FALSE(editing.press_key(0, modifier, false, true, false)) << modifier;
    }
    EXPECT_EQ(history.size(), steps);

    struct Case {
        std::uint16_t code;
        AcceleratorKey key;
    };
    const Case cases[] = {{0x70, AcceleratorKey::named(u"VK_F1", 0x70)},
                          {u'K', AcceleratorKey::letter(u'K')},
                          {u'7', AcceleratorKey::number(u'7')}};
    for (const Case& pressed : cases) {
        ASSERT_TRUE(editing.press_key(0, pressed.code, false, true, true));
        EXPECT_EQ(table.entry(0).key, pressed.key) << pressed.code;
        EXPECT_TRUE(table.entry(0).control);
        EXPECT_TRUE(table.entry(0).shift);
        EXPECT_FALSE(table.entry(0).alt);
    }
    EXPECT_EQ(history.undo_names().front(), u"Set Virtual Key");
    EXPECT_EQ(history.size(), steps + 3);
    history.undo(3);
    EXPECT_EQ(table.entry(0), (AcceleratorEntry{u"ID_ACCELERATOR1", AcceleratorKey::character(u'a')}));
}

TEST_F(AcceleratorEditingTest, NoinvertIsAKeyStepAndTravelsThroughTheClipboard) {
    editing.add_new();
    editing.set_noinvert(0, true);
    EXPECT_TRUE(table.entry(0).noinvert);
    table.add_virtual_key_entry(u"ID_LETTER", false, true, false, AcceleratorKey::letter(u'K'));
    const auto letter = decode_accelerator_rows(editing.copy(std::vector<std::size_t>{1}), names);
    ASSERT_TRUE(letter);
    EXPECT_EQ(letter->at(0).key, AcceleratorKey::letter(u'K')) << "a copied letter stays a letter";
    EXPECT_EQ(history.undo_names().front(), u"Key");
    const auto rows = decode_accelerator_rows(editing.copy(std::vector<std::size_t>{0}), names);
    ASSERT_TRUE(rows);
    EXPECT_TRUE(rows->at(0).noinvert);
    history.undo();
    EXPECT_FALSE(table.entry(0).noinvert);
}

}  // namespace
}  // namespace tavorin
