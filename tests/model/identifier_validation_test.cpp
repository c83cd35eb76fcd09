#include "model/identifier_validation.h"

#include <gtest/gtest.h>

#include "services/ui_strings.h"

namespace tavorin {
namespace {

TEST(IdentifierValidation, ClassifiesTypedNames) {
    EXPECT_EQ(classify_identifier(u"IDD_ABOUT"), IdentifierClass::symbol);
    EXPECT_EQ(classify_identifier(u"_x9"), IdentifierClass::symbol);
    EXPECT_EQ(classify_identifier(u"65535"), IdentifierClass::ordinal);
    EXPECT_EQ(classify_identifier(u"-1"), IdentifierClass::ordinal);
    EXPECT_EQ(classify_identifier(u"65536"), IdentifierClass::too_big);
    EXPECT_EQ(classify_identifier(u"99999999999999999999"), IdentifierClass::too_big);
    EXPECT_EQ(classify_identifier(u"-70000"), IdentifierClass::too_big);
    EXPECT_EQ(classify_identifier(u"my.name"), IdentifierClass::string);
    EXPECT_EQ(classify_identifier(u"9lives"), IdentifierClass::string);
    EXPECT_EQ(classify_identifier(u"-"), IdentifierClass::string);
    EXPECT_EQ(classify_identifier(u""), IdentifierClass::invalid);
    for (const char16_t* text : {u"a b", u"a\tb", u"a\rb", u"a\nb", u"a@b", u"a`b", u"1 2"}) {
        EXPECT_EQ(classify_identifier(text), IdentifierClass::invalid);
    }
}

TEST(IdentifierValidation, RefusalsCarryTheirMessages) {
    const UiStrings strings;
    EXPECT_EQ(identifier_refusal(IdentifierClass::symbol, false, strings), std::nullopt);
    EXPECT_EQ(identifier_refusal(IdentifierClass::ordinal, false, strings), std::nullopt);
    EXPECT_EQ(identifier_refusal(IdentifierClass::too_big, true, strings), u"Number is too big (WORD value expected).");
    EXPECT_EQ(identifier_refusal(IdentifierClass::string, true, strings), std::nullopt);
    EXPECT_EQ(identifier_refusal(IdentifierClass::string, false, strings), u"Invalid ID.");
    EXPECT_EQ(identifier_refusal(IdentifierClass::invalid, true, strings), u"Invalid ID.");
}

}  // namespace
}  // namespace tavorin
