// Times what a user waits for when opening a file in the editor: from the open command to the
// filled resource tree, in the optimized Windows build (under Wine on Linux). Prints the time of
// each run and the number of tree items.
//
//   wine build/windows/bench/tavorin_open_in_window.exe FILE [RUNS]

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/win32/main_window.h"
#include "app/win32/startup.h"
#include "platform/win32/win32_platform.h"

namespace {

using namespace tavorin;

void run_messages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: tavorin_open_in_window FILE [RUNS]\n", stderr);
        return 2;
    }
    const std::filesystem::path file(argv[1]);
    const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 3;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    Win32Platform platform;
    Session session(platform);
    AppResources resources(instance);
    if (!prepare_windowing(instance, resources)) return 1;
    App app{session, AppPaths::beside(platform.executable_folder()), resources, instance,
            register_clipboard_formats(), {}, {}, nullptr, {}};
    session.set_interactive(false);

    for (int run = 0; run < runs; ++run) {
        MainWindow window(app);
        if (!window.create()) return 1;
        window.show();
        run_messages();
        const auto start = std::chrono::steady_clock::now();
        window.open_file(file);
        while (window.loading()) {
            run_messages();
            Sleep(1);
        }
        run_messages();
        UpdateWindow(window.handle());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const auto items = SendMessageW(window.tree().handle(), TVM_GETCOUNT, 0, 0);
        std::printf("run %d: %.3f s to the tree, %ld tree items\n", run + 1, seconds, static_cast<long>(items));
        if (!window.project_open()) {
            std::fputs("the file did not open\n", stderr);
            return 1;
        }
    }
    return 0;
}
