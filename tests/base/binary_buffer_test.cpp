#include "base/binary_buffer.h"
#include "base/binary_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "base/file_io.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes_of(const BinaryBuffer& buffer) { return Bytes(buffer.bytes().begin(), buffer.bytes().end()); }

TEST(BinaryBuffer, AlignsSixteenAndThirtyTwoBitValuesWithZeroPadding) {
    BinaryBuffer buffer;
    buffer.write_u8(0xAA);
    buffer.write_u16(0x1234);  // one pad byte first
    buffer.write_u8(0xBB);
    buffer.write_u32(0xCAFEBABE);  // three pad bytes first
    EXPECT_EQ(bytes_of(buffer), (Bytes{0xAA, 0x00, 0x34, 0x12, 0xBB, 0x00, 0x00, 0x00, 0xBE, 0xBA, 0xFE, 0xCA}));
}

TEST(BinaryBuffer, RawBytesAreCopiedUnaligned) {
    BinaryBuffer buffer;
    buffer.write_u8(1);
    const Bytes raw{2, 3, 4};
    buffer.write_bytes(raw);
    EXPECT_EQ(bytes_of(buffer), (Bytes{1, 2, 3, 4}));
}

TEST(BinaryBuffer, TextIsAlignedAndTerminatedUnlessToldNot) {
    BinaryBuffer buffer;
    buffer.write_u8(0xFF);
    buffer.write_text(u"Ab");
    buffer.write_text(u"c", false);
    EXPECT_EQ(bytes_of(buffer), (Bytes{0xFF, 0, 'A', 0, 'b', 0, 0, 0, 'c', 0}));
}

TEST(BinaryBuffer, NameOrOrdinal) {
    BinaryBuffer buffer;
    buffer.write_name_or_ordinal(u"", 7, true);
    buffer.write_name_or_ordinal(u"X", 0, false);
    EXPECT_EQ(bytes_of(buffer), (Bytes{0xFF, 0xFF, 7, 0, 'X', 0, 0, 0}));
}

TEST(BinaryBuffer, ReservedSlotIsFilledLater) {
    BinaryBuffer buffer;
    buffer.write_u16(1);
    const std::size_t slot = buffer.reserve_u32();
    EXPECT_EQ(slot, 4u);
    buffer.write_u16(2);
    buffer.patch_u32(slot, static_cast<std::uint32_t>(buffer.size()));
    EXPECT_EQ(bytes_of(buffer), (Bytes{1, 0, 0, 0, 10, 0, 0, 0, 2, 0}));
    EXPECT_THROW(buffer.patch_u32(8, 0), std::out_of_range);
}

TEST(BinaryBuffer, AlignToFourPadsOnlyWhenNeeded) {
    BinaryBuffer buffer;
    buffer.align_to_4();
    EXPECT_EQ(buffer.size(), 0u);
    buffer.write_u8(1);
    buffer.align_to_4();
    EXPECT_EQ(buffer.size(), 4u);
    buffer.align_to_4();
    EXPECT_EQ(buffer.size(), 4u);
}

TEST(BinaryBuffer, GrowsInWholeChunks) {
    BinaryBuffer buffer;
    for (int i = 0; i < 3000; ++i) buffer.write_u8(static_cast<std::uint8_t>(i));
    EXPECT_EQ(buffer.size(), 3000u);
    EXPECT_EQ(buffer.bytes()[2999], static_cast<std::uint8_t>(2999));
}

TEST(BinaryBuffer, ReservedRoomAndTakenBytesHoldExactlyWhatWasWritten) {
    BinaryBuffer buffer;
    buffer.write_u16(0x0102);
    const std::size_t slot = buffer.reserve_u32();
    buffer.reserve(5000);
    EXPECT_EQ(buffer.size(), 8u);
    for (int i = 0; i < 3000; ++i) buffer.write_u8(static_cast<std::uint8_t>(i));
    buffer.write_text(u"ab");
    buffer.patch_u32(slot, 0xA0B0C0D0);
    ASSERT_EQ(buffer.size(), 3014u);
    EXPECT_EQ(buffer.bytes()[4], 0xD0);
    EXPECT_EQ(buffer.bytes()[3007], static_cast<std::uint8_t>(2999));

    const Bytes taken = buffer.take();
    EXPECT_EQ(taken.size(), 3014u);
    EXPECT_EQ((Bytes(taken.end() - 6, taken.end())), (Bytes{'a', 0, 'b', 0, 0, 0}));
    // Emptied by the taking, the buffer starts again from nothing.
    EXPECT_EQ(buffer.size(), 0u);
    buffer.write_u32(7);
    EXPECT_EQ(bytes_of(buffer), (Bytes{7, 0, 0, 0}));
    EXPECT_THROW(buffer.patch_u32(2, 1), std::out_of_range);
}

TEST(BinaryBuffer, WritesItselfToAFile) {
    const auto path = std::filesystem::temp_directory_path() / "tavorin_buffer_test.bin";
    BinaryBuffer buffer;
    buffer.write_u32(0x01020304);
    ASSERT_TRUE(buffer.write_to_file(path).ok());
    auto read = read_file_bytes(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, (Bytes{4, 3, 2, 1}));
    std::filesystem::remove(path);
}

TEST(BinaryReader, MirrorsTheBufferAlignment) {
    BinaryBuffer buffer;
    buffer.write_u8(9);
    buffer.write_u16(0xBEEF);
    buffer.write_u8(8);
    buffer.write_u32(0x12345678);
    buffer.write_text(u"name");
    const Bytes data = bytes_of(buffer);
    BinaryReader reader(data);
    EXPECT_EQ(reader.read_u8(), 9);
    EXPECT_EQ(reader.read_u16(), 0xBEEF);
    EXPECT_EQ(reader.read_u8(), 8);
    EXPECT_EQ(reader.read_u32(), 0x12345678u);
    EXPECT_EQ(reader.read_text(), u"name");
    EXPECT_TRUE(reader.at_end());
}

TEST(BinaryReader, NameOrOrdinal) {
    const Bytes data{0xFF, 0xFF, 0x65, 0x00, 'O', 0, 'K', 0, 0, 0};
    BinaryReader reader(data);
    auto first = reader.read_name_or_ordinal();
    EXPECT_FALSE(first.is_text);
    EXPECT_EQ(first.ordinal, 0x65);
    auto second = reader.read_name_or_ordinal();
    EXPECT_TRUE(second.is_text);
    EXPECT_EQ(second.text, u"OK");
}

TEST(BinaryReader, TextCanBeTurnedIntoTheStoredForm) {
    const Bytes data{'a', 0, '\n', 0, '"', 0, '\\', 0, 0, 0};
    BinaryReader plain(data);
    EXPECT_EQ(plain.read_text(), u"a\n\"\\");
    BinaryReader stored(data);
    EXPECT_EQ(stored.read_text(true), u"a\\n\\\"\\\\");
}

TEST(BinaryReader, ReadingPastTheEndFails) {
    const Bytes three{1, 2, 3};
    BinaryReader u32_reader(three);
    EXPECT_THROW(u32_reader.read_u32(), BinaryReadError);

    BinaryReader u16_reader(three);
    u16_reader.read_u8();
    EXPECT_THROW(u16_reader.read_u16(), BinaryReadError);  // aligns to 2, then only one byte left

    const Bytes unterminated{'a', 0, 'b', 0};
    BinaryReader text_reader(unterminated);
    EXPECT_THROW(text_reader.read_text(), BinaryReadError);

    BinaryReader bytes_reader(three);
    EXPECT_THROW(bytes_reader.read_bytes(4), BinaryReadError);
    EXPECT_THROW(bytes_reader.seek(4), BinaryReadError);
    EXPECT_THROW(bytes_reader.skip(SIZE_MAX), BinaryReadError);
}

TEST(BinaryReader, HugeTextLengthFailsWithoutAllocating) {
    const Bytes data{'a', 0};
    BinaryReader reader(data);
    EXPECT_THROW(reader.read_text_of_length(SIZE_MAX / 2), BinaryReadError);
    BinaryReader exact(data);
    EXPECT_EQ(exact.read_text_of_length(1), u"a");
}

}  // namespace
}  // namespace tavorin
