// Whether each control's text fits it at every checked scale, measured in the dialog's own font
// at that scale's DPI with the base units that font gives there.

#include <optional>

#include "base/escapes.h"
#include "base/text.h"
#include "checks/check_context.h"
#include "checks/control_roles.h"
#include "checks/text_features.h"
#include "checks/text_fit.h"
#include "dialog/dialog.h"
#include "model/project.h"

namespace tavorin {

namespace {

// A text such as "IDS_GENERIC_OK": the name of a string the program puts in at run time.
bool is_string_name(std::u16string_view text) {
    if (text.find(u'_') == std::u16string_view::npos) return false;
    for (char16_t c : text) {
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_')) return false;
    }
    return true;
}

int units_for(int pixels, int base, int per_base) { return (pixels * per_base + base - 1) / base; }

struct Shortfall {
    int scale = 0;
    bool width = true;
    int needed = 0;     // dialog units
    int available = 0;  // dialog units
};

std::optional<Shortfall> shortfall_at(MeasuredFont& font, const Control& control, TextLayout layout,
                                      std::u16string_view text, int scale, int dpi) {
    const BaseUnits base = font.base_units();
    if (base.x <= 0 || base.y <= 0) return std::nullopt;
    const int width = horizontal_pixels(control.rect().width, base);
    const int height = vertical_pixels(layout_height(control), base);
    const TextNeed need = text_need(font, layout, text, width, dpi);
    const auto by_width = [&](int pixels) {
        return Shortfall{scale, true, units_for(pixels, base.x, 4), control.rect().width};
    };
    if (need.width > width) return by_width(need.width);
    if (layout == TextLayout::group_caption || need.height <= height) return std::nullopt;
    // A wrapped one-line text in a control one line high: it needs the width of the whole line.
    const bool one_line_control = height < 2 * font.line_height();
    if (one_line_control && text.find(u'\n') == std::u16string_view::npos) {
        const TextNeed unwrapped = text_need(font, TextLayout::single_line, text, width, dpi);
        const TextNeed margins_only = text_need(font, layout, u"", width, dpi);
        return by_width(unwrapped.width + margins_only.width);
    }
    return Shortfall{scale, false, units_for(need.height, base.y, 8), layout_height(control)};
}

}  // namespace

void check_text_fit(CheckContext& context) {
    if (!context.enabled("TV2001") || context.measurer() == nullptr) return;
    for (const Resource* resource : context.project().resources_of_kind(kind::dialog)) {
        const auto* dialog = dynamic_cast<const Dialog*>(resource);
        if (dialog == nullptr) continue;
        for (const auto& control : dialog->controls()) {
            const TextLayout layout = text_layout_of(*control);
            if (layout == TextLayout::none) continue;
            const std::u16string raw = unescape_stored_text(control->text());
            const std::u16string text = uses_prefix(*control) ? drawn_text(raw) : raw;
            if (is_string_name(text)) continue;
            std::vector<Shortfall> shortfalls;
            for (int scale : context.options().scales) {
                const int dpi = 96 * scale / 100;
                MeasuredFont* font = context.measurer()->font(dialog->font(), dpi);
                if (font == nullptr || !font->covers(text)) break;
                if (auto shortfall = shortfall_at(*font, *control, layout, text, scale, dpi)) {
                    shortfalls.push_back(*shortfall);
                }
            }
            if (shortfalls.empty()) continue;
            const Shortfall& first = shortfalls.front();
            const std::u16string who = is_anonymous(*control) ? std::u16string() : control_label(*control) + u": ";
            std::u16string message = who + u"the text " + quoted_for_message(raw) + u" needs " +
                                     decimal(first.needed) + u" dialog units" + (first.width ? u"" : u" of height") +
                                     u" at " + decimal(first.scale) + u" %, the control is " +
                                     decimal(first.available) + (first.width ? u" wide" : u" high");
            if (shortfalls.size() > 1) {
                message += u" (also at";
                for (std::size_t i = 1; i < shortfalls.size(); ++i) {
                    message += (i > 1 ? u"," : u"") + std::u16string(u" ") + decimal(shortfalls[i].scale) + u" %";
                }
                message += u")";
            }
            context.report("TV2001", *dialog, control_label(*control), std::move(message), control_anchor(*control),
                           anchor_occurrence(*dialog, *control));
        }
    }
}

}  // namespace tavorin
