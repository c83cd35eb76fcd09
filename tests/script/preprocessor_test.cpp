// The directive processor, macro expansion and the definitions tables, through real files.

#include "script/preprocessor.h"

#include <gtest/gtest.h>

#include "script/expression.h"
#include "script/lexer.h"
#include "script_harness.h"

namespace tavorin {
namespace {

using testing::ReaderHarness;
using testing::ScriptFolder;
using testing::squeeze;

class PreprocessorTest : public ::testing::Test {
protected:
    ReadStatus read(std::string_view script, std::string_view header = {}) {
        if (!header.empty()) folder.write("defs.h", header);
        return harness.read(folder.write("test.rc", script));
    }
    // Reads and expects success.
    std::u16string output(std::string_view script, std::string_view header = {}) {
        ReadStatus status = read(script, header);
        EXPECT_TRUE(status.ok()) << text_to_utf8(status.ok() ? u"" : status.failure().message) << " at line "
                                 << (status.ok() ? 0 : status.failure().line);
        return squeeze(harness.text());
    }
    // Reads and expects a failure in the script at `line`.
    std::u16string failure(std::string_view script, int line) {
        ReadStatus status = read(script);
        EXPECT_FALSE(status.ok());
        if (status.ok()) return u"<no error>";
        EXPECT_EQ(status.failure().line, line);
        EXPECT_EQ(status.failure().file.filename(), "test.rc");
        EXPECT_FALSE(status.failure().stopped_by_user);
        return status.failure().message;
    }
    std::uint32_t evaluate(std::u16string_view text) {
        ExpressionEvaluator evaluator(harness.macros, harness.session.strings(), ReaderMode::parsing);
        auto value = evaluator.evaluate(text, 0);
        EXPECT_TRUE(value.ok());
        return value.ok() ? value->value : 0xDEADBEEF;
    }

    ScriptFolder folder;
    ReaderHarness harness;
};

TEST_F(PreprocessorTest, MemoryFlagsVanishAndKeyLettersArePredefined) {
    EXPECT_EQ(output("1 DIALOG DISCARDABLE 0, 0, 10, 10\n2 ICON MOVEABLE PURE LOADONCALL \"a.ico\"\n"),
              u"1 DIALOG 0, 0, 10, 10\n2 ICON \"a.ico\"\n");
    for (const char16_t* word :
         {u"PRELOAD", u"LOADONCALL", u"FIXED", u"MOVEABLE", u"DISCARDABLE", u"PURE", u"IMPURE", u"SHARED", u"NONSHARED",
          u"RC_INVOKED", u"_WIN32"}) {
        EXPECT_EQ(harness.value(word), u"") << text_to_utf8(word);
        EXPECT_TRUE(harness.macros.is_system(word));
    }
    EXPECT_EQ(harness.value(u"VK_A"), u"65");
    EXPECT_EQ(harness.value(u"VK_Z"), u"90");
    EXPECT_EQ(harness.value(u"VK_0"), u"48");
    EXPECT_EQ(harness.value(u"VK_9"), u"57");
    EXPECT_EQ(harness.value(u"VK_a"), u"<undefined>");
}

TEST_F(PreprocessorTest, CommentsBecomeBlanksAndLinesStay) {
    EXPECT_EQ(output("a // one\nb ; two\nc /* three\nfour */ d\n\"x;y // z\" 'q;' e\n"),
              u"a\nb\nc\nd\n\"x;y // z\" 'q;' e\n");
    EXPECT_EQ(harness.lines().size(), 6u);
}

TEST_F(PreprocessorTest, SemicolonCommentsOutTheRestOfAHeaderLineToo) {
    output("#include \"defs.h\"\n", "#define FIVE 5 ; five\n#define SIX 6 // six\n");
    EXPECT_EQ(harness.value(u"FIVE"), u"5");
    EXPECT_EQ(harness.value(u"SIX"), u"6");
}

TEST_F(PreprocessorTest, AnOpenBlockCommentAtTheEndIsAnError) {
    EXPECT_EQ(failure("a\nb /* never\nclosed\n", 4), u"End of file");
}

TEST_F(PreprocessorTest, TheOutputKeepsTheSourceLines) {
    output(
        "#define A 1\n"
        "#define LONG 1 | \\\n"
        "  2\n"
        "#ifdef A\n"
        "line5 LONG\n"
        "#else\n"
        "skipped\n"
        "#endif\n"
        "F9 equ 9\n"
        "line10 A\n");
    const auto lines = harness.lines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(squeeze(lines[4]), u"line5 1 | 2") << "a continued value expands on one line";
    EXPECT_EQ(squeeze(lines[9]), u"line10 1");
    EXPECT_EQ(squeeze(lines[6]), u"");
}

TEST_F(PreprocessorTest, DefineWithoutValueKeepsAnExistingEntry) {
    output("#include \"defs.h\"\n#define GUARD\n#define GUARD\n#define KEPT\n", "#define KEPT 3\n");
    EXPECT_EQ(harness.value(u"GUARD"), u"");
    EXPECT_EQ(harness.value(u"KEPT"), u"3");
    EXPECT_EQ(harness.macros.defining_file(u"KEPT"), (folder.path() / "defs.h").u16string())
        << "the entry, with its defining file, stays as it was";
}

TEST_F(PreprocessorTest, RedefiningReplacesValueAndDefiningFile) {
    output("#include \"defs.h\"\n#define VALUE 2\nVALUE\n", "#define VALUE 1\n");
    EXPECT_EQ(harness.value(u"VALUE"), u"2");
    EXPECT_EQ(harness.macros.defining_file(u"VALUE"), (folder.path() / "test.rc").u16string());
    EXPECT_EQ(harness.text(), u"\n\n2 \n");
}

TEST_F(PreprocessorTest, ContinuedDefinesTakeTheNextLine) {
    output("#define STYLE WS_A | \\\n        WS_B\n#define NEXT_LINE \\\n  7\n#define WS_A 1\n#define WS_B 2\n");
    EXPECT_EQ(harness.value(u"STYLE"), u"WS_A | \n        WS_B");
    EXPECT_EQ(harness.value(u"NEXT_LINE"), u"7");
    EXPECT_EQ(evaluate(u"STYLE"), 3u);
}

TEST_F(PreprocessorTest, FunctionLikeMacrosReplaceTheirParameters) {
    EXPECT_EQ(output("#define ADD(a, b) ((a) + (b))\n#define TWO 2\nx ADD(1, TWO) y\n"), u"\n\nx ((1) + (2)) y\n");
    EXPECT_EQ(output("#define PAIR(a,b) a b\nPAIR((1, 2), \"c,d\")\n"), u"\n(1, 2) \"c,d\"\n");
    EXPECT_EQ(output("#define F(x) \"x\" x\nF(5)\n"), u"\n\"x\" 5\n") << "literals in the body are copied unchanged";
    EXPECT_EQ(output("#define NONE() 9\nNONE() NONE\n"), u"\n9 NONE\n") << "without ( the name stays";
    EXPECT_EQ(output("#define ALL(...) [__VA_ARGS__]\nALL(1, 2)\n"), u"\n[1,2]\n");
}

TEST_F(PreprocessorTest, PastedOperandsJoinAsWritten) {
    // The mingw-w64 headers spell long constants and A/W names by pasting.
    EXPECT_EQ(output("#define LONG_(x) x ## l\n#define FF_DEBUG LONG_(0x00000001)\nFF_DEBUG\n"),
              u"\n\n0x00000001l\n");
    EXPECT_EQ(output("#define NAME_AW(f) f##W\n#define WC_BUTTONW L\"Button\"\n"
                     "#define WC_BUTTON NAME_AW(WC_BUTTON)\nWC_BUTTON\n"),
              u"\n\n\nL\"Button\"\n")
        << "the operand is not expanded first, so the name does not recurse";
    EXPECT_EQ(output("#define CAT(a, b) a ## b\n#define ONE 1\nCAT(ONE, 2) CAT( x , y )\n"), u"\n\nONE2 xy\n")
        << "the pasted name ONE2 is no macro; the blanks around the operands go";
}

TEST_F(PreprocessorTest, StringizingQuotesTheArgumentAsWritten) {
    EXPECT_EQ(output(R"(#define STR(x) #x
#define ONE 1
STR(ONE) STR( a b ) STR("q\\")
)"),
              uR"(

"ONE" "a b" "\"q\\\\\"")" u"\n");
    EXPECT_EQ(output("#define HASH(x) # x x\nHASH(2)\n"), u"\n\"2\" 2\n") << "blanks may follow the #";
}

TEST_F(PreprocessorTest, EscapedQuotesKeepCommentCharactersInsideLiterals) {
    EXPECT_EQ(output("A \"x \\\" ; y // z\" B ; gone\n"), u"A \"x \\\" ; y // z\" B\n");
}

TEST_F(PreprocessorTest, ConditionsCallFunctionLikeMacros) {
    // The SDK headers guard whole files this way.
    std::u16string kept = output("#define PARTITION(v) ((3 & v) == v)\n#if PARTITION (1)\nyes\n#else\nno\n#endif\n"
                                 "#if defined(PARTITION) && !PARTITION(4)\nagain\n#endif\n");
    std::erase(kept, u'\n');
    EXPECT_EQ(squeeze(kept), u"yesagain");
    EXPECT_EQ(failure("#define F(a) a\n#if F(1, 2)\n#endif\n", 2), u"Incorrect arguments number");
}

TEST_F(PreprocessorTest, ACallOverSeveralLinesKeepsTheLinesAfterIt) {
    output("#define ADD(a, b) a + b\nADD(1,\n  2) tail\nnext\n");
    const auto lines = harness.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(squeeze(lines[1]), u"1 + 2");
    EXPECT_EQ(squeeze(lines[2]), u"tail");
    EXPECT_EQ(squeeze(lines[3]), u"next");
}

TEST_F(PreprocessorTest, AFunctionLikeBodyOnTheNextLineIsEmpty) {
    EXPECT_EQ(output("#define F(x)\n  x + 1\nF(2)|\n"), u"\nx + 1\n|\n");
    ASSERT_NE(harness.macros.find_function(u"F"), nullptr);
    EXPECT_EQ(harness.macros.find_function(u"F")->body, u"");
}

TEST_F(PreprocessorTest, FunctionLikeMacroErrors) {
    EXPECT_EQ(failure("\n#define F(1) x\n", 2), u"Identifier expected in formal arguments list");
    EXPECT_EQ(failure("#define F(a b) x\n", 1), u"Identifier expected in formal arguments list");
    EXPECT_EQ(failure("#define F(a, b) a\n\nF(1)\n", 3), u"Incorrect arguments number");
    EXPECT_EQ(failure("#define F(a) a\nF(1, 2)\n", 2), u"Incorrect arguments number");
    EXPECT_EQ(failure("#define F(a) a\nF(1\n", 2), u"Right parenthesis expected");
    EXPECT_EQ(failure("#define\n", 1), u"Control ID expected.");
}

TEST_F(PreprocessorTest, EquLinesDefineMacros) {
    output("#include \"defs.h\"\n", "NAME equ 5\nOTHER EQU 0x10 | \\\n 1\nnot a name equ 3\n");
    EXPECT_EQ(harness.value(u"NAME"), u"5");
    EXPECT_EQ(harness.value(u"OTHER"), u"0x10 | \n 1");
    EXPECT_EQ(harness.value(u"a"), u"<undefined>");
    EXPECT_EQ(output("CAPTION \"Tom equ Jerry\"\nID equ 7\nID\n"), u"CAPTION \"Tom equ Jerry\"\n\n7\n")
        << "inside a literal equ is text";
}

TEST_F(PreprocessorTest, ConditionalSectionsChooseOneBranch) {
    output("#define A\n"
           "#ifdef A\nyes3\n#else\nno\n#endif\n"
           "#ifndef A\nno\n#elif 1\nyes10\n#else\nno\n#endif\n"
           "#if defined(B) || 0\nno\n#elif defined A && !defined(B)\nyes17\n#elif 1\nno\n#endif\n"
           "#if 0\n#if 1\nno\n#else\nno\n#endif\n#elif 2\nyes28\n#endif\n"
           "#if UNDECLARED\nno\n#else\nyes33\n#endif\n");
    std::vector<std::pair<std::size_t, std::u16string>> kept;
    const auto lines = harness.lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!squeeze(lines[i]).empty()) kept.emplace_back(i + 1, squeeze(lines[i]));
    }
    using Line = std::pair<std::size_t, std::u16string>;
    EXPECT_EQ(kept, (std::vector<Line>{{3, u"yes3"}, {10, u"yes10"}, {17, u"yes17"}, {28, u"yes28"}, {33, u"yes33"}}));
    EXPECT_EQ(lines.size(), 35u);
}

TEST_F(PreprocessorTest, SkippedSectionsDefineAndIncludeNothing) {
    output("#if 0\n#define HIDDEN 1\n#define HIDDEN_F(x) x\n#include \"missing.h\"\n#undef VK_A\n#if 1/0\n#endif\nequ_name equ 3\n#endif\n");
    EXPECT_EQ(harness.value(u"HIDDEN"), u"<undefined>");
    EXPECT_EQ(harness.macros.find_function(u"HIDDEN_F"), nullptr);
    EXPECT_EQ(harness.value(u"VK_A"), u"65");
    EXPECT_EQ(harness.value(u"equ_name"), u"<undefined>");
    EXPECT_TRUE(harness.platform.questions.empty());
}

TEST_F(PreprocessorTest, TextAfterTheIfExpressionIsAnError) {
    EXPECT_EQ(failure("\n#if 1 foo\n#endif\n", 2), u"'f' character unexpected");
    EXPECT_EQ(failure("#define X 1\n#if X == 1 )\n#endif\n", 2), u"')' character unexpected");
    EXPECT_EQ(failure("#if 0\n#elif 1 2\n#endif\n", 2), u"'2' character unexpected");
    EXPECT_EQ(failure("#if\n#endif\n", 1), u"Integer value expected.");
    EXPECT_EQ(failure("#if 1 / 0\n#endif\n", 1), u"Division by zero.");
}

TEST_F(PreprocessorTest, ConditionalStructureErrors) {
    EXPECT_EQ(failure("#if 1\n#else\n#else\n#endif\n", 3), u"#endif expected");
    EXPECT_EQ(failure("#ifdef X\n#else\n#elif 1\n#endif\n", 3), u"#endif expected");
    EXPECT_EQ(failure("#if 1\nx\n", 3), u"End of file encountered before #endif");
    EXPECT_EQ(failure("x\n#endif\n", 2), u"#endif unexpected");
    EXPECT_EQ(failure("#else\n", 1), u"#else unexpected");
    EXPECT_EQ(failure("\n\n#elif 1\n", 3), u"#elif unexpected");
    EXPECT_EQ(failure("#ifdef\n#endif\n", 1), u"Control ID expected.");
}

TEST_F(PreprocessorTest, UnknownDirectivesArePassedOverWithTheirLine) {
    EXPECT_EQ(output("#pragma code_page(65001)\n#ident stop \\\n here\n#line 5\n# \nafter\n#defined X\n"),
              u"\n\n\n\n\nafter\n\n");
    EXPECT_EQ(harness.value(u"X"), u"<undefined>");
}

TEST_F(PreprocessorTest, UndefRemovesOnlyObjectLikeMacros) {
    output("#define A 1\n#define F(x) x\n#define F 2\n#undef A\n#undef F\n#undef NEVER\n");
    EXPECT_EQ(harness.value(u"A"), u"<undefined>");
    EXPECT_EQ(harness.value(u"F"), u"<undefined>");
    EXPECT_NE(harness.macros.find_function(u"F"), nullptr);
}

TEST_F(PreprocessorTest, NumbersAndLiteralsAreCopiedUnexpanded) {
    EXPECT_EQ(output("#define ABC 1\n#define L 2\n0x10L 10ABC \"ABC \"\"L\"\" \" 'ABC' ABC\n"),
              u"\n\n0x10L 10ABC \"ABC \"\"L\"\" \" 'ABC' 1\n");
}

TEST_F(PreprocessorTest, ALiteralContinuedOnTheNextLineKeepsTheLines) {
    output("CAPTION \"first \\\n  second\" X\nnext\n");
    const auto lines = harness.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], u"CAPTION \"first \\");
    EXPECT_EQ(squeeze(lines[2]), u"next");
}

TEST_F(PreprocessorTest, MacrosNamingMacrosAreExpandedInTurn) {
    output("#define INNER 5\n#define OUTER INNER\n#define SUM INNER + 1\nOUTER SUM\n");
    EXPECT_EQ(squeeze(harness.lines()[3]), u"5 5 + 1");
}

TEST_F(PreprocessorTest, ThePositionMapNamesItemIdsByTheirMacro) {
    output("#include \"defs.h\"\n"
           "PUSHBUTTON \"OK\", IDOK, 1, 2\n"
           "PUSHBUTTON \"X\", ALIAS, IDC_SUM + 1, 3\n",
           "#define IDOK 1\n#define IDC_BASE 100\n#define ALIAS IDC_BASE\n#define IDC_SUM (IDC_BASE)\n");
    ASSERT_EQ(harness.scripts.size(), 1u);
    const auto& script = harness.scripts.front();
    Lexer lexer(script.text, harness.macros, harness.session.strings(), &script.positions);

    std::size_t pos = script.text.find(u"\"OK\"");
    auto text = lexer.string(pos);
    ASSERT_TRUE(text);
    auto ok = lexer.item_id(lexer.optional_comma(text->end));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->value.name, u"IDOK");
    EXPECT_EQ(ok->value.value, 1u);

    pos = script.text.find(u"\"X\"");
    text = lexer.string(pos);
    ASSERT_TRUE(text);
    auto alias = lexer.item_id(lexer.optional_comma(text->end));
    ASSERT_TRUE(alias);
    EXPECT_EQ(alias->value.name, u"IDC_BASE") << "the innermost macro gives its value";
    auto sum = lexer.item_id(alias->end);
    ASSERT_TRUE(sum);
    EXPECT_EQ(sum->value.value, 101u);
    EXPECT_EQ(squeeze(sum->value.name), u"(100 ) + 1");
}

TEST_F(PreprocessorTest, KeyAndLanguageDefinitionsFillTheirTables) {
    output("#include \"defs.h\"\n",
           "#define VK_NEW_KEY 0x88\n#define VK_F1_AGAIN 0x70\n#define VK_UNKNOWN_VALUE SOMETHING\n"
           "#define LANG_ENGLISH 0x09\n#define LANG_USER MAKELANGID(LANG_ENGLISH, 1)\n"
           "#define SUBLANG_ENGLISH_US 0x01\n#define SUBLANG_ODD ODD_VALUE\n"
           "#if 0\n#define LANG_SKIPPED 5\n#endif\n");
    EXPECT_EQ(harness.keys.name_of(0x88), u"VK_NEW_KEY");
    EXPECT_EQ(harness.keys.code_of(u"VK_NEW_KEY"), 0x88);
    EXPECT_EQ(harness.keys.name_of(0x70), u"VK_F1");
    EXPECT_FALSE(harness.keys.code_of(u"VK_F1_AGAIN")) << "the code already has a name";
    EXPECT_FALSE(harness.keys.code_of(u"VK_UNKNOWN_VALUE"));

    using Entry = std::pair<std::u16string, std::uint32_t>;
    EXPECT_EQ(harness.language_names,
              (std::vector<Entry>{{u"LANG_ENGLISH", 9}, {u"SUBLANG_ENGLISH_US", 1}, {u"SUBLANG_ODD", 0}}));
}

TEST_F(PreprocessorTest, MacrosThatNameEachOtherEndWithAnError) {
    EXPECT_EQ(failure("#define A B\n#define B A\nx\nA\n", 4), u"Recursive macro: A refers to itself.");
    EXPECT_EQ(failure("#define A (1 + A)\nA\n", 2), u"Recursive macro: A refers to itself.");
    EXPECT_EQ(failure("#define F(x) F(x)\nF(1)\n", 2), u"Recursive macro: F refers to itself.");
    EXPECT_EQ(failure("#define A B\n#define B A\n#if A\n#endif\n", 3), u"Recursive macro: A refers to itself.");
}

TEST_F(PreprocessorTest, ExponentialExpansionsEndWithAnError) {
    std::string script;
    for (int i = 0; i < 40; ++i) script += "#define M" + std::to_string(i) + " M" + std::to_string(i + 1) + " M" + std::to_string(i + 1) + "\n";
    script += "#define M40 12345678\nM0\n";
    const std::u16string message = failure(script, 42);
    EXPECT_TRUE(starts_with(message, u"The expansion of macro M")) << text_to_utf8(message);
}

TEST_F(PreprocessorTest, LongChainsOfMacrosEndWithAnError) {
    std::string script;
    for (int i = 0; i < 1000; ++i) script += "#define C" + std::to_string(i) + " (C" + std::to_string(i + 1) + ")\n";
    script += "C0\n";
    EXPECT_EQ(failure(script, 1001), u"Macros nested too deeply at C" + decimal(max_nesting_depth) + u".");
}

}  // namespace
}  // namespace tavorin
