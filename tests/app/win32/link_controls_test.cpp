#include "app/win32/link_controls.h"

#include <vector>

#include "app/win32/window_classes.h"
#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

std::vector<WPARAM> clicks;

LRESULT CALLBACK parent_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND) clicks.push_back(wparam);
    return DefWindowProcW(window, message, wparam, lparam);
}

class LinkTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WNDCLASSW parent_class{};
        parent_class.lpfnWndProc = parent_procedure;
        parent_class.hInstance = instance;
        parent_class.lpszClassName = L"TavorinTestLinkParent";
        RegisterClassW(&parent_class);
        parent = CreateWindowExW(0, L"TavorinTestLinkParent", nullptr, WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                 instance, nullptr);
        clicks.clear();
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND child(const wchar_t* class_name, int id) {
        return CreateWindowExW(0, class_name, L"Tavorin Web page", WS_CHILD | WS_VISIBLE, 10, 10, 120, 20, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    }

    HWND parent = nullptr;
};

TEST_F(LinkTest, AClickOnALinkReachesTheParentAsItsCommand) {
    HWND link = child(window_class::link, 77);
    ASSERT_NE(link, nullptr);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(clicks.empty()) << "pressing alone is not a click";
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(LOWORD(clicks[0]), 77);
    EXPECT_EQ(HIWORD(clicks[0]), BN_CLICKED);
}

TEST_F(LinkTest, ALinkKeepsTheFontItIsGiven) {
    HWND link = child(window_class::link, 1);
    SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(resources.underlined_font()), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), resources.underlined_font());
    EXPECT_EQ(window_text(link), L"Tavorin Web page");
}

TEST_F(LinkTest, AnImageLinkKeepsItsImageAndReportsClicks) {
    HWND image = child(window_class::image_link, 78);
    HICON icon = LoadIconW(nullptr, IDI_INFORMATION);
    EXPECT_EQ(SendMessageW(image, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(image, STM_GETIMAGE, IMAGE_ICON, 0)), icon);
    UpdateWindow(image);
    SendMessageW(image, WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(LOWORD(clicks[0]), 78);
}

}  // namespace
}  // namespace tavorin::testing
