// Resources read from a .res file or a module and not changed since are written back as they
// were read: their data, the fields of their .res record header and, in .res files, their order.
// An edit makes a resource encode its model again; a string table compares each block with what
// was read, so that one edited string changes only its own block.

#include <gtest/gtest.h>

#include "formats/compiled_test_support.h"
#include "formats/pe_file.h"
#include "formats/pe_resource_walk.h"
#include "formats/res_file.h"
#include "formats/res_records.h"
#include "resources/image/icon_fixtures.h"
#include "resources/stringtable/string_table.h"

namespace tavorin {
namespace {

using testing::Bytes;
using testing::id;
using testing::ResBuilder;

constexpr std::uint16_t english = 0x0409;

// A string block's data as compilers write it: sixteen counted slots, not padded.
Bytes string_block(std::initializer_list<std::pair<int, std::u16string_view>> strings) {
    std::array<std::u16string_view, 16> slots{};
    for (const auto& [slot, text] : strings) slots[static_cast<std::size_t>(slot)] = text;
    Bytes data;
    for (const std::u16string_view text : slots) {
        data.push_back(static_cast<std::uint8_t>(text.size()));
        data.push_back(0);
        for (const char16_t c : text) {
            data.push_back(static_cast<std::uint8_t>(c));
            data.push_back(static_cast<std::uint8_t>(c >> 8));
        }
    }
    return data;
}

// A menu whose only item has an identifier and no text.
const Bytes textless_item_menu{
    0, 0, 0, 0,  // version, header size
    0x80, 0,     // MF_END
    7, 0,        // identifier 7
    0, 0,        // empty text
};

class CompiledOriginTest : public ::testing::Test, public testing::CompiledSession {
protected:
    Status read(const Bytes& bytes) {
        folder.write("in.res", std::string(bytes.begin(), bytes.end()));
        return read_res_file(session.workspace(), folder / "in.res", tables);
    }
    Bytes write() {
        EXPECT_TRUE(write_res_file(session.workspace(), folder / "out.res"));
        return folder.bytes("out.res");
    }
    Resource& find(ResourceKind kind, std::u16string_view name) {
        Resource* resource = session.project().find(kind, name, english);
        EXPECT_NE(resource, nullptr);
        return *resource;
    }
    StringTable& strings() { return static_cast<StringTable&>(*session.project().string_table(english)); }
};

// Out of item order (RCDATA before the menu before the strings), with header fields compilers
// rarely write, and data that encodes differently.
Bytes unusual_file() {
    return ResBuilder()
        .record(id(10), id(u"X"), english, Bytes{1, 2, 3}, true, {0, 0x0030, 3, 5})
        .record(id(4), id(1), english, textless_item_menu, true, {0, 0x1010, 0, 9})
        .record(id(6), id(1), english, string_block({{0, u"One"}}), true, {2, 0x1030, 0, 0})
        .record(id(6), id(2), english, string_block({{0, u"Sixteen"}}))
        .bytes();
}

TEST_F(CompiledOriginTest, UntouchedRecordsComeBackByteForByte) {
    ASSERT_EQ(string_block({{0, u"One"}}).size() % 4, 2u);  // compilers do not pad it
    const Bytes file = unusual_file();
    ASSERT_TRUE(read(file));
    EXPECT_EQ(write(), file);
}

TEST_F(CompiledOriginTest, AnEditedResourceIsEncodedFromItsModelAndKeepsItsRecordFields) {
    ASSERT_TRUE(read(unusual_file()));
    Resource& menu = find(kind::menu, u"1");
    ASSERT_NE(menu.origin(), nullptr);
    ASSERT_TRUE(menu.origin()->data);
    session.project().set_modified(menu, true);
    EXPECT_FALSE(menu.origin()->data);

    const auto before = testing::read_res_records(unusual_file());
    const auto after = testing::read_res_records(write());
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after[i].type, before[i].type);
        EXPECT_EQ(after[i].memory_flags, before[i].memory_flags);
        // Only the menu (the third record, after the empty one and the RCDATA) is encoded anew.
        if (i == 2) {
            BinaryBuffer encoded;
            ASSERT_TRUE(menu.serialize(encoded));
            encoded.align_to_4();
            EXPECT_EQ(after[i].padded_data, Bytes(encoded.bytes().begin(), encoded.bytes().end()));
        } else {
            EXPECT_EQ(after[i].padded_data, before[i].padded_data);
        }
    }
}

TEST_F(CompiledOriginTest, AnEditedStringChangesOnlyItsBlock) {
    ASSERT_TRUE(read(unusual_file()));
    StringTable& table = strings();
    // Marked modified without a change of its strings, every block stays as it was read.
    session.project().set_modified(table, true);
    EXPECT_EQ(write(), unusual_file());

    const auto row = table.find(u"16");
    ASSERT_TRUE(row);
    table.set_text(*row, u"Changed");
    const auto records = testing::read_res_records(write());
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[3].data_size, string_block({{0, u"One"}}).size());
    Bytes changed = string_block({{0, u"Changed"}});
    changed.resize((changed.size() + 3) / 4 * 4);
    EXPECT_EQ(records[4].padded_data, changed);
}

TEST_F(CompiledOriginTest, ImagesKeepTheirOwnLanguageAndASecondManifestIsKept) {
    // Two manifests (names 1 and 2), and an icon group in English over an image in language 0.
    const Bytes manifest{'<', 'x', '/', '>'};
    const Bytes icon = test::tiny_icon_dib(0);
    const Bytes group{0, 0, 1, 0, 1, 0,           // reserved, type icon, one entry
                      1, 1, 2, 0, 1, 0, 1, 0,     // 1 x 1, two colours, planes 1, 1 bit
                      static_cast<std::uint8_t>(icon.size()), 0, 0, 0, 1, 0};  // size, image 1
    const Bytes file = ResBuilder()
                           .record(id(3), id(1), 0, icon)
                           .record(id(14), id(u"APP"), english, group)
                           .record(id(24), id(1), english, manifest)
                           .record(id(24), id(2), english, manifest)
                           .bytes();
    ASSERT_TRUE(read(file));
    EXPECT_EQ(write(), file);
}

TEST_F(CompiledOriginTest, AModuleGetsTheBytesThatWereRead) {
    ASSERT_TRUE(read(unusual_file()));
    const auto target = folder / "out.dll";
    ASSERT_TRUE(write_pe_file(session.workspace(), target));
    const auto listing = list_pe_resources(target);
    ASSERT_TRUE(listing);
    std::size_t blocks = 0;
    for (const PeResource& resource : listing->resources) {
        if (resource.type.is_text || resource.type.ordinal != 6) continue;
        ++blocks;
        EXPECT_EQ(Bytes(resource.data.begin(), resource.data.end()),
                  string_block({{0, resource.name.ordinal == 1 ? u"One" : u"Sixteen"}}));
    }
    EXPECT_EQ(blocks, 2u);
}

}  // namespace
}  // namespace tavorin
