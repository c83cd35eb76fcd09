// The fix-ups after the last statement: dialog menus linked by number or name, the include of the
// project's header taken out of the include lines.

#include "script/fix_ups.h"

#include <gtest/gtest.h>

#include <optional>

#include "dialog/dialog.h"
#include "services/config.h"
#include "model/test_resource.h"
#include "statement_harness.h"

namespace tavorin {
namespace {

using testing::StatementHarness;

class FixUpsTest : public ::testing::Test {
protected:
    void add_menu(std::u16string name, bool string_name) {
        const auto registered = harness.session.symbols().register_resource_name(
            name, kind::menu, string_name, std::nullopt, harness.project().current_language());
        ASSERT_TRUE(registered);
        harness.project().add_resource(std::make_unique<TestResource>(kind::menu, *registered, string_name));
    }

    StatementHarness harness;
};

TEST_F(FixUpsTest, DialogMenusAreFoundByOrdinalOrByNameAndKeptAsWrittenWhenMissing) {
    harness.session.set_interactive(true);
    add_menu(u"IDR_MAIN", false);
    add_menu(u"popup", true);
    const std::int32_t main_value = harness.session.symbols().value_of(u"IDR_MAIN");

    std::vector<std::u16string> linked;
    const auto request = [&](std::u16string text, std::optional<std::uint16_t> number) {
        return MenuLinkRequest{std::move(text), number,
                               [&linked](std::u16string_view name) { linked.emplace_back(name); }};
    };
    link_dialog_menus(harness.session.workspace(), {request(decimal(main_value), static_cast<std::uint16_t>(main_value)),
                                        request(u"POPUP", std::nullopt), request(u"IDR_MAIN", 0),
                                        request(u"7", 7), request(u"nothing", std::nullopt)});

    EXPECT_EQ(linked, (std::vector<std::u16string>{u"IDR_MAIN", u"popup", u"IDR_MAIN"}));
    const std::u16string message = u"MENU Statement in Dialog resources does not refer to a Menu Resource.";
    ASSERT_EQ(harness.platform.questions.size(), 2u);
    EXPECT_EQ(harness.platform.questions[0].text, message);
    EXPECT_EQ(harness.platform.questions[0].caption, u"Tavorin");
    EXPECT_EQ(harness.session.log().warnings(), 2) << "also logged, for the conversion mode";
}

TEST_F(FixUpsTest, ADialogKeepsAMenuTheScriptDoesNotHold) {
    ASSERT_TRUE(harness.read("1 DIALOG 0, 0, 10, 10\nMENU 100\nBEGIN\nEND\n"
                             "2 DIALOG 0, 0, 10, 10\nMENU Elsewhere\nBEGIN\nEND\n"));
    EXPECT_EQ(static_cast<const Dialog*>(harness.find(kind::dialog, u"1"))->menu(), u"100");
    EXPECT_EQ(static_cast<const Dialog*>(harness.find(kind::dialog, u"2"))->menu(), u"Elsewhere");
}

TEST_F(FixUpsTest, TheProjectHeadersIncludeIsTakenOutWhateverItsLetterCase) {
    harness.project().include_lines() = {u"<windows.h>", u"\"Resource.H\"", u"\"other.h\"", u"<resource.h>"};
    remove_header_include(harness.project(), u"resource.h");
    EXPECT_EQ(harness.project().include_lines(),
              (std::vector<std::u16string>{u"<windows.h>", u"\"other.h\"", u"<resource.h>"}));
}

TEST_F(FixUpsTest, TheHeaderNameTemplateIsExpandedForTheOpenedScript) {
    set_header_name(harness.session.config(), u"%barefilename%_res.h");
    harness.folder.write("app_res.h", "#define IDB_A 100\n");
    harness.folder.write("resource.h", "");
    ASSERT_TRUE(harness.read("#include \"app_res.h\"\n#include \"resource.h\"\nIDB_A BITMAP \"a.bmp\"\n"));
    EXPECT_EQ(harness.project().include_lines(), std::vector<std::u16string>{u"\"resource.h\""});
}

}  // namespace
}  // namespace tavorin
