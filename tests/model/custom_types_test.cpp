#include "model/custom_types.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(CustomTypes, EachNameGetsItsOwnKindAboveTheStandardOnes) {
    CustomTypes types;
    const ResourceKind mytype = types.kind_for(u"MYTYPE");
    const ResourceKind png = types.kind_for(u"PNG");
    EXPECT_GT(mytype, 0x10000u);
    EXPECT_NE(mytype, png);
    EXPECT_EQ(types.kind_for(u"MYTYPE"), mytype);
    EXPECT_NE(types.kind_for(u"MyType"), mytype);
    EXPECT_EQ(types.name_of(png), u"PNG");
    EXPECT_EQ(types.name_of(kind::dialog), u"");
    EXPECT_EQ(types.find(u"OTHER"), std::nullopt);
    EXPECT_EQ(types.names(), (std::vector<std::u16string>{u"MYTYPE", u"PNG", u"MyType"}));
    EXPECT_TRUE(is_named_custom_kind(mytype));
    EXPECT_FALSE(is_numeric_custom_kind(mytype));
}

TEST(CustomTypes, NumericTypesHaveKindsOfTheirOwn) {
    EXPECT_EQ(numeric_custom_kind(10), 0x100000Au);
    EXPECT_EQ(standard_type_of(numeric_custom_kind(10)), 10);
    EXPECT_EQ(standard_type_of(kind::icon), 14);
    EXPECT_EQ(standard_type_of(kind::cursor), 12);
    EXPECT_EQ(standard_type_of(kind::string_table), 6);
}

TEST(CustomTypes, OrdinalTypeMustBeAWholeNumber) {
    EXPECT_EQ(*parse_custom_type_ordinal(u"10"), 10);
    EXPECT_EQ(*parse_custom_type_ordinal(u"65535"), 65535);
    for (const char16_t* text : {u"", u"1a", u"-1", u" 1", u"0x10", u"65536"}) {
        const auto parsed = parse_custom_type_ordinal(text);
        ASSERT_FALSE(parsed.ok());
        EXPECT_EQ(parsed.error(), u"Invalid ordinal identifier");
    }
}

}  // namespace
}  // namespace tavorin
