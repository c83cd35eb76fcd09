#include "app/win32/console_output.h"

#include "platform/win32/windows_api.h"

#include "base/text.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

void write_to_standard_error(std::string_view utf8) {
    if (utf8.empty()) return;
    HANDLE output = GetStdHandle(STD_ERROR_HANDLE);
    UniqueKernelHandle console;
    if (output == nullptr || output == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
        console.reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
        if (console.get() == INVALID_HANDLE_VALUE) {
            console.release();
            return;
        }
        output = console.get();
    }
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(output, &mode)) {
        const std::wstring text = wide(utf8_to_text(utf8));
        WriteConsoleW(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else {
        WriteFile(output, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    }
}

}  // namespace tavorin
