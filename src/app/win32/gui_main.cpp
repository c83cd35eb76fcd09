// The Windows program's entry.

#include "platform/win32/windows_api.h"
#include <shellapi.h>

#include <string>
#include <vector>

#include "services/string_ids.h"
#include "services/ui_strings.h"
#include "app/win32/startup.h"
#include "platform/win32/wide_text.h"

namespace {

std::vector<std::u16string> program_arguments() {
    std::vector<std::u16string> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(tavorin::from_wide(words[i]));
    LocalFree(words);
    return arguments;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    // run_program guards everything after the session exists; this catches what fails before.
    try {
        const auto arguments = program_arguments();
        return tavorin::run_program(instance, arguments);
    } catch (...) {
        const auto& strings = tavorin::built_in_strings();
        MessageBoxW(nullptr, tavorin::wide(strings[tavorin::str::fatal_error]).c_str(),
                    tavorin::wide(strings[tavorin::str::error_caption]).c_str(), MB_OK | MB_ICONERROR);
        return 0;
    }
}
