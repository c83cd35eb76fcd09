#include "resources/stringtable/string_table.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/binary_buffer.h"
#include "platform/scripted_platform.h"
#include "resources/stringtable/string_block.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

class StringTableTest : public ::testing::Test {
protected:
    StringTableTest() { session.project().set_current_language(0x409); }

    StringTable& table() { return string_table_for(session.workspace(), 0x409); }

    std::u16string script(const StringTable& t) {
        TextWriter out(session.config().pascal);
        t.write_script_text(out, session.workspace());
        return out.take();
    }

    static Bytes encoded(const StringBlock& block) {
        BinaryBuffer out;
        EXPECT_TRUE(encode_string_block(view_of(block), out));
        return out.take();
    }

    // Gives a name a value, as a header would.
    void define(std::u16string_view name, std::int32_t value) {
        session.symbols().register_item_id(name, owner_of_defines, value);
    }

    ScriptedPlatform platform;
    Session session{platform};
    StringTable owner_of_defines{session.symbols()};
};

TEST_F(StringTableTest, ScriptTextPadsIdentifiersToThirtyColumns) {
    define(u"IDS_STRING1", 1);
    table().add_entry(u"IDS_STRING1", u"text");
    EXPECT_EQ(script(table()), u"STRINGTABLE\r\n{\r\n    IDS_STRING1" + std::u16string(19, u' ') + u"\"text\"\r\n}");

    session.config().pascal = true;
    EXPECT_EQ(script(table()), u"STRINGTABLE\r\nBEGIN\r\n    IDS_STRING1" + std::u16string(19, u' ') + u"\"text\"\r\nEND");
}

TEST_F(StringTableTest, ScriptTextKeepsOneSpaceAfterLongNamesAndDoublesQuotes) {
    const std::u16string long_name(30, u'S');
    table().add_entry(long_name, u"say \"hi\"");
    table().add_entry(u"7", u"a\\nb");
    EXPECT_EQ(script(table()), u"STRINGTABLE\r\n{\r\n    " + long_name + u" \"say \"\"hi\"\"\"\r\n    7" +
                                   std::u16string(29, u' ') + u"\"a\\nb\"\r\n}");
}

TEST_F(StringTableTest, BlocksAreNamedByGroupOfSixteenInFirstMetOrder) {
    table().add_entry(u"1", u"one");
    table().add_entry(u"17", u"seventeen");
    table().add_entry(u"2", u"two");
    const auto blocks = make_string_blocks(table());
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].name(), 1);
    EXPECT_EQ(blocks[0].slots[1], u"one");
    EXPECT_EQ(blocks[0].slots[2], u"two");
    EXPECT_FALSE(blocks[0].slots[0]);
    EXPECT_EQ(blocks[1].name(), 2);
    EXPECT_EQ(blocks[1].slots[1], u"seventeen");

    ResourceItemList items;
    table().add_items(items);
    ASSERT_EQ(items.items().size(), 2u);
    EXPECT_EQ(items.items()[0]->type(), NameOrOrdinal::of_ordinal(6));
    EXPECT_EQ(items.items()[0]->name(), NameOrOrdinal::of_ordinal(1));
    EXPECT_EQ(items.items()[1]->name(), NameOrOrdinal::of_ordinal(2));
    EXPECT_EQ(items.items()[1]->language(), 0x409);
    EXPECT_EQ(items.items()[1]->memory_flags(), 0x1030);
}

TEST_F(StringTableTest, LaterEntryWithTheSameValueTakesTheSlot) {
    define(u"IDS_A", 40);
    define(u"IDS_B", 40);
    table().add_entry(u"IDS_A", u"first");
    table().add_entry(u"IDS_B", u"second");
    const auto blocks = make_string_blocks(table());
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].name(), 3);
    EXPECT_EQ(blocks[0].slots[8], u"second");
}

TEST_F(StringTableTest, SlotFifteenOnlyIsFifteenZeroLengthsThenTheTextPadded) {
    StringBlock block;
    block.slots[15] = u"abc";
    Bytes expected(30, 0);
    expected.insert(expected.end(), {3, 0, 'a', 0, 'b', 0, 'c', 0, 0, 0});
    EXPECT_EQ(encoded(block), expected);
    EXPECT_EQ(expected.size() % 4, 0u);

    block.slots[15] = u"ab";
    EXPECT_EQ(encoded(block).size(), 36u);
}

TEST_F(StringTableTest, EmptySlotsAndEmptyTextsWriteLengthZero) {
    StringBlock block;
    block.slots[0] = u"";
    EXPECT_EQ(encoded(block), Bytes(32, 0));
}

TEST_F(StringTableTest, StoredTextResolvesEscapesInBinaryAndComesBackTheSame) {
    StringBlock block;
    block.index = 0;
    block.slots[4] = u"a\\nb";
    const Bytes data = encoded(block);
    const Bytes text_part(data.begin() + 8, data.begin() + 16);
    EXPECT_EQ(text_part, (Bytes{3, 0, 'a', 0, '\n', 0, 'b', 0}));

    ASSERT_TRUE(read_string_block(session.workspace(), data, 1, 0x407));
    const Resource* german = session.project().string_table(0x407);
    ASSERT_NE(german, nullptr);
    const auto& entries = static_cast<const StringTable*>(german)->entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], (StringEntry{u"4", u"a\\nb"}));
}

TEST_F(StringTableTest, ReadingTakesKnownIdentifiersAndMergesIntoTheLanguagesTable) {
    define(u"IDS_TITLE", 33);
    StringBlock block;
    block.slots[1] = u"title";
    block.slots[2] = u"plain";
    table().add_entry(u"IDS_OTHER", u"kept");
    ASSERT_TRUE(read_string_block(session.workspace(), encoded(block), 3, 0x409));
    const auto& entries = table().entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1], (StringEntry{u"IDS_TITLE", u"title"}));
    EXPECT_EQ(entries[2], (StringEntry{u"34", u"plain"}));
    EXPECT_EQ(session.symbols().value_of(u"34"), 34);

    // The same block again replaces texts rather than listing identifiers twice.
    ASSERT_TRUE(read_string_block(session.workspace(), encoded(block), 3, 0x409));
    EXPECT_EQ(table().size(), 3u);
}

TEST_F(StringTableTest, BlockThatEndsEarlyFailsAndKeepsWhatWasRead) {
    StringBlock block;
    block.slots[0] = u"whole";
    block.slots[1] = u"cut";
    Bytes data = encoded(block);
    data.resize(2 + 10 + 2 + 2);  // the first slot, the second length and one unit
    EXPECT_FALSE(read_string_block(session.workspace(), data, 1, 0x409));
    ASSERT_EQ(table().size(), 1u);
    EXPECT_EQ(table().entry(0).text, u"whole");

    EXPECT_FALSE(read_string_block(session.workspace(), Bytes{}, 2, 0x409));
    EXPECT_FALSE(read_string_block(session.workspace(), encoded(block), 0, 0x409));
}

TEST_F(StringTableTest, IdentifiersAreUniqueWithinTheTable) {
    EXPECT_TRUE(table().add_entry(u"IDS_ONE", u"1"));
    EXPECT_FALSE(table().add_entry(u"IDS_ONE", u"2"));
    ASSERT_NE(table().text_of(u"IDS_ONE"), nullptr);
    EXPECT_EQ(*table().text_of(u"IDS_ONE"), u"1");
    EXPECT_EQ(table().text_of(u"IDS_NONE"), nullptr);

    const std::u16string prompt = u"prompt";
    table().set_or_add(u"IDS_ONE", &prompt);
    table().set_or_add(u"IDS_TWO", &prompt);
    table().set_or_add(u"IDS_THREE", nullptr);
    EXPECT_EQ(table().size(), 2u);
    EXPECT_EQ(*table().text_of(u"IDS_ONE"), u"prompt");
}

TEST_F(StringTableTest, LookupsFollowInsertionsRemovalsAndRenames) {
    define(u"IDS_SEVEN", 7);
    define(u"IDS_ALSO_SEVEN", 7);
    StringTable& t = table();
    ASSERT_TRUE(t.add_entry(u"IDS_SEVEN", u"a"));
    ASSERT_TRUE(t.add_entry(u"12", u"b"));
    t.insert_entry(0, StringEntry{u"IDS_FIRST", u"c"}, 30);
    t.insert_entry(1, StringEntry{u"IDS_ALSO_SEVEN", u"d"});
    // Rows: IDS_FIRST, IDS_ALSO_SEVEN, IDS_SEVEN, 12.
    EXPECT_EQ(t.find(u"IDS_FIRST"), 0u);
    EXPECT_EQ(t.find(u"IDS_SEVEN"), 2u);
    EXPECT_EQ(t.find(u"12"), 3u);
    for (const std::int32_t value : {7, 12, 30}) EXPECT_TRUE(t.uses_value(value)) << value;
    EXPECT_FALSE(t.uses_value(8));

    // One of two entries of the value goes: the value stays used.
    EXPECT_EQ(t.remove_entry(2).identifier, u"IDS_SEVEN");
    EXPECT_EQ(t.find(u"IDS_SEVEN"), std::nullopt);
    EXPECT_EQ(t.find(u"12"), 2u);
    EXPECT_TRUE(t.uses_value(7));
    t.set_identifier(1, u"IDS_RENAMED", 40);
    EXPECT_FALSE(t.uses_value(7));
    EXPECT_TRUE(t.uses_value(40));
    EXPECT_EQ(t.find(u"IDS_ALSO_SEVEN"), std::nullopt);
    EXPECT_EQ(t.find(u"IDS_RENAMED"), 1u);

    // An identifier inserted twice by the editor is found at its first row.
    t.insert_entry(3, StringEntry{u"IDS_FIRST", u"e"});
    t.insert_entry(0, StringEntry{u"IDS_FIRST", u"f"});
    EXPECT_EQ(t.find(u"IDS_FIRST"), 0u);
    t.remove_entry(0);
    EXPECT_EQ(t.find(u"IDS_FIRST"), 0u);
    EXPECT_EQ(*t.text_of(u"IDS_FIRST"), u"c");
    t.remove_entry(0);
    EXPECT_EQ(t.find(u"IDS_FIRST"), 2u);
    EXPECT_TRUE(t.uses_value(30));
    t.remove_entry(2);
    EXPECT_FALSE(t.uses_value(30));
}

TEST_F(StringTableTest, DestroyingTheTableReleasesItsIdentifiers) {
    table().add_entry(u"IDS_GONE", u"x");
    define(u"IDS_SHARED", 9);
    table().add_entry(u"IDS_SHARED", u"y");
    EXPECT_TRUE(session.symbols().has_symbol(u"IDS_GONE"));
    session.project().remove(table(), false);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDS_GONE"));
    EXPECT_TRUE(session.symbols().has_symbol(u"IDS_SHARED"));
    EXPECT_EQ(session.project().string_table(0x409), nullptr);
}

TEST_F(StringTableTest, OneTablePerLanguage) {
    StringTable& english = table();
    EXPECT_EQ(&string_table_for(session.workspace(), 0x409), &english);
    StringTable& french = string_table_for(session.workspace(), 0x40C);
    EXPECT_NE(&french, &english);
    EXPECT_EQ(french.language(), 0x40C);
    EXPECT_EQ(session.project().current_language(), 0x409);
}

}  // namespace
}  // namespace tavorin
