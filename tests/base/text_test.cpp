#include "base/text.h"

#include <gtest/gtest.h>

#include "base/code_page.h"
#include "base/escapes.h"
#include "base/file_kind.h"

namespace tavorin {
namespace {

TEST(Utf8, RoundTripsAllPlanes) {
    const std::u16string text = u"a\u00E9\u20AC\U0001F600";
    EXPECT_EQ(text_to_utf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(utf8_to_text(text_to_utf8(text)), text);
}

TEST(Utf8, InvalidInputBecomesReplacementCharacters) {
    EXPECT_EQ(utf8_to_text("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(utf8_to_text("\xC0\x80"), u"\uFFFD");      // overlong NUL
    EXPECT_EQ(utf8_to_text("\xED\xA0\x80"), u"\uFFFD");  // encoded surrogate
    EXPECT_EQ(utf8_to_text("\xE2\x82"), u"\uFFFD");      // truncated
    EXPECT_EQ(text_to_utf8(u"\xD800x"), "\xEF\xBF\xBDx");
}

TEST(Text, CaseInsensitiveComparisonIsAsciiOnly) {
    EXPECT_TRUE(equals_ignore_case(u"Project.RC", u"project.rc"));
    EXPECT_FALSE(equals_ignore_case(u"\u00C9", u"\u00E9"));
    EXPECT_FALSE(equals_ignore_case(u"ab", u"abc"));
}

TEST(Text, PlaceholdersAreFilled) {
    EXPECT_EQ(fill_placeholders(u"Invalid resource format. Type: %1, name: %2.", u"RT_HTML", u"101"),
              u"Invalid resource format. Type: RT_HTML, name: 101.");
    EXPECT_EQ(fill_placeholders(u"%1 opened", u"C:\\a%2.rc"), u"C:\\a%2.rc opened");  // no second pass
    EXPECT_EQ(fill_placeholders(u"100%", u"x"), u"100%");
}

TEST(Text, Numbers) {
    EXPECT_EQ(decimal(-1), u"-1");
    EXPECT_EQ(hexadecimal(0xABC, 8), u"00000ABC");
    EXPECT_EQ(hexadecimal(0xFFFFFFFF), u"FFFFFFFF");
}

TEST(EscapeTables, LettersAndCharacters) {
    const std::pair<char16_t, char16_t> pairs[] = {{u'a', 7},      {u'b', 8},       {u'f', 12},    {u'n', 10},
                                                   {u'r', 13},     {u't', 9},       {u'v', 11},    {u'\\', u'\\'},
                                                   {u'\'', u'\''}, {u'"', u'"'},    {u'?', u'?'}};
    for (auto [letter, character] : pairs) {
        EXPECT_EQ(escape_character(letter), character);
        EXPECT_EQ(escape_letter(character), letter);
    }
    EXPECT_EQ(escape_character(u'x'), 0);
    EXPECT_EQ(escape_character(u'0'), 0);
    EXPECT_EQ(escape_letter(u'A'), 0);
    EXPECT_EQ(escape_letter(0x2028), 0);
}

TEST(EscapeTables, HexDigits) {
    EXPECT_EQ(hex_digit_value(u'0'), 0);
    EXPECT_EQ(hex_digit_value(u'9'), 9);
    EXPECT_EQ(hex_digit_value(u'a'), 10);
    EXPECT_EQ(hex_digit_value(u'F'), 15);
    EXPECT_EQ(hex_digit_value(u'g'), -1);
    EXPECT_EQ(hex_digit_value(0x0660), -1);
}

TEST(StoredForm, EscapingAndUnescapingRoundTrip) {
    const std::u16string raw = u"Line\nTab\t\"q\" 'a' \\ ?\a\b\f\r\v\u00E9";
    const std::u16string stored = escape_stored_text(raw);
    EXPECT_EQ(stored, u"Line\\nTab\\t\\\"q\\\" \\'a\\' \\\\ \\?\\x07\\b\\f\\r\\v\u00E9");
    EXPECT_EQ(unescape_stored_text(stored), raw);
}

TEST(StoredForm, CompilersEscapesAreRead) {
    EXPECT_EQ(unescape_stored_text(u"Open\\aCtrl+O"), u"Open\bCtrl+O") << "\\a right-aligns in menus: 8";
    EXPECT_EQ(unescape_stored_text(u"\\xB0ABC"), u"\u00B0ABC") << "two hexadecimal digits at most";
    EXPECT_EQ(unescape_stored_text(u"\\251 \\0"), std::u16string(u"\u00A9 \0", 3)) << "octal";
    EXPECT_EQ(unescape_stored_text(u"\\xg"), u"\\xg") << "no digit: as it stands";
    EXPECT_EQ(unescape_stored_text(u"a\\qb\\"), u"a\\qb\\") << "unknown and trailing backslashes stay";
}

TEST(StoredForm, UnknownEscapesStayAsTheyStand) {
    EXPECT_EQ(unescape_stored_text(u"C:\\dir\\n"), u"C:\\dir\n");
    EXPECT_EQ(unescape_stored_text(u"end\\"), u"end\\");
    EXPECT_EQ(unescape_stored_text(u"\\\\n"), u"\\n");
}

TEST(CodePage, Windows1252BothWays) {
    EXPECT_EQ(windows1252_to_text("\x80\x9F\xE9\x81"), u"\u20AC\u0178\u00E9\u0081");
    EXPECT_EQ(text_to_windows1252(u"\u20AC\u0178\u00E9\u0081"), "\x80\x9F\xE9\x81");
    EXPECT_EQ(text_to_windows1252(u"\u4E2D"), "?");
}

TEST(FileKind, FromTheExtensionWithoutRegardToCase) {
    EXPECT_EQ(file_kind_of(u"Project.RC"), FileKind::script);
    EXPECT_EQ(file_kind_of(u"about.dlg"), FileKind::script);
    EXPECT_EQ(file_kind_of(u"lib.Dll"), FileKind::pe_module);
    EXPECT_EQ(file_kind_of(u"a.exe"), FileKind::pe_module);
    EXPECT_EQ(file_kind_of(u"a.ocx"), FileKind::pe_module);
    EXPECT_EQ(file_kind_of(u"a.en-US.mui"), FileKind::pe_module);
    EXPECT_EQ(file_kind_of(u"app.res"), FileKind::compiled_resources);
    EXPECT_EQ(file_kind_of(u"app.cpp"), FileKind::c_source);
    EXPECT_EQ(file_kind_of(u"app.C"), FileKind::c_source);
    EXPECT_EQ(file_kind_of(u"notes.txt"), FileKind::unsupported);
    EXPECT_EQ(file_kind_of(u"Makefile"), FileKind::unsupported);
    EXPECT_EQ(file_kind_of(u"dir.rc/file"), FileKind::unsupported);
    EXPECT_EQ(file_kind_of(u"trailing."), FileKind::unsupported);
}

}  // namespace
}  // namespace tavorin
