#include "app/win32/update_service.h"

#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

using UpdateServiceTest = GuiTest;

// Nothing listens on the loopback address's discard port: WinHTTP's connection fails.
TEST_F(UpdateServiceTest, WithoutAServerAManualCheckSaysSoFromItsThread) {
    session.config().update_server = u"https://127.0.0.1:9/tavorin";
    UpdateService updates(app);
    updates.start(nullptr, true);
    ASSERT_TRUE(pump_until([&] { return !updates.running(); }, 60000));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text,
              u"Cannot retrieve update information.\r\nCheck that your computer has an internet connection.");
}

TEST_F(UpdateServiceTest, DownloadsOnlyOverHttps) {
    EXPECT_FALSE(download_https(u"http://127.0.0.1:9/v_1.5.9", 1024));
    EXPECT_FALSE(download_https(u"https://127.0.0.1:9/v_1.5.9", 1024));
    EXPECT_FALSE(download_https(u"not an address", 1024));
}

}  // namespace
}  // namespace tavorin::testing
