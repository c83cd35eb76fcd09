#include "formats/header_writer.h"

#include <gtest/gtest.h>

#include "services/ui_strings.h"
#include "writer_test_support.h"

namespace tavorin {
namespace {

using testing::TextResource;

class HeaderWriterTest : public ::testing::Test {
protected:
    std::u16string header(HeaderNotation notation = HeaderNotation::define) {
        TextWriter out;
        write_header(out, symbols, notation);
        return out.take();
    }

    UiStrings strings;
    SymbolTable symbols{strings};
    TextResource owner{kind::menu, u"IDR_MENU1", u""};
};

constexpr std::u16string_view define_guard = u"#ifndef IDC_STATIC\r\n#define IDC_STATIC (-1)\r\n#endif\r\n\r\n";

TEST_F(HeaderWriterTest, GuardThenOneDefinePerSymbolPaddedToForty) {
    symbols.register_resource_name(u"IDD_DIALOG1", kind::dialog, false, std::nullopt, 0x409);
    ASSERT_TRUE(symbols.register_control_id(u"IDC_EDIT1", owner));
    EXPECT_EQ(header(), std::u16string(define_guard) +
                            u"#define IDD_DIALOG1" + std::u16string(29, u' ') + u"100\r\n" +
                            u"#define IDC_EDIT1" + std::u16string(31, u' ') + u"1000\r\n");
}

TEST_F(HeaderWriterTest, EmptyTableWritesOnlyTheGuard) { EXPECT_EQ(header(), define_guard); }

TEST_F(HeaderWriterTest, LongNamesGetExactlyOneSpace) {
    const std::u16string forty(40, u'N');
    const std::u16string fifty(50, u'L');
    symbols.register_item_id(forty, owner, 40001);
    symbols.register_item_id(fifty, owner, 40002);
    EXPECT_EQ(header(), std::u16string(define_guard) + u"#define " + forty + u" 40001\r\n" + u"#define " + fifty +
                            u" 40002\r\n");
}

TEST_F(HeaderWriterTest, OrderIsBySignedValueThenByNameCaseSensitively) {
    symbols.register_item_id(u"id_lower", owner, 40001);
    symbols.register_item_id(u"ID_UPPER", owner, 40001);
    symbols.register_item_id(u"ID_FIRST", owner, 100);
    symbols.register_item_id(u"ID_NEGATIVE", owner, -5);
    const std::u16string text = header();
    const auto at = [&](std::u16string_view name) { return text.find(std::u16string(u"#define ") + std::u16string(name)); };
    EXPECT_LT(at(u"ID_NEGATIVE"), at(u"ID_FIRST"));
    EXPECT_LT(at(u"ID_FIRST"), at(u"ID_UPPER"));
    EXPECT_LT(at(u"ID_UPPER"), at(u"id_lower"));
    EXPECT_NE(text.find(u"ID_NEGATIVE" + std::u16string(29, u' ') + u"-5\r\n"), std::u16string::npos);
}

// A symbol of value 0 is written: a script naming a control IDC_ZERO must find it again.
TEST_F(HeaderWriterTest, SystemStringAndNumericSymbolsAreLeftOutButZeroSymbolsWritten) {
    symbols.set_system_name_lookup([](std::u16string_view name) { return name == u"IDOK"; });
    symbols.register_item_id(u"IDOK", owner, 1);
    symbols.register_resource_name(u"my.dialog", kind::dialog, true, std::nullopt, 0x409);
    symbols.register_item_id(u"42", owner);
    symbols.register_item_id(u"ID_ZERO", owner, 0);
    symbols.register_item_id(u"ID_KEPT", owner, 7);
    EXPECT_EQ(header(), std::u16string(define_guard) + u"#define ID_ZERO" + std::u16string(33, u' ') + u"0\r\n" +
                            u"#define ID_KEPT" + std::u16string(33, u' ') + u"7\r\n");
}

TEST_F(HeaderWriterTest, AssemblerNotationPadsToThirtyNineBeforeEqu) {
    symbols.register_item_id(u"IDOK_BUTTON", owner, 1);
    symbols.register_item_id(std::u16string(39, u'X'), owner, 2);
    EXPECT_EQ(header(HeaderNotation::assembler), u"IDC_STATIC equ -1\r\n\r\n"
                                                 u"IDOK_BUTTON" + std::u16string(28, u' ') + u" equ 1\r\n" +
                                                 std::u16string(39, u'X') + u"  equ 2\r\n");
}

}  // namespace
}  // namespace tavorin
