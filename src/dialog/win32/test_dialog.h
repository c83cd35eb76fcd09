#pragma once
// Test Dialog: the designed dialog run modally as the user will see it, with its menu and one
// real window per control, until OK or Cancel (or closing it) ends the test.

#include "platform/win32/windows_api.h"

#include <functional>

namespace tavorin {

class Dialog;
class Workspace;

// `started` hears the test window once it has its controls (tests close it from there).
void run_dialog_test(HWND owner, const Dialog& dialog, Workspace& workspace,
                     const std::function<void(HWND)>& started);

}  // namespace tavorin
