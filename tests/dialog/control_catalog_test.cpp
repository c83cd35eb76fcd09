// The catalog's entries, their overrides from the configuration file, and kind deduction.

#include "dialog/control_catalog.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include "dialog/control_traits.h"
#include "dialog/deduce_kind.h"

namespace tavorin {
namespace {

using K = ControlKind;

TEST(ControlCatalogTest, EntriesInKindOrderWithTheirDefaults) {
    ControlCatalog catalog;
    for (int number = 1; number <= control_kind_count; ++number) {
        EXPECT_EQ(catalog.entries()[static_cast<std::size_t>(number - 1)].kind, control_kind_of(number));
        EXPECT_EQ(control_traits(control_kind_of(number)).kind, control_kind_of(number));
    }
    EXPECT_EQ(catalog.entry(K::animation).default_identifier, u"IDD_ANIMATION");
    EXPECT_EQ(catalog.entry(K::list_view).default_identifier, catalog.entry(K::list_box).default_identifier);
    EXPECT_EQ(catalog.entry(K::month_calendar).default_width, 140);
    EXPECT_EQ(catalog.find(u"Rich Edit 2")->kind, K::rich_edit);
    EXPECT_EQ(catalog.find(u"rich edit 2"), nullptr);
}

TEST(ControlCatalogTest, ConfigurationOverridesAndWritesEveryKind) {
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse("<dialog>"
                             "<default type='Button' width='60' height='20' name='Press' id='IDC_PRESS' "
                             "forceControlStatement='true'/>"
                             "<default type='CheckBox' width='0' height='30'/>"
                             "<default type='Nothing' width='5' height='5'/>"
                             "</dialog>"),
              tinyxml2::XML_SUCCESS);
    ControlCatalog catalog;
    catalog.read(document.RootElement());
    const CatalogEntry& button = catalog.entry(K::button);
    EXPECT_EQ(button.default_width, 60);
    EXPECT_EQ(button.default_height, 20);
    EXPECT_EQ(button.default_text, u"Press");
    EXPECT_EQ(button.default_identifier, u"IDC_PRESS");
    EXPECT_TRUE(button.force_control_statement);
    // A width of 0 leaves the size as it was.
    EXPECT_EQ(catalog.entry(K::check_box), default_catalog_entry(K::check_box));

    tinyxml2::XMLDocument written;
    tinyxml2::XMLElement* root = written.NewElement("dialog");
    written.InsertEndChild(root);
    catalog.write(*root);
    int count = 0;
    for (auto* child = root->FirstChildElement("default"); child; child = child->NextSiblingElement("default")) ++count;
    EXPECT_EQ(count, control_kind_count);
    const auto* first = root->FirstChildElement("default");
    EXPECT_STREQ(first->Attribute("type"), "Button");
    EXPECT_STREQ(first->Attribute("width"), "60");
    EXPECT_STREQ(first->Attribute("forceControlStatement"), "true");
    EXPECT_STREQ(first->NextSiblingElement()->Attribute("forceControlStatement"), "false");

    ControlCatalog reread;
    reread.read(root);
    EXPECT_EQ(reread.entries(), catalog.entries());
}

struct DeduceCase {
    std::u16string class_name;
    std::uint32_t style;
    K expected;
};

class DeduceKindTest : public ::testing::TestWithParam<DeduceCase> {};

TEST_P(DeduceKindTest, KindOfClassAndStyle) {
    EXPECT_EQ(deduce_kind(GetParam().class_name, GetParam().style), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, DeduceKindTest,
    ::testing::Values(DeduceCase{u"Button", 0x50010000, K::button}, DeduceCase{u"BUTTON", 1, K::button},
                      DeduceCase{u"Button", 11, K::button}, DeduceCase{u"Button", 4, K::radio_button},
                      DeduceCase{u"Button", 9, K::radio_button}, DeduceCase{u"Button", 7, K::group_box},
                      DeduceCase{u"button", 6, K::check_box}, DeduceCase{u"Button", 8, K::none},
                      DeduceCase{u"Button", 10, K::none}, DeduceCase{u"Button", 15, K::none},
                      DeduceCase{u"Static", 0x10, K::picture}, DeduceCase{u"Static", 3, K::picture},
                      DeduceCase{u"Static", 18, K::picture}, DeduceCase{u"Static", 10, K::undecided},
                      DeduceCase{u"Static", 19, K::undecided}, DeduceCase{u"static", 12, K::static_text},
                      DeduceCase{u"Static", 0x50020002, K::static_text}, DeduceCase{u"edit", 0, K::edit},
                      DeduceCase{u"RichEdit20A", 0, K::rich_edit}, DeduceCase{u"RICHEDIT", 0, K::rich_edit},
                      DeduceCase{u"msctls_hotkey32", 0, K::hot_key}, DeduceCase{u"ReBarWindow32", 0, K::rebar},
                      DeduceCase{u"MyOwnClass", 0x10000, K::custom}, DeduceCase{u"", 0, K::custom}));

}  // namespace
}  // namespace tavorin
