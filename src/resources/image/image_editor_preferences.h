#pragma once
// The image editor's display settings in the configuration file's "imageEditor" element.
// Colours are 0x00BBGGRR values (red in the lowest byte), written as "0x" and eight upper-case
// hexadecimal digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "services/config_section.h"

namespace tavorin {

constexpr std::uint32_t rgb_colour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return std::uint32_t{red} | std::uint32_t{green} << 8 | std::uint32_t{blue} << 16;
}

struct ImageEditorPreferences {
    static constexpr std::int32_t min_grid_size = 1;
    static constexpr std::int32_t max_grid_size = 5;

    bool pixel_grid = true;    // for images without transparency
    bool texture_grid = true;  // transparent pixels over a texture grid, else a plain colour
    std::uint32_t grid_colour_1 = rgb_colour(204, 204, 204);
    std::uint32_t grid_colour_2 = rgb_colour(255, 255, 255);
    std::uint32_t background = rgb_colour(215, 220, 245);
    std::uint32_t inverted_background = rgb_colour(255, 64, 128);
    std::int32_t grid_size = 3;  // not kept in the file

    // The presets of the texture grid colours: both colours grey, each channel the given value.
    enum class GridPreset { light, medium, dark };
    void apply(GridPreset preset);

    bool operator==(const ImageEditorPreferences&) const = default;
};

std::u16string colour_config_text(std::uint32_t colour);
// "0x" and up to eight hexadecimal digits, or a decimal number; nothing for other text.
std::optional<std::uint32_t> parse_colour_config_text(std::u16string_view text);

// "pixelGrid" ("value"), "textureGrid" ("value", "color1", "color2"), "background" ("color") and
// "invertBackground" ("color"); anything missing or unreadable keeps its default.
class ImageEditorPreferencesSection : public ConfigSection {
public:
    ImageEditorPreferences values;

    const char* element_name() const override { return "imageEditor"; }
    void read(const tinyxml2::XMLElement* element) override;
    void write(tinyxml2::XMLElement& element) const override;
};

}  // namespace tavorin
