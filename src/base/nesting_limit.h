#pragma once
// How deep nested structures may go: menus within menus, included files, macros within macros,
// parentheses and operators within expressions. Scripts and compiled resources share the limit,
// so that whatever one reader accepts, the writers write and the other reader takes back. Deeper
// input is an error with a message rather than a risk to the stack.

namespace tavorin {

inline constexpr int max_nesting_depth = 64;

}  // namespace tavorin
