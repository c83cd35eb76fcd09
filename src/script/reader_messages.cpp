#include "script/reader_messages.h"

#include "services/string_ids.h"
#include "base/text.h"

namespace tavorin {

namespace {

std::u16string with_quoted_character(std::u16string text, char16_t c) {
    if (text.size() >= 2) text[1] = c;
    return text;
}

}  // namespace

std::u16string character_expected(const UiStrings& strings, char16_t c) {
    return with_quoted_character(strings.text(str::character_expected), c);
}

std::u16string character_unexpected(const UiStrings& strings, char16_t c) {
    return with_quoted_character(strings.text(str::character_unexpected), c);
}

std::u16string undeclared_identifier(const UiStrings& strings, std::u16string_view name) {
    return std::u16string(name) + u": " + strings.text(str::undeclared_identifier);
}

std::u16string directive_unexpected(const UiStrings& strings, std::u16string_view directive) {
    return std::u16string(directive) + strings.text(str::unexpected);
}

std::u16string division_by_zero() { return u"Division by zero."; }

std::u16string expression_too_deep() { return u"Expression nested too deeply."; }

std::u16string recursive_macro(std::u16string_view name) {
    return fill_placeholders(u"Recursive macro: %1 refers to itself.", name);
}

std::u16string macros_too_deep(std::u16string_view name) {
    return fill_placeholders(u"Macros nested too deeply at %1.", name);
}

std::u16string expansion_too_large(std::u16string_view name) {
    return fill_placeholders(u"The expansion of macro %1 is too large.", name);
}

std::u16string number_too_large(std::u16string_view digits) {
    return fill_placeholders(u"The number %1 does not fit in 32 bits.", digits);
}

std::u16string value_out_of_range(std::u16string_view text, std::int64_t value, std::int64_t low, std::int64_t high) {
    const std::u16string range = decimal(low) + u" to " + decimal(high);
    const std::u16string shown = text == decimal(value) ? std::u16string(text) : std::u16string(text) + u" (" + decimal(value) + u")";
    return fill_placeholders(u"The value %1 is out of range (%2).", shown, range);
}

std::u16string menus_too_deep() { return u"Menus nested too deeply."; }

std::u16string includes_too_deep(std::u16string_view file_name) {
    return fill_placeholders(u"Includes nested too deeply at %1.", file_name);
}

}  // namespace tavorin

namespace tavorin {

std::u16string too_many_includes(std::u16string_view file_name) {
    return fill_placeholders(u"Too many files included, at %1.", file_name);
}

std::u16string include_not_found(std::u16string_view file_name) {
    return std::u16string(file_name) + u": not found in the include paths";
}

std::u16string include_name_unclosed(std::u16string_view written, char16_t close) {
    return fill_placeholders(u"#include %1: missing closing %2", written, std::u16string(1, close));
}

std::u16string duplicate_resource(std::u16string_view name, std::uint16_t language) {
    return fill_placeholders(u"Duplicate resource: %1 of this type and language (%2) is defined already.", name,
                             decimal(language));
}

std::u16string truncated_bitmap_file(std::u16string_view file_name) {
    return fill_placeholders(u"%1: the bitmap file is empty or truncated.", file_name);
}

std::u16string error_directive(std::u16string_view text) {
    return text.empty() ? u"#error" : u"#error " + std::u16string(text);
}

}  // namespace tavorin
