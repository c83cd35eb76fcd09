#pragma once
// A text of the model as a C string literal in generated code. Texts are held in stored form,
// where backslash escapes stand as typed ("\n", "\"", "\\"), and those escapes mean in C what
// they meant in the script, so they are copied as they are. Only what would break the literal
// is escaped: a double quote that no backslash escapes, and a backslash left alone at the end.

#include <string>
#include <string_view>

namespace tavorin {

struct CodeContext;

// The text between double quotes, wrapped in the text macro when that option is on:
// TEXT("Open \"file\"").
std::u16string c_string_literal(std::u16string_view stored_text, const CodeContext& context);

}  // namespace tavorin
