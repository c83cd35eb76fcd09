#include "resources/image/image_editor_settings.h"

#include <tinyxml2.h>

#include "base/text.h"

namespace tavorin {
namespace {

std::uint32_t read_color(const tinyxml2::XMLElement* element, const char* attribute, std::uint32_t fallback) {
    const auto text = read_config_attribute(element, attribute);
    if (!text) return fallback;
    return parse_color_setting(*text).value_or(fallback);
}

void set_color(tinyxml2::XMLElement& element, const char* attribute, std::uint32_t color) {
    set_config_attribute(element, attribute, color_setting_text(color));
}

}  // namespace

void apply_texture_preset(ImageEditorSettings& settings, TexturePreset preset) {
    static constexpr std::uint8_t greys[][2] = {{255, 204}, {204, 102}, {102, 51}};
    const auto& pair = greys[static_cast<int>(preset)];
    settings.texture_color1 = color_ref(pair[0], pair[0], pair[0]);
    settings.texture_color2 = color_ref(pair[1], pair[1], pair[1]);
}

std::u16string color_setting_text(std::uint32_t color) { return u"0x" + hexadecimal(color, 8); }

std::optional<std::uint32_t> parse_color_setting(std::u16string_view text) {
    const auto value = parse_typed_number(text);
    if (!value || *value > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

void ImageEditorSettingsSection::read(const tinyxml2::XMLElement* element) {
    settings = ImageEditorSettings{};
    if (element == nullptr) return;
    settings.pixel_grid = read_config_bool(element->FirstChildElement("pixelGrid"), settings.pixel_grid);
    const tinyxml2::XMLElement* texture = element->FirstChildElement("textureGrid");
    settings.texture_grid = read_config_bool(texture, settings.texture_grid);
    settings.texture_color1 = read_color(texture, "color1", settings.texture_color1);
    settings.texture_color2 = read_color(texture, "color2", settings.texture_color2);
    settings.background = read_color(element->FirstChildElement("background"), "color", settings.background);
    settings.inverted_background =
        read_color(element->FirstChildElement("invertBackground"), "color", settings.inverted_background);
}

void ImageEditorSettingsSection::write(tinyxml2::XMLElement& element) const {
    write_config_bool(element, "pixelGrid", settings.pixel_grid);
    tinyxml2::XMLElement& texture = write_config_bool(element, "textureGrid", settings.texture_grid);
    set_color(texture, "color1", settings.texture_color1);
    set_color(texture, "color2", settings.texture_color2);
    set_color(*element.InsertNewChildElement("background"), "color", settings.background);
    set_color(*element.InsertNewChildElement("invertBackground"), "color", settings.inverted_background);
}

}  // namespace tavorin
