#include <gtest/gtest.h>
#include <tinyxml2.h>

#include "dialog/designer_settings.h"

namespace tavorin {
namespace {

TEST(DesignerSettingsSection, DefaultsRoundTripAndGridExcludesSnap) {
    tinyxml2::XMLDocument document;
    auto* element = document.NewElement("dialog");
    document.InsertEndChild(element);
    DesignerSettingsSection section;
    section.read(nullptr);
    EXPECT_EQ(section.settings(), DesignerSettings{});
    section.settings().set_snap(true);
    section.settings().set_grid(true);
    EXPECT_FALSE(section.settings().snap_on);
    section.settings().margin_size = 11;
    section.settings().auto_resize = AutoResize::never;
    section.write(*element);
    DesignerSettingsSection read_back;
    read_back.read(element);
    EXPECT_EQ(read_back.settings(), section.settings());

    tinyxml2::XMLDocument odd;
    odd.Parse(R"(<dialog><autoResizeType value="9"/><grid width="0" height="-3" visible="true"/>
                 <snap visible="TRUE" sepSize="4"/></dialog>)");
    read_back.read(odd.FirstChildElement());
    EXPECT_EQ(read_back.settings().auto_resize, AutoResize::only_upsizing);
    EXPECT_EQ(read_back.settings().grid_width, 5);
    EXPECT_TRUE(read_back.settings().grid_visible);  // both on: the grid stays
    EXPECT_FALSE(read_back.settings().snap_on);
    EXPECT_EQ(read_back.settings().snap_distance, 4);
}

}  // namespace
}  // namespace tavorin
