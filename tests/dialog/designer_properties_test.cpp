// The designer property table and which properties each kind of control shows.

#include "dialog/designer_properties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "dialog/property_maps.h"

namespace tavorin {
namespace {

using K = ControlKind;
using P = PropertyId;

std::vector<std::u16string_view> names_of(K kind) {
    std::vector<std::u16string_view> names;
    const PropertyMap& map = property_map(kind);
    for (std::size_t i = 0; i < designer_property_count; ++i) {
        if (map[i] != no_property) names.push_back(designer_properties()[i].name);
    }
    return names;
}

TEST(DesignerPropertiesTest, CategoriesHoldTheirRowsInOrder) {
    std::map<PropertyCategory, int> rows;
    std::vector<std::u16string_view> headers;
    for (const PropertyDescriptor& row : designer_properties()) {
        if (row.editor == PropertyEditor::category) {
            headers.push_back(row.name);
        } else {
            ++rows[row.category];
        }
    }
    EXPECT_EQ(headers, (std::vector<std::u16string_view>{u"Appearance", u"Behavior", u"Misc.", u"Position"}));
    EXPECT_EQ(rows[PropertyCategory::appearance], 119);
    EXPECT_EQ(rows[PropertyCategory::behavior], 32);
    EXPECT_EQ(rows[PropertyCategory::misc], 6);
    EXPECT_EQ(rows[PropertyCategory::position], 4);
    EXPECT_EQ(designer_property(P::act_like_push_button).binding.mask, 0x1000u);
    EXPECT_EQ(designer_property(P::client_edge).binding.field, StyleField::extended_style);
    EXPECT_EQ(designer_property(P::word_ellipsis).binding.on, 0xC000u);
    EXPECT_EQ(designer_property(P::picture_type).help,
              u"One of: Frame, Rectangle, Icon, Bitmap, or Enhanced Metafile.");
}

TEST(DesignerPropertiesTest, KindsShowTheirOwnPropertiesAndTheCommonSetLessTheMissingOnes) {
    const auto has = [](K kind, P id) { return property_map(kind)[property_number(id)] != no_property; };
    EXPECT_EQ(names_of(K::hot_key),
              (std::vector<std::u16string_view>{u"Client Edge", u"Modal Frame", u"Right Align Text",
                                                u"Right To Left Reading", u"Static Edge", u"Transparent",
                                                u"Accept Files", u"Disabled", u"Visible", u"Group", u"ID",
                                                u"Tabstop", u"X Position", u"Y Position", u"Width", u"Height"}));
    EXPECT_EQ(names_of(K::custom),
              (std::vector<std::u16string_view>{u"Caption", u"Extended Style", u"Style", u"Class", u"ID",
                                                u"X Position", u"Y Position", u"Width", u"Height"}));

    struct Row {
        K kind;
        P id;
        bool present;
    };
    const Row rows[] = {
        {K::picture, P::colour, true},           {K::picture, P::picture_type, true},
        {K::picture, P::image, true},            {K::picture, P::right_align_text, false},
        {K::picture, P::right_to_left_reading, false},
        {K::picture, P::client_edge, true},      {K::picture, P::combo_type, false},
        {K::scroll_bar, P::align_top_bottom, true}, {K::scroll_bar, P::align_left_right, true},
        {K::scroll_bar, P::client_edge, false},  {K::scroll_bar, P::accept_files, false},
        {K::scroll_bar, P::tab_stop, true},      {K::list_view, P::right_to_left_reading, false},
        {K::list_view, P::right_align_text, true}, {K::list_view, P::list_view_sort, true},
        {K::list_view, P::sort, false},          {K::button, P::default_button, true},
        {K::button, P::left_text, false},        {K::check_box, P::tri_state, true},
        {K::radio_button, P::tri_state, false},  {K::static_text, P::static_notify, true},
        {K::static_text, P::button_notify, false}, {K::rich_edit, P::edit_oem_convert, false},
        {K::edit, P::edit_oem_convert, true},    {K::combo_box, P::combo_oem_convert, true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(has(row.kind, row.id), row.present)
            << "kind " << kind_number(row.kind) << ", property " << property_number(row.id);
    }
}

// Variants of one name belong to different kinds: a kind never shows a name twice, except the
// scroll bar's two alignments.
TEST(DesignerPropertiesTest, NoKindShowsANameTwice) {
    for (int number = 1; number <= control_kind_count; ++number) {
        std::vector<std::u16string_view> names = names_of(control_kind_of(number));
        std::sort(names.begin(), names.end());
        const auto twice = std::adjacent_find(names.begin(), names.end());
        if (control_kind_of(number) == K::scroll_bar) {
            ASSERT_NE(twice, names.end());
            EXPECT_EQ(*twice, u"Align");
        } else {
            EXPECT_EQ(twice, names.end()) << "kind " << number;
        }
    }
}

}  // namespace
}  // namespace tavorin
