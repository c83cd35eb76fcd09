// Reading a whole script: locating includes, the questions asked, include lines, recursion.

#include "script/script_reader.h"

#include <gtest/gtest.h>

#include <chrono>

#include "script_harness.h"

namespace tavorin {
namespace {

using testing::ReaderHarness;
using testing::ScriptFolder;
using testing::squeeze;

class ScriptReaderTest : public ::testing::Test {
protected:
    ScriptFolder folder;
    ReaderHarness harness;
};

TEST_F(ScriptReaderTest, QuotedIncludesAreFoundBesideTheIncludingFileWithEitherSlash) {
    folder.write("sub/deeper/inner.h", "#define INNER 2\n");
    folder.write("sub/outer.h", "#include \"deeper\\inner.h\"\n#define OUTER 1\n");
    const auto script = folder.write("app.rc", "#include \"sub\\outer.h\"\n#include \"sub/deeper/inner.h\"\nOUTER INNER\n");
    ASSERT_TRUE(harness.read(script));
    EXPECT_EQ(squeeze(harness.text()), u"\n\n1 2\n");
    EXPECT_FALSE(harness.macros.is_system(u"OUTER"));
    EXPECT_EQ(harness.macros.defining_file(u"INNER"), (folder.path() / "sub/deeper/inner.h").u16string());
}

TEST_F(ScriptReaderTest, TheIncludingFilesFolderAndFlagAreRestoredAfterAnInclude) {
    folder.write("sub/a.h", "#define A 1\n");
    folder.write("sub/b.h", "#define B_FROM_SUB 1\n");
    folder.write("b.h", "#define B_FROM_SCRIPT 1\n");
    folder.write("sdk/system.h", "#define SYSTEM 1\n");
    folder.write("local.h", "#define LOCAL 1\n");
    harness.session.config().include_paths = {(folder.path() / "sdk").u16string()};
    ASSERT_TRUE(harness.read(folder.write("app.rc", "#include \"sub/a.h\"\n#include \"b.h\"\n#include <system.h>\n#include \"local.h\"\n")));
    EXPECT_EQ(harness.value(u"B_FROM_SCRIPT"), u"1") << "b.h is looked for beside the script again";
    EXPECT_EQ(harness.value(u"B_FROM_SUB"), u"<undefined>");
    EXPECT_EQ(harness.value(u"LOCAL"), u"1") << "after a system header the script's own folder counts again";
    EXPECT_FALSE(harness.macros.is_system(u"LOCAL"));
    EXPECT_TRUE(harness.macros.is_system(u"SYSTEM"));
}

TEST_F(ScriptReaderTest, ASystemHeadersQuotedIncludesComeFromTheIncludePathsOnly) {
    // outer.h is found in sdk/sub; the inner.h beside it is not taken, the one the include
    // paths find first (in sdk/a_more) is.
    folder.write("sdk/sub/outer.h", "#include \"inner.h\"\n");
    folder.write("sdk/sub/inner.h", "#define WHICH_INNER 1\n");
    folder.write("sdk/a_more/inner.h", "#define WHICH_INNER 2\n");
    harness.session.config().include_paths = {(folder.path() / "sdk").u16string()};
    ASSERT_TRUE(harness.read(folder.write("project/app.rc", "#include <outer.h>\n")));
    EXPECT_EQ(harness.value(u"WHICH_INNER"), u"2");
    EXPECT_TRUE(harness.macros.is_system(u"WHICH_INNER"));
}

TEST_F(ScriptReaderTest, HeadersProduceNoOutputButIncludedScriptsAreReadInPlace) {
    folder.write("part.rc", "PART 1\n");
    folder.write("part.h", "HEADER TEXT\n#define FROM_HEADER 3\n");
    folder.write("noextension", "NO EXTENSION\n");
    const auto script = folder.write("main.rc", "#include \"part.h\"\n#include \"part.rc\"\n#include \"noextension\"\nMAIN FROM_HEADER\n");
    ASSERT_TRUE(harness.read(script));
    ASSERT_EQ(harness.scripts.size(), 1u);
    EXPECT_EQ(harness.scripts[0].path.filename(), "main.rc");
    // Each included script stands where its #include stood, as compilers read it.
    EXPECT_EQ(squeeze(harness.scripts[0].text), u"\nPART 1\n\nNO EXTENSION\n\nMAIN 3\n");
}

TEST_F(ScriptReaderTest, OnlyCAndCppHeadersAreReadForDefinitionsAlone) {
    folder.write("res/app.rc2", "FROM RC2\n");
    folder.write("app.ver", "FROM VER\n");
    folder.write("names.inc", "FROM INC\n");
    folder.write("names.hpp", "#define FROM_HPP 4\nHPP TEXT\n");
    ASSERT_TRUE(harness.read(folder.write(
        "main.rc", "#include \"res\\app.rc2\"\n#include \"app.ver\"\n#include \"names.inc\"\n#include \"names.hpp\"\n")));
    ASSERT_EQ(harness.scripts.size(), 1u);
    EXPECT_EQ(squeeze(harness.scripts[0].text), u"FROM RC2\n\nFROM VER\n\nFROM INC\n\n\n");
    EXPECT_EQ(harness.value(u"FROM_HPP"), u"4");
    // A rewritten script holds their resources itself, so their includes go.
    EXPECT_EQ(harness.reader.include_lines(), (std::vector<std::u16string>{u"\"names.hpp\""}));
}

TEST_F(ScriptReaderTest, TheRunsIncludeFoldersComeFirstWithoutTheirSubfolders) {
    folder.write("first/sub/x.h", "#define WHERE 3\n");
    folder.write("second/x.h", "#define WHERE 2\n");
    folder.write("configured/x.h", "#define WHERE 1\n");
    harness.session.config().run_include_folders = {(folder.path() / "first").u16string(),
                                                    (folder.path() / "second").u16string()};
    harness.session.config().include_paths = {(folder.path() / "configured").u16string()};
    harness.session.config().run_definitions = {{u"FROM_RUN", u"7"}, {u"EMPTY", u""}};
    ASSERT_TRUE(harness.read(folder.write("app.rc", "#include <x.h>\n")));
    EXPECT_EQ(harness.value(u"WHERE"), u"2");
    EXPECT_EQ(harness.value(u"FROM_RUN"), u"7");
    EXPECT_EQ(harness.value(u"EMPTY"), u"");
}

TEST_F(ScriptReaderTest, TheIncludePathsAndTheirSubfoldersAreSearchedInOrder) {
    folder.write("first/a/x.h", "#define WHERE 1\n");
    folder.write("first/b/x.h", "#define WHERE 2\n");
    folder.write("first/.hidden/y.h", "#define HIDDEN 1\n");
    folder.write("second/x.h", "#define WHERE 3\n");
    folder.write("second/z.h", "#define ZED 4\n");
    harness.session.config().include_paths = {(folder.path() / "first").u16string(), u"second"};
    harness.platform.folder = folder.path();  // "second" is relative to the executable's folder
    const auto script = folder.write("project/app.rc", "#include <x.h>\n#include \"z.h\"\n#include <y.h>\n");
    ASSERT_TRUE(harness.read(script));

    const auto& list = harness.reader.include_search_list();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], folder.path() / "first");
    EXPECT_EQ(list[1], folder.path() / "first/a");
    EXPECT_EQ(list[2], folder.path() / "first/b");
    EXPECT_EQ(list[3], folder.path() / "second");
    EXPECT_EQ(harness.value(u"WHERE"), u"1");
    EXPECT_EQ(harness.value(u"ZED"), u"4");
    EXPECT_TRUE(harness.macros.is_system(u"WHERE")) << "found through the include search";
    EXPECT_EQ(harness.value(u"HIDDEN"), u"<undefined>");
}

TEST_F(ScriptReaderTest, AngleBracketsSkipTheCurrentFolder) {
    folder.write("project/local.h", "#define WHICH 1\n");
    folder.write("include/local.h", "#define WHICH 2\n");
    harness.session.config().include_paths = {(folder.path() / "include").u16string()};
    ASSERT_TRUE(harness.read(folder.write("project/app.rc", "#include <local.h>\n")));
    EXPECT_EQ(harness.value(u"WHICH"), u"2");
    ASSERT_TRUE(harness.read(folder.write("project/app.rc", "#include \"local.h\"\n")));
    EXPECT_EQ(harness.value(u"WHICH"), u"1");
    EXPECT_FALSE(harness.macros.is_system(u"WHICH"));
}

TEST_F(ScriptReaderTest, LetterCaseOfIncludedNamesDoesNotMatter) {
    folder.write("Res/Resource.h", "#define IDD_MAIN 101\n");
    ASSERT_TRUE(harness.read(folder.write("app.rc", "#include \"res\\RESOURCE.H\"\n")));
    EXPECT_EQ(harness.value(u"IDD_MAIN"), u"101");
}

TEST_F(ScriptReaderTest, AbsoluteIncludeNames) {
    const auto header = folder.write("elsewhere/abs.h", "#define ABSOLUTE 1\n");
    const std::string line = "#include \"" + text_to_utf8(header.generic_u16string()) + "\"\n";
    ASSERT_TRUE(harness.read(folder.write("app.rc", line)));
    EXPECT_EQ(harness.value(u"ABSOLUTE"), u"1");
}

TEST_F(ScriptReaderTest, AMissingIncludeAsksWhetherToContinue) {
    harness.session.set_interactive(true);
    harness.platform.answers = {Answer::yes};
    const auto script = folder.write("app.rc", "#include \"missing.h\"\nAFTER\n");
    ASSERT_TRUE(harness.read(script));
    ASSERT_EQ(harness.platform.questions.size(), 1u);
    const Question& question = harness.platform.questions[0];
    EXPECT_EQ(question.text, u"missing.h could not be found in any include path. Do you want to continue anyway?");
    EXPECT_EQ(question.caption, u"Tavorin");
    EXPECT_EQ(question.buttons, AskButtons::yes_no);
    EXPECT_EQ(question.icon, AskIcon::question);
    EXPECT_EQ(squeeze(harness.text()), u"\nAFTER\n");

    harness.platform.answers = {Answer::no};
    ReadStatus stopped = harness.read(script);
    ASSERT_FALSE(stopped);
    EXPECT_TRUE(stopped.failure().stopped_by_user);
    EXPECT_TRUE(stopped.failure().message.empty());
    EXPECT_TRUE(harness.scripts.empty()) << "the reading stops before the script is handed on";
}

TEST_F(ScriptReaderTest, WithoutInteractionAMissingIncludeIsSkipped) {
    ASSERT_TRUE(harness.read(folder.write("app.rc", "#include <missing.h>\nAFTER\n")));
    EXPECT_TRUE(harness.platform.questions.empty());
}

TEST_F(ScriptReaderTest, SalHIsSkippedSilently) {
    harness.session.set_interactive(true);
    ASSERT_TRUE(harness.read(folder.write("app.rc", "#include <SAL.H>\n#include \"sub\\sal.h\"\n")));
    EXPECT_TRUE(harness.platform.questions.empty());
}

TEST_F(ScriptReaderTest, IncludeLinesOfTheOpenedScriptAreRecordedWithTheirDelimiters) {
    folder.write("resource.h", "#include \"nested.h\"\n");
    folder.write("nested.h", "");
    folder.write("other.rc", "#include \"from_other.h\"\n");
    folder.write("from_other.h", "");
    const auto script = folder.write(
        "app.rc", "#include \"resource.h\"\n#include <missing.h>\n#if 0\n#include \"skipped.h\"\n#endif\n#include \"other.rc\"\n");
    ASSERT_TRUE(harness.read(script));
    EXPECT_EQ(harness.reader.include_lines(),
              (std::vector<std::u16string>{u"\"resource.h\"", u"<missing.h>", u"\"other.rc\""}))
        << "a missing include is kept so that saving the script keeps it";
    ASSERT_TRUE(harness.read(folder.write("app.rc", "\n")));
    EXPECT_TRUE(harness.reader.include_lines().empty()) << "emptied at the start of every reading";
}

TEST_F(ScriptReaderTest, ErrorsInAHeaderNameTheHeaderAndItsLine) {
    folder.write("bad.h", "#define OK 1\n\n#if 1 +\n#endif\n");
    ReadStatus status = harness.read(folder.write("app.rc", "\n#include \"bad.h\"\n"));
    ASSERT_FALSE(status);
    EXPECT_EQ(status.failure().file, folder.path() / "bad.h");
    EXPECT_EQ(status.failure().line, 3);
    EXPECT_EQ(status.failure().message, u"Integer value expected.");
}

TEST_F(ScriptReaderTest, AHeaderThatIncludesItselfEndsWithAnError) {
    folder.write("self.h", "#define ONCE\n#include \"self.h\"\n");
    ReadStatus status = harness.read(folder.write("app.rc", "#include \"self.h\"\n"));
    ASSERT_FALSE(status);
    EXPECT_EQ(status.failure().message, u"Includes nested too deeply at self.h.");
    EXPECT_EQ(status.failure().file, folder.path() / "self.h");
    EXPECT_EQ(status.failure().line, 2);
}

TEST_F(ScriptReaderTest, AHeaderThatIncludesItselfTwiceEndsQuickly) {
    folder.write("twice.h", "#include \"twice.h\"\n#include \"twice.h\"\n");
    const auto start = std::chrono::steady_clock::now();
    ReadStatus status = harness.read(folder.write("app.rc", "#include \"twice.h\"\n"));
    ASSERT_FALSE(status);
    EXPECT_EQ(status.failure().message, u"Includes nested too deeply at twice.h.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(ScriptReaderTest, IncludesThatMultiplyEndWithAnError) {
    // Each header includes the next one twice: 2^20 includes in all.
    for (int i = 0; i < 20; ++i) {
        const std::string next = "h" + std::to_string(i + 1) + ".h";
        folder.write("h" + std::to_string(i) + ".h", "#include \"" + next + "\"\n#include \"" + next + "\"\n");
    }
    folder.write("h20.h", "#define LEAF\n");
    const auto start = std::chrono::steady_clock::now();
    ReadStatus status = harness.read(folder.write("app.rc", "#include \"h0.h\"\n"));
    ASSERT_FALSE(status);
    EXPECT_TRUE(starts_with(status.failure().message, u"Too many files included, at h")) << text_to_utf8(status.failure().message);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST_F(ScriptReaderTest, GuardedSelfIncludesAreFine) {
    folder.write("guarded.h", "#ifndef GUARDED_H\n#define GUARDED_H\n#include \"guarded.h\"\n#define VALUE 7\n#endif\n");
    ASSERT_TRUE(harness.read(folder.write("app.rc", "#include \"guarded.h\"\n#include \"guarded.h\"\nVALUE\n")));
    EXPECT_EQ(squeeze(harness.text()), u"\n\n7\n");
}

TEST_F(ScriptReaderTest, AScriptThatCannotBeOpenedAsksToRetry) {
    harness.session.set_interactive(true);
    harness.platform.answers = {Answer::retry, Answer::cancel};
    ReadStatus status = harness.read(folder.path() / "absent.rc");
    ASSERT_FALSE(status);
    EXPECT_TRUE(status.failure().stopped_by_user);
    ASSERT_EQ(harness.platform.questions.size(), 2u);
    EXPECT_EQ(harness.platform.questions[0].buttons, AskButtons::retry_cancel);
    EXPECT_EQ(harness.platform.questions[0].icon, AskIcon::error);
    EXPECT_NE(harness.platform.questions[0].text.find(u"absent.rc"), std::u16string::npos);
}

TEST_F(ScriptReaderTest, UnicodeScriptsAreDecoded) {
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("#define X 5\r\nCAPTION \"\xE9\" X\r\n")) {
        utf16.push_back(c == '\xE9' ? '\xE9' : c);
        utf16.push_back('\0');
    }
    ASSERT_TRUE(harness.read(folder.write("wide.rc", utf16)));
    EXPECT_EQ(squeeze(harness.text()), u"\nCAPTION \"\u00e9\" 5 \r\n");
}

TEST_F(ScriptReaderTest, AStatementFailureEndsTheReading) {
    folder.write("first.rc", "FIRST\n");
    const auto script = folder.write("main.rc", "#include \"first.rc\"\nSECOND\n");
    harness.session.set_interactive(true);
    ReadStatus status = harness.reader.read_script(script, [](const ScriptFile& file) {
        return ReadStatus{ReadFailure{u"Statement expected.", file.path, 1, false}};
    });
    ASSERT_FALSE(status);
    EXPECT_EQ(status.failure().message, u"Statement expected.");
    EXPECT_EQ(status.failure().file.filename(), "main.rc");
}

TEST_F(ScriptReaderTest, MacrosAreResetForEveryReadingButAddedKeyNamesStay) {
    ASSERT_TRUE(harness.read(folder.write("one.rc", "#define FIRST 1\n#define VK_EXTRA 0x97\n")));
    EXPECT_EQ(harness.value(u"FIRST"), u"1");
    ASSERT_TRUE(harness.read(folder.write("two.rc", "\n")));
    EXPECT_EQ(harness.value(u"FIRST"), u"<undefined>");
    EXPECT_EQ(harness.value(u"VK_A"), u"65");
    EXPECT_EQ(harness.keys.name_of(0x97), u"VK_EXTRA");
}

TEST(ScriptReaderSession, AReadingFillsTheSessionsLanguageNamesAndSymbolTable) {
    ScriptFolder folder;
    ScriptedPlatform platform;
    Session session(platform);
    ScriptTables tables;
    ScriptReader reader(session.workspace(), tables);
    folder.write("sdk/winnt.h", "#define LANG_ENGLISH 0x09\n#define SUBLANG_ENGLISH_US 0x01\n#define IDD_SYSTEM 5\n");
    folder.write("project/resource.h", "#define IDD_LOCAL 6\n");
    session.config().include_paths = {(folder.path() / "sdk").u16string()};
    ASSERT_TRUE(session.symbols().register_resource_name(u"STALE", kind::dialog, false, 7, 0x409));

    const auto script = folder.write("project/app.rc", "#include <winnt.h>\n#include \"resource.h\"\n");
    ASSERT_TRUE(reader.read_script(script, [](const ScriptFile&) { return ReadStatus{}; }));

    EXPECT_EQ(session.language_macros().statement_text(0x0409), u"LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US");
    EXPECT_FALSE(session.symbols().has_symbol(u"STALE")) << "the symbol table starts afresh";
    ASSERT_TRUE(session.symbols().register_resource_name(u"IDD_SYSTEM", kind::dialog, false, 5, 0x409));
    ASSERT_TRUE(session.symbols().register_resource_name(u"IDD_LOCAL", kind::dialog, false, 6, 0x409));
    EXPECT_TRUE(session.symbols().find(u"IDD_SYSTEM")->system);
    EXPECT_FALSE(session.symbols().find(u"IDD_LOCAL")->system);
    EXPECT_EQ(tables.macros.value(u"IDD_LOCAL") ? *tables.macros.value(u"IDD_LOCAL") : u"", u"6");
}

}  // namespace
}  // namespace tavorin
