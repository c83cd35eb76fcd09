#include "resources/image/icon_group.h"

#include "icon_fixtures.h"
#include "resource_fixture.h"
#include "resources/image/icon_file.h"

namespace tavorin {
namespace {

using test::Bytes;
using test::FileImage;
using test::icon_file;
using test::tiny_icon_dib;

class IconGroupTest : public test::ResourceFixture {
protected:
    ImageNumbers numbers;
};

std::vector<const ResourceItem*> items_of(const Resource& resource, ResourceItemList& list) {
    resource.add_items(list);
    return list.items();
}

Bytes serialized(const ResourceItem& item) {
    BinaryBuffer out;
    EXPECT_TRUE(item.serialize(out));
    return Bytes(out.bytes().begin(), out.bytes().end());
}

TEST_F(IconGroupTest, IcoFileWithTwoImagesGivesAGroupOfTwoNumberedImages) {
    const Bytes png = test::pattern_icon(32, 0);
    write("app.ico", icon_file(1, {{tiny_icon_dib(), 1, 1, 1, 1}, {png, 32, 32, 1, 32}}));
    numbers.note_read(IconType::icon, 6);  // images read earlier took numbers up to 6

    IconGroup group(IconType::icon, numbers);
    group.identity().name = u"IDI_APP";
    group.identity().language = 0x409;
    group.refer_to_file(u"app.ico");
    EXPECT_EQ(script_text(group), u"IDI_APP            ICON           \"app.ico\"");
    ASSERT_TRUE(group.load_content(folder));
    ASSERT_EQ(group.images().size(), 2u);
    EXPECT_EQ(group.images()[0].number, 7);
    EXPECT_EQ(group.images()[1].number, 8);

    ResourceItemList list;
    const auto items = items_of(group, list);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], &group);
    EXPECT_EQ(group.memory_flags(), 0x1010);
    const Bytes directory = serialized(group);
    ASSERT_EQ(directory.size(), 6u + 2 * 14);
    EXPECT_EQ(directory[4], 2);                         // count
    EXPECT_EQ(directory[6 + 12], 7);                    // first image's number
    EXPECT_EQ(directory[6 + 14 + 12], 8);               // second image's number
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(items[i]->type(), NameOrOrdinal::of_ordinal(3));
        EXPECT_EQ(items[i]->name(), NameOrOrdinal::of_ordinal(static_cast<std::uint16_t>(6 + i)));
        EXPECT_EQ(items[i]->language(), 0x409);
        EXPECT_EQ(items[i]->memory_flags(), 0x1030);
    }
    EXPECT_EQ(serialized(*items[1]), tiny_icon_dib());
    EXPECT_EQ(serialized(*items[2]), png);
}

TEST_F(IconGroupTest, CursorHotSpotRoundTripsThroughCompiledData) {
    write("arrow.cur", icon_file(2, {{tiny_icon_dib(), 1, 1, 5, 7}}));
    IconGroup group(IconType::cursor, numbers);
    group.refer_to_file(u"arrow.cur");
    ASSERT_TRUE(group.load_content(folder));

    ResourceItemList list;
    const auto items = items_of(group, list);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1]->type(), NameOrOrdinal::of_ordinal(1));
    const Bytes cursor_data = serialized(*items[1]);
    EXPECT_EQ(Bytes(cursor_data.begin(), cursor_data.begin() + 4), (Bytes{5, 0, 7, 0}));

    // Read back as a compiled reader would: the image first, then the group.
    IconImageMap read_images;
    ASSERT_TRUE(read_cursor_image(read_images, group.images()[0].number, cursor_data, numbers));
    const auto back = IconGroup::decode(serialized(group), IconType::cursor, read_images, numbers);
    ASSERT_TRUE(back);
    ASSERT_EQ((*back)->images().size(), 1u);
    EXPECT_EQ((*back)->images()[0].hotspot_x, 5);
    EXPECT_EQ((*back)->images()[0].hotspot_y, 7);
    EXPECT_EQ((*back)->images()[0].bytes, tiny_icon_dib());

    // Exported again, the .cur file is the one we started from (but for the colour count this
    // program writes).
    ASSERT_TRUE((*back)->export_content(folder));
    EXPECT_EQ((*back)->content_file(), u"cursor1.cur");
    Bytes expected = icon_file(2, {{tiny_icon_dib(), 1, 1, 5, 7}});
    expected[6 + 2] = 2;
    EXPECT_EQ(read("cursor1.cur"), expected);
}

TEST_F(IconGroupTest, ImagesReadFromABlockKeepTheirPiecesOfItWhenTheReadingEnds) {
    // A compiled file's bytes: a cursor (hot spot first), then an icon.
    const Bytes cursor_image = tiny_icon_dib(0);
    const Bytes icon_image = tiny_icon_dib(1);
    Bytes file{5, 0, 7, 0};
    file.insert(file.end(), cursor_image.begin(), cursor_image.end());
    file.insert(file.end(), icon_image.begin(), icon_image.end());
    auto block = std::make_shared<const Bytes>(file);
    const std::span<const std::uint8_t> bytes(*block);
    const std::size_t icon_start = 4 + cursor_image.size();

    IconImageMap cursors;
    IconImageMap icons;
    ASSERT_TRUE(read_cursor_image(cursors, 1, bytes.first(icon_start), numbers, block));
    ASSERT_TRUE(read_icon_image(icons, 2, bytes.subspan(icon_start), numbers, block));
    const auto directory = [](std::uint8_t type, std::uint8_t number) {
        return Bytes{0, 0, type, 0, 1, 0, 1, 1, 2, 0, 1, 0, 1, 0, 56, 0, 0, 0, number, 0};
    };
    auto cursor_group = IconGroup::decode(directory(2, 1), IconType::cursor, cursors, numbers);
    auto icon_group = IconGroup::decode(directory(1, 2), IconType::icon, icons, numbers);
    ASSERT_TRUE(cursor_group && icon_group);

    // The groups alone hold the block now.
    const std::uint8_t* start = block->data();
    block.reset();
    cursors.clear();
    icons.clear();
    const IconImage& cursor = (*cursor_group)->images().at(0);
    EXPECT_EQ(cursor.bytes.data(), start + 4);
    EXPECT_EQ(cursor.bytes, cursor_image);
    EXPECT_EQ(cursor.hotspot_y, 7);
    const IconImage& icon = (*icon_group)->images().at(0);
    EXPECT_EQ(icon.bytes.data(), start + icon_start);
    EXPECT_EQ(icon.bytes, icon_image);
}

TEST_F(IconGroupTest, GroupDirectoryClaimingMoreThanItHoldsIsRefused) {
    Bytes group(20, 0);
    group[2] = 1;  // icon
    group[4] = 2;  // two entries, but room for one
    const auto refused = IconGroup::decode(group, IconType::icon, {}, numbers);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"Invalid file structure");
}

TEST_F(IconGroupTest, ReadImagesRaiseTheCounterForNewOnes) {
    IconImageMap read_images;
    ASSERT_TRUE(read_icon_image(read_images, 40, tiny_icon_dib(), numbers));
    EXPECT_FALSE(read_icon_image(read_images, 41, Bytes{'n', 'o'}, numbers));
    IconGroup group(IconType::icon, numbers);
    const auto added = group.add_image(tiny_icon_dib());
    ASSERT_TRUE(added);
    EXPECT_EQ(group.images()[*added].number, 41);
    EXPECT_EQ(numbers.next(IconType::cursor), 1u);
}

TEST_F(IconGroupTest, RenumberingAfterARestartKeepsNumbersUniqueAndEntriesCurrent) {
    const Bytes three = tiny_icon_dib(0);
    const Bytes nine = tiny_icon_dib(1);
    IconImageMap read_images;
    ASSERT_TRUE(read_icon_image(read_images, 3, three, numbers));
    ASSERT_TRUE(read_icon_image(read_images, 9, nine, numbers));
    Bytes directory{0, 0, 1, 0, 2, 0};
    for (std::uint8_t number : {9, 3}) {
        const Bytes entry{1, 1, 2, 0, 1, 0, 1, 0, 56, 0, 0, 0, number, 0};
        directory.insert(directory.end(), entry.begin(), entry.end());
    }
    auto first = IconGroup::decode(directory, IconType::icon, read_images, numbers);
    auto second = IconGroup::decode(directory, IconType::icon, read_images, numbers);  // shares the images
    ASSERT_TRUE(first && second);

    numbers.restart();
    EXPECT_TRUE((*first)->renumber_images());
    EXPECT_TRUE((*second)->renumber_images());
    EXPECT_EQ((*first)->images()[0].number, 1);
    EXPECT_EQ((*first)->images()[1].number, 2);
    EXPECT_EQ((*second)->images()[0].number, 3);
    EXPECT_EQ((*second)->images()[1].number, 4);
    const Bytes written = serialized(**second);
    EXPECT_EQ(written[6 + 12], 3);       // the kept entry carries the new number
    EXPECT_EQ(written[6 + 14 + 12], 4);
    EXPECT_EQ(written[6 + 8], 56);       // and the rest of it unchanged
}

TEST_F(IconGroupTest, EditorOperations) {
    IconGroup group(IconType::cursor, numbers);
    ASSERT_TRUE(group.add_image(tiny_icon_dib()));
    ASSERT_TRUE(group.add_image(test::pattern_icon(32, 32)));
    EXPECT_EQ(group.images()[1].width, 32u);

    EXPECT_TRUE(group.set_hotspot(0, 31, 0));
    const auto refused = group.set_hotspot(0, 32, 0);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"Hotspot should be located between 0 and 31");
    EXPECT_EQ(group.images()[0].hotspot_x, 31);

    ASSERT_TRUE(group.replace_image(0, test::pattern_icon(16, 4)));
    EXPECT_EQ(group.images()[0].width, 16u);
    EXPECT_EQ(group.images()[0].bit_count, 4);
    EXPECT_EQ(group.images()[0].hotspot_x, 31);
    EXPECT_EQ(group.images()[0].number, 1);
    EXPECT_FALSE(group.replace_image(0, Bytes{1, 2, 3}));

    group.remove_image(0);
    ASSERT_EQ(group.images().size(), 1u);
    EXPECT_EQ(group.images()[0].number, 2);
}

TEST_F(IconGroupTest, WrongFileKindIsRefusedAndKeepsTheReference) {
    write("app.ico", icon_file(1, {{tiny_icon_dib(), 1, 1, 1, 1}}));
    IconGroup cursor(IconType::cursor, numbers);
    cursor.refer_to_file(u"app.ico");
    const auto refused = cursor.load_content(folder);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), u"app.ico\r\nInvalid file structure");
    EXPECT_EQ(cursor.content_file(), u"app.ico");
    // Named by a script, the message starts with the script's line.
    cursor.set_script_place(u"app.rc(4)");
    EXPECT_EQ(cursor.load_content(folder).error(), u"app.rc(4): app.ico\r\nInvalid file structure");
}

}  // namespace
}  // namespace tavorin
