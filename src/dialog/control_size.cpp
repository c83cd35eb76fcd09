#include "dialog/control_size.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/escapes.h"
#include "dialog/dialog.h"
#include "dialog/window_styles.h"
#include "model/code_context.h"

namespace tavorin {

namespace {

// Lines end at line feeds; a carriage return right after a line feed belongs to the break.
std::vector<std::u16string> caption_lines(std::u16string_view text) {
    std::vector<std::u16string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            lines.emplace_back();
            if (i + 1 < text.size() && text[i + 1] == u'\r') ++i;
        } else {
            lines.back().push_back(text[i]);
        }
    }
    return lines;
}

int widest(const std::vector<std::u16string>& lines, const FontSpec& font, Platform& platform) {
    int width = 0;
    for (const auto& line : lines) width = std::max(width, platform.measure_text(line, font).width);
    return width;
}

}  // namespace

PreviewFrame preview_frame(const Control& control) {
    const ControlStyles styles = control.preview_styles();
    const FrameSize frame = nominal_window_frame(styles.style, styles.extended_style);
    const int side = frame.width / 2;
    return PreviewFrame{side, frame.height - side};
}

std::optional<TextExtent> natural_control_size(const Control& control, const Dialog& dialog, Platform& platform,
                                               const PreviewFrame& frame) {
    const DialogFont& dialog_font = dialog.font();
    const FontSpec font{dialog_font.face, dialog_font.point_size, dialog_font.weight, dialog_font.italic != 0};
    const std::u16string text = unescape_stored_text(control.text());
    switch (control.kind()) {
        case ControlKind::button: {
            TextExtent size;
            if ((control.style() & ws::bs_multiline) != 0) {
                const auto lines = caption_lines(text);
                size = TextExtent{widest(lines, font, platform) + 7, 8 * static_cast<int>(lines.size()) + 6};
            } else {
                size = TextExtent{platform.measure_text(text, font).width + 5, 14};
            }
            return TextExtent{size.width + 2 * frame.left, size.height + 2 * frame.top};
        }
        case ControlKind::check_box:
        case ControlKind::radio_button: return TextExtent{platform.measure_text(text, font).width + 16, 8};
        case ControlKind::static_text: {
            const auto lines = caption_lines(text);
            return TextExtent{widest(lines, font, platform) + 1, 8 * static_cast<int>(lines.size())};
        }
        default: return std::nullopt;
    }
}

}  // namespace tavorin
