#include "resources/version/version_info.h"

#include <gtest/gtest.h>

#include "app/session.h"
#include "model/undo_history.h"
#include "base/binary_reader.h"
#include "base/text.h"
#include "platform/scripted_platform.h"
#include "resources/version/version_block.h"
#include "resources/version/version_editing.h"
#include "resources/version/version_names.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

class VersionInfoTest : public ::testing::Test {
protected:
    VersionInfoTest() { session.set_interactive(true); }

    std::u16string script(const VersionInfo& version) {
        TextWriter out(session.config().pascal);
        version.write_script_text(out, session.workspace());
        return out.take();
    }
    static Bytes encode(const VersionInfo& version) {
        BinaryBuffer out;
        EXPECT_TRUE(version.serialize(out));
        return out.take();
    }
    static VersionStringBlock block(std::uint16_t language, std::uint16_t code_page,
                                    std::vector<VersionString> strings) {
        return VersionStringBlock{language, code_page, std::move(strings), {}};
    }

    ScriptedPlatform platform;
    Session session{platform};
    VersionInfo& version = add_new_version_info(session.workspace());
    VersionEditing editing{version, session.workspace()};
};

TEST_F(VersionInfoTest, NewVersionResourceWritesZerosAndNoBlocks) {
    EXPECT_EQ(version.name_text(), u"1");
    EXPECT_EQ(version.type(), NameOrOrdinal::of_ordinal(16));
    EXPECT_EQ(script(version),
              u"1 VERSIONINFO\r\n"
              u"    FILEVERSION     0,0,0,0\r\n"
              u"    PRODUCTVERSION  0,0,0,0\r\n"
              u"    FILEOS          VOS_UNKNOWN\r\n"
              u"    FILETYPE        VFT_UNKNOWN\r\n"
              u"    FILESUBTYPE     VFT2_UNKNOWN\r\n"
              u"    FILEFLAGSMASK   0x00000000\r\n"
              u"    FILEFLAGS       0x00000000\r\n"
              u"{\r\n"
              u"}");
}

TEST_F(VersionInfoTest, BlocksKeepTheirOrderWhileTranslationsAscend) {
    version.fixed().file_version = {1, 2, 3, 4};
    version.fixed().file_os = 0x40004;
    version.fixed().file_type = 3;
    version.fixed().file_subtype = 12;
    version.fixed().file_flags_mask = 0x3F;
    ASSERT_TRUE(version.add_block(block(0x0409, 0x04B0, {{u"CompanyName", u"Say \"hi\""}, {u"Comments", {}}})));
    ASSERT_TRUE(version.add_block(block(0x0407, 0x04B0, {{u"FileVersion", u"1.2"}})));
    EXPECT_FALSE(version.add_block(block(0x0407, 0x04B0, {})));
    EXPECT_EQ(script(version),
              u"1 VERSIONINFO\r\n"
              u"    FILEVERSION     1,2,3,4\r\n"
              u"    PRODUCTVERSION  0,0,0,0\r\n"
              u"    FILEOS          VOS_NT_WINDOWS32\r\n"
              u"    FILETYPE        VFT_DRV\r\n"
              u"    FILESUBTYPE     VFT2_DRV_VERSIONED_PRINTER\r\n"
              u"    FILEFLAGSMASK   0x0000003F\r\n"
              u"    FILEFLAGS       0x00000000\r\n"
              u"{\r\n"
              u"    BLOCK \"StringFileInfo\"\r\n"
              u"    {\r\n"
              u"        BLOCK \"040904B0\"\r\n"
              u"        {\r\n"
              u"            VALUE \"CompanyName\", \"Say \"\"hi\"\"\"\r\n"
              u"        }\r\n"
              u"        BLOCK \"040704B0\"\r\n"
              u"        {\r\n"
              u"            VALUE \"FileVersion\", \"1.2\"\r\n"
              u"        }\r\n"
              u"    }\r\n"
              u"    BLOCK \"VarFileInfo\"\r\n"
              u"    {\r\n"
              u"        VALUE \"Translation\", 0x0407, 0x04B0, 0x0409, 0x04B0\r\n"
              u"    }\r\n"
              u"}");
}

TEST_F(VersionInfoTest, UnlistedValuesAreNamedByTheFirstEntryButKeptInBinary) {
    version.fixed().file_os = 0x40001;
    EXPECT_NE(script(version).find(u"FILEOS          VOS_UNKNOWN\r\n"), std::u16string::npos);
    const auto read = decode_version_info(encode(version));
    ASSERT_TRUE(read);
    EXPECT_EQ((*read)->fixed().file_os, 0x40001u);
    EXPECT_EQ(version_name_of(file_subtype_names(4), 3), u"VFT2_FONT_TRUETYPE");
    EXPECT_EQ(version_name_of(file_subtype_names(1), 3), u"VFT2_UNKNOWN");
}

TEST_F(VersionInfoTest, BinaryLayoutHasEveryLengthAndPadding) {
    version.fixed().file_version = {1, 2, 3, 4};
    version.fixed().product_version = {5, 6, 7, 8};
    ASSERT_TRUE(version.add_block(block(0x0409, 0x04B0, {{u"Abc", u"xyz"}})));
    const Bytes data = encode(version);
    BinaryReader reader(data);
    EXPECT_EQ(reader.read_u16(), data.size());  // root length
    EXPECT_EQ(reader.read_u16(), 52);
    EXPECT_EQ(reader.read_u16(), 0);
    EXPECT_EQ(reader.read_text(), u"VS_VERSION_INFO");
    EXPECT_EQ(reader.read_u32(), 0xFEEF04BDu);  // at 40, after the key's padding
    EXPECT_EQ(reader.offset(), 44u);
    EXPECT_EQ(reader.read_u32(), 0x00010000u);
    EXPECT_EQ(reader.read_u32(), 0x00010002u);
    EXPECT_EQ(reader.read_u32(), 0x00030004u);
    EXPECT_EQ(reader.read_u32(), 0x00050006u);
    EXPECT_EQ(reader.read_u32(), 0x00070008u);
    reader.seek(92);
    // StringFileInfo: header 6 + key 30 = 36; table: 6 + 18 = 24; string: 6 + 8 + 2 pad + 8 = 24.
    EXPECT_EQ(reader.read_u16(), 36 + 24 + 24);
    EXPECT_EQ(reader.read_u16(), 0);
    EXPECT_EQ(reader.read_u16(), 1);
    EXPECT_EQ(reader.read_text(), u"StringFileInfo");
    EXPECT_EQ(reader.read_u16(), 24 + 24);
    reader.read_u16();
    reader.read_u16();
    EXPECT_EQ(reader.read_text(), u"040904B0");
    EXPECT_EQ(reader.read_u16(), 24);
    EXPECT_EQ(reader.read_u16(), 4);  // three characters and the terminator
    EXPECT_EQ(reader.read_u16(), 1);
    EXPECT_EQ(reader.read_text(), u"Abc");
    reader.align_to(4);
    EXPECT_EQ(reader.read_text(), u"xyz");
    // VarFileInfo at 92 + 84 = 176: header 6 + 24 + 2 pad = 32, Translation 6 + 24 + 2 + 4 = 36.
    reader.seek(176);
    EXPECT_EQ(reader.read_u16(), 32 + 36);
    reader.seek(176 + 32);
    EXPECT_EQ(reader.read_u16(), 36);
    EXPECT_EQ(reader.read_u16(), 4);
    EXPECT_EQ(reader.read_u16(), 0);
    EXPECT_EQ(reader.read_text(), u"Translation");
    reader.align_to(4);
    EXPECT_EQ(reader.read_u16(), 0x0409);
    EXPECT_EQ(reader.read_u16(), 0x04B0);
    EXPECT_TRUE(reader.at_end());
}

TEST_F(VersionInfoTest, DecodingGivesTheModelBackAndEncodingTwiceGivesTheSameBytes) {
    version.fixed() = FixedVersionInfo{{1, 0, 2, 0}, {1, 0, 0, 0}, 0x3F, 0x1, 0x40004, 1, 0};
    ASSERT_TRUE(version.add_block(block(0x0409, 0x04B0, {{u"FileDescription", u"Tab\\there"}, {u"Empty", u""}})));
    ASSERT_TRUE(version.add_block(block(0x0407, 0x04E4, {{u"ProductName", u"Produkt"}})));
    for (const bool var_first : {false, true}) {
        version.set_var_file_info_first(var_first);
        const Bytes data = encode(version);
        EXPECT_EQ(encode(version), data);
        const auto read = decode_version_info(data);
        ASSERT_TRUE(read) << text_to_utf8(read.error());
        EXPECT_EQ((*read)->fixed(), version.fixed());
        EXPECT_EQ((*read)->blocks(), version.blocks());
        EXPECT_EQ((*read)->var_file_info_first(), var_first);
        EXPECT_EQ(encode(**read), data);
    }
}

TEST_F(VersionInfoTest, DamagedDataIsRefused) {
    ASSERT_TRUE(version.add_block(block(0x0409, 0x04B0, {{u"A", u"b"}})));
    const Bytes data = encode(version);
    for (std::size_t size = 0; size < 92; ++size) {
        EXPECT_FALSE(decode_version_info(Bytes(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size))))
            << size;
    }
    // Shorter data after the fixed part keeps what could be read, but never loops or overruns.
    for (std::size_t size = 92; size < data.size(); ++size) {
        (void)decode_version_info(Bytes(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size)));
    }

    Bytes renamed = data;
    renamed[92 + 36 + 6] = 'x';  // the first digit of the block name
    const auto refused = decode_version_info(renamed);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"The string block name \"x40904B0\" is not eight hexadecimal digits.");
}

TEST_F(VersionInfoTest, BlockNamesAreEightHexadecimalDigits) {
    EXPECT_EQ(*parse_block_name(u"040904b0"), (std::pair<std::uint16_t, std::uint16_t>{0x0409, 0x04B0}));
    EXPECT_FALSE(parse_block_name(u"040904b"));
    EXPECT_FALSE(parse_block_name(u"0409 4b0"));
    EXPECT_FALSE(parse_block_name(u"040904g0"));
}

TEST_F(VersionInfoTest, VersionTextsAreUpToFourNumbers) {
    EXPECT_EQ(*parse_version_number(u"1,2"), (VersionNumber{1, 2, 0, 0}));
    EXPECT_EQ(*parse_version_number(u" 1 , 2 ,3,65535"), (VersionNumber{1, 2, 3, 65535}));
    for (std::u16string_view bad : {u"", u"1,2,3,4,5", u"1.2", u"65536", u"1,,2", u"-1"}) {
        const auto refused = parse_version_number(bad);
        ASSERT_FALSE(refused) << text_to_utf8(bad);
        EXPECT_EQ(refused.error(), u"Version number must be w1,w2,w3,w4");
    }
    EXPECT_FALSE(editing.set_file_version(u"1.0"));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Version number must be w1,w2,w3,w4");
    ASSERT_TRUE(editing.set_product_version(u"2,1"));
    EXPECT_EQ(version.fixed().product_version, (VersionNumber{2, 1, 0, 0}));
    EXPECT_TRUE(version.identity().modified);
}

TEST_F(VersionInfoTest, EditorAddsAndRemovesBlocks) {
    ASSERT_TRUE(editing.add_block(0x0409, 1200));
    ASSERT_EQ(version.blocks().size(), 1u);
    ASSERT_EQ(version.blocks()[0].strings.size(), 12u);
    EXPECT_EQ(version.blocks()[0].strings[9].key, u"ProductName");
    EXPECT_FALSE(version.blocks()[0].strings[9].value);
    EXPECT_EQ(version_block_title(version.blocks()[0], u"English"), u"File Information [English] 040904B0");

    EXPECT_FALSE(editing.add_block(0x0409, 1200));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"A block is already defined for this language.");

    editing.set_string(0, u"ProductName", u"Tavorin");
    EXPECT_EQ(version.blocks()[0].strings[9].value, u"Tavorin");
    editing.set_string(0, u"ProductName", u"");
    EXPECT_FALSE(version.blocks()[0].strings[9].value);

    platform.answers.push_back(Answer::no);
    EXPECT_FALSE(editing.remove_block(0));
    EXPECT_EQ(platform.questions.back().text, u"Do you really want to remove this block?");
    platform.answers.push_back(Answer::yes);
    EXPECT_TRUE(editing.remove_block(0));
    EXPECT_TRUE(version.blocks().empty());
}

TEST_F(VersionInfoTest, ChangingTheFileTypeSelectsTheFirstSubtypeOfItsList) {
    editing.set_file_type(3);
    editing.set_file_subtype(12);
    editing.set_file_type(4);
    EXPECT_EQ(version.fixed().file_subtype, 0u);
    EXPECT_EQ(version.fixed().file_type, 4u);
}

// Every change is one step named after what changed; undo and redo bring back the whole
// state, the translation list with the blocks, and tell the editor.
TEST_F(VersionInfoTest, RecordedEditsUndoAndRedoWithTheirNames) {
    UndoHistory history{platform};
    int told = 0;
    VersionEditing recorded{version, session.workspace(), &history, [&told] { ++told; }};
    ASSERT_TRUE(recorded.set_file_version(u"1,2"));
    ASSERT_TRUE(recorded.set_product_version(u"3"));
    recorded.set_file_os(0x40004);
    recorded.set_file_type(3);
    recorded.set_file_subtype(12);
    recorded.set_file_flags_mask(0x3F);
    recorded.set_file_flags(1);
    ASSERT_TRUE(recorded.add_block(0x0407, 1200));
    recorded.set_string(0, u"CompanyName", u"Firma");
    ASSERT_TRUE(recorded.add_key(0, u" Custom "));
    recorded.set_string(0, u"Custom", u"x");
    platform.answers.push_back(Answer::yes);
    ASSERT_TRUE(recorded.add_block(0x0409, 1200));
    ASSERT_TRUE(recorded.remove_block(1));
    recorded.set_file_flags(1);  // unchanged: no step
    EXPECT_EQ(history.undo_names(),
              (std::vector<std::u16string>{u"Remove Block", u"Add Block", u"Value", u"Add Value", u"Value", u"Add Block",
                                           u"File Flags", u"File Flags Mask", u"File Subtype", u"File Type",
                                           u"Operating System", u"Product Version", u"File Version"}));
    EXPECT_EQ(version.blocks()[0].strings.back(), (VersionString{u"Custom", u"x"}));
    EXPECT_EQ(version.translations(), std::vector<std::uint32_t>{0x040704B0});

    history.undo(2);
    EXPECT_EQ(version.translations(), std::vector<std::uint32_t>{0x040704B0});
    history.undo(2);
    EXPECT_EQ(version.blocks()[0].strings.size(), 12u) << "the custom key went with its step";
    history.undo(5);
    EXPECT_EQ(version.fixed().file_type, 3u);
    EXPECT_EQ(version.fixed().file_subtype, 0u);
    EXPECT_TRUE(version.blocks().empty());
    history.undo(4);
    EXPECT_EQ(version.fixed(), FixedVersionInfo{});
    EXPECT_EQ(told, 13);
    history.redo(13);
    EXPECT_EQ(version.fixed().file_version, (VersionNumber{1, 2, 0, 0}));
    EXPECT_EQ(version.fixed().file_subtype, 12u);
    ASSERT_EQ(version.blocks().size(), 1u);
    EXPECT_EQ(version.blocks()[0].strings[1].value, u"Firma");

    // A custom key without a value goes; a standard key stays without one. Names are unique.
    recorded.set_string(0, u"Custom", u"");
    EXPECT_EQ(version.blocks()[0].strings.size(), 12u);
    EXPECT_FALSE(recorded.add_key(0, u"CompanyName"));
    EXPECT_EQ(platform.questions.back().text, u"This block already has a value of that name.");
    EXPECT_FALSE(recorded.add_key(0, u"  "));
}

}  // namespace
}  // namespace tavorin
