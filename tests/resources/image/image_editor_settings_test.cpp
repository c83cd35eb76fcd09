// The image editor's settings in the configuration file: defaults, reading, writing, presets.

#include "resources/image/image_editor_settings.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <array>

#include "app/config_file.h"

namespace tavorin {
namespace {

ImageEditorSettings read_from(std::string_view xml) {
    ImageEditorSettingsSection section;
    section.settings.grid_size = 5;
    section.settings.pixel_grid = false;
    std::array<ConfigSection*, 1> sections{&section};
    EXPECT_TRUE(config_from_xml(xml, 0x0409, sections).has_value());
    return section.settings;
}

TEST(ImageEditorSettingsFile, AFileWithoutTheElementKeepsEveryDefault) {
    EXPECT_EQ(read_from("<config/>"), ImageEditorSettings{});
    const ImageEditorSettings defaults;
    EXPECT_EQ(defaults.background, 0x00F5DCD7u);
    EXPECT_EQ(defaults.grid_size, 3);
}

TEST(ImageEditorSettingsFile, ElementsAndAttributesAreReadOneByOne) {
    const ImageEditorSettings read = read_from(R"(<config><imageEditor>
        <pixelGrid value="FALSE"/><textureGrid value="false" color2="0x00112233"/>
        <background color="255"/><invertBackground color="not a colour"/></imageEditor></config>)");
    EXPECT_FALSE(read.pixel_grid);
    EXPECT_FALSE(read.texture_grid);
    EXPECT_EQ(read.texture_color1, ImageEditorSettings{}.texture_color1);
    EXPECT_EQ(read.texture_color2, 0x00112233u);
    EXPECT_EQ(read.background, color_ref(255, 0, 0));
    EXPECT_EQ(read.inverted_background, ImageEditorSettings{}.inverted_background);
}

TEST(ImageEditorSettingsFile, DefaultsAreWrittenAsUpperCaseHexadecimalColours) {
    ImageEditorSettingsSection section;
    std::array<ConfigSection*, 1> sections{&section};
    const std::string xml = config_to_xml(Config{}, sections);
    EXPECT_NE(xml.find(R"(<textureGrid value="true" color1="0x00CCCCCC" color2="0x00FFFFFF"/>)"), std::string::npos)
        << xml;
    EXPECT_NE(xml.find(R"(<pixelGrid value="true"/>)"), std::string::npos);
    EXPECT_NE(xml.find(R"(<background color="0x00F5DCD7"/>)"), std::string::npos);
    EXPECT_NE(xml.find(R"(<invertBackground color="0x008040FF"/>)"), std::string::npos);

    section.settings.texture_grid = false;
    section.settings.background = 0x00ABCDEF;
    const std::string changed = config_to_xml(Config{}, sections);
    EXPECT_EQ(read_from(changed).background, 0x00ABCDEFu);
    EXPECT_FALSE(read_from(changed).texture_grid);
}

TEST(ImageEditorSettingsFile, ColourTextsOutsideThirtyTwoBitsAreRefused) {
    const std::pair<std::u16string_view, std::optional<std::uint32_t>> cases[] = {
        {u"0x00F5DCD7", 0x00F5DCD7u}, {u"0xffffffff", 0xFFFFFFFFu}, {u"16", 16u},
        {u"0x100000000", std::nullopt}, {u"0x", std::nullopt}, {u"", std::nullopt}, {u"12a", std::nullopt},
        {u"99999999999", std::nullopt}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(parse_color_setting(text), expected) << std::string(text.begin(), text.end());
    }
}

TEST(ImageEditorSettingsFile, PresetsSetBothTextureGreys) {
    const std::tuple<TexturePreset, std::uint8_t, std::uint8_t> presets[] = {
        {TexturePreset::light, 255, 204}, {TexturePreset::medium, 204, 102}, {TexturePreset::dark, 102, 51}};
    for (const auto& [preset, first, second] : presets) {
        ImageEditorSettings settings;
        apply_texture_preset(settings, preset);
        EXPECT_EQ(settings.texture_color1, color_ref(first, first, first));
        EXPECT_EQ(settings.texture_color2, color_ref(second, second, second));
    }
}

}  // namespace
}  // namespace tavorin
