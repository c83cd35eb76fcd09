#include "ui/property_grid_model.h"

#include <gtest/gtest.h>

#include "ui/undo_list_layout.h"

namespace tavorin {
namespace {

using namespace property_flag;

PropertyRow heading(const char16_t* name, bool expanded = true) {
    return PropertyRow{name, property_flag::category | (expanded ? property_flag::expanded : 0u), {}, {}, {}, -1};
}
PropertyRow row(const char16_t* name, std::uint32_t flags = free_text) { return PropertyRow{name, flags, {}, {}, {}, -1}; }

PropertyGridModel sample() {
    PropertyGridModel model;
    model.set_rows({heading(u"General"), row(u"Name"), row(u"Type", 0), heading(u"Content"), row(u"Charset", fixed_choices),
                    row(u"Size", number | disabled), heading(u"Other"), row(u"File", ellipsis)});
    return model;
}

TEST(PropertyGridModel, CollapsingACategoryHidesItsRowsAndMovesTheNextOnesUp) {
    PropertyGridModel model = sample();
    EXPECT_EQ(model.shown(), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    model.toggle(3);
    EXPECT_EQ(model.shown(), (std::vector<std::size_t>{0, 1, 2, 3, 6, 7}));
    EXPECT_EQ(model.shown_position(6), 4u);
    EXPECT_EQ(model.shown_position(4), std::nullopt);
    model.toggle(1);  // not a category: nothing happens
    EXPECT_EQ(model.shown().size(), 6u);
    model.toggle(3);
    EXPECT_EQ(model.shown().size(), 8u);
}

TEST(PropertyGridModel, TabVisitsEditableShownRowsAndWraps) {
    PropertyGridModel model = sample();
    // Categories, read-only and disabled rows are skipped.
    EXPECT_EQ(model.next_editable(std::nullopt, false), 1u);
    EXPECT_EQ(model.next_editable(1u, false), 4u);
    EXPECT_EQ(model.next_editable(4u, false), 7u);
    EXPECT_EQ(model.next_editable(7u, false), 1u);
    EXPECT_EQ(model.next_editable(1u, true), 7u);
    EXPECT_EQ(model.next_editable(std::nullopt, true), 7u);
    model.toggle(3);
    EXPECT_EQ(model.next_editable(1u, false), 7u) << "a folded row is not visited";
    PropertyGridModel none;
    none.set_rows({heading(u"Only"), row(u"Fixed", 0)});
    EXPECT_EQ(none.next_editable(std::nullopt, false), std::nullopt);
}

TEST(PropertyGridGeometry, TheSplitterKeepsItsRatioWhenTheGridIsResized) {
    // At 100 in a 200-pixel grid, then the grid grows to 400: 15 + 85 x 385 / 185, fraction dropped.
    const double ratio = splitter_ratio_at(100, 200);
    EXPECT_EQ(splitter_position(ratio, 200), 100);
    EXPECT_EQ(splitter_position(ratio, 400), 191);
    EXPECT_EQ(splitter_ratio_at(-50, 200), 0.0);
    EXPECT_EQ(splitter_ratio_at(500, 200), 1.0);
    EXPECT_TRUE(near_splitter(97, 100));
    EXPECT_FALSE(near_splitter(96, 100));
    EXPECT_FALSE(near_splitter(104, 100));
}

TEST(PropertyGridGeometry, RowsAndChoiceLists) {
    EXPECT_EQ(visible_row_count(0), 0);
    EXPECT_EQ(visible_row_count(17), 1);
    EXPECT_EQ(visible_row_count(18), 2) << "a cut row counts";
    EXPECT_EQ(choice_list_height(12), 172) << "twelve choices show ten rows";
    EXPECT_EQ(choice_list_height(3), 53);
    const auto width = [](const std::u16string& text) { return static_cast<int>(text.size()) * 7; };
    std::vector<std::u16string> choices(12, u"ab");
    choices[11] = u"a very long eleventh-or-later choice";  // beyond the ten measured
    EXPECT_EQ(choice_list_width(60, choices, width), 60);
    choices[2] = u"twelve chars";
    EXPECT_EQ(choice_list_width(60, choices, width), 12 * 7 + 10);
}

TEST(UndoListLayout, TwelveRowsBeforeItScrolls) {
    const UndoListLayout few = undo_list_layout(3, 80, 17);
    EXPECT_FALSE(few.scrolls);
    EXPECT_EQ(few.list_height, 39);
    EXPECT_EQ(few.list_width, 110);
    EXPECT_EQ(few.window_width, 112);
    EXPECT_EQ(few.window_height, 41);
    const UndoListLayout many = undo_list_layout(20, 80, 17);
    EXPECT_TRUE(many.scrolls);
    EXPECT_EQ(many.list_height, 156);
    EXPECT_EQ(many.list_width, 80 + 20 + 17 + 10);

    EXPECT_EQ(undo_entries_picked(0, 0, 5), 1u);
    EXPECT_EQ(undo_entries_picked(27, 0, 5), 3u);
    EXPECT_EQ(undo_entries_picked(27, 4, 20), 7u) << "scrolled by four";
    EXPECT_EQ(undo_entries_picked(500, 0, 5), 5u);
    EXPECT_EQ(undo_entries_picked(-20, 0, 5), 1u);
    EXPECT_EQ(undo_entries_picked(0, 0, 0), 0u);
}

}  // namespace
}  // namespace tavorin
