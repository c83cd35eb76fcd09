#include <gtest/gtest.h>

#include <string>

#include "app/config_file.h"
#include "app/config_temp_folder.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

class DesignerSettingsFileTest : public ::testing::Test {
protected:
    Session& read(Session& target, std::string_view xml) {
        folder.write("Tavorin.xml", xml);
        read_config(target, paths, target.config_sections());
        return target;
    }

    testing::ConfigTempFolder folder;
    AppPaths paths = AppPaths::beside(folder.path());
    ScriptedPlatform platform;
    Session session{platform};
};

TEST_F(DesignerSettingsFileTest, MissingElementsGiveTheDefaults) {
    const DesignerSettings& settings = read(session, "<config/>").designer_settings();
    EXPECT_EQ(settings, DesignerSettings{});
    EXPECT_EQ(settings.auto_resize, AutoResize::only_upsizing);
    EXPECT_EQ(settings.grid_width, 5);
    EXPECT_EQ(settings.margin_size, 7);
    EXPECT_EQ(settings.snap_distance, 5);
    EXPECT_EQ(settings.small_snap_distance, 2);
    EXPECT_FALSE(settings.grid_visible || settings.margin_visible || settings.snap_on);
}

TEST_F(DesignerSettingsFileTest, ValuesAreReadBesideTheCatalogOverrides) {
    const DesignerSettings& settings = read(session, R"(<config><dialog>
        <autoResizeType value="3"/><grid width="8" height="4" visible="TRUE"/>
        <margin size="10" visible="true"/><snap sepSize="6" smallSepSize="3" visible="false"/>
        <default type="Button" width="60" height="20"/></dialog></config>)").designer_settings();
    EXPECT_EQ(settings.auto_resize, AutoResize::never);
    EXPECT_EQ(settings.grid_width, 8);
    EXPECT_EQ(settings.grid_height, 4);
    EXPECT_TRUE(settings.grid_visible);
    EXPECT_EQ(settings.margin_size, 10);
    EXPECT_TRUE(settings.margin_visible);
    EXPECT_EQ(settings.snap_distance, 6);
    EXPECT_EQ(settings.small_snap_distance, 3);
    EXPECT_EQ(session.control_catalog().entry(ControlKind::button).default_width, 60);
}

TEST_F(DesignerSettingsFileTest, UnusableValuesKeepDefaultsAndGridWinsOverSnap) {
    const DesignerSettings& settings = read(session, R"(<config><dialog><autoResizeType value="9"/>
        <grid width="0" height="-3" visible="true"/><margin size="x"/><snap visible="true"/></dialog></config>)")
                                           .designer_settings();
    EXPECT_EQ(settings.auto_resize, AutoResize::only_upsizing);
    EXPECT_EQ(settings.grid_width, 5);
    EXPECT_EQ(settings.grid_height, 5);
    EXPECT_EQ(settings.margin_size, 7);
    EXPECT_TRUE(settings.grid_visible);
    EXPECT_FALSE(settings.snap_on);
}

TEST_F(DesignerSettingsFileTest, SwitchingGridOrSnapOnSwitchesTheOtherOff) {
    DesignerSettings settings;
    settings.set_grid(true);
    settings.set_snap(true);
    EXPECT_FALSE(settings.grid_visible);
    settings.set_grid(true);
    EXPECT_FALSE(settings.snap_on);
    settings.set_grid(false);
    EXPECT_FALSE(settings.snap_on);
}

TEST_F(DesignerSettingsFileTest, SettingsSurviveWritingAndReading) {
    DesignerSettings& settings = session.designer_settings();
    settings.auto_resize = AutoResize::only_downsizing;
    settings.grid_width = 6;
    settings.grid_height = 9;
    settings.margin_size = 11;
    settings.margin_visible = true;
    settings.snap_distance = 4;
    settings.small_snap_distance = 1;
    settings.set_snap(true);
    session.control_catalog().entry(ControlKind::edit).default_width = 77;
    ASSERT_TRUE(write_config(session, paths, session.config_sections()).ok());

    ScriptedPlatform other_platform;
    Session other(other_platform);
    read_config(other, paths, other.config_sections());
    EXPECT_EQ(other.designer_settings(), settings);
    EXPECT_EQ(other.control_catalog().entry(ControlKind::edit).default_width, 77);
}

}  // namespace
}  // namespace tavorin
