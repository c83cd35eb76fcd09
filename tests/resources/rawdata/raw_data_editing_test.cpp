// Editing raw data and text in place: the caret of the hex view, typed digits, byte and text
// actions with undo, typing that gathers into one entry, the XML check, and edited content that
// a script save writes back to the file it came from.

#include <gtest/gtest.h>

#include "model/undo_history.h"
#include "platform/scripted_platform.h"
#include "resources/image/resource_fixture.h"
#include "resources/rawdata/hex_editing.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/rawdata/text_editing.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(HexEditing, ColumnsOfTheHexPartMapToBytesAndDigits) {
    // "00 11 22 33 44 55 66 77  88 ..." : the ninth byte starts after the double gap.
    EXPECT_EQ(hex_caret_at_column(0, 16), (HexCaret{0, false}));
    EXPECT_EQ(hex_caret_at_column(1, 16), (HexCaret{0, true}));
    EXPECT_EQ(hex_caret_at_column(2, 16), std::nullopt);
    EXPECT_EQ(hex_caret_at_column(22, 16), (HexCaret{7, true}));
    EXPECT_EQ(hex_caret_at_column(24, 16), std::nullopt) << "the double gap";
    EXPECT_EQ(hex_caret_at_column(25, 16), (HexCaret{8, false}));
    EXPECT_EQ(hex_caret_at_column(47, 16), (HexCaret{15, true}));
    EXPECT_EQ(hex_caret_at_column(3, 1), std::nullopt) << "past a short last row";
    for (std::size_t byte = 0; byte < 16; ++byte) EXPECT_EQ(hex_caret_at_column(hex_column_of(byte), 16)->offset, byte);
}

TEST(HexEditing, TypedDigitsReplaceHighThenLowDigitAndMoveOn) {
    EXPECT_EQ(with_digit(0x12, false, 0xA), 0xA2);
    EXPECT_EQ(with_digit(0x12, true, 0xA), 0x1A);

    EXPECT_EQ(advance(HexCaret{3, false}, 5), (HexCaret{3, true}));
    EXPECT_EQ(advance(HexCaret{3, true}, 5), (HexCaret{4, false}));
    EXPECT_EQ(advance(HexCaret{4, true}, 5), (HexCaret{4, true})) << "the caret stays on the last byte";
    EXPECT_EQ(move_by_bytes(HexCaret{4, true}, 16, 40), (HexCaret{20, false}));
    EXPECT_EQ(move_by_bytes(HexCaret{4, false}, -16, 40), (HexCaret{0, false}));
    EXPECT_EQ(move_by_bytes(HexCaret{30, false}, 16, 40), (HexCaret{39, false}));
    EXPECT_EQ(move_by_bytes(HexCaret{}, 1, 0), (HexCaret{}));
}

TEST(HexEditing, ByteAndReplaceActionsUndoAndRedo) {
    ScriptedPlatform platform;
    UndoHistory history(platform);
    Bytes bytes{1, 2, 3};
    const auto set = [&](std::size_t offset, std::uint8_t value) { bytes[offset] = value; };
    bytes[1] = 0x20;
    history.record(std::make_unique<ByteEditAction>(u"Edit Byte", set, 1, 2, 0x20));
    const Bytes imported{9, 9};
    history.record(std::make_unique<ReplaceBytesAction>(
        u"Import", [&](const Bytes& b) { bytes = b; }, bytes, imported));
    bytes = imported;

    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Import", u"Edit Byte"}));
    history.undo(2);
    EXPECT_EQ(bytes, (Bytes{1, 2, 3}));
    history.redo(2);
    EXPECT_EQ(bytes, imported);
}

TEST(TextEditing, DifferenceIsTheChangedRangeEndingAtTheCaret) {
    EXPECT_EQ(text_difference(u"abc", u"abXc", 3), (TextEdit{2, u"", u"X"}));
    EXPECT_EQ(text_difference(u"abc", u"ac", 1), (TextEdit{1, u"b", u""}));
    EXPECT_EQ(text_difference(u"hello", u"hXo", 2), (TextEdit{1, u"ell", u"X"}));
    // In a run of equal characters the caret tells where the new one went.
    EXPECT_EQ(text_difference(u"aa", u"aaa", 1), (TextEdit{0, u"", u"a"}));
    EXPECT_EQ(text_difference(u"aa", u"aaa", 3), (TextEdit{2, u"", u"a"}));
    EXPECT_EQ(text_difference(u"same", u"same", 2), (TextEdit{2, u"", u""}));
}

TEST(TextEditing, TypingGathersUntilALineBreakOrAJump) {
    TextEdit group{5, u"", u"a"};
    EXPECT_TRUE(extend_typing(group, TextEdit{6, u"", u"b"}));
    EXPECT_TRUE(extend_typing(group, TextEdit{7, u"", u"c"}));
    EXPECT_EQ(group, (TextEdit{5, u"", u"abc"}));
    EXPECT_FALSE(extend_typing(group, TextEdit{2, u"", u"d"})) << "typed elsewhere";
    EXPECT_FALSE(extend_typing(group, TextEdit{8, u"", u"\r\n"})) << "a line break starts its own entry";
    EXPECT_FALSE(extend_typing(group, TextEdit{8, u"", u"pasted"}));
    EXPECT_FALSE(extend_typing(group, TextEdit{7, u"c", u""})) << "Backspace after typing";

    TextEdit typed_over{0, u"old", u"n"};  // a character typed over a selection
    EXPECT_TRUE(extend_typing(typed_over, TextEdit{1, u"", u"e"}));
    EXPECT_EQ(typed_over, (TextEdit{0, u"old", u"ne"}));

    TextEdit backspaces{9, u"x", u""};
    EXPECT_TRUE(extend_typing(backspaces, TextEdit{8, u"y", u""}));
    EXPECT_EQ(backspaces, (TextEdit{8, u"yx", u""}));
    TextEdit deletes{4, u"p", u""};
    EXPECT_TRUE(extend_typing(deletes, TextEdit{4, u"q", u""}));
    EXPECT_EQ(deletes, (TextEdit{4, u"pq", u""}));
}

TEST(TextEditing, AGatheredEntryUndoesAsOneAndStopsGatheringAfterAnUndo) {
    ScriptedPlatform platform;
    UndoHistory history(platform);
    std::u16string text = u"<a/>";
    std::size_t caret = 0;
    const TextReplacer replace = [&](std::size_t position, std::size_t length, const std::u16string& with,
                                     std::size_t new_caret) {
        text.replace(position, length, with);
        caret = new_caret;
    };
    const int owner = 0;
    const auto type = [&](std::size_t at, char16_t c) {
        const TextEdit edit{at, u"", std::u16string(1, c)};
        text.insert(at, 1, c);
        auto* last = dynamic_cast<TextEditAction*>(history.newest());
        if (last != nullptr && last->owner() == &owner && last->extend(edit)) return;
        history.record(std::make_unique<TextEditAction>(u"Typing", &owner, replace, edit));
    };
    type(4, u'x');
    type(5, u'y');
    type(6, u'z');
    EXPECT_EQ(text, u"<a/>xyz");
    EXPECT_EQ(history.size(), 1u);
    history.undo();
    EXPECT_EQ(text, u"<a/>");
    EXPECT_EQ(caret, 4u);
    history.redo();
    EXPECT_EQ(text, u"<a/>xyz");
    EXPECT_EQ(caret, 7u);
    type(7, u'!');
    EXPECT_EQ(history.size(), 2u) << "a redone entry is closed";
}

TEST(TextEditing, XmlCheckNamesTheLineOfTheFault) {
    EXPECT_EQ(check_xml(u"<?xml version=\"1.0\"?>\r\n<assembly><a x=\"1\"/></assembly>"), std::nullopt);
    const auto mismatched = check_xml(u"<assembly>\r\n<a>\r\n</b>\r\n</assembly>");
    ASSERT_TRUE(mismatched);
    EXPECT_EQ(mismatched->line, 2) << "the line of the element the wrong end tag closes";
    EXPECT_EQ(mismatched->message, u"The element opened on this line is closed by a different end tag.");
    const auto empty = check_xml(u"");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->line, 1);
    EXPECT_TRUE(check_xml(u"<a>\n<b attr=oops/></a>"));
}

class EditedContentTest : public test::ResourceFixture {};

TEST_F(EditedContentTest, EditedFileContentGoesBackToItsFileOnAScriptSave) {
    write("data.bin", Bytes{1, 2, 3});
    RawDataResource resource(numeric_custom_kind(10));
    resource.identity().name = u"IDR_10_1";
    resource.refer_to_file(u"data.bin");
    ASSERT_TRUE(resource.edit_in_memory(folder));
    EXPECT_TRUE(resource.in_memory());
    EXPECT_EQ(resource.bytes(), (Bytes{1, 2, 3}));
    resource.set_bytes(Bytes{1, 0x20, 3});
    ASSERT_TRUE(resource.export_content(folder));
    EXPECT_EQ(resource.content_file(), u"data.bin") << "no new numbered file";
    EXPECT_EQ(read("data.bin"), (Bytes{1, 0x20, 3}));
    EXPECT_FALSE(std::filesystem::exists(folder / "resource1.bin"));
    EXPECT_EQ(script_text(resource), u"IDR_10_1           10             \"data.bin\"");

    // The editor goes on with the content in memory; the next save writes it again.
    EXPECT_TRUE(resource.in_memory());
    resource.set_byte(0, 9);
    ASSERT_TRUE(resource.export_content(folder));
    EXPECT_EQ(read("data.bin"), (Bytes{9, 0x20, 3}));
    BinaryBuffer out;
    ASSERT_TRUE(resource.serialize(out));
    EXPECT_EQ(Bytes(out.bytes().begin(), out.bytes().end()), (Bytes{9, 0x20, 3}));
}

TEST_F(EditedContentTest, AMissingFileCannotBeEdited) {
    RawDataResource resource(numeric_custom_kind(10));
    resource.refer_to_file(u"gone.bin");
    EXPECT_FALSE(resource.edit_in_memory(folder));
    EXPECT_EQ(resource.content_file(), u"gone.bin");
}

}  // namespace
}  // namespace tavorin
