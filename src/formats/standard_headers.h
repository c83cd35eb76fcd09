#pragma once
// Which standard header a script needs for the names the writer puts into its statements: the
// window, dialog and control styles of <windows.h>, the common controls' classes and styles of
// <commctrl.h>, the rich edit control's of <richedit.h>. A statement written into a script kept
// as its author wrote it may name something the script never included.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

class SymbolTable;

// The include line ("<commctrl.h>") of the standard header defining the name, or empty when
// the name is none of theirs.
std::u16string_view standard_header_of(std::u16string_view name);

// Adds to `needed` the include line of every standard header that defines a name the statement
// text uses and that neither `defined` (sorted macro names, with "<header.h>" for headers known to
// be included) nor the project's own symbols give. Quoted strings and comments are skipped.
void add_needed_headers(std::u16string_view statement, const std::vector<std::u16string>& defined,
                        const SymbolTable& symbols, std::set<std::u16string>& needed);

}  // namespace tavorin
