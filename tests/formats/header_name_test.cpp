#include "formats/header_name.h"

#include <gtest/gtest.h>

namespace tavorin {
namespace {

TEST(HeaderName, PlaceholdersTakeThePartsOfTheScriptPath) {
    EXPECT_EQ(expand_header_name(u"%barefilename%_res.h", u"C:\\work\\app.rc"), u"app_res.h");
    EXPECT_EQ(expand_header_name(u"%filename%.h", u"C:\\work\\app.rc"), u"app.rc.h");
    EXPECT_EQ(expand_header_name(u"%filepath%\\res.h", u"C:\\work\\app.rc"), u"C:\\work\\res.h");
    EXPECT_EQ(expand_header_name(u"resource.h", u"C:\\work\\app.rc"), u"resource.h");
}

TEST(HeaderName, BareNameStopsAtTheLastDotOrTakesTheWholeName) {
    EXPECT_EQ(expand_header_name(u"%barefilename%.h", u"/tmp/my.app.rc"), u"my.app.h");
    EXPECT_EQ(expand_header_name(u"%barefilename%.h", u"/tmp/script"), u"script.h");
    EXPECT_EQ(expand_header_name(u"%barefilename%.h", u"script"), u"script.h");
}

TEST(HeaderName, MatchingIsCaseSensitiveAndUnknownPercentsStay) {
    EXPECT_EQ(expand_header_name(u"%FILENAME%_%x%.h", u"C:\\a\\b.rc"), u"%FILENAME%_%x%.h");
    EXPECT_EQ(expand_header_name(u"%filename%%filename%", u"C:\\a\\b.rc"), u"b.rcb.rc");
}

TEST(HeaderName, HeaderGoesBesideTheScriptUnlessTheNameIsAbsolute) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "app";
    const std::filesystem::path script = folder / "app.rc";
    EXPECT_EQ(header_path(script, u"resource.h"), folder / "resource.h");
    EXPECT_EQ(header_path(script, u"inc\\res.h"), folder / "inc" / "res.h");
    const std::u16string absolute = expand_header_name(u"%filepath%\\res.h", script.u16string());
    EXPECT_EQ(header_path(script, absolute), folder / "res.h");
}

}  // namespace
}  // namespace tavorin
