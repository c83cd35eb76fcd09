// Property values decoded from a control's styles and written back: no bit may be lost or
// changed that the property does not stand for, and choices must read as what the style is.

#include "dialog/property_values.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "dialog/control_classes.h"
#include "dialog/property_maps.h"

namespace tavorin {
namespace {

using K = ControlKind;
using P = PropertyId;

std::unique_ptr<Control> control_with(K kind, std::uint32_t style, std::uint32_t extended_style = 0) {
    std::unique_ptr<Control> control = make_control(kind);
    control->set_style(style, extended_style);
    return control;
}

std::vector<P> style_properties(K kind) {
    std::vector<P> ids;
    for (std::size_t i = 0; i < designer_property_count; ++i) {
        const auto id = static_cast<P>(i);
        const PropertyEditor editor = designer_property(id).editor;
        const bool style_bound = editor == PropertyEditor::flag || editor == PropertyEditor::choice;
        if (property_map(kind)[i] != no_property && style_bound) {
            ids.push_back(id);
        }
    }
    return ids;
}

// The values worth writing into a property.
std::vector<std::int64_t> candidate_values(const StyleBinding& binding) {
    if (binding.choices.empty()) return {0, 1};
    std::vector<std::int64_t> values;
    for (const PropertyChoice& choice : binding.choices) values.push_back(choice.value);
    return values;
}

// Styles with every kind's interesting fields in many combinations, and a few fixed ones.
std::vector<ControlStyles> sample_styles() {
    std::vector<ControlStyles> styles = {{0, 0}, {0xFFFFFFFF, 0xFFFFFFFF}, {0x50010000, 0x4}, {0x5000C00B, 0x200},
                                         {0x50000012, 0}, {0x50004003, 0x1000}};
    std::mt19937 random(20261207);
    for (int i = 0; i < 400; ++i) {
        const std::uint32_t low = random() & 0xFFFF;
        const std::uint32_t window = random() & 0xFFFF0000;
        styles.push_back({window | low, static_cast<std::uint32_t>(random()) & 0x000F73FF});
    }
    return styles;
}

TEST(PropertyValuesTest, WritingTheDecodedValuesBackKeepsEveryStyle) {
    for (int number = 1; number <= control_kind_count; ++number) {
        const K kind = control_kind_of(number);
        for (const ControlStyles& styles : sample_styles()) {
            const auto control = control_with(kind, styles.style, styles.extended_style);
            for (P id : style_properties(kind)) {
                const std::int64_t value = *control->property_value(id);
                const bool accepted = control->set_property_value(id, value);
                EXPECT_TRUE(accepted || designer_property(id).binding.mask == 0);
                ASSERT_EQ((ControlStyles{control->style(), control->extended_style()}), styles)
                    << "kind " << number << ", property " << property_number(id) << ", style 0x" << std::hex
                    << styles.style;
            }
        }
    }
}

// Every value a property offers, written into every sample style, reads back as that value,
// touches only the property's own bits, and the old value written again restores the style
// wherever the old bits were a value of the property.
TEST(PropertyValuesTest, EachValueChangesOnlyItsOwnBitsAndReadsBack) {
    for (int number = 1; number <= control_kind_count; ++number) {
        const K kind = control_kind_of(number);
        for (P id : style_properties(kind)) {
            const StyleBinding& binding = property_binding(kind, id);
            for (const ControlStyles& styles : sample_styles()) {
                const std::int64_t old_value = decode_property(binding, styles);
                for (std::int64_t value : candidate_values(binding)) {
                    const auto written = encode_property(binding, value, styles);
                    if (!written) continue;
                    std::uint32_t allowed = binding.mask;
                    if (binding.codec == StyleCodec::bits && !binding.choices.empty()) allowed |= std::uint32_t(value);
                    const bool extended = binding.field == StyleField::extended_style;
                    const std::uint32_t before = extended ? styles.extended_style : styles.style;
                    const std::uint32_t after = extended ? written->extended_style : written->style;
                    SCOPED_TRACE(testing::Message() << "kind " << number << ", property " << property_number(id)
                                                    << ", value " << value << ", style 0x" << std::hex << styles.style);
                    EXPECT_EQ(before & ~allowed, after & ~allowed);
                    EXPECT_EQ(extended ? styles.style : styles.extended_style,
                              extended ? written->style : written->extended_style);
                    const std::int64_t read = decode_property(binding, *written);
                    const bool plain_choice = binding.codec == StyleCodec::bits && !binding.choices.empty();
                    EXPECT_EQ(read, plain_choice ? value & binding.mask : value);

                    const std::uint32_t old_bits = before & binding.mask;
                    // (A choice that also sets a bit outside its field leaves that bit set.)
                    const bool old_is_a_value =
                        binding.codec == StyleCodec::bits &&
                        (plain_choice ? (value & ~std::int64_t{binding.mask}) == 0
                                      : old_bits == binding.on || old_bits == binding.off);
                    if (old_is_a_value) {
                        EXPECT_EQ(encode_property(binding, old_value, *written), styles);
                    }
                }
            }
        }
    }
}

TEST(PropertyValuesTest, ValuesReadFromStyles) {
    struct Row {
        K kind;
        std::uint32_t style;
        std::uint32_t extended_style;
        P id;
        std::int64_t value;
    };
    const Row rows[] = {
        {K::list_view, 0x50000001, 0, P::view, 1},  // Report
        {K::list_view, 0x50000000, 0, P::view, 0},  // Icon
        {K::picture, 0x50000012, 0, P::picture_type, 0},  // Frame, Etched
        {K::picture, 0x50000012, 0, P::colour, 3},
        {K::picture, 0x50000005, 0, P::picture_type, 1},  // Rectangle, Gray
        {K::picture, 0x50000005, 0, P::colour, 1},
        {K::picture, 0x5000000E, 0, P::picture_type, 3},  // Bitmap
        {K::picture, 0x50000010, 0, P::picture_type, unlisted_picture_value | 16},  // an etched line
        {K::check_box, 0x50010006, 0, P::check_box_auto, 1},
        {K::check_box, 0x50010006, 0, P::tri_state, 1},
        {K::check_box, 0x50010002, 0, P::check_box_auto, 0},
        {K::radio_button, 0x50000009, 0, P::radio_auto, 1},
        {K::radio_button, 0x50000004, 0, P::radio_auto, 0},
        {K::button, 0x5001000B, 0, P::button_owner_draw, 1},
        {K::button, 0x5001000B, 0, P::default_button, 0},
        {K::button, 0x50010301, 0, P::horizontal_alignment, 0x300},
        {K::static_text, 0x5000000C, 0, P::no_wrap, 1},
        {K::static_text, 0x5000000C, 0, P::simple, 0},
        {K::static_text, 0x50000001, 0, P::align_text, 1},
        {K::static_text, 0x50004000, 0, P::end_ellipsis, 1},
        {K::static_text, 0x50004000, 0, P::word_ellipsis, 0},
        {K::static_text, 0x5000C000, 0, P::word_ellipsis, 1},
        {K::static_text, 0x5000C000, 0, P::path_ellipsis, 0},
        {K::edit, 0x50810006, 0, P::align_text, 2},
        {K::edit, 0x50810000, 0x4000, P::left_scroll_bar, 1},
        {K::slider, 0x50000010, 0, P::tick_marks, 0},
        {K::slider, 0x50000002, 0, P::orientation, 2},
        {K::spin, 0x50000040, 0, P::orientation, 0x40},
        {K::scroll_bar, 0x50000001, 0, P::orientation, 1},
        {K::tree_view, 0x50002000, 0, P::scroll, 0},
        {K::tree_view, 0x50000008, 0, P::edit_labels, 1},
        {K::list_view, 0x50000008, 0, P::edit_labels, 0},
        {K::list_box, 0x50000002, 0, P::sort, 1},
        {K::combo_box, 0x50000002, 0, P::sort, 0},
        {K::combo_box, 0x50000100, 0, P::sort, 1},
        {K::rich_edit, 0x50002000, 0, P::disable_no_scroll, 1},
        {K::edit, 0x50002000, 0, P::number, 1},
        {K::date_time_picker, 0x50000009, 0, P::format, 0x8},
        {K::tab, 0x50000040, 0, P::hot_track, 1},
        {K::spin, 0x50000040, 0, P::hot_track, 0},
    };
    for (const Row& row : rows) {
        const auto control = control_with(row.kind, row.style, row.extended_style);
        EXPECT_EQ(control->property_value(row.id), row.value)
            << "kind " << kind_number(row.kind) << ", property " << property_number(row.id);
    }
    const StyleBinding& format = property_binding(K::date_time_picker, P::format);
    EXPECT_EQ(format.choices[*choice_index(format, 0x8)].label, u"Time");
    const StyleBinding& view = property_binding(K::list_view, P::view);
    EXPECT_EQ(view.choices[*choice_index(view, 1)].label, u"Report");
}

TEST(PropertyValuesTest, TypesAndColoursOfPicturesAndCheckBoxes) {
    const auto picture = control_with(K::picture, 0x50000007);  // black frame
    ASSERT_TRUE(picture->set_property_value(P::colour, 1));
    EXPECT_EQ(picture->style(), 0x50000008u);  // gray frame
    ASSERT_TRUE(picture->set_property_value(P::picture_type, 1));
    EXPECT_EQ(picture->style(), 0x50000005u);  // gray rectangle
    EXPECT_FALSE(picture->set_property_value(P::colour, 3));  // no etched rectangle
    EXPECT_EQ(picture->style(), 0x50000005u);
    ASSERT_TRUE(picture->set_property_value(P::picture_type, 2));
    EXPECT_EQ(picture->style(), 0x50000003u);  // icon
    EXPECT_FALSE(picture->set_property_value(P::colour, 0));

    const auto check = control_with(K::check_box, 0x50010002);
    ASSERT_TRUE(check->set_property_value(P::tri_state, 1));
    EXPECT_EQ(check->style(), 0x50010005u);
    ASSERT_TRUE(check->set_property_value(P::check_box_auto, 1));
    EXPECT_EQ(check->style(), 0x50010006u);
    ASSERT_TRUE(check->set_property_value(P::tri_state, 0));
    EXPECT_EQ(check->style(), 0x50010003u);

    const auto date = control_with(K::date_time_picker, 0x50000000);
    ASSERT_TRUE(date->set_property_value(P::format, 0x9));
    EXPECT_EQ(date->style(), 0x50000009u);  // DTS_TIMEFORMAT sets DTS_UPDOWN with it

    const auto list = control_with(K::list_view, 0x50000000);
    EXPECT_FALSE(list->set_property_value(P::list_view_check_boxes, 1));  // no style bit holds it
    EXPECT_FALSE(list->set_property_value(P::view, 0x4));                  // outside the view field
    EXPECT_FALSE(list->set_property_value(P::combo_type, 1));              // not a list view property
    EXPECT_EQ(list->style(), 0x50000000u);
}

}  // namespace
}  // namespace tavorin
