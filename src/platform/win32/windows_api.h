#pragma once
// <windows.h> for the program's Win32 code. The SDK defines `pascal`, an old calling-convention
// keyword, as a macro, which would rewrite the setting of that name; nothing here needs it.

#include <windows.h>

#undef pascal
