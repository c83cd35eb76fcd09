#pragma once
// The report of a script that could not be read: the report text above the whole file, which
// is scrolled so that the erroneous line is selected, and an OK button.

#include "platform/win32/windows_api.h"

#include <string>

#include "app/win32/app_context.h"

namespace tavorin {

namespace parse_error_control {
inline constexpr int report = 1100;
inline constexpr int file_view = 1101;
inline constexpr int icon = 1102;
inline constexpr int ok = IDOK;
}  // namespace parse_error_control

struct ParseErrorReport {
    std::u16string report;     // "Error in file: ...", CR LF, "Line N: ..."
    std::u16string file_text;  // the whole file
    int line = 0;              // 1-based; 0 selects nothing
};

// Modal, owned by `owner`, captioned "Tavorin".
void show_parse_error_dialog(App& app, HWND owner, const ParseErrorReport& report);

// The same window without a loop of its own (it destroys itself when closed), for tests.
HWND open_parse_error_dialog(App& app, HWND owner, const ParseErrorReport& report);

}  // namespace tavorin
