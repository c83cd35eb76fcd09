#pragma once
// Syntax colouring of resource-script text and generated C code: plain UTF-16 text becomes an RTF
// document that a Rich Edit control shows in 10-point Courier New. Script keywords and
// preprocessor directives are bold in colour 4, comments in colour 3, quoted and angle-bracket
// literals in colour 2.

#include <string>
#include <string_view>

namespace tavorin {

// The RTF document (narrow text; characters above 255 as \u escapes). The text ends at its first
// NUL character, if any. Input that ends inside a block comment or a literal ends the document
// there, without its closing brace.
std::string colour_script(std::u16string_view text);

// Whether the word is one of the script keywords that are coloured (exact, case-sensitive).
bool is_coloured_keyword(std::u16string_view word);

}  // namespace tavorin
