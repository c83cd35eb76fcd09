#include "formats/coff_resource_object.h"

#include <gtest/gtest.h>

#include "base/text.h"

// Objects are compared byte for byte with GNU windres's by the compiler_personalities test; these
// cover what a reference tool cannot: refusals and damaged input.

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes data_a{1, 2, 3};
const Bytes data_b{4};

std::vector<CoffResource> sample_resources() {
    return {
        {NameOrOrdinal::of_ordinal(10), NameOrOrdinal::of_text(u"b"), 0x409, data_a},
        {NameOrOrdinal::of_text(u"MYTYPE"), NameOrOrdinal::of_ordinal(1), 0, data_b},
        {NameOrOrdinal::of_ordinal(10), NameOrOrdinal::of_text(u"B"), 0x407, data_b},
        {NameOrOrdinal::of_ordinal(10), NameOrOrdinal::of_text(u"b"), 0x407, data_b},
    };
}

TEST(CoffResourceObject, ReadsBackInDirectoryOrder) {
    const auto object = write_coff_resource_object(sample_resources(), CoffMachine::x86_64, u"app.res");
    ASSERT_TRUE(object);
    ASSERT_TRUE(looks_like_coff_object(*object));
    const auto res = res_from_coff_object(*object, u"app.o");
    ASSERT_TRUE(res) << text_to_utf8(res.error());
    const auto records = split_res_records(*res, u"app.o");
    ASSERT_TRUE(records);
    // Named types before numbered ones, names in code-unit order (upper case first), languages
    // ascending.
    struct Expected {
        std::u16string type;
        std::u16string name;
        std::uint16_t language;
        Bytes data;
    };
    const std::vector<Expected> expected{
        {u"MYTYPE", u"1", 0, data_b}, {u"10", u"B", 0x407, data_b}, {u"10", u"b", 0x407, data_b}, {u"10", u"b", 0x409, data_a}};
    ASSERT_EQ(records->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const CoffResource& record = (*records)[i];
        const auto text = [](const NameOrOrdinal& id) { return id.is_text ? id.text : decimal(id.ordinal); };
        EXPECT_EQ(text(record.type), expected[i].type) << i;
        EXPECT_EQ(text(record.name), expected[i].name) << i;
        EXPECT_EQ(record.language, expected[i].language) << i;
        EXPECT_EQ(Bytes(record.data.begin(), record.data.end()), expected[i].data) << i;
    }
}

TEST(CoffResourceObject, RefusesTwoResourcesOfOneIdentity) {
    auto resources = sample_resources();
    resources.push_back(resources[0]);
    const auto object = write_coff_resource_object(resources, CoffMachine::i386, u"app.res");
    ASSERT_FALSE(object);
    EXPECT_EQ(text_to_utf8(object.error()), "app.res: duplicate resource: type 10, name b, language 1033");
}

TEST(CoffResourceObject, DamagedInputFailsWithItsMessage) {
    const auto object = write_coff_resource_object(sample_resources(), CoffMachine::arm64, u"app.res");
    ASSERT_TRUE(object);
    // Every cut through the headers, the directory and the data fails; none reads past the end.
    for (std::size_t size = 0; size + 8 < object->size() - 18 - 4 - 4 * 10; ++size) {
        const auto res = res_from_coff_object(std::span(*object).first(size), u"app.o");
        ASSERT_FALSE(res) << size;
        const std::string message = text_to_utf8(res.error());
        EXPECT_TRUE(message == "app.o: not a COFF object file" || message == "app.o: malformed resource section")
            << size << ": " << message;
    }
    // A type entry that leads back to the root table.
    Bytes looped = *object;
    const std::size_t section = 20 + 40;
    looped[section + 16 + 4] = 0;
    looped[section + 16 + 5] = 0;
    EXPECT_FALSE(res_from_coff_object(looped, u"app.o"));

    const Bytes not_res{0, 0, 0, 0, 0x20, 0, 0, 0};
    const auto split = split_res_records(not_res, u"x.res");
    ASSERT_FALSE(split);
    EXPECT_EQ(text_to_utf8(split.error()), "x.res, offset 0x0: not a compiled resource file");
}

}  // namespace
}  // namespace tavorin
