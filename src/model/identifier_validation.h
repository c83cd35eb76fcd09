#pragma once
// Classification of text typed as a resource name, and the message each refusal shows.

#include <optional>
#include <string>
#include <string_view>

namespace tavorin {

class UiStrings;

enum class IdentifierClass {
    symbol,   // a letter or "_", then letters, digits and "_"
    ordinal,  // digits, or "-" and digits, whose magnitude fits 16 bits
    too_big,  // the same, with a magnitude of 0x10000 or more
    string,   // anything else without blank, tab, line break, at sign or back quote
    invalid,  // empty, or containing one of those characters
};

IdentifierClass classify_identifier(std::u16string_view text);

// The message to show (caption "Error") for a refused identifier, or nothing when the text is
// accepted: "Number is too big (WORD value expected)." for too big, "Invalid ID." for invalid
// and, when the caller does not allow string names, for a string.
std::optional<std::u16string> identifier_refusal(IdentifierClass kind, bool allow_string_names,
                                                 const UiStrings& strings);

}  // namespace tavorin
