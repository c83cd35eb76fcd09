// Saving with the ANSI encoding a project whose texts the code page cannot hold: the save is
// UTF-8 with the code page pragma instead of question marks, says so in the log, and reads back
// as it was; a project the code page holds is written exactly as before.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/code_page.h"
#include "base/file_io.h"
#include "base/text.h"
#include "formats/script_save.h"
#include "formats/script_writer.h"
#include "statement_harness.h"

namespace tavorin {
namespace {

using testing::ScriptFolder;
using testing::StatementHarness;
using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";
constexpr std::string_view names_header = "#define IDD_HELLO 100\n#define IDC_TEXT 1000\n#define IDS_HELLO 2000\n";

struct CodePageCase {
    const char* name;
    std::u16string caption;
    std::u16string label;
    std::u16string string_text;
    bool dialog_files;
    bool utf8;
};

// Each case keeps a Latin-1 letter somewhere, so that a UTF-8 save is seen to encode it as UTF-8
// too and an ANSI save to keep it as its code page byte.
const CodePageCase cases[] = {
    {"Latin", u"Caf\u00e9", u"na\u00efve", u"\u20ac10", false, false},
    {"LatinInDialogFiles", u"Caf\u00e9", u"na\u00efve", u"\u20ac10", true, false},
    {"ArabicCaption", u"\u0645\u0631\u062d\u0628\u0627", u"na\u00efve", u"Caf\u00e9", false, true},
    {"ArabicCaptionInDialogFile", u"\u0645\u0631\u062d\u0628\u0627", u"na\u00efve", u"Caf\u00e9", true, true},
    // The dialog file fits the code page on its own but follows the script, whose string does not.
    {"ChineseStringWithDialogFiles", u"Caf\u00e9", u"na\u00efve", u"\u4e2d\u6587", true, true},
};

std::string script_source(const CodePageCase& c) {
    return "#include <windows.h>\n#include \"resource.h\"\n\nLANGUAGE 9, 1\nIDD_HELLO DIALOGEX 0, 0, 120, 60\n"
           "STYLE WS_POPUP | WS_CAPTION\nCAPTION \"" +
           text_to_utf8(c.caption) + "\"\nBEGIN\n    LTEXT \"" + text_to_utf8(c.label) +
           "\", IDC_TEXT, 5, 5, 100, 10\nEND\n\nLANGUAGE 9, 1\nSTRINGTABLE\nBEGIN\n    IDS_HELLO, \"" +
           text_to_utf8(c.string_text) + "\"\nEND\n";
}

Bytes file_bytes(const std::filesystem::path& path) {
    auto bytes = read_file_bytes(path);
    return bytes ? *bytes : Bytes{};
}

Bytes as_bytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// The text as a UTF-8 save writes it: the pragma under the first line.
Bytes utf8_with_pragma(std::u16string text) {
    text.insert(text.find(u"\r\n") + 2, std::u16string(utf8_code_page_pragma) + u"\r\n");
    return as_bytes(text_to_utf8(text));
}

class ScriptCodePageTest : public ::testing::TestWithParam<CodePageCase> {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "the mingw-w64 headers are missing";
    }

    void prepare(StatementHarness& harness) {
        harness.session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
        // The whole-script writer chooses the encoding; a kept script keeps its own.
        harness.session.config().keep_scripts = false;
        harness.session.config().generate_dlg_files = GetParam().dialog_files;
        ASSERT_EQ(harness.session.config().encoding, TextEncoding::ansi);
    }

    ScriptSaveResult save(StatementHarness& harness, const std::filesystem::path& script) {
        return save_script(harness.session.workspace(), ScriptSave{script, u"resource.h", true, harness.folder.path()});
    }

    // The whole project's text, dialogs included even when they have files of their own.
    static std::u16string inline_preview(StatementHarness& harness) {
        harness.session.config().generate_dlg_files = false;
        std::u16string text = script_preview(harness.session.workspace(), u"resource.h");
        harness.session.config().generate_dlg_files = GetParam().dialog_files;
        return text;
    }

    static std::vector<std::u16string> warnings(StatementHarness& harness) {
        std::vector<std::u16string> texts;
        for (const LogEntry& entry : harness.session.log().entries()) {
            if (entry.level == LogLevel::warning) texts.push_back(entry.text);
        }
        return texts;
    }
};

TEST_P(ScriptCodePageTest, AnsiSaveKeepsEveryCharacterAndReadsBack) {
    const CodePageCase& c = GetParam();
    StatementHarness first;
    prepare(first);
    first.folder.write("resource.h", names_header);
    ASSERT_TRUE(first.read(script_source(c)));
    ASSERT_FALSE(first.problems_added);

    const std::u16string preview = script_preview(first.session.workspace(), u"resource.h");
    TextWriter dialog_writer;
    write_resource_text(dialog_writer, *first.find(kind::dialog, u"IDD_HELLO"), first.session.workspace());
    const std::u16string dialog_text = dialog_writer.take();

    ScriptFolder written;
    const std::filesystem::path script = written.path() / "app.rc";
    ASSERT_EQ(save(first, script), ScriptSaveResult::saved);

    if (c.utf8) {
        EXPECT_EQ(file_bytes(script), utf8_with_pragma(preview));
        if (c.dialog_files) {
            EXPECT_EQ(file_bytes(written.path() / "IDD_HELLO.dlg"),
                      as_bytes(text_to_utf8(std::u16string(utf8_code_page_pragma) + u"\r\n" + dialog_text)));
        }
        EXPECT_EQ(warnings(first), std::vector<std::u16string>{display_path(script) +
                                                                u" was written as UTF-8 because some texts do not "
                                                                u"fit the ANSI code page."});
    } else {
        EXPECT_EQ(file_bytes(script), as_bytes(text_to_windows1252(preview)));
        EXPECT_NE(file_bytes(script), as_bytes(text_to_utf8(preview))) << "the case must hold a non-ASCII letter";
        if (c.dialog_files) {
            EXPECT_EQ(file_bytes(written.path() / "IDD_HELLO.dlg"), as_bytes(text_to_windows1252(dialog_text)));
        }
        EXPECT_TRUE(warnings(first).empty());
    }

    StatementHarness second;
    prepare(second);
    const ReadStatus reread = second.open(script);
    ASSERT_TRUE(reread) << text_to_utf8(error_report_text(second.session.workspace(), reread.failure()));
    EXPECT_FALSE(second.problems_added);
    const std::u16string reread_preview = inline_preview(second);
    EXPECT_EQ(reread_preview, inline_preview(first));
    for (const std::u16string& text : {c.caption, c.label, c.string_text}) {
        EXPECT_NE(reread_preview.find(u"\"" + text + u"\""), std::u16string::npos) << text_to_utf8(text);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ScriptCodePageTest, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN32
// windres reads the UTF-8 script by its pragma: the caption reaches the .res as UTF-16.
TEST(ScriptCodePageOracleTest, WindresCompilesTheUtf8ScriptWithTheCaption) {
    if (std::system("x86_64-w64-mingw32-windres --version > /dev/null 2>&1") != 0 ||
        !std::filesystem::exists(mingw_include / "windows.h")) {
        GTEST_SKIP() << "x86_64-w64-mingw32-windres or the mingw-w64 headers are missing";
    }
    StatementHarness harness;
    harness.session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
    harness.session.config().keep_scripts = false;
    harness.folder.write("resource.h", names_header);
    const CodePageCase& arabic = cases[2];
    ASSERT_TRUE(harness.read(script_source(arabic)));

    ScriptFolder written;
    ASSERT_EQ(save_script(harness.session.workspace(), ScriptSave{written.path() / "app.rc", u"resource.h", true,
                                                      harness.folder.path()}),
              ScriptSaveResult::saved);
    const std::filesystem::path res = written.path() / "app.res";
    const std::string command = "x86_64-w64-mingw32-windres -I " + mingw_include.string() + " -O res -o " +
                                res.string() + " " + (written.path() / "app.rc").string() + " > " +
                                (written.path() / "windres.log").string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const Bytes compiled = file_bytes(res);
    for (const std::u16string& text : {arabic.caption, arabic.label, arabic.string_text}) {
        Bytes utf16;
        for (char16_t unit : text) {
            utf16.push_back(static_cast<std::uint8_t>(unit));
            utf16.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        EXPECT_NE(std::search(compiled.begin(), compiled.end(), utf16.begin(), utf16.end()), compiled.end())
            << text_to_utf8(text);
    }
}
#endif

}  // namespace
}  // namespace tavorin
