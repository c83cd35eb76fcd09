// The image list of icon and cursor groups: images from .ico, .cur, .bmp and .png files, removing,
// moving, hot spots, each one undo step, and the group written out as a file again.

#include "resources/image/group_editing.h"

#include <cstring>

#include "icon_fixtures.h"
#include "imaging/icon_image_codec.h"
#include "imaging/bitmap_file_header.h"
#include "model/undo_history.h"
#include "resource_fixture.h"
#include "resources/image/icon_file.h"

namespace tavorin {
namespace {

using test::Bytes;

class GroupEditingTest : public test::ResourceFixture {
protected:
    std::vector<std::uint16_t> numbers_of(const IconGroup& group) const {
        std::vector<std::uint16_t> result;
        for (const IconImage& image : group.images()) result.push_back(image.number);
        return result;
    }

    ImageNumbers numbers;
    IconGroup icons{IconType::icon, numbers};
    IconGroup cursors{IconType::cursor, numbers};
    UndoHistory history{platform};
    GroupEditing editing{icons, session.project(), history};
};

TEST_F(GroupEditingTest, EachKindOfFileAddsItsImages) {
    Pixels pixels(3, 2, argb(0xFF, 1, 2, 3));
    write("two.ico", test::icon_file(1, {{test::tiny_icon_dib(), 1, 1, 1, 1}, {test::pattern_icon(32, 8), 32, 32, 1, 8}}));
    write("big.png", *encode_png(Pixels(256, 256, argb(0x80, 9, 9, 9))));
    write("small.bmp", *make_bitmap_file(*encode_dib(pixels, 24)));

    ASSERT_EQ(*editing.add_from_file(folder / "two.ico"), 0u);
    ASSERT_EQ(*editing.add_from_file(folder / "big.png"), 2u);
    ASSERT_EQ(*editing.add_from_file(folder / "small.bmp"), 3u);
    ASSERT_EQ(icons.images().size(), 4u);
    EXPECT_EQ(numbers_of(icons), (std::vector<std::uint16_t>{1, 2, 3, 4}));
    const IconImage& png = icons.images()[2];
    EXPECT_TRUE(png.png);
    EXPECT_EQ(png.width, 256u);
    EXPECT_EQ(image_size_text(png, session.strings()), u"Size: PNG-256 x 256");
    const IconImage& bmp = icons.images()[3];
    EXPECT_FALSE(bmp.png);
    EXPECT_EQ(bmp.bit_count, 24);
    EXPECT_EQ(*decode_icon_image(bmp.bytes), pixels);
    EXPECT_EQ(history.size(), 3u);
    EXPECT_TRUE(icons.identity().modified);
}

TEST_F(GroupEditingTest, FilesOfTheWrongKindOrFormatAreRefusedNamingTheFile) {
    write("arrow.cur", test::icon_file(2, {{test::tiny_icon_dib(), 1, 1, 0, 0}}));
    write("fake.png", Bytes{1, 2, 3, 4});
    write("notes.txt", Bytes{'h', 'i'});
    for (const char* name : {"arrow.cur", "fake.png", "notes.txt"}) {
        const auto added = editing.add_from_file(folder / name);
        ASSERT_FALSE(added) << name;
        EXPECT_NE(added.error().find(u"Invalid file structure"), std::u16string::npos);
        EXPECT_NE(added.error().find(std::u16string(name, name + std::strlen(name))), std::u16string::npos);
    }
    EXPECT_FALSE(editing.add_from_file(folder / "missing.ico"));
    EXPECT_TRUE(icons.images().empty());
    EXPECT_EQ(history.size(), 0u);
}

TEST_F(GroupEditingTest, RemoveAndMoveAreUndoneAndRedoneAsSteps) {
    for (std::uint32_t side : {16u, 32u, 48u}) ASSERT_TRUE(icons.add_image(test::pattern_icon(side, 4)));
    EXPECT_TRUE(editing.move(2, -1));
    EXPECT_EQ(numbers_of(icons), (std::vector<std::uint16_t>{1, 3, 2}));
    EXPECT_FALSE(editing.move(0, -1));
    EXPECT_FALSE(editing.move(2, +1));
    editing.remove(0);
    EXPECT_EQ(numbers_of(icons), (std::vector<std::uint16_t>{3, 2}));
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Remove Image", u"Move Image"}));
    history.undo();
    EXPECT_EQ(numbers_of(icons), (std::vector<std::uint16_t>{1, 3, 2}));
    history.undo();
    EXPECT_EQ(numbers_of(icons), (std::vector<std::uint16_t>{1, 2, 3}));
    history.redo(2);
    EXPECT_EQ(numbers_of(icons), (std::vector<std::uint16_t>{3, 2}));
}

TEST_F(GroupEditingTest, CursorHotspotsStayBetweenZeroAndThirtyOneAndComeFromCurFiles) {
    GroupEditing cursor_editing(cursors, session.project(), history);
    write("arrow.cur", test::icon_file(2, {{test::pattern_icon(32, 1), 32, 32, 5, 7}}));
    ASSERT_TRUE(cursor_editing.add_from_file(folder / "arrow.cur"));
    EXPECT_EQ(cursors.images()[0].hotspot_x, 5);
    EXPECT_EQ(cursors.images()[0].hotspot_y, 7);

    const struct {
        std::int64_t x, y;
        bool accepted;
    } cases[] = {{0, 0, true}, {31, 31, true}, {32, 0, false}, {0, 32, false}, {-1, 3, false}};
    for (const auto& c : cases) {
        const Status set = cursor_editing.set_hotspot(0, c.x, c.y);
        EXPECT_EQ(set.ok(), c.accepted) << c.x << "," << c.y;
        if (!set) {
            EXPECT_EQ(set.error(), u"Hotspot should be located between 0 and 31");
        }
    }
    EXPECT_EQ(cursors.images()[0].hotspot_x, 31);
    history.undo();
    EXPECT_EQ(cursors.images()[0].hotspot_x, 0);

    // The hot spot goes out with the group as a .cur file.
    ASSERT_TRUE(cursor_editing.export_to(folder / "out.cur"));
    const auto back = read_icon_file(read("out.cur"), IconType::cursor);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 1u);
    EXPECT_EQ((*back)[0].hotspot_x, 0);
    EXPECT_EQ((*back)[0].bytes, cursors.images()[0].bytes);
}

TEST_F(GroupEditingTest, AnExportedIconGroupKeepsItsPngImageAsPng) {
    const Bytes png = test::pattern_icon(64, 0);
    ASSERT_TRUE(icons.add_image(test::pattern_icon(16, 8)));
    ASSERT_TRUE(icons.add_image(png));
    ASSERT_TRUE(editing.export_to(folder / "out.ico"));
    const auto back = read_icon_file(read("out.ico"), IconType::icon);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->size(), 2u);
    EXPECT_EQ((*back)[1].bytes, png);
    EXPECT_EQ(image_depth_text((*back)[0].bit_count, session.strings()), u"256 Colors (8-bit)");
}

TEST(ImageLabels, EveryDepthHasItsName) {
    UiStrings strings;
    const std::pair<std::uint16_t, std::u16string_view> depths[] = {
        {1, u"Monochrome (1-bit)"}, {4, u"16 Colors (4-bit)"}, {8, u"256 Colors (8-bit)"},
        {24, u"True Color (24-bit)"}, {32, u"Windows XP (32-bit)"}, {16, u"16-bit"}};
    for (const auto& [bits, text] : depths) EXPECT_EQ(image_depth_text(bits, strings), text);
}

}  // namespace
}  // namespace tavorin
