// The property grid driven with real mouse and keyboard messages: rows and categories, the
// in-place edit box with Enter, Escape and Tab, choice lists opened with F4 and Alt+Down, and
// the splitter.

#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win32/gui_test_support.h"
#include "ui/win32/property_panel.h"

namespace tavorin::testing {
namespace {

using namespace property_flag;

PropertyRow make_row(const char16_t* name, std::uint32_t flags, const char16_t* value = u"") {
    PropertyRow row;
    row.name = name;
    row.flags = flags;
    row.value = value;
    return row;
}

class PropertyGridTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 400, nullptr, nullptr,
                                 instance, nullptr);
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(panel.create(parent, instance, resources.regular_font(), {u"Properties", u"No available information"}));
        panel.move(0, 0, 300, 300);
        grid().callbacks.text_committed = [this](std::size_t row, const std::u16string& text) {
            events.push_back(u"text " + std::u16string(1, static_cast<char16_t>(u'0' + row)) + u" " + text);
        };
        grid().callbacks.choice_picked = [this](std::size_t row, int choice, const std::u16string& text) {
            events.push_back(u"choice " + std::u16string(1, static_cast<char16_t>(u'0' + row)) + u" " +
                             std::u16string(1, static_cast<char16_t>(u'0' + choice)) + u" " + text);
        };
        grid().callbacks.button_pressed = [this](std::size_t row) {
            events.push_back(u"button " + std::u16string(1, static_cast<char16_t>(u'0' + row)));
        };
        PropertyRow charset = make_row(u"Charset", fixed_choices, u"ANSI");
        charset.choices = {u"ANSI", u"UNICODE"};
        charset.choice = 0;
        grid().set_rows({make_row(u"General", category | expanded), make_row(u"Name", free_text, u"IDR_ONE"),
                         make_row(u"Type", disabled, u"RCDATA"), make_row(u"Content", category | expanded), charset,
                         make_row(u"Size", number, u"12"), make_row(u"File", ellipsis, u"a.bin")});
    }
    void TearDown() override { DestroyWindow(parent); }

    PropertyGrid& grid() { return panel.grid(); }
    HWND grid_window() { return grid().handle(); }
    // A click in the value (or name) cell of the row at this shown position.
    void click(std::size_t position, bool value_cell = true) {
        const int x = value_cell ? grid().splitter() + 30 : 30;
        const int y = static_cast<int>(position) * property_row_height + 5;
        SendMessageW(grid_window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(grid_window(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void key(HWND target, WPARAM key) { SendMessageW(target, WM_KEYDOWN, key, 0); }

    HWND parent = nullptr;
    PropertyPanel panel;
    std::vector<std::u16string> events;
};

TEST_F(PropertyGridTest, AnEmptyGridSaysSoAndTheHelpFollowsTheSelection) {
    click(1);
    EXPECT_EQ(grid().selected(), 1u);
    EXPECT_EQ(window_text(panel.help()), L"Name");
    grid().set_rows({});
    EXPECT_TRUE(grid().model().empty());
    EXPECT_EQ(grid().selected(), std::nullopt);
    EXPECT_FALSE(IsWindowVisible(grid().edit_box()));
}

TEST_F(PropertyGridTest, EnterCommitsTheTypedValueAndEscapePutsTheOldOneBack) {
    click(1);
    HWND edit = grid().edit_box();
    ASSERT_TRUE(IsWindowVisible(edit));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(window_text(edit), L"IDR_ONE");
    SetWindowTextW(edit, L"IDR_TWO");
    key(edit, VK_ESCAPE);
    EXPECT_EQ(window_text(edit), L"IDR_ONE");
    EXPECT_TRUE(events.empty());
    SetWindowTextW(edit, L"IDR_TWO");
    key(edit, VK_RETURN);
    EXPECT_EQ(events, (std::vector<std::u16string>{u"text 1 IDR_TWO"}));
    key(edit, VK_RETURN);
    EXPECT_EQ(events.size(), 1u) << "an unchanged value is not committed again";
}

TEST_F(PropertyGridTest, TabMovesBetweenEditableRowsAndCommitsOnTheWay) {
    click(1);
    SetWindowTextW(grid().edit_box(), L"X");
    key(grid().edit_box(), VK_TAB);
    EXPECT_EQ(events, (std::vector<std::u16string>{u"text 1 X"}));
    EXPECT_EQ(grid().selected(), 4u) << "the disabled Type and the category are skipped";
    key(grid_window(), VK_TAB);
    EXPECT_EQ(grid().selected(), 5u);
    EXPECT_EQ(GetFocus(), grid().edit_box());
    EXPECT_TRUE((GetWindowLongPtrW(grid().edit_box(), GWL_STYLE) & ES_NUMBER) != 0);
    key(grid().edit_box(), VK_TAB);
    EXPECT_EQ(grid().selected(), 6u);
    EXPECT_TRUE((GetWindowLongPtrW(grid().edit_box(), GWL_STYLE) & ES_READONLY) != 0);
    EXPECT_EQ(window_text(grid().button()), L"...");
    SendMessageW(grid_window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(grid().button()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(grid().button()));
    EXPECT_EQ(events.back(), u"button 6");
    BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    key(grid().edit_box(), VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(grid().selected(), 5u) << "Shift+Tab goes back";
}

TEST_F(PropertyGridTest, F4AndAltDownOpenTheChoicesAndEnterPicksOne) {
    click(4, false);
    EXPECT_EQ(grid().selected(), 4u);
    EXPECT_FALSE(IsWindowVisible(grid().edit_box())) << "a choice row has no edit box";
    EXPECT_TRUE(IsWindowVisible(grid().button()));
    key(grid_window(), VK_F4);
    HWND list = grid().drop_list();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    RECT rect{};
    GetWindowRect(list, &rect);
    EXPECT_EQ(rect.bottom - rect.top, choice_list_height(2));
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    key(list, VK_RETURN);
    EXPECT_EQ(grid().drop_list(), nullptr);
    EXPECT_EQ(events, (std::vector<std::u16string>{u"choice 4 1 UNICODE"}));

    BYTE keys[256] = {};
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    key(grid_window(), VK_DOWN);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    ASSERT_NE(grid().drop_list(), nullptr) << "Alt+Down";
    key(grid().drop_list(), VK_ESCAPE);
    EXPECT_EQ(grid().drop_list(), nullptr);
    EXPECT_EQ(events.size(), 1u);

    // A double click on a choice row steps to the next choice.
    const int y = 4 * property_row_height + 5;
    SendMessageW(grid_window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(grid().splitter() + 30, y));
    EXPECT_EQ(events.back(), u"choice 4 1 UNICODE");
}

TEST_F(PropertyGridTest, CategoriesFoldAndTheSplitterDrags) {
    // A click on the glyph of "General" folds its two rows away.
    SendMessageW(grid_window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(grid_window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(grid().model().shown(), (std::vector<std::size_t>{0, 3, 4, 5, 6}));
    SendMessageW(grid_window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 5));
    EXPECT_EQ(grid().model().shown().size(), 7u);

    const int from = grid().splitter();
    SendMessageW(grid_window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from, 40));
    SendMessageW(grid_window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from + 40, 40));
    SendMessageW(grid_window(), WM_LBUTTONUP, 0, MAKELPARAM(from + 40, 40));
    EXPECT_NEAR(grid().splitter(), from + 40, 1);
    RECT edit_rect{};
    click(1);
    GetWindowRect(grid().edit_box(), &edit_rect);
    POINT corner{edit_rect.left, edit_rect.top};
    ScreenToClient(grid_window(), &corner);
    EXPECT_GT(corner.x, grid().splitter()) << "the edit box follows the splitter";
}

}  // namespace
}  // namespace tavorin::testing
