#pragma once
// Error texts of the script reader that are built from pieces: templates whose quoted character
// is replaced, and texts that follow a name.

#include <cstdint>
#include <string>
#include <string_view>

#include "services/ui_strings.h"

namespace tavorin {

// "'?' character expected." with `c` in place of the question mark.
std::u16string character_expected(const UiStrings& strings, char16_t c);
// "' ' character unexpected" with `c` in place of the blank.
std::u16string character_unexpected(const UiStrings& strings, char16_t c);
// "NAME: undeclared identifier."
std::u16string undeclared_identifier(const UiStrings& strings, std::u16string_view name);
// "#endif unexpected" and the like.
std::u16string directive_unexpected(const UiStrings& strings, std::u16string_view directive);

// Failures the reader guards against that have no numbered text of their own yet.
std::u16string division_by_zero();
std::u16string expression_too_deep();
std::u16string recursive_macro(std::u16string_view name);
std::u16string macros_too_deep(std::u16string_view name);
std::u16string expansion_too_large(std::u16string_view name);
std::u16string number_too_large(std::u16string_view digits);
// `text` as the script wrote it; its value when that is not the same.
std::u16string value_out_of_range(std::u16string_view text, std::int64_t value, std::int64_t low, std::int64_t high);
std::u16string menus_too_deep();
std::u16string includes_too_deep(std::u16string_view file_name);
std::u16string too_many_includes(std::u16string_view file_name);
// "NAME: not found in the include paths": a missing include where no one can be asked.
std::u16string include_not_found(std::u16string_view file_name);
// The file name of an #include (as written, from its opening quote) that is never closed.
std::u16string include_name_unclosed(std::u16string_view written, char16_t close);
// A second resource of one type, name and language.
std::u16string duplicate_resource(std::u16string_view name, std::uint16_t language);
// A BITMAP file that is empty or shorter than a bitmap file's header.
std::u16string truncated_bitmap_file(std::u16string_view file_name);
// What an #error directive says, after the directive itself.
std::u16string error_directive(std::u16string_view text);

}  // namespace tavorin
