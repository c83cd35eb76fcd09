// The dialog's STYLE list, extended styles and the style of generated code.

#include "dialog/style_tables.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

struct StyleCase {
    std::uint32_t style;
    std::u16string expected;
};

class DialogStyleTextTest : public ::testing::TestWithParam<StyleCase> {};

TEST_P(DialogStyleTextTest, WritesTheNames) { EXPECT_EQ(dialog_style_text(GetParam().style), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Styles, DialogStyleTextTest,
    ::testing::Values(
        StyleCase{0, u"0"},
        // A new dialog's style.
        StyleCase{0x90C808CC, u"DS_3DLOOK | DS_CENTER | DS_MODALFRAME | DS_SHELLFONT | WS_CAPTION | WS_VISIBLE | "
                              u"WS_POPUP | WS_SYSMENU"},
        StyleCase{0x40, u"DS_SETFONT"},
        StyleCase{0x08, u"DS_FIXEDSYS"},
        StyleCase{0x00800000, u"WS_BORDER"},
        StyleCase{0x00400000, u"WS_DLGFRAME"},
        // The same bit is WS_TABSTOP next to DS_3DLOOK and WS_MAXIMIZEBOX otherwise.
        StyleCase{0x00010004, u"DS_3DLOOK | WS_TABSTOP"},
        StyleCase{0x00010000, u"WS_MAXIMIZEBOX"},
        // WS_ICONIC and WS_MINIMIZE share their bit: both names are written.
        StyleCase{0x20000000, u"WS_ICONIC | WS_MINIMIZE"},
        StyleCase{0x40000000, u"WS_CHILDWINDOW"},
        // Unnamed bits are not written.
        StyleCase{0x00000008 | 0x00008000, u"DS_FIXEDSYS"},
        StyleCase{0x00008000, u"0"}));

TEST(ExtendedStyleNamesTest, PairsAndSingles) {
    const auto names = [](std::uint32_t style) {
        StyleWriter out;
        write_extended_style_names(out, style);
        return out.text();
    };
    EXPECT_EQ(names(0x300), u"WS_EX_OVERLAPPEDWINDOW");
    EXPECT_EQ(names(0x100), u"WS_EX_WINDOWEDGE");
    EXPECT_EQ(names(0x20285), u"WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_NOPARENTNOTIFY | "
                              u"WS_EX_STATICEDGE");
    // WS_EX_PALETTEWINDOW (0x188) is never written by its name.
    EXPECT_EQ(names(0x188), u"WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST");
    EXPECT_EQ(names(0x40), u"");
}

TEST(StyleWriterTest, PrefixSeparatorsNegationsAndRemainder) {
    StyleWriter out(u", ");
    out.negated(u"WS_VISIBLE");
    out.name(0x1, u"A");
    out.remainder(0x400);
    EXPECT_EQ(out.text(), u", NOT WS_VISIBLE | A | 0x00000400");
    EXPECT_EQ(out.consumed(), 0x401u);

    StyleWriter empty;
    empty.zero_if_empty();
    EXPECT_EQ(empty.text(), u"0");
}

TEST(CodeStyleTextTest, SetBitsPositivelyThenNamesThenTheRest) {
    EXPECT_EQ(code_style_text(ControlKind::button, 0x50010001),
              u"WS_VISIBLE | WS_CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON");
    EXPECT_EQ(code_style_text(ControlKind::hot_key, 0x50000002), u"WS_VISIBLE | WS_CHILD | 0x00000002");
    EXPECT_EQ(code_style_text(ControlKind::static_text, 0x50400000), u"WS_VISIBLE | WS_CHILD | WS_DLGFRAME | SS_LEFT");
    EXPECT_EQ(code_style_text(ControlKind::custom, 0x50000000), u"0x50000000");
}

}  // namespace
}  // namespace tavorin
