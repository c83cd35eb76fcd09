// Times the dialog designer on a large dialog: opening a dialog of 500 controls (the designer
// created with one preview window per control and everything painted), and dragging a selection
// of 100 controls, from the button press through every mouse move, each repainted at once, to
// the last repaint. Run under Wine inside Xvfb (bench/designer_bench.sh); it prints the median
// and the slowest of several runs in milliseconds.

#include "platform/win32/windows_api.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/session.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/win32/dialog_designer.h"
#include "model/undo_history.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int control_count = 500;
constexpr int selected_count = 100;
constexpr int drag_moves = 40;

struct BenchSite : EditorSite {
    explicit BenchSite(Platform& platform) : undo(platform) {}
    UndoHistory& history(const Resource&) override { return undo; }
    void content_changed(Resource&, std::size_t) override {}
    void editor_state_changed() override {}
    void properties_changed() override {}
    void show_editor_status(std::u16string_view) override {}
    UndoHistory undo;
};

// 25 columns of 20 rows of the common kinds.
std::unique_ptr<Dialog> large_dialog(Workspace& workspace) {
    auto dialog = std::make_unique<Dialog>(workspace, true);
    dialog->set_style(0x80C800C8, 0);  // DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
    dialog->set_font(DialogFont{});
    dialog->set_caption(u"Large");
    dialog->set_rect(DialogRect{0, 0, 25 * 34 + 10, 20 * 16 + 10});
    const ControlKind kinds[] = {ControlKind::button, ControlKind::check_box, ControlKind::edit,
                                 ControlKind::static_text, ControlKind::radio_button, ControlKind::combo_box,
                                 ControlKind::progress, ControlKind::slider};
    const std::uint32_t styles[] = {0x50010000, 0x50010003, 0x50810080, 0x50000000,
                                    0x50000009, 0x50010003, 0x50000000, 0x50010000};
    for (int i = 0; i < control_count; ++i) {
        const int kind = i % 8;
        const ControlRecord record{kinds[kind], u"Item " + decimal(i), std::nullopt, u"IDC_ITEM" + decimal(i),
                                   1000 + i, 5 + (i / 20) * 34, 5 + (i % 20) * 16, 30, 12, styles[kind], 0, -1,
                                   {}, {}};
        (void)dialog->add_control(record);
    }
    return dialog;
}

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

double milliseconds(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-52s median %8.1f ms   slowest %8.1f ms   (%d runs)\n", what, times[times.size() / 2], times.back(),
                static_cast<int>(times.size()));
}

int run(int runs) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    HWND area = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1260,
                                980, nullptr, nullptr, instance, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    ScriptedPlatform platform;
    Session session(platform);
    DesignerSettings settings;
    ControlClipboard clipboard;

    std::vector<double> opening, creating, dragging, per_move, move_handling, dropping;
    for (int run = 0; run < runs; ++run) {
        auto dialog = large_dialog(session.workspace());
        BenchSite site(platform);
        pump();
        const auto opened = Clock::now();
        auto designer = DialogDesigner::create(*dialog, session.workspace(), settings, clipboard, site, area, instance,
                                               font);
        if (designer == nullptr) return 1;
        creating.push_back(milliseconds(opened));
        MoveWindow(designer->window(), 0, 0, 1240, 940, TRUE);
        ShowWindow(designer->window(), SW_SHOW);
        RedrawWindow(designer->window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        opening.push_back(milliseconds(opened));
        pump();

        std::vector<std::int32_t> keys;
        for (int i = 0; i < selected_count; ++i) keys.push_back(dialog->controls()[static_cast<std::size_t>(i)]->unique_key());
        designer->select(keys);
        pump();
        const Control& primary = *dialog->controls().front();
        const DialogRect pixels = to_pixels(primary.rect(), dialog->base_units());
        const POINT origin = designer->client_origin();
        const POINT start{origin.x + pixels.x + pixels.width / 2, origin.y + pixels.y + pixels.height / 2};
        HWND canvas = designer->canvas();
        const auto pressed = Clock::now();
        SendMessageW(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
        double handling = 0;
        for (int move = 1; move <= drag_moves; ++move) {
            const auto moved = Clock::now();
            SendMessageW(canvas, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x + move * 3, start.y + move * 2));
            handling += milliseconds(moved);
            RedrawWindow(canvas, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
        move_handling.push_back(handling / drag_moves);
        const double moving = milliseconds(pressed);
        dragging.push_back(moving);
        per_move.push_back(moving / drag_moves);
        const auto released = Clock::now();
        SendMessageW(canvas, WM_LBUTTONUP, 0, MAKELPARAM(start.x + drag_moves * 3, start.y + drag_moves * 2));
        RedrawWindow(canvas, nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
        dropping.push_back(milliseconds(released));
        if (primary.rect().x == 5) {
            std::fprintf(stderr, "the drag moved nothing\n");
            return 1;
        }
        designer.reset();
        pump();
    }
    std::printf("designer, %d controls, %d selected, %d mouse moves\n", control_count, selected_count, drag_moves);
    report("open (create, previews, first paint)", opening);
    report("open: creating the designer and its previews", creating);
    report("drag: press to last repaint", dragging);
    report("drag: one move with its repaint", per_move);
    report("drag: one move's message alone (without the repaint)", move_handling);
    report("drop: release, model change, previews synced", dropping);
    DestroyWindow(area);
    return 0;
}

}  // namespace
}  // namespace tavorin

// The number of runs may be given as the only argument (default 7).
int main(int argc, char** argv) { return tavorin::run(argc > 1 ? std::max(1, std::atoi(argv[1])) : 7); }
