#include "resources/rawdata/raw_data_traits.h"
#include "resources/rawdata/default_manifest.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(RawDataTraits, NamedAndNumericTypes) {
    const auto named = named_raw_traits(u"MYDATA");
    EXPECT_EQ(named.keyword, u"MYDATA");
    EXPECT_EQ(named.default_name, u"IDR_MYDATA");
    EXPECT_EQ(named.type_word, u"resource");
    EXPECT_EQ(named.extension, u"bin");
    EXPECT_EQ(named_raw_traits(u"ABCDEFGHIJKLMNOP").default_name, u"IDR_ABCDEFGHIJ");

    const auto numeric = numeric_raw_traits(10);
    EXPECT_EQ(numeric.keyword, u"10");
    EXPECT_EQ(numeric.default_name, u"IDR_10_");

    EXPECT_EQ(manifest_traits().keyword, u"RT_MANIFEST");
    EXPECT_EQ(manifest_traits().default_name, u"1");
    EXPECT_EQ(manifest_traits().type_word, u"manifest");
    EXPECT_EQ(html_traits().keyword, u"HTML");
    EXPECT_EQ(html_traits().extension, u"html");
}

TEST(DefaultManifest, AsksForCommonControlsSixAndTheCallersPrivileges) {
    const std::string_view text = default_manifest_text();
    EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"));
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\""), std::string_view::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string_view::npos);
    EXPECT_NE(text.find("publicKeyToken=\"6595b64144ccf1df\""), std::string_view::npos);
    EXPECT_NE(text.find("processorArchitecture=\"*\""), std::string_view::npos);
    EXPECT_NE(text.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
              std::string_view::npos);
    EXPECT_TRUE(text.ends_with("</assembly>\r\n"));
    EXPECT_EQ(default_manifest_bytes().size(), text.size());
}

}  // namespace
}  // namespace tavorin
