#pragma once
// The project as C/C++ source that builds its dialogs and menus with plain Win32 calls: a
// banner, the window-class prologue when there is a dialog, then the code of every resource in
// project order. Saved as a ".c" or ".cpp" file, and shown by the code preview.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/text_writer.h"
#include "model/code_context.h"

namespace tavorin {

class Workspace;

// Written once before the first dialog's code: the instance and the window class every dialog
// registers.
inline constexpr std::u16string_view code_prologue =
    u"HINSTANCE hInst = GetModuleHandle(0);\r\n"
    u"WNDCLASSEX wcex;\r\n"
    u"ZeroMemory(&wcex, sizeof wcex);\r\n"
    u"wcex.cbSize         = sizeof wcex;\r\n"
    u"wcex.hbrBackground  = (HBRUSH)(COLOR_3DFACE + 1);\r\n"
    u"wcex.lpszMenuName   = 0;\r\n"
    u"\r\n"
    u"\r\n";

void write_c_code(TextWriter& out, const Workspace& workspace, const CodeContext& context);

// The code as the preview shows it.
std::u16string c_code_preview(const Workspace& workspace, const CodeContext& context);

// Writes the code to the file in the configured encoding; while that fails the user may retry
// (see write_text_file). False when the user gave up. The code is not the project's file, so the
// project's saved state is left as it was.
bool save_c_code(Workspace& workspace, const std::filesystem::path& path, const CodeContext& context);

}  // namespace tavorin
