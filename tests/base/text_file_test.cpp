#include "base/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/code_page.h"
#include "base/file_io.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

DecodedText decode(const Bytes& bytes, bool line_break = false) {
    return decode_text(bytes, windows1252_to_text, line_break);
}

TEST(TextFileDetection, ByteOrderMarksWin) {
    auto utf16 = decode({0xFF, 0xFE, 'h', 0, 'i', 0});
    EXPECT_EQ(utf16.encoding, DetectedEncoding::utf16le);
    EXPECT_EQ(utf16.text, u"hi");

    auto utf8 = decode({0xEF, 0xBB, 0xBF, 0xC3, 0xA9});
    EXPECT_EQ(utf8.encoding, DetectedEncoding::utf8);
    EXPECT_EQ(utf8.text, u"\u00E9");
}

TEST(TextFileDetection, Utf16WithoutMarkIsRecognisedByItsSecondByte) {
    auto text = decode({'#', 0, 'i', 0});
    EXPECT_EQ(text.encoding, DetectedEncoding::utf16le);
    EXPECT_EQ(text.text, u"#i");
}

TEST(TextFileDetection, PureAsciiIsUtf8) {
    auto text = decode({'a', 'b', 'c'});
    EXPECT_EQ(text.encoding, DetectedEncoding::utf8);
    EXPECT_EQ(text.text, u"abc");
}

TEST(TextFileDetection, TwoAndThreeByteSequencesAreUtf8) {
    auto text = decode({'x', 0xC3, 0xA9, 0xE2, 0x82, 0xAC});
    EXPECT_EQ(text.encoding, DetectedEncoding::utf8);
    EXPECT_EQ(text.text, u"x\u00E9\u20AC");
}

TEST(TextFileDetection, FourByteSequencesAreUtf8Too) {
    auto text = decode({0xF0, 0x9F, 0x98, 0x80});
    EXPECT_EQ(text.encoding, DetectedEncoding::utf8);
    EXPECT_EQ(text.text, u"\U0001F600");
}

TEST(TextFileDetection, LatinOneLettersThatAreNotUtf8AreAnsi) {
    // "café" and "naïve" in Windows-1252.
    auto text = decode({'c', 'a', 'f', 0xE9, ' ', 'n', 'a', 0xEF, 'v', 'e'});
    EXPECT_EQ(text.encoding, DetectedEncoding::ansi);
    EXPECT_EQ(text.text, u"caf\u00E9 na\u00EFve");
}

TEST(TextFileDetection, TruncatedSequenceAtTheEndIsAnsi) {
    EXPECT_EQ(decode({'a', 0xC3}).encoding, DetectedEncoding::ansi);
    EXPECT_EQ(decode({'a', 0xE2, 0x82}).encoding, DetectedEncoding::ansi);
}

TEST(TextFileDetection, EmptyFileIsEmptyText) {
    auto text = decode({});
    EXPECT_TRUE(text.text.empty());
}

TEST(TextFile, LineBreakIsAppendedOnRequest) {
    EXPECT_EQ(decode({'a'}, true).text, u"a\r\n");
    EXPECT_EQ(decode({0xFF, 0xFE, 'a', 0, 'b'}, true).text, u"a\r\n");  // odd trailing byte dropped
}

TEST(TextFile, ReadsFromDiskAndReportsAMissingFile) {
    const auto path = std::filesystem::temp_directory_path() / "tavorin_text_file_test.rc";
    const Bytes content{0xFF, 0xFE, 'r', 0, 'c', 0};
    ASSERT_TRUE(write_file_atomically(path, content).ok());
    auto text = read_text_file(path, windows1252_to_text);
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(text->text, u"rc");
    std::filesystem::remove(path);

    auto missing = read_text_file(path, windows1252_to_text);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find(u"tavorin_text_file_test.rc"), std::u16string::npos);
}

TEST(TextFile, PlainAsciiFilesAreWidenedAsTheyAreRead) {
    const auto path = std::filesystem::temp_directory_path() / "tavorin_plain_ascii_test.rc";
    Bytes plain(200'000);  // several reading steps
    for (std::size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<std::uint8_t>(1 + i % 127);
    const auto with = [&](std::size_t at, std::uint8_t byte) {
        Bytes bytes = plain;
        bytes[at] = byte;
        return bytes;
    };
    struct Case {
        const char* what;
        Bytes content;
        bool widened;
    };
    const Case cases[] = {
        {"plain", plain, true},
        {"empty", {}, true},
        {"a Latin-1 letter in a later step", with(150'000, 0xE9), false},
        {"a zero byte, as UTF-16 has", with(1, 0), false},
        {"a byte-order mark", with(0, 0xEF), false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(write_file_atomically(path, c.content).ok());
        auto text = read_plain_ascii_file(path);
        ASSERT_TRUE(text.ok()) << c.what;
        ASSERT_EQ(text->has_value(), c.widened) << c.what;
        if (c.widened) {
            EXPECT_EQ(**text, std::u16string(c.content.begin(), c.content.end())) << c.what;
        }
    }
    std::filesystem::remove(path);
    auto missing = read_plain_ascii_file(path);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find(u"tavorin_plain_ascii_test.rc"), std::u16string::npos);
}

}  // namespace
}  // namespace tavorin
