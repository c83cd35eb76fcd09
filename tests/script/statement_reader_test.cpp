// The statement loop: resource headers, LANGUAGE, string tables, accelerators, file-based
// statements, DLGINIT, name clashes, and the error report of a failed reading.

#include "script/statement_reader.h"

#include <gtest/gtest.h>

#include "base/text.h"

#include "resources/accelerator/accelerator_table.h"
#include "resources/image/file_resource.h"
#include "resources/stringtable/string_table.h"
#include "statement_harness.h"

namespace tavorin {
namespace {

using testing::StatementHarness;

class StatementReaderTest : public ::testing::Test {
protected:
    void expect_failure(std::string_view script, std::u16string_view message, int line) {
        const ReadStatus status = harness.read(script);
        ASSERT_FALSE(status) << "the reading should fail";
        EXPECT_EQ(status.failure().message, message);
        EXPECT_EQ(status.failure().line, line);
        EXPECT_EQ(status.failure().file, harness.folder.path() / "app.rc");
        EXPECT_TRUE(harness.project().empty()) << "a failed reading leaves no resources behind";
    }

    StatementHarness harness;
};

TEST_F(StatementReaderTest, WhereNoOneCanBeAskedAMissingIncludeIsAnErrorAtItsLine) {
    harness.tables.missing_include_fails = true;
    expect_failure("\n#include <windows.h>\n", u"windows.h: not found in the include paths", 2);
    harness.tables.missing_include_fails = false;
    EXPECT_TRUE(harness.read("#include <windows.h>\n")) << "otherwise it is passed over";
}

TEST_F(StatementReaderTest, WhatCompilersRefuseFailsTheReadingAtItsLine) {
    using namespace std::string_literals;
    harness.folder.write("empty.bmp", "");
    harness.folder.write("short.bmp", "BM\x36\0\0\0"s);
    harness.folder.write("header.bmp", "BM\x0E\0\0\0\0\0\0\0\x0E\0\0\0"s);
    // Icon files of 40,000 images each (only the count is read while the script is read).
    harness.folder.write("many.ico", "\0\0\x01\0\x40\x9C"s);
    harness.folder.write("many.cur", "\0\0\x02\0\x40\x9C"s);
    const struct {
        std::string_view script;
        std::u16string_view message;
        int line;
    } cases[] = {
        {"1 RCDATA { 1 }\n#error Build the other script\n", u"#error Build the other script", 2},
        {"#if 0\n#error not taken\n#endif\n#error\n", u"#error", 4},
        {"\n#include \"abc\n", u"#include \"abc: missing closing \"", 2},
        {"#include <abc\n", u"#include <abc: missing closing >", 1},
        {"\n1 BITMAP \"empty.bmp\"\n", u"empty.bmp: the bitmap file is empty or truncated.", 2},
        {"1 BITMAP \"short.bmp\"\n", u"short.bmp: the bitmap file is empty or truncated.", 1},
        {"1 BITMAP header.bmp\n", u"header.bmp: the bitmap file is empty or truncated.", 1},
        {"1 ICON many.ico\n2 CURSOR many.cur\n3 ICON many.ico\n",
         u"Too many images: a project holds at most 65535 icon images and 65535 cursor images.", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        harness.image_numbers.restart();
        expect_failure(c.script, c.message, c.line);
    }
}

TEST_F(StatementReaderTest, ExpressionMacrosGiveTheirValueAsStringIds) {
    ASSERT_TRUE(harness.read("#define BASE 100\n#define IDM_OPEN 5\n#define STR_OPEN IDM_OPEN + BASE\n"
                             "STRINGTABLE\nBEGIN\n    STR_OPEN \"Open\"\nEND\n"));
    const auto tables = harness.project().resources_of_kind(kind::string_table);
    ASSERT_EQ(tables.size(), 1u);
    const auto& entries = static_cast<StringTable*>(tables.front())->entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries.front().identifier, u"STR_OPEN");
    EXPECT_EQ(harness.session.symbols().value_of(u"STR_OPEN"), 105);
}

TEST_F(StatementReaderTest, NumericNamesTakeBackTheirMacroNamesAndWordsBecomeStringNames) {
    harness.folder.write("resource.h", "#define IDR_KEYS 101\n#define IDB_LOGO 0x66\n");
    ASSERT_TRUE(harness.read("#include \"resource.h\"\n#include <other.h>\n"
                             "IDR_KEYS ACCELERATORS\nBEGIN\nEND\n"
                             "IDB_LOGO BITMAP \"logo.bmp\"\n"
                             "7 BITMAP \"seven.bmp\"\n"
                             "logo.picture BITMAP \"word.bmp\"\n"));
    const Project& project = harness.project();
    ASSERT_NE(harness.find(kind::accelerator, u"IDR_KEYS"), nullptr);
    EXPECT_EQ(harness.session.symbols().value_of(u"IDR_KEYS"), 101);
    Resource* logo = harness.find(kind::bitmap, u"IDB_LOGO");
    ASSERT_NE(logo, nullptr) << "a hexadecimal value written the same way in the macro";
    EXPECT_EQ(logo->identity().ordinal, 0x66);
    EXPECT_FALSE(logo->identity().string_name);
    EXPECT_NE(harness.find(kind::bitmap, u"7"), nullptr);
    Resource* word = harness.find(kind::bitmap, u"logo.picture");
    ASSERT_NE(word, nullptr);
    EXPECT_TRUE(word->identity().string_name);
    EXPECT_EQ(project.resources().size(), 4u);
    // The writer writes the include of the project's header itself.
    EXPECT_EQ(project.include_lines(), std::vector<std::u16string>{u"<other.h>"});
}

TEST_F(StatementReaderTest, AResourceWhoseNameIsTakenForItsTypeAndLanguageIsADuplicate) {
    harness.folder.write("resource.h", "#define IDB_LOGO 300\n");
    ASSERT_TRUE(harness.read("#include \"resource.h\"\n"
                             "IDB_LOGO BITMAP \"a.bmp\"\n"
                             "LANGUAGE 7, 1\n"
                             "IDB_LOGO BITMAP \"c.bmp\"\n"
                             "IDB_LOGO ICON \"d.ico\"\n"));
    const auto bitmaps = harness.project().resources_of_kind(kind::bitmap);
    ASSERT_EQ(bitmaps.size(), 2u) << "another language shares the name";
    EXPECT_EQ(bitmaps[1]->name_text(), u"IDB_LOGO");
    EXPECT_EQ(bitmaps[1]->language(), 0x0407);
    EXPECT_NE(harness.find(kind::icon, u"IDB_LOGO"), nullptr) << "another kind shares the name";
    EXPECT_FALSE(harness.problems_added);

    // The same name, its number written another way, a string name, a custom type: each a
    // second resource of one type, name and language, as compilers report it.
    const struct {
        std::string_view script;
        std::u16string_view name;
    } duplicates[] = {
        {"#include \"resource.h\"\nIDB_LOGO BITMAP \"a.bmp\"\n\nIDB_LOGO BITMAP \"b.bmp\"\n", u"IDB_LOGO"},
        {"#include \"resource.h\"\nIDB_LOGO BITMAP \"a.bmp\"\n\n0x12C BITMAP \"b.bmp\"\n", u"0x12C"},
        {"1 RCDATA { 1 }\n2 RCDATA { 2 }\n\n1 RCDATA { 3 }\n", u"1"},
        {"LOGO DATA { 1 }\nLOGO RCDATA { 2 }\n\nLOGO DATA { 3 }\n", u"LOGO"},
    };
    for (const auto& d : duplicates) {
        SCOPED_TRACE(d.script);
        harness.project().clear();
        expect_failure(d.script,
                       u"Duplicate resource: " + std::u16string(d.name) + u" of this type and language (" +
                           decimal(harness.session.config().default_language) + u") is defined already.",
                       4);
    }
}

TEST_F(StatementReaderTest, LanguageStatementsSetTheLanguageOfLaterResources) {
    ASSERT_TRUE(harness.read("LANGUAGE 9, 1\n"
                             "1 BITMAP \"a.bmp\"\n"
                             "2 BITMAP LANGUAGE 7, 2 \"b.bmp\"\n"
                             "STRINGTABLE LANGUAGE 12, 1\nBEGIN\n 1 \"one\"\nEND\n"
                             "3 BITMAP \"c.bmp\"\n"));
    EXPECT_EQ(harness.find(kind::bitmap, u"1")->language(), 0x0409);
    EXPECT_EQ(harness.find(kind::bitmap, u"2")->language(), 0x0807);
    // A LANGUAGE among a resource's own statements is that resource's alone.
    ASSERT_NE(harness.project().string_table(0x040C), nullptr);
    EXPECT_EQ(harness.project().string_table(0x0807), nullptr);
    EXPECT_EQ(harness.find(kind::bitmap, u"3")->language(), 0x0409);
    EXPECT_EQ(harness.project().current_language(), harness.session.config().default_language)
        << "the default language is current again after the reading";
}

TEST_F(StatementReaderTest, TheSublanguageNamesTheWriterUsesReadWithoutHeaders) {
    ASSERT_TRUE(harness.read("LANGUAGE 0, SUBLANG_NEUTRAL\n1 BITMAP \"a.bmp\"\n"
                             "LANGUAGE 9, SUBLANG_DEFAULT\n2 BITMAP \"b.bmp\"\n"
                             "LANGUAGE 7,SUBLANG_SYS_DEFAULT\n3 BITMAP \"c.bmp\"\n"));
    EXPECT_EQ(harness.find(kind::bitmap, u"1")->language(), 0x0000);
    EXPECT_EQ(harness.find(kind::bitmap, u"2")->language(), 0x0409);
    EXPECT_EQ(harness.find(kind::bitmap, u"3")->language(), 0x0807);

    StatementHarness defined;
    ASSERT_TRUE(defined.read("#define SUBLANG_DEFAULT 3\nLANGUAGE 9, SUBLANG_DEFAULT\n4 BITMAP \"d.bmp\"\n"));
    EXPECT_EQ(defined.find(kind::bitmap, u"4")->language(), 0x0C09) << "a header's definition wins";
    StatementHarness unknown;
    EXPECT_FALSE(unknown.read("LANGUAGE 9, SUBLANG_ENGLISH_US\n1 BITMAP \"a.bmp\"\n"));
}

TEST_F(StatementReaderTest, StringTablesKeepTextsAsWrittenAndDropARepeatedIdWithAWarning) {
    harness.folder.write("resource.h", "#define IDS_HELLO 5\n#define IDS_AGAIN 5\n");
    ASSERT_TRUE(harness.read("#include \"resource.h\"\n"
                             "STRINGTABLE\nBEGIN\n"
                             "    IDS_HELLO, \"Hello\\tthere \"\"you\"\"\"\n"
                             "    7 \"joined \"\n \"text\"\n"
                             "    IDS_HELLO \"dropped\"\n"
                             "    IDS_AGAIN \"dropped by value\"\n"
                             "END\n"
                             "STRINGTABLE\n{\n 8 \"second block\"\n}\n"));
    auto* table = static_cast<StringTable*>(harness.project().string_table(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->entries(), (std::vector<StringEntry>{{u"IDS_HELLO", u"Hello\\tthere \"you\""},
                                                          {u"7", u"joined text"},
                                                          {u"8", u"second block"}}));
    EXPECT_EQ(harness.session.log().warnings(), 2);
    EXPECT_EQ(harness.session.log().entries().back().text, u"Duplicate ID in String table");
    EXPECT_TRUE(harness.problems_added);
}

TEST_F(StatementReaderTest, AcceleratorEventsAndOptions) {
    harness.folder.write("resource.h", "#define ID_OPEN 100\n#define KEY_PLUS 43\n");
    ASSERT_TRUE(harness.read("#include \"resource.h\"\n"
                             "keys ACCELERATORS\nBEGIN\n"
                             "    \"^O\", ID_OPEN\n"
                             "    \"a\", 101, ASCII, NOINVERT, ALT\n"
                             "    \"B\", 102, VIRTKEY, CONTROL, SHIFT\n"
                             "    VK_F1, 103, VIRTKEY\n"
                             "    VK_A, 104, VIRTKEY, ALT\n"
                             "    KEY_PLUS, 105\n"
                             "    0x7B, 106, VIRTKEY\n"
                             "END\n"));
    auto* table = static_cast<AcceleratorTable*>(harness.find(kind::accelerator, u"keys"));
    ASSERT_NE(table, nullptr);
    const std::vector<AcceleratorEntry> expected{
        {u"ID_OPEN", AcceleratorKey::character(u'O'), false, true, false},
        {u"101", AcceleratorKey::character(u'a'), true, false, false, true},
        {u"102", AcceleratorKey::letter(u'B'), false, true, true},
        {u"103", AcceleratorKey::named(u"VK_F1", 0x70), false, false, false},
        {u"104", AcceleratorKey::number(u'A'), true, false, false},
        {u"105", AcceleratorKey::character(u'+'), false, false, false},
        {u"106", AcceleratorKey::named(u"VK_F12", 0x7B), false, false, false},
    };
    EXPECT_EQ(table->entries(), expected);
    EXPECT_EQ(harness.session.symbols().value_of(u"ID_OPEN"), 100);
}

TEST_F(StatementReaderTest, FileStatementsByKeywordAndByType) {
    ASSERT_TRUE(harness.read("1 ICON \"res\\\\app.ico\"\n"
                             "2 CURSOR \"arrow.cur\"\n"
                             "3 23 \"page.htm\"\n"
                             "4 HTML \"other.htm\"\n"
                             "1 24 \"app.manifest\"\n"
                             "5 RCDATA \"data.bin\"\n"
                             "6 300 \"numeric.bin\"\n"
                             "7 MyType \"named.bin\"\n"
                             "8 MESSAGETABLE messages.bin\n"));
    const auto file_of = [&](ResourceKind k, std::u16string_view name) {
        Resource* resource = harness.find(k, name);
        return resource ? resource->content_file() : u"<missing>";
    };
    EXPECT_EQ(file_of(kind::icon, u"1"), u"res\\app.ico") << "escapes are on: a doubled backslash is one";
    EXPECT_EQ(file_of(kind::cursor, u"2"), u"arrow.cur");
    EXPECT_EQ(file_of(kind::html, u"3"), u"page.htm");
    EXPECT_EQ(file_of(kind::html, u"4"), u"other.htm");
    EXPECT_EQ(file_of(kind::manifest, u"1"), u"app.manifest");
    // RCDATA and MESSAGETABLE are the predefined types 10 and 11, as compilers read them.
    EXPECT_EQ(file_of(numeric_custom_kind(10), u"5"), u"data.bin");
    EXPECT_FALSE(harness.session.custom_types().find(u"RCDATA"));
    EXPECT_EQ(file_of(numeric_custom_kind(11), u"8"), u"messages.bin");
    EXPECT_EQ(file_of(numeric_custom_kind(300), u"6"), u"numeric.bin");
    EXPECT_EQ(file_of(*harness.session.custom_types().find(u"MyType"), u"7"), u"named.bin");
}

// The data of a DLGINIT block is kept (as raw data of type 240); a quoted END inside it is data.
TEST_F(StatementReaderTest, DlginitBlocksAreKeptAsRawData) {
    ASSERT_TRUE(harness.read("100 DLGINIT\nBEGIN\n    1000, 0x403, 6, 0\n0x6946, \"END\"\n"
                             "  END\n"
                             "1 BITMAP \"after.bmp\"\n"));
    ASSERT_EQ(harness.project().resources().size(), 2u);
    EXPECT_NE(harness.find(kind::bitmap, u"1"), nullptr);
    EXPECT_NE(harness.find(numeric_custom_kind(240), u"100"), nullptr);
}

TEST_F(StatementReaderTest, StatementErrorsEndTheReadingAtTheirLine) {
    const struct {
        std::string_view script;
        std::u16string_view message;
        int line;
    } cases[] = {
        {"\n1 BITMAP\nBEGIN\n  1, 2\nEND\n", u"Character string expected.", 3},
        {"keys ACCELERATORS\nBEGIN\n  \"O\", 1\n  \"a\", 2, VIRTKEY\nEND\n", u"VIRTKEY incompatible with specified event.", 4},
        {"keys ACCELERATORS\nBEGIN\n  \"ab\", 1\nEND\n", u"'\"' character expected.", 3},
        {"ID@X BITMAP \"a.bmp\"\n", u"'@' character unexpected", 1},
        {"1 BITMAP \"a.bmp\"\nLONELY\n", u"Control ID expected.", 2},
        {"STRINGTABLE\nBEGIN\n 1 \"one\"\n", u"END or } expected.", 4},
        {"STRINGTABLE\n 1 \"one\"\nEND\n", u"BEGIN or { expected.", 2},
        {"1 DLGINIT\nBEGIN\n 1, 2\n", u"END or } expected.", 4},
        {"STRINGTABLE\nBEGIN\n IDS_UNKNOWN \"x\"\nEND\n", u"IDS_UNKNOWN: undeclared identifier.", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.script));
        expect_failure(c.script, c.message, c.line);
    }
}

TEST_F(StatementReaderTest, AFailureInsideAnIncludedScriptNamesThatScriptAndIsReported) {
    harness.folder.write("parts/more.rc", "1 BITMAP \"ok.bmp\"\n\n2 BITMAP { }\n");
    const auto script = harness.folder.write("app.rc", "5 BITMAP \"first.bmp\"\n#include \"parts/more.rc\"\n");
    const ReadStatus status = harness.open(script);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.failure().file, harness.folder.path() / "parts/more.rc");
    EXPECT_EQ(status.failure().line, 3);
    const std::u16string report = error_report_text(harness.session.workspace(), status.failure());
    // The path is shown with the system's separators (backslashes on Windows).
    const auto shown = (harness.folder.path() / "parts" / "more.rc").make_preferred().u16string();
    EXPECT_EQ(report, u"Error in file: " + shown + u".\r\nLine 3: Character string expected.");
    const MessageLog& log = harness.session.log();
    ASSERT_EQ(log.errors(), 1);
    EXPECT_EQ(log.entries().back().text, fold_line_breaks(report));
    EXPECT_TRUE(harness.problems_added);
    EXPECT_TRUE(harness.project().empty());
    EXPECT_FALSE(harness.session.symbols().has_symbol(u"5")) << "the symbols of the partial reading are gone";
}

TEST_F(StatementReaderTest, AStopChosenByTheUserIsNotReported) {
    const ReadStatus status = harness.open(harness.folder.path() / "missing.rc");
    ASSERT_FALSE(status);
    EXPECT_TRUE(status.failure().stopped_by_user);
    EXPECT_EQ(harness.session.log().errors(), 0);
    EXPECT_FALSE(harness.problems_added);
}

}  // namespace
}  // namespace tavorin
