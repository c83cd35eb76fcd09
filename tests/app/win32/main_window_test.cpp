#include "app/win32/main_window.h"

#include <optional>
#include <vector>

#include "app/command_ids.h"
#include "app/layout_file.h"
#include "app/win32/app_messages.h"
#include "app/win32/message_loop.h"
#include "base/file_io.h"
#include "gui_test_support.h"
#include "ui/panel_layout.h"

namespace tavorin::testing {
namespace {

std::wstring menu_text(HMENU menu, UINT position) {
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

UINT item_id(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info.wID;
}

bool greyed(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; }
bool checked(HMENU menu, UINT id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; }

class MainWindowTest : public GuiTest {
protected:
    void create_window() {
        window.emplace(app);
        ASSERT_TRUE(window->create());
    }
    HWND handle() const { return window->handle(); }
    HMENU bar() const { return window->menu_bar(); }

    std::optional<MainWindow> window;
};

TEST_F(MainWindowTest, IsATavorinWindowWithTheProgramTitle) {
    create_window();
    wchar_t class_name[64] = {};
    GetClassNameW(handle(), class_name, 64);
    EXPECT_STREQ(class_name, L"TavorinWnd");
    EXPECT_EQ(window_text(handle()), L"Tavorin");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(handle(), GWL_STYLE));
    const DWORD expected = WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    EXPECT_EQ(style & expected, expected);
    EXPECT_TRUE(GetWindowLongPtrW(handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_FALSE(IsWindowVisible(handle())) << "the window waits to be shown";
}

TEST_F(MainWindowTest, MenuBarHasTheFiveMenusWithTheirItems) {
    create_window();
    ASSERT_EQ(GetMenuItemCount(bar()), 5);
    EXPECT_EQ(menu_text(bar(), 0), L"&File");
    EXPECT_EQ(menu_text(bar(), 1), L"&Edit");
    EXPECT_EQ(menu_text(bar(), 2), L"&View");
    EXPECT_EQ(menu_text(bar(), 3), L"&Options");
    EXPECT_EQ(menu_text(bar(), 4), L"&Help");

    HMENU file = GetSubMenu(bar(), 0);
    ASSERT_EQ(GetMenuItemCount(file), 14);
    EXPECT_EQ(item_id(file, 0), 40007u);
    EXPECT_EQ(menu_text(file, 0), L"&New project...\tCtrl+N");
    EXPECT_EQ(item_id(file, 4), 42040u);
    EXPECT_EQ(menu_text(file, 4), L"Rewrite Script...");
    EXPECT_EQ(GetMenuState(file, 5, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(menu_text(file, 6), L"Code preview");
    EXPECT_EQ(item_id(file, 6), 42021u);
    HMENU add = GetSubMenu(file, 9);
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(item_id(file, 9), 42022u);
    EXPECT_EQ(menu_text(file, 9), L"Add a resource...");
    ASSERT_EQ(GetMenuItemCount(add), 11);
    EXPECT_EQ(menu_text(add, 3), L"Dialog\tCtrl+D");
    EXPECT_EQ(GetMenuItemID(add, 3), 40102u);
    EXPECT_EQ(menu_text(file, 13), L"&Quit\tCtrl+Q");
    EXPECT_EQ(GetMenuItemID(file, 13), 42001u);

    HMENU view = GetSubMenu(bar(), 2);
    EXPECT_EQ(menu_text(view, 3), L"Messages\tCtrl+M");
    EXPECT_EQ(GetMenuItemID(view, 3), 42032u);
}

TEST_F(MainWindowTest, ProjectItemsAreGreyedWhileNoProjectIsOpen) {
    create_window();
    EXPECT_FALSE(window->project_open());
    for (UINT id : {40125u, 42000u, 42021u, 40122u, 42022u}) EXPECT_TRUE(greyed(bar(), id)) << id;
    for (UINT id : {40007u, 40008u, 42003u, 42001u, 42032u, 42007u, 40132u, 40116u})
        EXPECT_FALSE(greyed(bar(), id)) << id;
    // Undo and Redo follow the history, empty without a project.
    EXPECT_TRUE(greyed(bar(), 40004u));
    EXPECT_TRUE(greyed(bar(), 40003u));
    // Inside the greyed submenus the items themselves stay enabled.
    EXPECT_FALSE(greyed(bar(), 40102u));
    EXPECT_FALSE(greyed(bar(), 40121u));
}

TEST_F(MainWindowTest, AutoSaveLayoutIsCheckedFromTheSettingsAndToggledByItsCommand) {
    session.config().auto_save_layout = true;
    create_window();
    EXPECT_TRUE(checked(bar(), cmd::auto_save_layout));
    SendMessageW(handle(), WM_COMMAND, cmd::auto_save_layout, 0);
    EXPECT_FALSE(checked(bar(), cmd::auto_save_layout));
    EXPECT_FALSE(session.config().auto_save_layout);
    SendMessageW(handle(), WM_COMMAND, cmd::auto_save_layout, 0);
    EXPECT_TRUE(checked(bar(), cmd::auto_save_layout));
    EXPECT_TRUE(session.config().auto_save_layout);
}

TEST_F(MainWindowTest, AutoSaveLayoutStartsUncheckedWhenSwitchedOff) {
    session.config().auto_save_layout = false;
    create_window();
    EXPECT_FALSE(checked(bar(), cmd::auto_save_layout));
}

TEST_F(MainWindowTest, QuitWritesSettingsAndLayoutDestroysTheWindowAndEndsTheLoop) {
    create_window();
    const HWND main = handle();
    const RECT placed = normal_rect(main);
    PostMessageW(main, WM_COMMAND, cmd::quit, 0);
    EXPECT_EQ(run_message_loop(app, main), 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(window->handle(), nullptr);

    const auto settings = read_file_bytes(app.paths.config_file);
    ASSERT_TRUE(settings.ok());
    const std::string xml(settings->begin(), settings->end());
    EXPECT_NE(xml.find("Tavorin configuration file"), std::string::npos);
    EXPECT_NE(xml.find("autoSaveLayout"), std::string::npos);

    const auto layout = read_layout(app.paths.layout_file);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->window, (WindowRect{placed.left, placed.top, placed.right, placed.bottom}));
}

TEST_F(MainWindowTest, ClosingTheWindowQuitsLikeTheCommand) {
    create_window();
    const HWND main = handle();
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run_message_loop(app, main), 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_TRUE(std::filesystem::exists(app.paths.config_file));
}

TEST_F(MainWindowTest, WithoutAutoSaveLayoutOnlyTheSettingsAreWritten) {
    session.config().auto_save_layout = false;
    create_window();
    PostMessageW(handle(), WM_COMMAND, cmd::quit, 0);
    run_message_loop(app, handle());
    EXPECT_TRUE(std::filesystem::exists(app.paths.config_file));
    EXPECT_FALSE(std::filesystem::exists(app.paths.layout_file));
}

TEST_F(MainWindowTest, OpensWhereTheLayoutFileSaysAndKeepsThePanelArrangement) {
    const Layout saved{WindowRect{100, 120, 700, 520}, panel_layout_to_bytes(PanelLayout{false, true, 300, 40})};
    ASSERT_TRUE(write_layout(app.paths.layout_file, saved).ok());
    create_window();
    const RECT placed = normal_rect(handle());
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 120);
    EXPECT_EQ(placed.right, 700);
    EXPECT_EQ(placed.bottom, 520);

    PostMessageW(handle(), WM_COMMAND, cmd::quit, 0);
    run_message_loop(app, handle());
    const auto written = read_layout(app.paths.layout_file);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, saved);
}

TEST_F(MainWindowTest, FirstStartTakesMostOfTheWorkAreaAndAnOversizedLayoutTheMiddleHalf) {
    create_window();
    RECT placed = normal_rect(handle());
    RECT work_area{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work_area, 0));
    EXPECT_EQ((WindowRect{placed.left, placed.top, placed.right, placed.bottom}),
              first_start_window_rect(WindowRect{work_area.left, work_area.top, work_area.right, work_area.bottom}));
    window.reset();

    ASSERT_TRUE(write_file_atomically(app.paths.layout_file, std::vector<std::uint8_t>(2048, 'x')).ok());
    create_window();
    placed = normal_rect(handle());
    const WindowRect expected = default_window_rect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ((WindowRect{placed.left, placed.top, placed.right, placed.bottom}), expected);
}

TEST_F(MainWindowTest, ShowsMaximizedWhenTheSettingsSaySoAndTheSettingFollowsTheWindow) {
    session.config().maximized = true;
    create_window();
    window->show();
    EXPECT_TRUE(IsZoomed(handle()));
    EXPECT_TRUE(session.config().maximized);
    ShowWindow(handle(), SW_RESTORE);
    EXPECT_FALSE(session.config().maximized);
    ShowWindow(handle(), SW_MAXIMIZE);
    EXPECT_TRUE(session.config().maximized);
}

TEST_F(MainWindowTest, ShowsNormalByDefault) {
    create_window();
    window->show();
    EXPECT_TRUE(IsWindowVisible(handle()));
    EXPECT_FALSE(IsZoomed(handle()));
    EXPECT_FALSE(session.config().maximized);
}

}  // namespace
}  // namespace tavorin::testing
