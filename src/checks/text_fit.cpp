#include "checks/text_fit.h"

#include <algorithm>
#include <vector>

#include "base/mul_div.h"

namespace tavorin {

namespace {

// Pixels at 96 DPI, scaled: the margins the button kinds keep around their text.
int scaled(int pixels_at_96, int dpi) { return mul_div(pixels_at_96, dpi, 96); }

struct Margins {
    int horizontal = 0;
    int vertical = 0;
};

Margins margins_of(TextLayout layout, int dpi) {
    switch (layout) {
        // Edge and focus rectangle on either side.
        case TextLayout::push_button:
        case TextLayout::push_button_multiline: return {scaled(6, dpi), scaled(4, dpi)};
        // The 13-pixel box and the gap before the text.
        case TextLayout::check_mark:
        case TextLayout::check_mark_multiline: return {scaled(16, dpi), 0};
        // The caption starts a few pixels in from the frame's corner and keeps a gap after it.
        case TextLayout::group_caption: return {scaled(10, dpi), 0};
        default: return {};
    }
}

bool wraps(TextLayout layout) {
    return layout == TextLayout::word_wrap || layout == TextLayout::push_button_multiline ||
           layout == TextLayout::check_mark_multiline;
}

std::vector<std::u16string_view> paragraphs_of(std::u16string_view text) {
    std::vector<std::u16string_view> parts;
    while (true) {
        const std::size_t end = text.find(u'\n');
        std::u16string_view part = text.substr(0, end);
        if (!part.empty() && part.back() == u'\r') part.remove_suffix(1);
        parts.push_back(part);
        if (end == std::u16string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return parts;
}

// Lines of one paragraph wrapped to `width`; `widest` grows to the widest line or word.
int wrapped_lines(MeasuredFont& font, std::u16string_view paragraph, int width, int& widest) {
    if (paragraph.empty()) return 1;
    int lines = 0;
    while (!paragraph.empty()) {
        // Take words while the line fits; the first word always goes on the line.
        std::size_t end = 0;
        int line_width = 0;
        while (end < paragraph.size()) {
            std::size_t word_end = paragraph.find(u' ', end);
            while (word_end != std::u16string_view::npos && word_end == end) word_end = paragraph.find(u' ', ++end);
            if (word_end == std::u16string_view::npos) word_end = paragraph.size();
            const int candidate = font.text_width(paragraph.substr(0, word_end));
            if (end > 0 && candidate > width) break;
            line_width = candidate;
            end = word_end;
        }
        widest = std::max(widest, line_width);
        ++lines;
        // Blanks at a break are not carried to the next line.
        while (end < paragraph.size() && paragraph[end] == u' ') ++end;
        paragraph.remove_prefix(end);
    }
    return lines;
}

}  // namespace

TextNeed text_need(MeasuredFont& font, TextLayout layout, std::u16string_view text, int available_width, int dpi) {
    const Margins margins = margins_of(layout, dpi);
    const int inner_width = available_width - margins.horizontal;
    TextNeed need;
    int widest = 0;
    for (std::u16string_view paragraph : paragraphs_of(text)) {
        if (wraps(layout)) {
            need.lines += wrapped_lines(font, paragraph, inner_width, widest);
        } else {
            widest = std::max(widest, font.text_width(paragraph));
            need.lines += 1;
        }
    }
    need.width = widest + margins.horizontal;
    need.height = need.lines * font.line_height() + margins.vertical;
    return need;
}

}  // namespace tavorin
