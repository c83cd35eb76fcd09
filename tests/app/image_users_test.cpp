// Bitmaps and icons that a dialog shows are not removed; by name or by number, and only through
// static controls of the matching type.

#include "app/image_users.h"

#include <gtest/gtest.h>

#include "../script/statement_harness.h"
#include "base/text.h"

namespace tavorin::testing {
namespace {

TEST(ImageUsers, DialogsKeepTheBitmapsAndIconsTheirStaticControlsShow) {
    StatementHarness harness;
    harness.folder.write("a.ico", "");
    harness.folder.write("b.bmp", "BM, never loaded here");  // an empty bitmap file is refused
    const ReadStatus status = harness.read(R"(#define IDI_APP 101
#define IDB_USED 102
IDI_APP ICON "a.ico"
IDI_FREE ICON "a.ico"
IDB_USED BITMAP "b.bmp"
IDB_FREE BITMAP "b.bmp"
IDB_TEXT BITMAP "b.bmp"
IDD_ABOUT DIALOGEX 0, 0, 100, 60
BEGIN
    ICON IDI_APP, -1, 4, 4, 20, 20
    CONTROL 102, -1, "Static", 0x0E, 30, 4, 20, 20
    LTEXT "IDB_TEXT", -1, 4, 30, 60, 8
END
)");
    ASSERT_TRUE(status) << (status ? "" : text_to_utf8(status.failure().message));
    const struct {
        ResourceKind kind;
        const char16_t* name;
        std::optional<str::Id> refusal;
    } cases[] = {{kind::icon, u"IDI_APP", str::icon_used_by_dialog},
                 {kind::icon, u"IDI_FREE", std::nullopt},
                 {kind::bitmap, u"IDB_USED", str::bitmap_used_by_dialog},
                 {kind::bitmap, u"IDB_FREE", std::nullopt},
                 {kind::bitmap, u"IDB_TEXT", std::nullopt}};  // a text that happens to be its name
    for (const auto& c : cases) {
        const Resource* resource = harness.find(c.kind, c.name);
        ASSERT_NE(resource, nullptr) << std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name));
        EXPECT_EQ(removal_refusal(*resource, harness.project()), c.refusal);
    }
    EXPECT_EQ(harness.session.text(str::bitmap_used_by_dialog),
              u"You can't remove this bitmap because it is used by a DIALOG resource.");
}

}  // namespace
}  // namespace tavorin::testing
