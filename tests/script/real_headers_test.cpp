// Scripts that include the real Windows SDK headers of the mingw-w64 package.

#include <gtest/gtest.h>

#include <filesystem>

#include "script/expression.h"
#include "resources/accelerator/virtual_key_names.h"
#include "dialog/dialog.h"
#include "resources/version/version_info.h"
#include "script_harness.h"
#include "statement_harness.h"

namespace tavorin {
namespace {

using testing::ReaderHarness;
using testing::ScriptFolder;

const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";

class RealHeadersTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";
        // Under Wine the folder is seen through a drive letter ("Z:\\usr\\share\\...").
        harness.session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
    }

    ReadStatus read(std::string_view script) { return harness.read(folder.write("app.rc", script)); }

    std::uint32_t value_of(std::u16string_view name) {
        ExpressionEvaluator evaluator(harness.macros, harness.session.strings(), ReaderMode::parsing);
        auto value = evaluator.evaluate(name, 0);
        EXPECT_TRUE(value.ok()) << text_to_utf8(name) << ": " << text_to_utf8(value.ok() ? u"" : value.error());
        return value.ok() ? value->value : 0xDEADBEEF;
    }

    std::uint32_t language_value(std::u16string_view name) const {
        for (const auto& [language, value] : harness.language_names) {
            if (language == name) return value;
        }
        return 0xDEADBEEF;
    }

    ScriptFolder folder;
    ReaderHarness harness;
};

TEST_F(RealHeadersTest, TheUsualHeadersPreprocessAndNameTheUsualSymbols) {
    ReadStatus status = read(
        "#include <windows.h>\n#include <commctrl.h>\n#include <richedit.h>\n#include \"winres.h\"\n#include \"afxres.h\"\n"
        "IDD_MAIN DIALOGEX 0, 0, 100, 50\nSTYLE DS_MODALFRAME | WS_POPUP\nBEGIN\n  DEFPUSHBUTTON \"OK\", IDOK, 1, 1, 50, 14\nEND\n");
    ASSERT_TRUE(status) << text_to_utf8(status.failure().message) << " in " << status.failure().file << " line "
                        << status.failure().line;
    EXPECT_GT(harness.macros.size(), 5000u);

    EXPECT_EQ(value_of(u"WS_CHILD"), 0x40000000u);
    EXPECT_EQ(value_of(u"WS_OVERLAPPEDWINDOW"), 0x00CF0000u);
    EXPECT_EQ(value_of(u"DS_MODALFRAME"), 0x80u);
    EXPECT_EQ(value_of(u"IDOK"), 1u);
    EXPECT_EQ(value_of(u"IDC_STATIC"), 0xFFFFFFFFu);
    EXPECT_EQ(value_of(u"TBS_AUTOTICKS"), 1u);
    EXPECT_EQ(value_of(u"ES_MULTILINE"), 4u);
    EXPECT_EQ(value_of(u"VK_F1"), 0x70u);
    EXPECT_EQ(value_of(u"LANG_ENGLISH"), 9u);
    EXPECT_EQ(value_of(u"SUBLANG_ENGLISH_US"), 1u);
    EXPECT_TRUE(harness.macros.is_system(u"WS_CHILD"));
    EXPECT_TRUE(harness.macros.is_system(u"IDOK"));

    EXPECT_EQ(language_value(u"LANG_ENGLISH"), 9u);
    EXPECT_EQ(language_value(u"LANG_GERMAN"), 7u);
    EXPECT_EQ(language_value(u"SUBLANG_ENGLISH_US"), 1u);
    EXPECT_EQ(language_value(u"SUBLANG_GERMAN"), 1u);

    const auto& lines = harness.reader.include_lines();
    EXPECT_EQ(lines, (std::vector<std::u16string>{u"<windows.h>", u"<commctrl.h>", u"<richedit.h>", u"\"winres.h\"",
                                                  u"\"afxres.h\""}));
    ASSERT_EQ(harness.scripts.size(), 1u);
    EXPECT_NE(testing::squeeze(harness.text()).find(u"STYLE 0x80L | 0x80000000L\n"), std::u16string::npos)
        << text_to_utf8(harness.text());
}

TEST_F(RealHeadersTest, TheStandardKeyNamesHaveTheHeadersValues) {
    // In a script windows.h takes its key names from winuser.rh; winuser.h has newer ones too.
    ASSERT_TRUE(read("#include <windows.h>\n#include <winuser.h>\n"));
    for (const auto& key : standard_virtual_key_names()) EXPECT_EQ(value_of(key.name), key.code) << text_to_utf8(key.name);

    EXPECT_EQ(harness.keys.code_of(u"VK_NAVIGATION_VIEW"), 0x88);
    EXPECT_EQ(harness.keys.name_of(0x88), u"VK_NAVIGATION_VIEW");
    EXPECT_EQ(harness.keys.name_of(0x70), u"VK_F1");
    for (const auto& [name, code] : harness.keys.added()) EXPECT_EQ(value_of(name), code) << text_to_utf8(name);
}

// The headers spell the version flags as pasted long constants (__MSABI_LONG) and the control
// classes as pasted A/W names (WC_BUTTON): statements using them read with their values.
TEST_F(RealHeadersTest, StatementsReadTheNamesTheHeadersBuildByPasting) {
    testing::StatementHarness statements;
    statements.session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
    const ReadStatus status = statements.read(
        "#include <windows.h>\n#include <commctrl.h>\n"
        "1 VERSIONINFO\nFILEVERSION 1,2,3,4\nFILEFLAGSMASK VS_FFI_FILEFLAGSMASK\n"
        "FILEFLAGS VS_FF_DEBUG | VS_FF_PRERELEASE\nFILEOS VOS_NT_WINDOWS32\nFILETYPE VFT_DLL\n"
        "BEGIN\nEND\n"
        "IDD_MAIN DIALOGEX 0, 0, 100, 50\nBEGIN\n"
        "  CONTROL \"Go\", 1, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, 1, 1, 50, 14\n"
        "  CONTROL \"\", 2, TRACKBAR_CLASS, TBS_AUTOTICKS, 1, 20, 50, 14\nEND\n");
    ASSERT_TRUE(status) << text_to_utf8(status.failure().message) << " line " << status.failure().line;

    const auto versions = statements.project().resources_of_kind(kind::version);
    ASSERT_EQ(versions.size(), 1u);
    const FixedVersionInfo& fixed = static_cast<const VersionInfo*>(versions[0])->fixed();
    EXPECT_EQ(fixed.file_flags_mask, 0x3Fu);
    EXPECT_EQ(fixed.file_flags, 0x3u);
    EXPECT_EQ(fixed.file_os, 0x40004u);
    EXPECT_EQ(fixed.file_type, 2u);

    const auto dialogs = statements.project().resources_of_kind(kind::dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    const auto& controls = static_cast<const Dialog*>(dialogs[0])->controls();
    ASSERT_EQ(controls.size(), 2u);
    EXPECT_EQ(controls[0]->kind(), ControlKind::button);
    EXPECT_EQ(controls[1]->kind(), ControlKind::slider);
}

}  // namespace
}  // namespace tavorin
