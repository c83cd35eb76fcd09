#include "resources/toolbar/toolbar.h"
#include "resources/toolbar/new_toolbar.h"
#include "resources/toolbar/toolbar_binary.h"

#include "base/text.h"
#include "imaging/dib_encoder.h"
#include "model/project.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/resource_fixture.h"

namespace tavorin {
namespace {

class ToolbarTest : public test::ResourceFixture {
protected:
    Toolbar& add_toolbar(std::u16string name) {
        auto stored = session.symbols().register_resource_name(name, kind::toolbar, false, std::nullopt, 0);
        auto toolbar = std::make_unique<Toolbar>(session.symbols());
        toolbar->identity().name = stored ? *stored : name;
        return static_cast<Toolbar&>(*session.project().add_resource(std::move(toolbar)));
    }
    BitmapResource& add_bitmap(std::u16string name, std::uint32_t width, std::uint32_t height) {
        auto stored = session.symbols().register_resource_name(name, kind::bitmap, false, std::nullopt, 0);
        auto bitmap = BitmapResource::with_dib(*encode_dib(Pixels(width, height, argb(255, 1, 2, 3)), 24));
        bitmap->identity().name = stored ? *stored : name;
        return static_cast<BitmapResource&>(*session.project().add_resource(std::move(bitmap)));
    }
};

TEST_F(ToolbarTest, ScriptTextListsButtonsAndSeparators) {
    Toolbar& toolbar = add_toolbar(u"IDR_TOOLBAR1");
    toolbar.add_button(u"ID_FILE_NEW");
    toolbar.add_separator();
    toolbar.add_button(u"ID_FILE_OPEN");
    EXPECT_EQ(script_text(toolbar),
              u"IDR_TOOLBAR1 TOOLBAR 16, 15\r\n"
              u"{\r\n"
              u"    BUTTON      ID_FILE_NEW\r\n"
              u"    SEPARATOR\r\n"
              u"    BUTTON      ID_FILE_OPEN\r\n"
              u"}");
    EXPECT_EQ(session.symbols().value_of(u"ID_FILE_NEW"), 40000);
}

TEST_F(ToolbarTest, CompiledFormIsWidthHeightCountAndItemsOf32Bits) {
    Toolbar& toolbar = add_toolbar(u"IDR_TOOLBAR1");
    toolbar.set_button_size(24, 22);
    toolbar.add_button(u"ID_FILE_NEW", 40001);
    toolbar.add_separator();
    toolbar.add_button(u"300");
    EXPECT_TRUE(toolbar.has_binary_form());
    BinaryBuffer out;
    ASSERT_TRUE(toolbar.serialize(out));
    const std::vector<std::uint8_t> expected{
        24, 0, 0, 0,           // button width
        22, 0, 0, 0,           // button height
        3, 0, 0, 0,            // items
        0x41, 0x9C, 0, 0,      // ID_FILE_NEW = 40001
        0, 0, 0, 0,            // separator
        0x2C, 0x01, 0, 0};     // 300
    EXPECT_EQ(out.take(), expected);
}

TEST_F(ToolbarTest, CompiledFormsOfBothLayoutsDecode) {
    session.symbols().register_item_id(u"ID_KNOWN", add_toolbar(u"IDR_OWNER"), 40010);
    struct Case {
        const char* layout;
        std::vector<std::uint8_t> data;
    };
    const std::vector<Case> cases{
        {"32-bit fields", {16, 0, 0, 0, 15, 0, 0, 0, 3, 0, 0, 0, 0x4A, 0x9C, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0}},
        {"16-bit fields after version 1", {1, 0, 16, 0, 15, 0, 3, 0, 0x4A, 0x9C, 0, 0, 9, 0}},
        {"16-bit fields padded to four", {1, 0, 16, 0, 15, 0, 3, 0, 0x4A, 0x9C, 0, 0, 9, 0, 0, 0}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.layout);
        auto decoded = decode_toolbar(each.data, session.symbols());
        ASSERT_TRUE(decoded);
        const Toolbar& toolbar = **decoded;
        EXPECT_EQ(toolbar.button_width(), 16u);
        EXPECT_EQ(toolbar.button_height(), 15u);
        ASSERT_EQ(toolbar.items().size(), 3u);
        EXPECT_EQ(toolbar.items()[0].id, u"ID_KNOWN");  // the symbol with the value names it
        EXPECT_TRUE(toolbar.items()[1].separator());
        EXPECT_EQ(toolbar.items()[2].id, u"9");
    }
}

TEST_F(ToolbarTest, CompiledDataOfNeitherLayoutIsRefused) {
    const std::vector<std::vector<std::uint8_t>> refused{
        {},
        {16, 0, 0, 0, 15, 0, 0, 0},                            // no count
        {16, 0, 0, 0, 15, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0},    // two items announced, one present
        {2, 0, 16, 0, 15, 0, 1, 0, 5, 0},                      // 16-bit layout of an unknown version
        {1, 0, 16, 0, 15, 0, 9, 0, 5, 0},                      // 16-bit layout, items missing
    };
    for (const auto& data : refused) EXPECT_FALSE(decode_toolbar(data, session.symbols()));
}

TEST_F(ToolbarTest, LinkingToA48PixelBitmapMakesThreeButtons) {
    add_bitmap(u"IDR_MAINFRAME", 48, 20);
    Toolbar& toolbar = add_toolbar(u"IDR_MAINFRAME");
    toolbar.add_button(u"ID_OLD");
    toolbar.link_bitmap(session.project(), folder);
    ASSERT_EQ(toolbar.items().size(), 3u);
    EXPECT_EQ(toolbar.items()[0].id, u"ID_BUTTON1");
    EXPECT_EQ(toolbar.items()[1].id, u"ID_BUTTON2");
    EXPECT_EQ(toolbar.items()[2].id, u"ID_BUTTON3");
    EXPECT_EQ(toolbar.button_height(), 20u);
    EXPECT_FALSE(session.symbols().has_symbol(u"ID_OLD"));  // released with its button
}

TEST_F(ToolbarTest, LinkingFindsTheBitmapByIdentifierValueAndReadsItsFile) {
    BitmapResource& bitmap = add_bitmap(u"IDB_STRIP", 40, 16);
    ASSERT_TRUE(bitmap.export_content(folder));  // now a file reference
    Toolbar& toolbar = add_toolbar(u"IDR_OTHER");
    EXPECT_EQ(toolbar.linked_bitmap(session.project()), nullptr);
    toolbar.link_bitmap(session.project(), folder);
    EXPECT_TRUE(toolbar.items().empty());

    // A toolbar named by the bitmap's number is linked to it.
    Toolbar& by_number = add_toolbar(decimal(session.symbols().value_of(u"IDB_STRIP")));
    EXPECT_EQ(by_number.linked_bitmap(session.project()), &bitmap);
    by_number.link_bitmap(session.project(), folder);
    EXPECT_EQ(by_number.items().size(), 2u);  // 40 pixels hold two buttons of 16
    EXPECT_EQ(by_number.button_height(), 16u);
}

TEST_F(ToolbarTest, ZeroWidthButtonsDoNotLoopForever) {
    add_bitmap(u"IDR_TB", 48, 15);
    Toolbar& toolbar = add_toolbar(u"IDR_TB");
    ASSERT_TRUE(toolbar.set_button_width(u"0", session.strings()));
    toolbar.link_bitmap(session.project(), folder);
    EXPECT_TRUE(toolbar.items().empty());
}

TEST_F(ToolbarTest, RenamingAButtonKeepsItsPrompt) {
    Toolbar& toolbar = add_toolbar(u"IDR_TOOLBAR1");
    toolbar.add_button(u"ID_SAVE");
    toolbar.set_prompt(0, u"Save the file");
    ASSERT_TRUE(toolbar.set_button_id(0, u"ID_FILE_SAVE", session.strings()));
    EXPECT_EQ(toolbar.items()[0].id, u"ID_FILE_SAVE");
    EXPECT_EQ(toolbar.prompt(0), u"Save the file");
    EXPECT_FALSE(session.symbols().has_symbol(u"ID_SAVE"));

    const auto refused = toolbar.set_button_id(0, u"not an id", session.strings());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"Invalid ID.");
    EXPECT_EQ(toolbar.items()[0].id, u"ID_FILE_SAVE");
}

TEST_F(ToolbarTest, EditorOperations) {
    Toolbar& toolbar = add_toolbar(u"IDR_TOOLBAR1");
    toolbar.insert_new_button(0);
    toolbar.insert_new_button(5);  // beyond the end: appended
    toolbar.insert_separator(1);
    ASSERT_EQ(toolbar.items().size(), 3u);
    EXPECT_EQ(toolbar.items()[0].id, u"IDR_COMMAND1");
    EXPECT_TRUE(toolbar.items()[1].separator());
    EXPECT_EQ(toolbar.items()[2].id, u"IDR_COMMAND2");
    toolbar.remove_item(0);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDR_COMMAND1"));
    EXPECT_EQ(toolbar.items().size(), 2u);

    const auto refused = toolbar.set_button_height(u"1x", session.strings());
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"Integer value expected.");
    EXPECT_FALSE(toolbar.set_button_width(u"", session.strings()));
    EXPECT_FALSE(toolbar.set_button_width(u"99999999999", session.strings()));
    ASSERT_TRUE(toolbar.set_button_width(u"24", session.strings()));
    EXPECT_EQ(toolbar.button_width(), 24u);
}

}  // namespace
}  // namespace tavorin

namespace tavorin {
namespace {

TEST_F(ToolbarTest, NewToolbarComesWithItsBitmap) {
    session.project().set_current_language(0x407);
    Toolbar& toolbar = add_new_toolbar(session.workspace(), folder);
    EXPECT_EQ(toolbar.name_text(), u"IDR_TOOLBAR1");
    auto* bitmap = dynamic_cast<BitmapResource*>(toolbar.linked_bitmap(session.project()));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->name_text(), u"IDR_TOOLBAR1");
    EXPECT_EQ(bitmap->language(), 0x407);
    ASSERT_EQ(toolbar.items().size(), 1u);  // one 16-pixel button
    EXPECT_EQ(toolbar.items()[0].id, u"ID_BUTTON1");
    EXPECT_EQ(toolbar.button_height(), 15u);
    EXPECT_EQ(session.project().current_resource(), &toolbar);

    // A second call finds the bitmap and adds nothing.
    EXPECT_EQ(&ensure_toolbar_bitmap(toolbar, session.workspace()), bitmap);
    EXPECT_EQ(session.project().resources_of_kind(kind::bitmap).size(), 1u);
}

TEST_F(ToolbarTest, NewToolbarAvoidsNamesInUse) {
    add_bitmap(u"IDR_TOOLBAR1", 64, 16);
    Toolbar& toolbar = add_new_toolbar(session.workspace(), folder);
    EXPECT_EQ(toolbar.name_text(), u"IDR_TOOLBAR2");
    EXPECT_EQ(toolbar.items().size(), 1u);  // its own blank bitmap, not the other one
    EXPECT_EQ(session.project().resources_of_kind(kind::bitmap).size(), 2u);
}

}  // namespace
}  // namespace tavorin
