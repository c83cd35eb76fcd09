#pragma once
// A version resource: the fixed numeric fields of VS_FIXEDFILEINFO and, per language and code
// page, a block of named strings. Blocks keep their order; the translation list is the set of
// their (language, code page) pairs in ascending order.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/resource.h"

namespace tavorin {

class Workspace;

// A new version resource is named 1.
inline constexpr std::u16string_view version_default_name = u"1";

using VersionNumber = std::array<std::uint16_t, 4>;

struct FixedVersionInfo {
    VersionNumber file_version{};
    VersionNumber product_version{};
    std::uint32_t file_flags_mask = 0;
    std::uint32_t file_flags = 0;
    std::uint32_t file_os = 0;
    std::uint32_t file_type = 0;
    std::uint32_t file_subtype = 0;

    friend bool operator==(const FixedVersionInfo&, const FixedVersionInfo&) = default;
};

struct VersionString {
    std::u16string key;
    // Stored form. A key of a new block has no value until one is set; such keys are not written.
    std::optional<std::u16string> value;

    friend bool operator==(const VersionString&, const VersionString&) = default;
};

struct VersionStringBlock {
    std::uint16_t language = 0;
    std::uint16_t code_page = 0;
    std::vector<VersionString> strings;
    // The name as the script or module spelled it ("040904b0"); kept while it still names the
    // language and code page, since compilers copy it as written.
    std::u16string written_name;

    // language × 65536 + code page: the order of the translation list.
    std::uint32_t translation() const { return (std::uint32_t{language} << 16) | code_page; }
    // Eight upper-case hexadecimal digits, language first: "040904B0".
    std::u16string key_text() const;
    // The written name while it matches, else key_text(): the name scripts and modules get.
    std::u16string name() const;

    // The spelling of the name does not make another block.
    friend bool operator==(const VersionStringBlock& a, const VersionStringBlock& b) {
        return a.language == b.language && a.code_page == b.code_page && a.strings == b.strings;
    }
};

// The standard string keys, in the order a new block lists them.
inline constexpr std::array<std::u16string_view, 12> standard_version_keys = {
    u"Comments",        u"CompanyName",     u"FileDescription", u"FileVersion",
    u"InternalName",    u"LegalCopyright",  u"LegalTrademarks", u"OriginalFilename",
    u"PrivateBuild",    u"ProductName",     u"ProductVersion",  u"SpecialBuild",
};

// The language and code page a block name of eight hexadecimal digits stands for ("040904b0":
// 0x0409, 0x04B0); nothing for any other name.
std::optional<std::pair<std::uint16_t, std::uint16_t>> parse_block_name(std::u16string_view name);

// The error for a string block whose name is not eight hexadecimal digits.
std::u16string bad_block_name_message(std::u16string_view name);

// "1,2,3,4"
std::u16string version_text(const VersionNumber& version);

class VersionInfo : public Resource {
public:
    VersionInfo() : Resource(kind::version) {}

    FixedVersionInfo& fixed() { return fixed_; }
    const FixedVersionInfo& fixed() const { return fixed_; }

    const std::vector<VersionStringBlock>& blocks() const { return blocks_; }
    const VersionStringBlock* find_block(std::uint16_t language, std::uint16_t code_page) const;
    // Appends a block; false (nothing added) when one with the same language and code page exists.
    bool add_block(VersionStringBlock block);
    // Appends a block, or, when one with the same language and code page exists, adds to it the
    // strings whose keys it lacks (a file that names a block twice).
    void merge_block(VersionStringBlock block);
    void remove_block(std::size_t index);
    // Puts back every block at once (what undo and redo of a block edit do).
    void set_blocks(std::vector<VersionStringBlock> blocks) { blocks_ = std::move(blocks); }
    // Sets (or adds) a string of a block; an empty value leaves the key without a value.
    void set_string(std::size_t block, std::u16string_view key, std::u16string value);

    // The (language × 65536 + code page) of every block, ascending.
    std::vector<std::uint32_t> translations() const;

    // Whether the compiled form puts VarFileInfo before StringFileInfo (kept from the data read).
    bool var_file_info_first() const { return var_file_info_first_; }
    void set_var_file_info_first(bool first) { var_file_info_first_ = first; }

    // Resource.
    void write_script_text(TextWriter& out, const Workspace& workspace) const override;
    Status serialize(BinaryBuffer& out) const override;

private:
    FixedVersionInfo fixed_;
    std::vector<VersionStringBlock> blocks_;
    bool var_file_info_first_ = false;
};

// A new version resource named 1 (or the next free name when 1 is taken), added to the project.
VersionInfo& add_new_version_info(Workspace& workspace, bool open = false);

}  // namespace tavorin
