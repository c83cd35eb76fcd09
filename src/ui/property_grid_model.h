#pragma once
// What the property grid shows, and the geometry it lays its rows out by. The grid window draws
// and runs the in-place editors; the editors fill the rows and hear about changes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavorin {

namespace property_flag {
inline constexpr std::uint32_t category = 0x0001;
inline constexpr std::uint32_t disabled = 0x0002;
inline constexpr std::uint32_t expanded = 0x0004;  // categories only
inline constexpr std::uint32_t free_text = 0x0008;
inline constexpr std::uint32_t fixed_choices = 0x0010;
inline constexpr std::uint32_t ellipsis = 0x0020;  // a "..." button; its edit box is read-only
inline constexpr std::uint32_t number = 0x0040;
inline constexpr std::uint32_t dynamic_choices = 0x0080;
inline constexpr std::uint32_t link = 0x0100;
inline constexpr std::uint32_t custom_drop_down = 0x1000;
}  // namespace property_flag

struct PropertyRow {
    std::u16string name;
    std::uint32_t flags = 0;
    std::u16string help;
    std::u16string value;                // the text shown; for fixed choices the current choice's text
    std::vector<std::u16string> choices;  // fixed choices
    int choice = -1;                      // the current choice's index

    bool is_category() const { return (flags & property_flag::category) != 0; }
    bool is_disabled() const { return (flags & property_flag::disabled) != 0; }
    bool has_drop_down() const {
        return (flags & (property_flag::fixed_choices | property_flag::dynamic_choices |
                         property_flag::custom_drop_down)) != 0;
    }
    bool has_edit_box() const {
        return (flags & (property_flag::free_text | property_flag::number | property_flag::ellipsis)) != 0;
    }
    // Rows whose value the user can change in place.
    bool is_editable() const { return !is_category() && !is_disabled() && (has_edit_box() || has_drop_down()); }
};

// A category row, shown unfolded.
PropertyRow expanded_category(std::u16string name);

inline constexpr int property_row_height = 17;
// The name column starts after the glyph margin.
inline constexpr int property_name_margin = 15;
inline constexpr int property_list_max_rows = 10;

// The rows in order, categories folding the rows after them up to the next category.
class PropertyGridModel {
public:
    void set_rows(std::vector<PropertyRow> rows);
    const std::vector<PropertyRow>& rows() const { return rows_; }
    PropertyRow& row(std::size_t index) { return rows_[index]; }
    bool empty() const { return rows_.empty(); }

    // Indexes of the rows shown: categories and the rows of expanded categories.
    const std::vector<std::size_t>& shown() const { return shown_; }
    // The shown position of a row, none when folded away.
    std::optional<std::size_t> shown_position(std::size_t index) const;

    void toggle(std::size_t category_index);

    // The next (previous) editable shown row after (before) `index`, wrapping around; none when
    // no row is editable. Without a current row the search starts at the edge.
    std::optional<std::size_t> next_editable(std::optional<std::size_t> index, bool backwards) const;

    // The splitter's place, kept as a ratio so that resizing keeps its proportion.
    double splitter_ratio() const { return ratio_; }
    void set_splitter_ratio(double ratio);

private:
    void rebuild_shown();

    std::vector<PropertyRow> rows_;
    std::vector<std::size_t> shown_;
    double ratio_ = 0.45;
};

// 15 + ratio x (width - 15), the fraction dropped.
int splitter_position(double ratio, int client_width);
// The ratio a dragged splitter at `position` stands for, within 0 and 1.
double splitter_ratio_at(int position, int client_width);
// Whether the pointer at x grabs the splitter (closer than 4 pixels).
bool near_splitter(int x, int splitter);
// Rows a client area of this height shows, the last one possibly cut.
int visible_row_count(int client_height, int row_height = property_row_height);
// The height of a choice list of `entries` (at most ten shown).
int choice_list_height(std::size_t entries, int row_height = property_row_height);
// The width of a fixed-choice list: the larger of the value cell and the widest of the first ten
// choices plus 10 pixels.
int choice_list_width(int cell_width, const std::vector<std::u16string>& choices,
                      const std::function<int(const std::u16string&)>& text_width);

}  // namespace tavorin
