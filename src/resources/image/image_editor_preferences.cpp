#include "resources/image/image_editor_preferences.h"

#include <tinyxml2.h>

#include "base/text.h"

namespace tavorin {

namespace {

std::uint32_t read_colour(const tinyxml2::XMLElement* element, const char* attribute, std::uint32_t fallback) {
    const auto text = read_config_attribute(element, attribute);
    if (!text) return fallback;
    return parse_colour_config_text(*text).value_or(fallback);
}

}  // namespace

void ImageEditorPreferences::apply(GridPreset preset) {
    const auto grey = [](std::uint8_t value) { return rgb_colour(value, value, value); };
    switch (preset) {
        case GridPreset::light: grid_colour_1 = grey(255), grid_colour_2 = grey(204); break;
        case GridPreset::medium: grid_colour_1 = grey(204), grid_colour_2 = grey(102); break;
        case GridPreset::dark: grid_colour_1 = grey(102), grid_colour_2 = grey(51); break;
    }
}

std::u16string colour_config_text(std::uint32_t colour) { return u"0x" + hexadecimal(colour, 8); }

std::optional<std::uint32_t> parse_colour_config_text(std::u16string_view text) {
    std::uint64_t value = 0;
    const bool hex = text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X');
    if (hex) text.remove_prefix(2);
    if (text.empty() || text.size() > (hex ? 8u : 10u)) return std::nullopt;
    for (const char16_t c : text) {
        int digit = -1;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        if (hex && c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        if (hex && c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    }
    if (value > 0xFFFFFF) return std::nullopt;  // red, green and blue only
    return static_cast<std::uint32_t>(value);
}

void ImageEditorPreferencesSection::read(const tinyxml2::XMLElement* element) {
    const ImageEditorPreferences defaults;
    values = defaults;
    if (element == nullptr) return;
    values.pixel_grid = read_config_bool(element->FirstChildElement("pixelGrid"), defaults.pixel_grid);
    const auto* texture = element->FirstChildElement("textureGrid");
    values.texture_grid = read_config_bool(texture, defaults.texture_grid);
    values.grid_colour_1 = read_colour(texture, "color1", defaults.grid_colour_1);
    values.grid_colour_2 = read_colour(texture, "color2", defaults.grid_colour_2);
    values.background = read_colour(element->FirstChildElement("background"), "color", defaults.background);
    values.inverted_background =
        read_colour(element->FirstChildElement("invertBackground"), "color", defaults.inverted_background);
}

void ImageEditorPreferencesSection::write(tinyxml2::XMLElement& element) const {
    write_config_bool(element, "pixelGrid", values.pixel_grid);
    auto& texture = write_config_bool(element, "textureGrid", values.texture_grid);
    set_config_attribute(texture, "color1", colour_config_text(values.grid_colour_1));
    set_config_attribute(texture, "color2", colour_config_text(values.grid_colour_2));
    set_config_attribute(*element.InsertNewChildElement("background"), "color", colour_config_text(values.background));
    set_config_attribute(*element.InsertNewChildElement("invertBackground"), "color",
                         colour_config_text(values.inverted_background));
}

}  // namespace tavorin
