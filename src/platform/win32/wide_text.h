#pragma once
// Win32 text is wchar_t, UTF-16 like the program's own text: these copy across at the edge.

#include <string>
#include <string_view>

namespace tavorin {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

inline std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string from_wide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace tavorin
