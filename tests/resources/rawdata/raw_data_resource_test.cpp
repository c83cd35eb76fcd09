#include "resources/rawdata/raw_data_resource.h"

#include "resources/image/resource_fixture.h"
#include "resources/rawdata/default_manifest.h"

namespace tavorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

class RawDataResourceTest : public test::ResourceFixture {};

TEST_F(RawDataResourceTest, RcDataSavedAsScriptIsExportedToResourceFile) {
    const Bytes data{1, 2, 3, 0, 5};
    auto resource = RawDataResource::decode(data, numeric_custom_kind(10));
    resource->identity().name = u"IDR_10_1";
    EXPECT_EQ(resource->type(), NameOrOrdinal::of_ordinal(10));
    ASSERT_TRUE(resource->export_content(folder));
    EXPECT_EQ(resource->content_file(), u"resource1.bin");
    EXPECT_EQ(read("resource1.bin"), data);
    EXPECT_EQ(script_text(*resource), u"IDR_10_1           10             \"resource1.bin\"");

    ASSERT_TRUE(resource->load_content(folder));
    BinaryBuffer out;
    ASSERT_TRUE(resource->serialize(out));
    EXPECT_EQ(Bytes(out.bytes().begin(), out.bytes().end()), data);
}

TEST_F(RawDataResourceTest, NamedTypesKeepTheirName) {
    const auto kind = session.custom_types().kind_for(u"MYDATA");
    auto resource = RawDataResource::decode(Bytes{7}, kind, u"MYDATA");
    resource->identity().name = u"LOGO";
    EXPECT_EQ(resource->type(), NameOrOrdinal::of_text(u"MYDATA"));
    EXPECT_EQ(resource->traits().default_name, u"IDR_MYDATA");
    EXPECT_EQ(script_text(*resource), u"LOGO               MYDATA         \"?\"");
}

TEST_F(RawDataResourceTest, ManifestAndHtmlFiles) {
    auto manifest = RawDataResource::default_manifest();
    EXPECT_EQ(manifest->type(), NameOrOrdinal::of_ordinal(24));
    ASSERT_TRUE(manifest->export_content(folder));
    EXPECT_EQ(manifest->content_file(), u"manifest1.xml");
    const Bytes file = read("manifest1.xml");
    EXPECT_EQ(std::string(file.begin(), file.end()), default_manifest_text());

    auto html = RawDataResource::decode(Bytes{'<', 'p', '>'}, kind::html);
    ASSERT_TRUE(html->export_content(folder));
    EXPECT_EQ(html->content_file(), u"html1.html");
    EXPECT_EQ(html->type(), NameOrOrdinal::of_ordinal(23));
}

}  // namespace
}  // namespace tavorin
