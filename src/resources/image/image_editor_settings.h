#pragma once
// How the image editor shows an image, kept in the configuration file under "imageEditor":
//     <imageEditor>
//         <pixelGrid value="true"/>
//         <textureGrid value="true" color1="0x00CCCCCC" color2="0x00FFFFFF"/>
//         <background color="0x00F5DCD7"/>
//         <invertBackground color="0x008040FF"/>
//     </imageEditor>
// Colours are red + 256 x green + 65536 x blue (red in the lowest byte), written as "0x" and
// eight upper-case hexadecimal digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "services/config_section.h"

namespace tavorin {

// Red in the lowest byte, as the configuration file and the Windows colour functions have it.
constexpr std::uint32_t color_ref(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (std::uint32_t{green} << 8) | (std::uint32_t{blue} << 16);
}

struct ImageEditorSettings {
    bool pixel_grid = true;
    // Transparent pixels on a checkerboard of the two colours; else on the plain first colour.
    bool texture_grid = true;
    std::uint32_t texture_color1 = color_ref(204, 204, 204);
    std::uint32_t texture_color2 = color_ref(255, 255, 255);
    std::uint32_t background = color_ref(215, 220, 245);
    std::uint32_t inverted_background = color_ref(255, 64, 128);
    // The side of one checkerboard square, 1 to 5; not kept in the file.
    int grid_size = 3;

    friend bool operator==(const ImageEditorSettings&, const ImageEditorSettings&) = default;
};

// The presets of the options dialog: the two texture colours, each a grey.
enum class TexturePreset { light, medium, dark };
void apply_texture_preset(ImageEditorSettings& settings, TexturePreset preset);

// "0x00F5DCD7" for a colour; reading takes the same form (and decimal numbers), else nothing.
std::u16string color_setting_text(std::uint32_t color);
std::optional<std::uint32_t> parse_color_setting(std::u16string_view text);

class ImageEditorSettingsSection : public ConfigSection {
public:
    const char* element_name() const override { return "imageEditor"; }
    void read(const tinyxml2::XMLElement* element) override;
    void write(tinyxml2::XMLElement& element) const override;

    ImageEditorSettings settings;
};

}  // namespace tavorin
