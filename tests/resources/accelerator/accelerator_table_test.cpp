#include "resources/accelerator/accelerator_table.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "base/text.h"
#include "platform/scripted_platform.h"
#include "resources/accelerator/accelerator_binary.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

class AcceleratorTableTest : public ::testing::Test {
protected:
    AcceleratorTable& make_table() {
        session.project().set_current_language(0x409);
        return add_new_accelerator_table(session.workspace());
    }

    std::u16string script() {
        TextWriter out(session.config().pascal);
        table.write_script_text(out, session.workspace());
        return out.take();
    }
    // The lines between the braces.
    std::u16string body() {
        const std::u16string text = script();
        const std::size_t start = text.find(u"{\r\n") + 3;
        return text.substr(start, text.rfind(u"\r\n}") - start);
    }
    Bytes binary() {
        BinaryBuffer out;
        EXPECT_TRUE(table.serialize(out));
        return out.take();
    }

    ScriptedPlatform platform;
    Session session{platform};
    AcceleratorTable& table = make_table();
    VirtualKeyNames names;
};

TEST_F(AcceleratorTableTest, NewTablesAreNamedFromIdrAccelerator) {
    EXPECT_EQ(table.name_text(), u"IDR_ACCELERATOR1");
    EXPECT_EQ(add_new_accelerator_table(session.workspace()).name_text(), u"IDR_ACCELERATOR2");
    EXPECT_EQ(table.type(), NameOrOrdinal::of_ordinal(9));
    EXPECT_EQ(table.language(), 0x409);
}

TEST_F(AcceleratorTableTest, ScriptTextColumns) {
    table.add_virtual_key_entry(u"ID_HELP", false, true, false, AcceleratorKey::named(u"VK_F1", 0x70));
    table.add_ascii_entry(u"ID_A", true, false, true, u'a');
    table.add_virtual_key_entry(u"ID_LETTER", false, false, false, AcceleratorKey::letter(u'A'));
    table.add_virtual_key_entry(u"ID_NUMBER", true, true, true, AcceleratorKey::number(65));
    table.add_virtual_key_entry(u"ID_LONG", false, false, false, AcceleratorKey::named(u"VK_BROWSER_FAVORITES", 0xAB));
    EXPECT_EQ(script(), u"IDR_ACCELERATOR1 ACCELERATORS\r\n{\r\n"
                        u"    VK_F1,         ID_HELP, VIRTKEY, CONTROL\r\n"
                        u"    \"a\",            ID_A, ASCII, ALT, SHIFT\r\n"
                        u"    \"A\",            ID_LETTER, VIRTKEY\r\n"
                        u"    65,            ID_NUMBER, VIRTKEY, ALT, CONTROL, SHIFT\r\n"
                        u"    VK_BROWSER_FAVORITES, ID_LONG, VIRTKEY\r\n"
                        u"}");
    session.config().pascal = true;
    EXPECT_EQ(script().substr(0, 38), u"IDR_ACCELERATOR1 ACCELERATORS\r\nBEGIN\r\n");
    EXPECT_EQ(script().substr(script().size() - 5), u"\r\nEND");
}

// Resource compilers take CONTROL only with VIRTKEY: a control letter is written "^X".
TEST_F(AcceleratorTableTest, AsciiControlLettersAreWrittenWithACaret) {
    table.add_ascii_entry(u"ID_EXIT", false, true, false, u'X');
    table.add_ascii_entry(u"ID_ALT", true, true, false, u'q');
    table.add_ascii_entry(u"ID_DIGIT", false, true, false, u'1');
    EXPECT_EQ(body(), u"    \"^X\",           ID_EXIT, ASCII\r\n"
                      u"    \"^q\",           ID_ALT, ASCII, ALT\r\n"
                      u"    \"1\",            ID_DIGIT, ASCII, CONTROL");
}

TEST_F(AcceleratorTableTest, CharactersTheQuotesCannotCarryAreWrittenAsNumbers) {
    table.add_ascii_entry(u"ID_ZERO", false, false, false, 0);
    table.add_ascii_entry(u"ID_CARET", false, false, false, u'^');
    table.add_ascii_entry(u"ID_CTRL_C", false, false, false, 3);
    table.add_ascii_entry(u"ID_QUOTE", false, false, false, u'"');
    EXPECT_EQ(body(), u"    \"?\",            ID_ZERO, ASCII\r\n"
                      u"    94,            ID_CARET, ASCII\r\n"
                      u"    3,             ID_CTRL_C, ASCII\r\n"
                      u"    \"\"\",            ID_QUOTE, ASCII");
}

TEST_F(AcceleratorTableTest, ThreeEntriesAreTwentyFourBytesWithTheEndFlagOnTheLast) {
    table.add_ascii_entry(u"1", false, false, false, u'x');
    table.add_ascii_entry(u"2", false, false, false, u'y');
    table.add_ascii_entry(u"3", false, false, false, u'z');
    EXPECT_EQ(binary(), (Bytes{0x00, 0, 'x', 0, 1, 0, 0, 0,  //
                               0x00, 0, 'y', 0, 2, 0, 0, 0,  //
                               0x80, 0, 'z', 0, 3, 0, 0, 0}));
}

TEST_F(AcceleratorTableTest, AsciiControlFoldsToTheControlCharacterAndShiftIsNotWritten) {
    table.add_ascii_entry(u"10", false, true, false, u'c');
    table.add_ascii_entry(u"11", false, true, false, u'C');
    table.add_ascii_entry(u"12", true, false, true, u'k');
    table.add_ascii_entry(u"13", false, true, false, u'1');
    EXPECT_EQ(binary(), (Bytes{0x00, 0, 3, 0, 10, 0, 0, 0,  //
                               0x00, 0, 3, 0, 11, 0, 0, 0,  //
                               0x10, 0, 'k', 0, 12, 0, 0, 0,  //
                               0x80, 0, '1', 0, 13, 0, 0, 0}));
}

TEST_F(AcceleratorTableTest, VirtualKeysCarryTheirFlagsAndCode) {
    session.symbols().register_item_id(u"ID_EDIT_UNDO", table, 0xE12B);
    table.add_virtual_key_entry(u"ID_EDIT_UNDO", true, true, true, AcceleratorKey::letter(u'A'));
    table.add_virtual_key_entry(u"ID_EDIT_UNDO", false, false, true, AcceleratorKey::named(u"VK_F1", 0x70));
    EXPECT_EQ(binary(), (Bytes{0x1D, 0, 0x41, 0, 0x2B, 0xE1, 0, 0,  //
                               0x85, 0, 0x70, 0, 0x2B, 0xE1, 0, 0}));
}

TEST_F(AcceleratorTableTest, DecodingNamesKeysByTheirFirstNameElseByNumber) {
    session.symbols().register_item_id(u"ID_KNOWN", table, 300);
    const Bytes data{0x09, 0, 0x70, 0, 0x2C, 0x01, 0, 0,  //
                     0x01, 0, 0x41, 0, 0x2D, 0x01, 0, 0,  //
                     0x01, 0, 0x15, 0, 1, 0, 0, 0,  //
                     0x82, 0, 0x03, 0, 2, 0, 0, 0};
    AcceleratorTable decoded(session.symbols());
    read_accelerators(decoded, data, names);
    ASSERT_EQ(decoded.size(), 4u);
    EXPECT_EQ(decoded.entry(0), (AcceleratorEntry{u"ID_KNOWN", AcceleratorKey::named(u"VK_F1", 0x70), false, true, false}));
    EXPECT_EQ(decoded.entry(1), (AcceleratorEntry{u"301", AcceleratorKey::number(0x41)}));
    EXPECT_EQ(decoded.entry(2).key, AcceleratorKey::named(u"VK_KANA", 0x15));
    // Bit 0x02 is NOINVERT, the end flag is ignored; an ASCII control character stays one,
    // without control.
    EXPECT_EQ(decoded.entry(3), (AcceleratorEntry{u"2", AcceleratorKey::character(3), false, false, false, true}));

    AcceleratorTable written(session.symbols());
    written.identity().name = u"T";
    read_accelerators(written, Bytes(data.begin(), data.begin() + 16), names);
    TextWriter out;
    written.write_script_text(out, session.workspace());
    EXPECT_EQ(out.text(), u"T ACCELERATORS\r\n{\r\n    VK_F1,         ID_KNOWN, VIRTKEY, CONTROL\r\n"
                          u"    65,            301, VIRTKEY\r\n}");
}

TEST_F(AcceleratorTableTest, TrailingPartialEntryIsReadWithZerosForTheMissingBytes) {
    AcceleratorTable decoded(session.symbols());
    read_accelerators(decoded, Bytes{0x10, 0, 'q', 0, 5, 0, 0, 0, 0x01, 0, 0x71}, names);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded.entry(0), (AcceleratorEntry{u"5", AcceleratorKey::character(u'q'), true, false, false}));
    EXPECT_EQ(decoded.entry(1), (AcceleratorEntry{u"0", AcceleratorKey::named(u"VK_F2", 0x71)}));
}

TEST_F(AcceleratorTableTest, AsciiEntryWithoutIdentifierIsNamedFromIdAccelerator) {
    table.add_ascii_entry(std::nullopt, false, false, false, u'a');
    table.add_ascii_entry(std::nullopt, false, false, false, u'b');
    EXPECT_EQ(table.entry(0).identifier, u"ID_ACCELERATOR1");
    EXPECT_EQ(table.entry(1).identifier, u"ID_ACCELERATOR2");
    EXPECT_EQ(table.value_of(table.entry(0)), 40000);
    EXPECT_EQ(table.value_of(table.entry(1)), 40001);
}

TEST_F(AcceleratorTableTest, RemovingTheTableReleasesItsIdentifiers) {
    table.add_ascii_entry(u"ID_ONLY_HERE", false, false, false, u'a');
    EXPECT_TRUE(session.symbols().has_symbol(u"ID_ONLY_HERE"));
    session.project().remove(table, false);
    EXPECT_FALSE(session.symbols().has_symbol(u"ID_ONLY_HERE"));
}

TEST_F(AcceleratorTableTest, NoinvertIsWrittenInTheScriptAndAsBit2) {
    table.add_virtual_key_entry(u"5", false, true, false, AcceleratorKey::named(u"VK_F2", 0x71));
    AcceleratorEntry entry = table.entry(0);
    entry.noinvert = true;
    table.replace_entry(0, entry);
    EXPECT_EQ(body(), u"    VK_F2,         5, VIRTKEY, NOINVERT, CONTROL");
    EXPECT_EQ(binary(), (Bytes{0x8B, 0, 0x71, 0, 5, 0, 0, 0}));
}

}  // namespace
}  // namespace tavorin
