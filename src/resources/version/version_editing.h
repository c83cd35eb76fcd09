#pragma once
// What the version editor (a property list) does to its resource. Each change marks the resource
// modified; version edits are not recorded in an undo history.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"
#include "resources/version/version_info.h"

namespace tavorin {

class Workspace;

inline constexpr std::u16string_view version_number_message = u"Version number must be w1,w2,w3,w4";
inline constexpr std::u16string_view block_exists_message = u"A block is already defined for this language.";
inline constexpr std::u16string_view remove_block_question = u"Do you really want to remove this block?";

// Up to four numbers of 0 to 65535 separated by commas, blanks allowed around them; missing
// trailing numbers are 0. Anything else is refused with "Version number must be w1,w2,w3,w4".
Result<VersionNumber> parse_version_number(std::u16string_view text);

// The title of a block's group: "File Information [", the language's display name, "] " and the
// block's eight-digit key.
std::u16string version_block_title(const VersionStringBlock& block, std::u16string_view language_name);

class VersionEditing {
public:
    VersionEditing(VersionInfo& version, Workspace& workspace) : version_(version), workspace_(workspace) {}

    // Refusals are shown (caption "Error") and returned.
    Status set_file_version(std::u16string_view text);
    Status set_product_version(std::u16string_view text);

    void set_file_os(std::uint32_t value);
    // A new file type switches the subtype list: the subtype becomes its first entry.
    void set_file_type(std::uint32_t value);
    void set_file_subtype(std::uint32_t value);
    void set_file_flags_mask(std::uint32_t value);
    void set_file_flags(std::uint32_t value);

    // A new block holding the twelve standard keys without values. A language and code page that
    // already have a block are refused with "A block is already defined for this language.".
    Status add_block(std::uint16_t language, std::uint16_t code_page);
    // Asks "Do you really want to remove this block?" (Yes/No) and removes the block on Yes.
    bool remove_block(std::size_t index);
    // An empty value leaves the key without a value (it is not written).
    void set_string(std::size_t block, std::u16string_view key, std::u16string value);

private:
    Status set_version(VersionNumber FixedVersionInfo::*field, std::u16string_view text);
    void set_field(std::uint32_t FixedVersionInfo::*field, std::uint32_t value);
    Status refuse(std::u16string_view message);
    void modified();

    VersionInfo& version_;
    Workspace& workspace_;
};

}  // namespace tavorin
