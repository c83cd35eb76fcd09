#include "resources/stringtable/string_table_editing.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "platform/scripted_platform.h"
#include "resources/stringtable/string_clipboard.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

class StringTableEditingTest : public ::testing::Test {
protected:
    StringTableEditingTest() {
        session.set_interactive(true);
        session.project().set_current_language(0x409);
    }

    std::vector<std::u16string> identifiers() const {
        std::vector<std::u16string> out;
        for (const auto& entry : table.entries()) out.push_back(entry.identifier);
        return out;
    }

    ScriptedPlatform platform;
    Session session{platform};
    StringTable& table = string_table_for(session.workspace(), 0x409);
    UndoHistory history{platform};
    StringTableEditing editing{table, session.workspace(), history};
};

TEST_F(StringTableEditingTest, NewStringsAreNumberedFromIdsString1WithTheSampleText) {
    EXPECT_EQ(editing.add_new_string(), 0u);
    EXPECT_EQ(editing.add_new_string(), 1u);
    EXPECT_EQ(identifiers(), (std::vector<std::u16string>{u"IDS_STRING1", u"IDS_STRING2"}));
    EXPECT_EQ(table.entry(0).text, u"Sample text");
    EXPECT_NE(table.value_of(table.entry(0)), table.value_of(table.entry(1)));
    EXPECT_TRUE(table.identity().modified);
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Insert String", u"Insert String"}));

    const std::int32_t value = table.value_of(table.entry(1));
    history.undo();
    EXPECT_EQ(table.size(), 1u);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDS_STRING2"));
    history.redo();
    EXPECT_EQ(table.entry(1).identifier, u"IDS_STRING2");
    EXPECT_EQ(table.value_of(table.entry(1)), value);
}

TEST_F(StringTableEditingTest, InvalidIdentifierIsRefusedWithItsMessage) {
    table.add_entry(u"IDS_A", u"a");
    EXPECT_FALSE(editing.set_identifier(0, u"has space"));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Invalid ID.");
    EXPECT_EQ(platform.questions[0].caption, u"Error");
    EXPECT_EQ(platform.questions[0].icon, AskIcon::error);
    EXPECT_EQ(table.entry(0).identifier, u"IDS_A");
    EXPECT_EQ(history.size(), 0u);

    EXPECT_FALSE(editing.set_identifier(0, u"70000"));
    EXPECT_EQ(platform.questions.back().text, u"Number is too big (WORD value expected).");

    // Unchanged text: nothing happens, nothing is recorded.
    EXPECT_TRUE(editing.set_identifier(0, u"IDS_A"));
    EXPECT_EQ(history.size(), 0u);
}

TEST_F(StringTableEditingTest, IdentifierWhoseValueAnotherRowUsesIsRefused) {
    table.add_entry(u"IDS_A", u"a");
    table.add_entry(u"IDS_B", u"b");
    StringTable other(session.symbols());
    session.symbols().register_item_id(u"IDS_ALIAS_OF_B", other, table.value_of(table.entry(1)));

    EXPECT_FALSE(editing.set_identifier(0, u"IDS_ALIAS_OF_B"));
    EXPECT_EQ(platform.questions.back().text, u"ID already used in this String Table.");
    EXPECT_FALSE(editing.set_identifier(0, u"IDS_B"));
    EXPECT_FALSE(editing.set_identifier(0, std::u16string(u"40001")));
    EXPECT_EQ(platform.questions.size(), 3u);
    EXPECT_EQ(identifiers(), (std::vector<std::u16string>{u"IDS_A", u"IDS_B"}));
}

TEST_F(StringTableEditingTest, RenamingIsUndoneWithTheOldNameAndValue) {
    table.add_entry(u"IDS_OLD", u"a");
    const std::int32_t old_value = table.value_of(table.entry(0));
    ASSERT_TRUE(editing.set_identifier(0, u"IDS_NEW"));
    EXPECT_FALSE(session.symbols().has_symbol(u"IDS_OLD"));
    const std::int32_t new_value = table.value_of(table.entry(0));
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Item ID"});

    history.undo();
    EXPECT_EQ(table.entry(0).identifier, u"IDS_OLD");
    EXPECT_EQ(table.value_of(table.entry(0)), old_value);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDS_NEW"));
    history.redo();
    EXPECT_EQ(table.entry(0).identifier, u"IDS_NEW");
    EXPECT_EQ(table.value_of(table.entry(0)), new_value);
}

TEST_F(StringTableEditingTest, TextIsTakenAsTypedAndUndoable) {
    table.add_entry(u"IDS_A", u"old");
    editing.set_text(0, u"new\\n");
    EXPECT_EQ(table.entry(0).text, u"new\\n");
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Item text"});
    history.undo();
    EXPECT_EQ(table.entry(0).text, u"old");
}

TEST_F(StringTableEditingTest, DeletingRowsIsOneGroupThatRestoresPositions) {
    for (const char16_t* name : {u"IDS_A", u"IDS_B", u"IDS_C", u"IDS_D"}) table.add_entry(name, name);
    const std::vector<std::size_t> rows{1, 3};
    ASSERT_TRUE(editing.delete_rows(rows));
    EXPECT_EQ(identifiers(), (std::vector<std::u16string>{u"IDS_A", u"IDS_C"}));
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Delete item"});
    history.undo();
    EXPECT_EQ(identifiers(), (std::vector<std::u16string>{u"IDS_A", u"IDS_B", u"IDS_C", u"IDS_D"}));
    history.redo();
    EXPECT_EQ(identifiers(), (std::vector<std::u16string>{u"IDS_A", u"IDS_C"}));

    EXPECT_FALSE(editing.delete_rows({}));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(StringTableEditingTest, ClipboardLayoutIsCountThenTerminatedTexts) {
    table.add_entry(u"ID", u"x");
    table.add_entry(u"IDS_B", u"b");
    const std::vector<std::size_t> rows{0};
    EXPECT_EQ(editing.copy(rows), (Bytes{1, 0, 0, 0, 'I', 0, 'D', 0, 0, 0, 'x', 0, 0, 0}));

    const auto decoded = decode_string_rows(editing.copy(std::vector<std::size_t>{1, 0}));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, (std::vector<StringEntry>{{u"IDS_B", u"b"}, {u"ID", u"x"}}));

    EXPECT_FALSE(decode_string_rows(Bytes{2, 0, 0, 0, 'I', 0, 0, 0, 'x', 0, 0, 0}));
    EXPECT_FALSE(decode_string_rows(Bytes{1, 0}));
}

TEST_F(StringTableEditingTest, PastedRowsGetNewIdentifiersFrom40000InClipboardOrder) {
    const Bytes clipboard = encode_string_rows(std::vector<StringEntry>{{u"IDS_X1", u"one"}, {u"IDS_X1", u"two"}});
    const auto pasted = editing.paste(clipboard);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(*pasted, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(identifiers(), (std::vector<std::u16string>{u"IDS_X1", u"IDS_X2"}));
    EXPECT_EQ(table.value_of(table.entry(0)), 40000);
    EXPECT_EQ(table.value_of(table.entry(1)), 40001);
    EXPECT_EQ(table.entry(1).text, u"two");
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Paste"});
    history.undo();
    EXPECT_EQ(table.size(), 0u);
}

TEST_F(StringTableEditingTest, PasteNamingSkipsDefinedNamesAndUsedValues) {
    StringTable other(session.symbols());
    session.symbols().register_item_id(u"IDS_FOO1", other, 40000);
    table.add_entry(u"40000", u"uses 40000");
    const auto pasted =
        editing.paste(encode_string_rows(std::vector<StringEntry>{{u"IDS_FOO3", u"foo"}, {u"123", u"digits"}}));
    ASSERT_TRUE(pasted);
    EXPECT_EQ(table.entry(1).identifier, u"IDS_FOO2");
    EXPECT_EQ(table.value_of(table.entry(1)), 40001);
    EXPECT_EQ(table.entry(2).identifier, u"40002");
    EXPECT_EQ(table.value_of(table.entry(2)), 40002);
    EXPECT_GE(session.symbols().largest_command_value(), 40002);

    EXPECT_FALSE(editing.paste(Bytes{5, 0, 0, 0}));
    EXPECT_EQ(table.size(), 3u);
}

TEST_F(StringTableEditingTest, PlainTextRowsAreTabSeparatedLinesAndReadBack) {
    const std::vector<StringEntry> rows{{u"IDS_A", u"first\\tline"}, {u"40001", u""}};
    EXPECT_EQ(string_rows_as_text(rows), u"IDS_A\tfirst\\tline\r\n40001\t\r\n");
    EXPECT_EQ(string_rows_from_text(string_rows_as_text(rows)), rows);
    // Lines from a spreadsheet: LF or CR endings, empty lines, a cell holding a tab of its own
    // stays in the text, a line without a tab is a text alone.
    EXPECT_EQ(string_rows_from_text(u"IDS_B\tb\tc\n\nloose\rIDS_C\tc"),
              (std::vector<StringEntry>{{u"IDS_B", u"b\tc"}, {u"IDS_STRING1", u"loose"}, {u"IDS_C", u"c"}}));
    EXPECT_TRUE(string_rows_from_text(u"\r\n\r\n").empty());
}

TEST_F(StringTableEditingTest, RowsPastedIntoAnotherLanguageAreNamedAnewAndTellTheListOnUndo) {
    std::vector<std::size_t> told;
    StringTable& german = string_table_for(session.workspace(), 0x407);
    StringTableEditing german_editing{german, session.workspace(), history,
                                      [&told](std::size_t row) { told.push_back(row); }};
    table.add_entry(u"IDS_HELLO", u"Hello");
    const auto pasted = german_editing.paste(editing.copy(std::vector<std::size_t>{0}));
    ASSERT_TRUE(pasted);
    EXPECT_EQ(german.entry(0).identifier, u"IDS_HELLO1");
    EXPECT_EQ(german.value_of(german.entry(0)), 40000);
    EXPECT_TRUE(told.empty()) << "the list is told only about undo and redo";
    history.undo();
    EXPECT_EQ(german.size(), 0u);
    EXPECT_EQ(told, std::vector<std::size_t>{0});
    history.redo();
    EXPECT_EQ(german.entry(0).text, u"Hello");
    EXPECT_EQ(told, (std::vector<std::size_t>{0, 0}));
}

TEST_F(StringTableEditingTest, ReplaceAllIsOneStepOverEveryRow) {
    table.add_entry(u"IDS_A", u"Open file");
    table.add_entry(u"IDS_B", u"no match");
    table.add_entry(u"IDS_C", u"FILE, file and files");
    EXPECT_EQ(editing.replace_all(u"file", u"doc", false), 4u);
    EXPECT_EQ(table.entry(0).text, u"Open doc");
    EXPECT_EQ(table.entry(1).text, u"no match");
    EXPECT_EQ(table.entry(2).text, u"doc, doc and docs");
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Replace All"});
    history.undo();
    EXPECT_EQ(table.entry(2).text, u"FILE, file and files");
    EXPECT_EQ(editing.replace_all(u"FILE", u"x", true), 1u);
    EXPECT_EQ(table.entry(2).text, u"x, file and files");
    EXPECT_EQ(editing.replace_all(u"absent", u"x", true), 0u);
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Replace All"}) << "nothing replaced, nothing recorded";
}

}  // namespace
}  // namespace tavorin
