// Data written inside a script (BEGIN ... END) as Visual Studio writes RCDATA, DLGINIT,
// AFX_DIALOG_LAYOUT and custom types: read to the bytes resource compilers make of it, kept as
// raw data, written back inline, and read again to the same bytes.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/convert.h"
#include "app/session.h"
#include "base/text.h"
#include "formats/res_records.h"
#include "formats/writer_test_support.h"
#include "platform/scripted_platform.h"
#include "resources/rawdata/raw_data_resource.h"
#include "script/inline_data.h"
#include "script/statement_harness.h"

namespace tavorin {
namespace {

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";

using Bytes = std::vector<std::uint8_t>;

std::string ascii_bytes(std::string_view text) { return std::string(text); }

TEST(InlineData, LongSuffixMarksA32BitValueOnlyAfterTheDigitsOfANumber) {
    struct Case {
        std::u16string_view expression;
        bool long_value;
    };
    for (const Case& c : {Case{u"2L", true}, Case{u"0x1FL", true}, Case{u"7UL", true}, Case{u"3 + 4l", true},
                          Case{u"2", false}, Case{u"0x10", false}, Case{u"IDC_CALL", false}, Case{u"ABL", false},
                          Case{u"X1L", false}}) {
        SCOPED_TRACE(text_to_utf8(c.expression));
        EXPECT_EQ(has_long_suffix(c.expression), c.long_value);
    }
}

TEST(InlineData, NarrowStringsGiveEscapesAsBytesAndOtherCharactersInTheAnsiCodePage) {
    const AnsiEncoder latin1 = [](std::u16string_view text) {
        std::string out;
        for (const char16_t c : text) out.push_back(c < 256 ? static_cast<char>(c) : '?');
        return out;
    };
    struct Case {
        std::u16string_view stored;
        Bytes bytes;
    };
    for (const Case& c : {Case{u"ab\\0", {'a', 'b', 0}}, Case{u"\\x7f\\x12", {0x7F, 0x12}},
                          Case{u"\\101\\n", {'A', 10}}, Case{u"caf\u00e9", {'c', 'a', 'f', 0xE9}},
                          Case{u"\\q", {'\\', 'q'}}, Case{u"\\x4142", {0x41, '4', '2'}}}) {
        SCOPED_TRACE(text_to_utf8(c.stored));
        EXPECT_EQ(narrow_string_bytes(c.stored, latin1), c.bytes);
    }
}

class InlineDataScript : public ::testing::Test {
protected:
    bool convert(const std::string& input, const std::string& output) {
        ScriptedPlatform platform;
        Session session(platform);
        // The written script includes the platform's headers.
        session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
        const bool converted =
            convert_file(session, (folder / input).u16string(), (folder / output).u16string(), &failure);
        for (const LogEntry& entry : session.log().entries()) messages.push_back(text_to_utf8(entry.text));
        return converted;
    }
    std::map<std::string, Bytes> records(const std::string& res) {
        std::map<std::string, Bytes> by_key;
        for (auto& record : testing::read_res_records(folder.bytes(res))) {
            if (record.data_size == 0 && !record.type.is_text && record.type.ordinal == 0) continue;
            const auto id = [](const NameOrOrdinal& n) { return n.is_text ? text_to_utf8(n.text) : std::to_string(n.ordinal); };
            record.padded_data.resize(record.data_size);
            by_key[id(record.type) + "/" + id(record.name)] = record.padded_data;
        }
        return by_key;
    }

    testing::TempFolder folder;
    std::vector<std::string> messages;
    ReadFailure failure;
};

// The bytes x86_64-w64-mingw32-windres gives for the script below (llvm-rc agrees, apart from
// DLGINIT, which it takes for a type name).
TEST_F(InlineDataScript, VisualStudioBlocksCompileAsCompilersCompileThemAndSurviveAScriptSave) {
    if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";
    folder.write("app.rc", ascii_bytes(R"(#define IDD_X 101
#define IDC_COMBO 1000
1 RCDATA
BEGIN
    1, 2L, "text\0", L"wide", 0x0201, "\x7f\x12", 0xFFFF, 7L,
    "a", "b"
END
2 RCDATA { 0x1234, "\x12" }
3 RCDATA BEGIN END
IDD_X DLGINIT
BEGIN
    IDC_COMBO, 0x403, 6, 0
0x6e6f, 0x0065,
    0
END
IDD_X AFX_DIALOG_LAYOUT
BEGIN
    0
END
5 MYTYPE BEGIN "abc", 7 END
)"));
    const std::map<std::string, Bytes> expected{
        {"10/1", {1, 0, 2, 0, 0, 0, 't', 'e', 'x', 't', 0, 'w', 0, 'i', 0, 'd', 0, 'e', 0, 1, 2, 0x7F, 0x12, 0xFF, 0xFF,
                  7, 0, 0, 0, 'a', 'b'}},
        {"10/2", {0x34, 0x12, 0x12}},
        {"10/3", {}},
        {"240/101", {0xE8, 0x03, 0x03, 0x04, 0x06, 0, 0, 0, 'o', 'n', 'e', 0, 0, 0}},
        {"AFX_DIALOG_LAYOUT/101", {0, 0}},
        {"MYTYPE/5", {'a', 'b', 'c', 7, 0}},
    };
    ASSERT_TRUE(convert("app.rc", "app.res")) << ::testing::PrintToString(messages);
    EXPECT_EQ(records("app.res"), expected);

    // Written as a script, the blocks stay in it (no data files) and read back to the same bytes.
    ASSERT_TRUE(convert("app.rc", "saved.rc")) << ::testing::PrintToString(messages);
    const std::string saved = folder.text("saved.rc");
    EXPECT_NE(saved.find("DLGINIT"), std::string::npos) << saved;
    EXPECT_NE(saved.find("AFX_DIALOG_LAYOUT"), std::string::npos) << saved;
    EXPECT_EQ(saved.find(".bin"), std::string::npos) << saved;
    ASSERT_TRUE(convert("saved.rc", "saved.res")) << ::testing::PrintToString(messages) << saved;
    EXPECT_EQ(records("saved.res"), expected);
}

TEST_F(InlineDataScript, AnUnclosedBlockIsAnErrorOnItsLine) {
    folder.write("bad.rc", "1 RCDATA\nBEGIN\n    1, 2,\n");
    EXPECT_FALSE(convert("bad.rc", "bad.res"));
    EXPECT_EQ(failure.message, u"END or } expected.");
    EXPECT_EQ(failure.line, 4);  // where the text ends
}

TEST(InlineDataDialog, TheInitialDataFollowsItsDialogWhenItIsRenamed) {
    testing::StatementHarness harness;
    ASSERT_TRUE(harness.read("#define IDD_A 101\n"
                             "IDD_A DIALOGEX 0, 0, 50, 20\nBEGIN\nEND\n"
                             "IDD_A DLGINIT\nBEGIN\n    1000, 0x403, 2, 0, 0x0061, 0\nEND\n"));
    Resource* dialog = harness.find(kind::dialog, u"IDD_A");
    ASSERT_NE(dialog, nullptr);
    const ResourceKind init_kind = numeric_custom_kind(dialog_init_type);
    Resource* init = harness.find(init_kind, u"IDD_A");
    ASSERT_NE(init, nullptr);
    EXPECT_EQ(static_cast<RawDataResource*>(init)->bytes(),
              (Bytes{0xE8, 0x03, 0x03, 0x04, 0x02, 0, 0, 0, 'a', 0, 0, 0}));

    ASSERT_TRUE(harness.project().rename(*dialog, u"IDD_B", false, 0x0407));
    EXPECT_EQ(init->name_text(), u"IDD_B");
    EXPECT_EQ(init->language(), 0x0407);
    EXPECT_EQ(harness.find(init_kind, u"IDD_A"), nullptr);
}

}  // namespace
}  // namespace tavorin
