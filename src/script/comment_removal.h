#pragma once
// The first pass over a decoded script or header: comments become blanks in place, line feeds
// stay, so every later pass sees the source's line numbers. Literals in double or single quotes
// are left alone; "//" and ";" comment out the rest of a line.

#include <string>

namespace tavorin {

// False when a block comment is still open at the end of the text.
bool remove_comments(std::u16string& text);

}  // namespace tavorin
