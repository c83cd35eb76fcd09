// The limits of what a script may say, each an error with its line rather than a crash or a
// silent change: menus nested deeper than the compiled form takes, numbers and identifiers that
// do not fit their fields, strings that are not closed or too long for the compiled table.

#include <gtest/gtest.h>

#include "base/binary_buffer.h"
#include "base/nesting_limit.h"
#include "base/text.h"
#include "resources/menu/menu.h"
#include "resources/menu/menu_template.h"
#include "resources/stringtable/string_table.h"
#include "script/open_script.h"
#include "script_harness.h"

namespace tavorin {
namespace {

class ScriptLimitsTest : public ::testing::Test {
protected:
    ReadStatus read(const std::string& script) {
        session.project().clear();
        return open_script(session.workspace(), tables, image_numbers, folder.write("app.rc", script));
    }
    // "message @line" of a failed reading.
    std::string failure(const std::string& script) {
        const ReadStatus status = read(script);
        if (status) return "read without error";
        return text_to_utf8(status.failure().message) + " @" + std::to_string(status.failure().line);
    }

    ScriptedPlatform platform;
    ScriptTables tables;
    ImageNumbers image_numbers;
    Session session{platform};
    testing::ScriptFolder folder;
};

// A menu of `depth` popups, each inside the one before, one line each.
std::string nested_menu(int depth) {
    std::string script = "1 MENU\nBEGIN\n";
    for (int i = 0; i < depth; ++i) script += "POPUP \"p\"\nBEGIN\n";
    script += "MENUITEM \"leaf\", 7\n";
    for (int i = 0; i < depth; ++i) script += "END\n";
    return script + "END\n";
}

TEST_F(ScriptLimitsTest, MenusAsDeepAsTheCompiledFormTakesReadAndDeeperOnesAreRefusedAtTheirPopup) {
    ASSERT_TRUE(read(nested_menu(max_nesting_depth)));
    const auto menus = session.project().resources_of_kind(kind::menu);
    ASSERT_EQ(menus.size(), 1u);
    // What the script reader accepts, the compiled reader takes back.
    BinaryBuffer compiled;
    encode_menu_template(static_cast<const Menu&>(*menus[0]), compiled);
    EXPECT_TRUE(decode_menu_template(compiled.bytes(), session.symbols()));

    // The popup that goes one level too deep opens on line 3 + 2 * max_nesting_depth.
    const std::string too_deep = "Menus nested too deeply. @" + std::to_string(3 + 2 * max_nesting_depth);
    EXPECT_EQ(failure(nested_menu(max_nesting_depth + 1)), too_deep);
    EXPECT_EQ(failure(nested_menu(10000)), too_deep);
}

TEST_F(ScriptLimitsTest, ExpressionsNestedTooDeeplyInAScriptFailAtTheirLine) {
    const std::string deep = std::string(10000, '(') + "1" + std::string(10000, ')');
    EXPECT_EQ(failure("1 MENU\nBEGIN\nMENUITEM \"a\", " + deep + "\nEND\n"), "Expression nested too deeply. @3");
}

TEST_F(ScriptLimitsTest, ValuesThatDoNotFitTheirFieldsAreErrorsNamingValueAndLine) {
    struct Case {
        std::string script;
        std::string expected;
    };
    const Case cases[] = {
        {"STRINGTABLE\nBEGIN\n1 \"a\"\n99999999999999999999999999 \"b\"\nEND\n",
         "The number 99999999999999999999999999 does not fit in 32 bits. @4"},
        {"STRINGTABLE\nBEGIN\n4294967296 \"b\"\nEND\n", "The number 4294967296 does not fit in 32 bits. @3"},
        {"STRINGTABLE\nBEGIN\n0x100000000 \"b\"\nEND\n", "The number 0x100000000 does not fit in 32 bits. @3"},
        {"STRINGTABLE\nBEGIN\n70000 \"b\"\nEND\n", "The value 70000 is out of range (0 to 65535). @3"},
        {"STRINGTABLE\nBEGIN\n-1 \"b\"\nEND\n", "The value -1 is out of range (0 to 65535). @3"},
        {"#define IDS_BIG 70000\nSTRINGTABLE\nBEGIN\nIDS_BIG \"b\"\nEND\n",
         "The value IDS_BIG (70000) is out of range (0 to 65535). @4"},
        {"1 MENU\nBEGIN\nMENUITEM \"a\", 65536\nEND\n", "The value 65536 is out of range (-32768 to 65535). @3"},
        {"1 TOOLBAR 16, 15\nBEGIN\nBUTTON -40000\nEND\n", "The value -40000 is out of range (-32768 to 65535). @3"},
        {"1 VERSIONINFO\nFILEVERSION 1, 70000\nBEGIN\nEND\n", "The value 70000 is out of range (-32768 to 65535). @2"},
        {"70000 ICON \"a.ico\"\n", "The value 70000 is out of range (0 to 65535). @1"},
        {"1 70000 \"a.bin\"\n", "The value 70000 is out of range (0 to 65535). @1"},
    };
    for (const Case& c : cases) EXPECT_EQ(failure(c.script), c.expected) << c.script;
}

TEST_F(ScriptLimitsTest, ValuesAtTheEdgesOfTheirFieldsRead) {
    folder.write("a.bin", "data");
    ASSERT_TRUE(read("STRINGTABLE\nBEGIN\n0 \"zero\"\n65535 \"top\"\n4095 \"middle\"\nEND\n"
                     "1 MENU\nBEGIN\nMENUITEM \"a\", -1\nMENUITEM \"b\", 65535\nEND\n"
                     "65535 MYDATA \"a.bin\"\n"));
    const auto& table = static_cast<const StringTable&>(*session.project().resources_of_kind(kind::string_table).at(0));
    EXPECT_EQ(table.size(), 3u);
    EXPECT_TRUE(table.uses_value(0));
    EXPECT_TRUE(table.uses_value(65535));
    EXPECT_TRUE(table.uses_value(0x0FFF));
}

TEST_F(ScriptLimitsTest, UnclosedStringsAreErrorsAtTheLineTheyOpen) {
    EXPECT_EQ(failure("STRINGTABLE\nBEGIN\n1 \"closed\"\n2 \"never closed\nEND\n"),
              "End of line encountered before the end of a character string. @4");
    EXPECT_EQ(failure("STRINGTABLE\nBEGIN\n1 \"first\"\n  \"joined, but open\n"),
              "End of line encountered before the end of a character string. @4");
    EXPECT_EQ(failure("STRINGTABLE\nBEGIN\n1 \"to the end"),
              "End of file encountered before the end of a character string. @3");
    // A continuation keeps a literal open across its line break.
    ASSERT_TRUE(read("STRINGTABLE\nBEGIN\n1 \"one \\\n  line\"\nEND\n"));
}

TEST_F(ScriptLimitsTest, StringsLongerThanTheCompiledTableTakesAreErrors) {
    const std::string longest(65535, 'x');
    ASSERT_TRUE(read("STRINGTABLE\nBEGIN\n1 \"" + longest + "\"\nEND\n"));
    EXPECT_EQ(failure("STRINGTABLE\nBEGIN\n1 \"ok\"\n2 \"" + longest + "y\"\nEND\n"),
              "A string is longer than 65535 characters. @4");
    // Escapes count as the characters they stand for.
    ASSERT_TRUE(read("STRINGTABLE\nBEGIN\n1 \"" + std::string(65534, 'x') + "\\n\"\nEND\n"));
}

}  // namespace
}  // namespace tavorin
