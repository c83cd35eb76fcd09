#include "app/win32/message_loop.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/app_messages.h"
#include "app/win32/main_window.h"
#include "platform/win32/bound_window.h"
#include "gui_test_support.h"

namespace tavorin::testing {
namespace {

struct Received {
    UINT message;
    WPARAM wparam;
    bool wheel_scrolling;  // the flag as the window saw it
};

// The test windows are plain windows of one class that record what they receive and say yes to
// wheel scrolling when asked.
struct TargetRecord {
    std::vector<Received> received;
    const App* app = nullptr;
    LRESULT wheel_answer = 0;  // what the window answers to app_message::wheel
};
TargetRecord record;

LRESULT CALLBACK target_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case app_message::wants_wheel:
            return app_message::wheel_yes;
        case app_message::wheel:
            record.received.push_back({message, wparam, false});
            return record.wheel_answer;
        case WM_VSCROLL:
        case WM_MOUSEWHEEL:
        case app_message::wheel_zoom:
        case app_message::hover_ended:
        case app_message::key_down:
            record.received.push_back({message, wparam, record.app != nullptr && record.app->input.wheel_scrolling});
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

class InputTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        WNDCLASSW target_class{};
        target_class.lpfnWndProc = target_procedure;
        target_class.hInstance = instance;
        target_class.lpszClassName = L"TavorinTestTarget";
        target_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        RegisterClassW(&target_class);
        record = TargetRecord{};
        record.app = &app;

        window.emplace(app);
        ASSERT_TRUE(window->create());
        main = window->handle();
        target = CreateWindowExW(0, L"TavorinTestTarget", nullptr, WS_CHILD | WS_VISIBLE, 10, 10, 200, 150, main,
                                 nullptr, instance, nullptr);
        ASSERT_NE(target, nullptr);
        // Above the editor area, which fills the whole client area.
        SetWindowPos(target, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    void TearDown() override { record = TargetRecord{}; }

    // Posted messages are delivered by a short pump.
    void pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }

    std::vector<UINT> received_messages() const {
        std::vector<UINT> messages;
        for (const auto& entry : record.received) messages.push_back(entry.message);
        return messages;
    }

    std::optional<MainWindow> window;
    HWND main = nullptr;
    HWND target = nullptr;
};

WPARAM wheel(short delta, WORD keys = 0) { return MAKEWPARAM(keys, static_cast<WORD>(delta)); }

TEST_F(InputTest, AWheelNotchBackwardsScrollsThreeLinesDown) {
    scroll_by_wheel(app, target, wheel(-120));
    pump();
    ASSERT_GE(record.received.size(), 2u);
    EXPECT_EQ(record.received[0].message, static_cast<UINT>(WM_VSCROLL));
    EXPECT_EQ(LOWORD(record.received[0].wparam), app_message::scroll_lines);
    EXPECT_EQ(static_cast<short>(HIWORD(record.received[0].wparam)), 3);
    EXPECT_TRUE(record.received[0].wheel_scrolling);
    EXPECT_EQ(record.received[1].message, static_cast<UINT>(WM_VSCROLL));
    EXPECT_EQ(LOWORD(record.received[1].wparam), SB_ENDSCROLL);
    EXPECT_FALSE(app.input.wheel_scrolling);
}

TEST_F(InputTest, AForwardTurnOrLessThanANotchScrollsThreeLinesUp) {
    scroll_by_wheel(app, target, wheel(120));
    scroll_by_wheel(app, target, wheel(-60));
    ASSERT_EQ(received_messages(), (std::vector<UINT>{WM_VSCROLL, WM_VSCROLL, WM_VSCROLL, WM_VSCROLL}));
    EXPECT_EQ(static_cast<short>(HIWORD(record.received[0].wparam)), -3);
    EXPECT_EQ(static_cast<short>(HIWORD(record.received[2].wparam)), -3);
}

TEST_F(InputTest, CtrlAndTheWheelZoom) {
    scroll_by_wheel(app, target, wheel(-240, MK_CONTROL));
    scroll_by_wheel(app, target, wheel(120, MK_CONTROL));
    ASSERT_EQ(received_messages(), (std::vector<UINT>{app_message::wheel_zoom, app_message::wheel_zoom}));
    EXPECT_EQ(record.received[0].wparam, 1u);
    EXPECT_EQ(record.received[1].wparam, 0u);
}

TEST_F(InputTest, TheLoopTurnsAWheelMessageOverAScrollingWindowIntoScrolling) {
    window->show();
    UpdateWindow(main);
    POINT centre{100, 75};
    ClientToScreen(target, &centre);
    ASSERT_EQ(WindowFromPoint(centre), target);

    MSG message{};
    message.hwnd = main;
    message.message = WM_MOUSEWHEEL;
    message.wParam = wheel(-120);
    message.lParam = MAKELPARAM(centre.x, centre.y);
    process_message(app, main, message);
    EXPECT_EQ(received_messages(), (std::vector<UINT>{app_message::wheel, WM_VSCROLL, WM_VSCROLL}));

    // A window that wants the wheel message as it is gets it dispatched unchanged.
    record.received.clear();
    record.wheel_answer = app_message::wheel_yes;
    message.hwnd = target;
    process_message(app, main, message);
    EXPECT_EQ(received_messages(), (std::vector<UINT>{app_message::wheel, WM_MOUSEWHEEL}));
}

TEST_F(InputTest, MovingToAnotherWindowEndsTheHoverOfThePreviousOne) {
    HWND other = CreateWindowExW(0, L"TavorinTestTarget", nullptr, WS_CHILD | WS_VISIBLE, 220, 10, 50, 50, main,
                                 nullptr, instance, nullptr);
    MSG message{};
    message.message = WM_MOUSEMOVE;
    message.hwnd = target;
    process_message(app, main, message);
    EXPECT_EQ(app.input.hover_window, target);
    EXPECT_TRUE(record.received.empty());
    message.hwnd = other;
    process_message(app, main, message);
    EXPECT_EQ(app.input.hover_window, other);
    EXPECT_EQ(received_messages(), (std::vector<UINT>{app_message::hover_ended}));
}

TEST_F(InputTest, AShortcutKeyBecomesItsCommandAndSwallowsItsCharacter) {
    SetCapture(target);
    SendMessageW(main, app_message::key_down, VK_F1, 0);
    EXPECT_TRUE(app.input.shortcut_taken);
    pump();
    EXPECT_TRUE(record.received.empty()) << "a shortcut is not passed on";

    SendMessageW(main, app_message::key_down, 'K', 0);
    EXPECT_FALSE(app.input.shortcut_taken);
    pump();
    EXPECT_EQ(received_messages(), (std::vector<UINT>{app_message::key_down}));
    ReleaseCapture();
}

TEST_F(InputTest, CtrlQQuitsThroughTheShortcutMap) {
    keybd_event(VK_CONTROL, 0, 0, 0);
    pump();
    const bool ctrl_seen = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    SendMessageW(main, app_message::key_down, 'Q', 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
    pump();
    if (!ctrl_seen) GTEST_SKIP() << "this display does not report injected key states";
    EXPECT_FALSE(IsWindow(main));
    EXPECT_TRUE(std::filesystem::exists(app.paths.config_file));
}

// A window whose handler fails: the failure must not leave the window procedure, and the loop
// throws it again for the program's guard.
struct FailingWindow {
    App& app;
    HWND window = nullptr;
    bool detached = false;

    void attach(HWND handle) noexcept { window = handle; }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_APP + 99) throw std::runtime_error("handler failed");
        return DefWindowProcW(window, message, wparam, lparam);
    }
    void on_exception(std::exception_ptr failure) noexcept { app.failure = failure; }
    void detach() noexcept { detached = true; }
};

TEST_F(InputTest, AFailureInsideAWindowProcedureReachesTheLoopsCaller) {
    WNDCLASSW failing_class{};
    failing_class.lpfnWndProc = bound_window_procedure<FailingWindow>;
    failing_class.hInstance = instance;
    failing_class.lpszClassName = L"TavorinTestFailing";
    RegisterClassW(&failing_class);
    FailingWindow owner{app};
    HWND failing = CreateWindowExW(0, L"TavorinTestFailing", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   instance, &owner);
    ASSERT_EQ(owner.window, failing);

    EXPECT_EQ(SendMessageW(failing, WM_APP + 99, 0, 0), 0) << "the procedure returned normally";
    ASSERT_TRUE(app.failure);
    app.failure = nullptr;

    PostMessageW(failing, WM_APP + 99, 0, 0);
    EXPECT_THROW(run_message_loop(app, main), std::runtime_error);
    EXPECT_FALSE(app.failure);
    DestroyWindow(failing);
    EXPECT_TRUE(owner.detached);
}

}  // namespace
}  // namespace tavorin::testing
