// Pixel edits on real resources: a stroke or a fill is one undo step, undo and redo work on the
// resource's bytes (also after the editor's copy is gone), icon images keep their number and
// PNG images stay PNG.

#include "resources/image/pixel_editing.h"

#include "icon_fixtures.h"
#include "imaging/dib_decoder.h"
#include "imaging/icon_image_codec.h"
#include "model/undo_history.h"
#include "resource_fixture.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"

namespace tavorin {
namespace {

using test::Bytes;

Bytes blank_bitmap(std::uint32_t side, std::uint16_t bit_count) {
    Pixels pixels(side, side, argb(0xFF, 0, 0, 0));
    if (bit_count <= 8) pixels.at(0, 0) = argb(0xFF, 0xFF, 0xFF, 0xFF);  // a second palette entry
    return *encode_dib(pixels, bit_count);
}

class PixelEditingTest : public test::ResourceFixture {
protected:
    PixelEditing editing_of(std::shared_ptr<ImageSlot> slot) {
        PixelEditing editing(std::move(slot), session.project(), history, [this](Resource&) { ++changes; });
        EXPECT_TRUE(editing.reload());
        return editing;
    }

    UndoHistory history{platform};
    int changes = 0;
};

TEST_F(PixelEditingTest, AStrokeIsOneStepAndUndoRedoChangeTheBitmapItself) {
    auto bitmap = BitmapResource::with_dib(blank_bitmap(8, 24));
    const Bytes original = bitmap->dib();
    PixelEditing editing = editing_of(bitmap_slot(*bitmap));
    editing.color = 0x00FF0000;
    EXPECT_EQ(editing.press({0, 0}).size(), 1u);
    EXPECT_EQ(editing.drag({3, 0}).size(), 3u);
    EXPECT_EQ(editing.drag({3, 2}).size(), 2u);
    // Nothing reaches the resource before the button is released.
    EXPECT_EQ(bitmap->dib(), original);
    ASSERT_TRUE(editing.release());
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Pen"});
    EXPECT_TRUE(bitmap->identity().modified);
    EXPECT_EQ(changes, 1);

    Pixels after = *decode_dib(bitmap->dib());
    EXPECT_EQ(after.at(3, 2), argb(0xFF, 0xFF, 0, 0));
    EXPECT_EQ(after.at(2, 0), argb(0xFF, 0xFF, 0, 0));
    EXPECT_EQ(after.at(2, 1), argb(0xFF, 0, 0, 0));

    history.undo();
    EXPECT_EQ(bitmap->dib(), original);
    EXPECT_EQ(changes, 2);
    history.redo();
    EXPECT_EQ(decode_dib(bitmap->dib())->at(3, 2), argb(0xFF, 0xFF, 0, 0));
}

TEST_F(PixelEditingTest, AFillIsOneStepAndAFillThatChangesNothingRecordsNothing) {
    auto bitmap = BitmapResource::with_dib(blank_bitmap(6, 4));
    PixelEditing editing = editing_of(bitmap_slot(*bitmap));
    editing.tool = PixelTool::fill;
    editing.color = 2;  // the palette is white (the corner came first), black, then padding
    EXPECT_EQ(editing.press({3, 3}).size(), 35u);  // every pixel but the white corner
    EXPECT_FALSE(editing.stroke_open());
    editing.press({4, 4});
    EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Fill"});
    // The pen releasing without having changed anything records nothing either.
    editing.tool = PixelTool::pen;
    editing.press({2, 2});
    EXPECT_TRUE(editing.release());
    EXPECT_EQ(history.size(), 1u);
}

TEST_F(PixelEditingTest, APaletteColourChangeIsOneStepOnTheColourTable) {
    for (const std::uint16_t bit_count : {1, 4, 8}) {
        auto bitmap = BitmapResource::with_dib(blank_bitmap(8, bit_count));
        const Bytes original = bitmap->dib();
        PixelEditing editing = editing_of(bitmap_slot(*bitmap));
        const std::uint32_t white_index = editing.image().value(0, 0);
        ASSERT_TRUE(editing.set_palette_color(white_index, 0x00FF8000)) << bit_count;
        // Every pixel of that index shows the new colour, the others are unchanged.
        EXPECT_EQ(decode_dib(bitmap->dib())->at(0, 0), argb(0xFF, 0xFF, 0x80, 0)) << bit_count;
        EXPECT_EQ(decode_dib(bitmap->dib())->at(1, 1), argb(0xFF, 0, 0, 0)) << bit_count;
        EXPECT_EQ(editing.image().palette()[white_index], 0x00FF8000u);
        EXPECT_FALSE(editing.set_palette_color(white_index, 0x00FF8000)) << "the same colour";
        EXPECT_FALSE(editing.set_palette_color(editing.image().palette().size(), 0)) << "past the palette";
        EXPECT_EQ(history.undo_names(), std::vector<std::u16string>{u"Palette Color"});
        history.undo();
        EXPECT_EQ(bitmap->dib(), original) << bit_count;
        history.redo();
        EXPECT_EQ(decode_dib(bitmap->dib())->at(0, 0), argb(0xFF, 0xFF, 0x80, 0)) << bit_count;
        history.clear();
    }
}

TEST_F(PixelEditingTest, UndoWorksAfterTheEditorsCopyIsGone) {
    auto bitmap = BitmapResource::with_dib(blank_bitmap(4, 8));
    const Bytes original = bitmap->dib();
    {
        PixelEditing editing = editing_of(bitmap_slot(*bitmap));
        editing.color = 0;  // white over black
        editing.press({1, 1});
        ASSERT_TRUE(editing.release());
    }
    history.undo();
    EXPECT_EQ(bitmap->dib(), original);
}

TEST_F(PixelEditingTest, IconImagesAreFoundByNumberAndPngImagesStayPng) {
    ImageNumbers numbers;
    IconGroup group(IconType::icon, numbers);
    ASSERT_TRUE(group.add_image(test::pattern_icon(16, 4)));
    ASSERT_TRUE(group.add_image(test::pattern_icon(16, 0)));
    const std::uint16_t png_number = group.images()[1].number;
    PixelEditing editing = editing_of(group_image_slot(group, png_number));
    // The list changes under the editor: the PNG image is first now.
    group.move_image(1, 0);
    ASSERT_TRUE(editing.reload());
    editing.color = 0x0000FF;
    editing.alpha = 0;
    editing.press({4, 5});
    ASSERT_TRUE(editing.release());
    const IconImage& edited = group.images()[0];
    EXPECT_EQ(edited.number, png_number);
    EXPECT_TRUE(edited.png);
    EXPECT_EQ(decode_icon_image(edited.bytes)->at(4, 5), argb(0, 0, 0, 0xFF));
    history.undo();
    EXPECT_NE(alpha_of(decode_icon_image(group.images()[0].bytes)->at(4, 5)), 0);
}

TEST_F(PixelEditingTest, TransparencyOfAFourBitIconGoesIntoItsMask) {
    ImageNumbers numbers;
    IconGroup group(IconType::icon, numbers);
    ASSERT_TRUE(group.add_image(test::pattern_icon(8, 4)));
    PixelEditing editing = editing_of(group_image_slot(group, group.images()[0].number));
    editing.color = 0;
    editing.transparent = true;
    editing.press({0, 0});
    editing.drag({0, 1});
    ASSERT_TRUE(editing.release());
    const Pixels shown = *decode_icon_image(group.images()[0].bytes);
    EXPECT_EQ(alpha_of(shown.at(0, 0)), 0);
    EXPECT_EQ(alpha_of(shown.at(0, 1)), 0);
    EXPECT_EQ(alpha_of(shown.at(1, 0)), 0xFF);
}

TEST_F(PixelEditingTest, ImagesTheEditorCannotHandleAreRefusedWithAMessage) {
    auto bitmap = BitmapResource::with_dib(blank_bitmap(4, 16));
    PixelEditing editing(bitmap_slot(*bitmap), session.project(), history, {});
    const Status loaded = editing.reload();
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error(), image_not_editable_text);
    EXPECT_TRUE(editing.press({0, 0}).empty());
}

}  // namespace
}  // namespace tavorin
