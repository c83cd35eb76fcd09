#include "ui/property_grid_model.h"

#include <algorithm>
#include <cmath>

namespace tavorin {

void PropertyGridModel::set_rows(std::vector<PropertyRow> rows) {
    rows_ = std::move(rows);
    rebuild_shown();
}

void PropertyGridModel::rebuild_shown() {
    shown_.clear();
    bool folded = false;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].is_category()) {
            shown_.push_back(i);
            folded = (rows_[i].flags & property_flag::expanded) == 0;
        } else if (!folded) {
            shown_.push_back(i);
        }
    }
}

std::optional<std::size_t> PropertyGridModel::shown_position(std::size_t index) const {
    const auto found = std::find(shown_.begin(), shown_.end(), index);
    if (found == shown_.end()) return std::nullopt;
    return static_cast<std::size_t>(found - shown_.begin());
}

void PropertyGridModel::toggle(std::size_t category_index) {
    if (category_index >= rows_.size() || !rows_[category_index].is_category()) return;
    rows_[category_index].flags ^= property_flag::expanded;
    rebuild_shown();
}

std::optional<std::size_t> PropertyGridModel::next_editable(std::optional<std::size_t> index, bool backwards) const {
    const std::size_t count = shown_.size();
    if (count == 0) return std::nullopt;
    const auto position = index ? shown_position(*index) : std::nullopt;
    // Start just outside the list so that the first step lands on its edge.
    std::size_t at = position ? *position : (backwards ? 0 : count - 1);
    for (std::size_t step = 0; step < count; ++step) {
        at = backwards ? (at + count - 1) % count : (at + 1) % count;
        if (rows_[shown_[at]].is_editable()) return shown_[at];
    }
    return std::nullopt;
}

void PropertyGridModel::set_splitter_ratio(double ratio) { ratio_ = std::clamp(ratio, 0.0, 1.0); }

int splitter_position(double ratio, int client_width) {
    const int span = std::max(0, client_width - property_name_margin);
    return property_name_margin + static_cast<int>(std::floor(ratio * span));
}

double splitter_ratio_at(int position, int client_width) {
    const int span = client_width - property_name_margin;
    if (span <= 0) return 0.0;
    return std::clamp(static_cast<double>(position - property_name_margin) / span, 0.0, 1.0);
}

bool near_splitter(int x, int splitter) { return x > splitter - 4 && x < splitter + 4; }

int visible_row_count(int client_height, int row_height) {
    if (client_height <= 0 || row_height <= 0) return 0;
    return (client_height + row_height - 1) / row_height;
}

int choice_list_height(std::size_t entries, int row_height) {
    const auto shown = static_cast<int>(std::min<std::size_t>(entries, property_list_max_rows));
    return shown * row_height + 2;
}

int choice_list_width(int cell_width, const std::vector<std::u16string>& choices,
                      const std::function<int(const std::u16string&)>& text_width) {
    int widest = 0;
    const std::size_t measured = std::min<std::size_t>(choices.size(), property_list_max_rows);
    for (std::size_t i = 0; i < measured; ++i) widest = std::max(widest, text_width(choices[i]));
    return std::max(cell_width, widest + 10);
}

PropertyRow expanded_category(std::u16string name) {
    PropertyRow row;
    row.name = std::move(name);
    row.flags = property_flag::category | property_flag::expanded;
    return row;
}

}  // namespace tavorin
