#include "ui/script_colouring.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

constexpr std::string_view header =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue255;\\red42\\green0\\blue255;\\red63\\green127\\blue95;"
    "\\red127\\green0\\blue85;}\r\n"
    "\\viewkind4\\uc1\\pard\\tx852\\f0\\fs20\r\n";

// The body between the fixed header and the closing brace.
std::string body(const std::string& rtf) {
    EXPECT_TRUE(rtf.starts_with(header));
    EXPECT_TRUE(rtf.ends_with("}"));
    if (!rtf.starts_with(header) || rtf.size() <= header.size()) return {};
    return rtf.substr(header.size(), rtf.size() - header.size() - 1);
}

struct Case {
    const char* what;
    std::u16string_view text;
    std::string_view body;
};

const Case cases[] = {
    {"keyword before a blank", u"DIALOGEX 0", "\\b \\cf4 DIALOGEX\\b0 \\cf0  0"},
    {"keyword at the end", u"END", "\\b \\cf4 END\\b0 \\cf0 "},
    {"digit after the word", u"DIALOGEX1", "DIALOGEX1"},
    {"keyword inside a word", u"MyDIALOG ", "MyDIALOG "},
    {"lower case", u"dialog ", "dialog "},
    {"a keyword with a digit never matches", u"AUTO3STATE ", "AUTO3STATE "},
    {"underscore joins words", u"IDC_BUTTON ", "IDC_BUTTON "},
    {"digit ends the word", u"ID2BUTTON ", "ID2\\b \\cf4 BUTTON\\b0 \\cf0  "},
    {"words the set does not hold", u"NOINVERT GRAYED DLGINIT", "NOINVERT GRAYED DLGINIT"},
    {"keyword after punctuation", u"x,MENU,", "x,\\b \\cf4 MENU\\b0 \\cf0 ,"},
    {"include line", u"#include <windows.h>\r\n",
     "\\b \\cf4 #include\\b0 \\cf0  \\cf2 <windows.h>\\cf0 \\par\r\n"},
    {"directive at the end", u"#endif", "\\b \\cf4 #endif\\b0 \\cf0 "},
    {"directive then a keyword", u"#define\tMENU", "\\b \\cf4 #define\\b0 \\cf0 \t\\b \\cf4 MENU\\b0 \\cf0 "},
    {"line comment", u"a // BEGIN {x}\r\nb",
     "a \\cf3 // BEGIN \\{x\\}\\b0 \\cf0 \\par\r\nb"},
    {"block comment over lines", u"/* a\r\nEND */END",
     "\\cf3 /* a\\par\r\nEND */\\b0 \\cf0 \\b \\cf4 END\\b0 \\cf0 "},
    {"a backslash does not escape the closing quote", u"\"C:\\\" END",
     "\\cf2 \"C:\\\\\"\\cf0  \\b \\cf4 END\\b0 \\cf0 "},
    {"character literal", u"'{'", "\\cf2 '\\{'\\cf0 "},
    {"literal closed by the line end", u"\"abc\r\nEND", "\\cf2 \"abc\\par\r\\cf0 \n\\b \\cf4 END\\b0 \\cf0 "},
    {"line breaks", u"a\r\nb", "a\\par\r\nb"},
    {"braces and backslash", u"{\\}", "\\{\\\\\\}"},
    {"latin letter as one byte", u"\u00E9", "\xE9"},
    {"other characters as unicode escapes", u"\u4E2D\uFF01", "\\u20013?\\u65281?"},
    {"text ends at a NUL", std::u16string_view(u"a\0MENU", 6), "a"},
};

TEST(ScriptColouring, BodyOfEachCase) {
    for (const Case& c : cases) {
        EXPECT_EQ(body(colour_script(c.text)), c.body) << c.what;
    }
}

TEST(ScriptColouring, EmptyTextIsHeaderAndClosingBrace) {
    EXPECT_EQ(colour_script(u""), std::string(header) + "}");
}

TEST(ScriptColouring, UnterminatedCommentOrLiteralEndsTheDocumentThere) {
    EXPECT_EQ(colour_script(u"END /* open"), std::string(header) + "\\b \\cf4 END\\b0 \\cf0  \\cf3 /* open");
    EXPECT_EQ(colour_script(u"x \"open"), std::string(header) + "x \\cf2 \"open");
    EXPECT_EQ(colour_script(u"<windows.h"), std::string(header) + "\\cf2 <windows.h");
}

TEST(ScriptColouring, KeywordSetIsExactAndCaseSensitive) {
    for (const std::u16string_view word : {u"AUTO3STATE", u"FILEFLAGSMASK", u"MENUEX", u"EXSTYLE", u"BEGIN"}) {
        EXPECT_TRUE(is_coloured_keyword(word));
    }
    for (const std::u16string_view word : {u"Begin", u"NOT", u"WS_CHILD", u"MENUE", u""}) {
        EXPECT_FALSE(is_coloured_keyword(word));
    }
}

}  // namespace
}  // namespace tavorin
