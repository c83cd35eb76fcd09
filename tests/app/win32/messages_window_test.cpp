#include "app/win32/messages_window.h"

#include <commctrl.h>

#include <array>
#include <optional>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

std::wstring cell_text(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

int row_image(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

int row_count(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::vector<std::wstring> rows(HWND list) {
    std::vector<std::wstring> texts;
    for (int row = 0; row < row_count(list); ++row) texts.push_back(cell_text(list, row, 2));
    return texts;
}

std::wstring column_title(HWND list, int column) {
    wchar_t text[64] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = text;
    info.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return text;
}

int column_width(HWND list, int column) {
    return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

std::wstring button_text(HWND toolbar, int id) {
    wchar_t text[64] = {};
    SendMessageW(toolbar, TB_GETBUTTONTEXTW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(text));
    return text;
}

bool button_checked(HWND toolbar, int id) {
    return SendMessageW(toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

SIZE window_size(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

class MessagesWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        session.log().error(u"first error");
        session.log().warning(u"a warning");
        session.log().information(u"some news");
        session.log().error(u"second error");
    }

    void TearDown() override {
        if (dialog != nullptr && IsWindow(dialog)) DestroyWindow(dialog);
    }

    void open() {
        dialog = open_messages_window(app, nullptr);
        ASSERT_NE(dialog, nullptr);
        list = GetDlgItem(dialog, messages_control::list);
        toolbar = GetDlgItem(dialog, messages_control::toolbar);
        ASSERT_NE(list, nullptr);
        ASSERT_NE(toolbar, nullptr);
    }

    void command(int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    HWND dialog = nullptr;
    HWND list = nullptr;
    HWND toolbar = nullptr;
};

TEST_F(MessagesWindowTest, ShowsEveryEntryWithItsLevelTimeAndText) {
    open();
    EXPECT_EQ(window_text(dialog), L"Messages");
    EXPECT_EQ(rows(list), (std::vector<std::wstring>{L"first error", L"a warning", L"some news", L"second error"}));
    EXPECT_EQ(cell_text(list, 0, 1), L"12:00:00");
    EXPECT_EQ(cell_text(list, 0, 0), L"");
    EXPECT_EQ(row_image(list, 0), 0);
    EXPECT_EQ(row_image(list, 1), 1);
    EXPECT_EQ(row_image(list, 2), 2);
}

TEST_F(MessagesWindowTest, HasTheIconTimeAndMessageColumns) {
    open();
    EXPECT_EQ(column_title(list, 0), L"");
    EXPECT_EQ(column_title(list, 1), L"Time");
    EXPECT_EQ(column_title(list, 2), L"Message");
    EXPECT_EQ(column_width(list, 0), 20);
    EXPECT_EQ(column_width(list, 1), 50);
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(column_width(list, 2), client.right - 70 - GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(MessagesWindowTest, ToolbarHasThreePressedLevelButtonsAndTheWindowItsButtons) {
    open();
    EXPECT_EQ(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0), 3);
    EXPECT_EQ(button_text(toolbar, messages_control::show_errors), L"Errors");
    EXPECT_EQ(button_text(toolbar, messages_control::show_warnings), L"Warnings");
    EXPECT_EQ(button_text(toolbar, messages_control::show_informations), L"Messages");
    for (int id : {messages_control::show_errors, messages_control::show_warnings, messages_control::show_informations})
        EXPECT_TRUE(button_checked(toolbar, id)) << id;
    EXPECT_EQ(window_text(GetDlgItem(dialog, messages_control::clear)), L"Clear");
    EXPECT_EQ(window_text(GetDlgItem(dialog, messages_control::close)), L"Close");
}

TEST_F(MessagesWindowTest, LevelButtonsFilterTheRowsInTheirOrderOfAge) {
    open();
    command(messages_control::show_errors);
    EXPECT_FALSE(button_checked(toolbar, messages_control::show_errors));
    EXPECT_EQ(rows(list), (std::vector<std::wstring>{L"a warning", L"some news"}));

    command(messages_control::show_informations);
    EXPECT_EQ(rows(list), (std::vector<std::wstring>{L"a warning"}));

    command(messages_control::show_errors);
    EXPECT_TRUE(button_checked(toolbar, messages_control::show_errors));
    EXPECT_EQ(rows(list), (std::vector<std::wstring>{L"first error", L"a warning", L"second error"}));

    command(messages_control::show_warnings);
    EXPECT_EQ(rows(list), (std::vector<std::wstring>{L"first error", L"second error"}));
    EXPECT_EQ(session.log().entries().size(), 4u) << "filtering leaves the log alone";
}

TEST_F(MessagesWindowTest, TheFilterIsKeptForTheNextOpening) {
    open();
    command(messages_control::show_warnings);
    command(messages_control::close);
    EXPECT_FALSE(IsWindow(dialog));
    open();
    EXPECT_FALSE(button_checked(toolbar, messages_control::show_warnings));
    EXPECT_EQ(rows(list), (std::vector<std::wstring>{L"first error", L"some news", L"second error"}));
}

TEST_F(MessagesWindowTest, ClearAsksAndAnsweringNoKeepsEverything) {
    open();
    platform.answers.push_back(Answer::no);
    command(messages_control::clear);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Are you sure to want to clear all the messages?");
    EXPECT_EQ(platform.questions[0].caption, u"Tavorin");
    EXPECT_EQ(platform.questions[0].buttons, AskButtons::yes_no);
    EXPECT_EQ(platform.questions[0].icon, AskIcon::question);
    EXPECT_EQ(row_count(list), 4);
    EXPECT_EQ(session.log().errors(), 2);
}

TEST_F(MessagesWindowTest, ClearWithYesEmptiesTheLogAndTheList) {
    open();
    platform.answers.push_back(Answer::yes);
    command(messages_control::clear);
    EXPECT_EQ(row_count(list), 0);
    EXPECT_TRUE(session.log().entries().empty());
    EXPECT_EQ(session.log().errors(), 0);
    EXPECT_EQ(session.log().warnings(), 0);
    EXPECT_EQ(session.log().informations(), 0);
    EXPECT_TRUE(IsWindow(dialog)) << "clearing does not close the window";
}

TEST_F(MessagesWindowTest, CloseAndEscapeCloseWithoutTouchingTheLog) {
    open();
    command(messages_control::close);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(session.log().entries().size(), 4u);

    open();
    MSG escape{dialog, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(dialog, &escape));
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(MessagesWindowTest, IsResizableDownToTwoHundredPixels) {
    open();
    EXPECT_TRUE(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_THICKFRAME);
    MINMAXINFO limits{};
    SendMessageW(dialog, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 200);
    EXPECT_EQ(limits.ptMinTrackSize.y, 200);
}

TEST_F(MessagesWindowTest, ControlsFollowTheWindowEdges) {
    open();
    const auto distances = [&] {
        RECT client{}, close{}, list_frame{};
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, messages_control::close), &close);
        GetWindowRect(list, &list_frame);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&close), 2);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&list_frame), 2);
        return std::array<LONG, 3>{client.right - close.right, client.bottom - close.bottom,
                                   close.top - list_frame.bottom};
    };
    const auto before = distances();
    SetWindowPos(dialog, nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(distances(), before);
    EXPECT_GT(before[2], 0) << "the list ends above the buttons";
}

TEST_F(MessagesWindowTest, ReopensAtItsLastSize) {
    open();
    SetWindowPos(dialog, nullptr, 0, 0, 420, 310, SWP_NOMOVE | SWP_NOZORDER);
    command(messages_control::close);
    open();
    const SIZE size = window_size(dialog);
    EXPECT_EQ(size.cx, 420);
    EXPECT_EQ(size.cy, 310);
}

// The menu command opens the modal window; a timer looks at it and closes it.
struct ModalVisit {
    HWND main = nullptr;
    std::wstring title;
    int rows = -1;
};
ModalVisit visit;

void CALLBACK look_and_close(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND popup = GetLastActivePopup(visit.main);
    if (popup == visit.main) return;
    visit.title = window_text(popup);
    visit.rows = row_count(GetDlgItem(popup, messages_control::list));
    PostMessageW(popup, WM_COMMAND, MAKEWPARAM(messages_control::close, BN_CLICKED), 0);
}

TEST_F(MessagesWindowTest, TheMessagesCommandOpensTheWindowModally) {
    MainWindow main_window(app);
    ASSERT_TRUE(main_window.create());
    main_window.show();
    visit = ModalVisit{main_window.handle(), L"", -1};
    SetTimer(nullptr, 0, 50, look_and_close);
    SendMessageW(main_window.handle(), WM_COMMAND, cmd::messages, 0);
    EXPECT_EQ(visit.title, L"Messages");
    EXPECT_EQ(visit.rows, 4);
    EXPECT_TRUE(IsWindowEnabled(main_window.handle())) << "the owner is enabled again after the modal window";
}

}  // namespace
}  // namespace tavorin::testing
