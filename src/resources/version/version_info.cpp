#include "resources/version/version_info.h"

#include <algorithm>

#include "model/workspace.h"
#include "base/escapes.h"
#include "base/text.h"
#include "resources/version/version_block.h"
#include "resources/version/version_names.h"

namespace tavorin {

namespace {

constexpr std::size_t fixed_keyword_width = 16;

std::u16string flags_text(std::uint32_t value) { return u"0x" + hexadecimal(value, 8); }

void write_fixed_line(TextWriter& out, std::u16string_view keyword, std::u16string_view value) {
    out.line_break();
    out.write_padded(keyword, fixed_keyword_width);
    out.write(value);
}

// BLOCK "name", then its body one level deeper.
void open_named_block(TextWriter& out, std::u16string_view name) {
    out.line_break();
    out.write(u"BLOCK ");
    out.write_quoted(name);
    out.line_break();
    out.open_block();
}

}  // namespace

std::u16string VersionStringBlock::key_text() const { return hexadecimal(language, 4) + hexadecimal(code_page, 4); }

std::u16string VersionStringBlock::name() const {
    const auto parsed = parse_block_name(written_name);
    if (parsed && parsed->first == language && parsed->second == code_page) return written_name;
    return key_text();
}

std::optional<std::pair<std::uint16_t, std::uint16_t>> parse_block_name(std::u16string_view name) {
    if (name.size() != 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char16_t c : name) {
        const int digit = hex_digit_value(c);
        if (digit < 0) return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return std::pair{static_cast<std::uint16_t>(value >> 16), static_cast<std::uint16_t>(value & 0xFFFF)};
}

std::u16string bad_block_name_message(std::u16string_view name) {
    return u"The string block name \"" + std::u16string(name) + u"\" is not eight hexadecimal digits.";
}

std::u16string version_text(const VersionNumber& version) {
    std::u16string text;
    for (std::size_t i = 0; i < version.size(); ++i) {
        if (i > 0) text += u',';
        text += decimal(version[i]);
    }
    return text;
}

const VersionStringBlock* VersionInfo::find_block(std::uint16_t language, std::uint16_t code_page) const {
    const auto found = std::find_if(blocks_.begin(), blocks_.end(), [&](const VersionStringBlock& block) {
        return block.language == language && block.code_page == code_page;
    });
    return found != blocks_.end() ? &*found : nullptr;
}

bool VersionInfo::add_block(VersionStringBlock block) {
    if (find_block(block.language, block.code_page) != nullptr) return false;
    blocks_.push_back(std::move(block));
    return true;
}

void VersionInfo::merge_block(VersionStringBlock block) {
    const auto existing = std::find_if(blocks_.begin(), blocks_.end(), [&](const VersionStringBlock& b) {
        return b.translation() == block.translation();
    });
    if (existing == blocks_.end()) {
        blocks_.push_back(std::move(block));
        return;
    }
    for (VersionString& string : block.strings) {
        const bool known = std::any_of(existing->strings.begin(), existing->strings.end(),
                                       [&](const VersionString& s) { return s.key == string.key; });
        if (!known) existing->strings.push_back(std::move(string));
    }
}

void VersionInfo::remove_block(std::size_t index) { blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(index)); }

void VersionInfo::set_string(std::size_t block, std::u16string_view key, std::u16string value) {
    std::vector<VersionString>& strings = blocks_.at(block).strings;
    auto found = std::find_if(strings.begin(), strings.end(), [&](const VersionString& s) { return s.key == key; });
    if (found == strings.end()) found = strings.insert(strings.end(), VersionString{std::u16string(key), {}});
    found->value = value.empty() ? std::nullopt : std::optional(std::move(value));
}

std::vector<std::uint32_t> VersionInfo::translations() const {
    std::vector<std::uint32_t> list;
    for (const VersionStringBlock& block : blocks_) list.push_back(block.translation());
    std::sort(list.begin(), list.end());
    return list;
}

//     1 VERSIONINFO
//         FILEVERSION     1,0,0,0
//         ...
//     {
//         BLOCK "StringFileInfo"
//         {
//             BLOCK "040904B0"
//             {
//                 VALUE "CompanyName", "Example"
//             }
//         }
//         BLOCK "VarFileInfo"
//         {
//             VALUE "Translation", 0x0409, 0x04B0
//         }
//     }
void VersionInfo::write_script_text(TextWriter& out, const Workspace&) const {
    out.write(name_text());
    out.write(u" VERSIONINFO");
    out.indent();
    write_fixed_line(out, u"FILEVERSION", version_text(fixed_.file_version));
    write_fixed_line(out, u"PRODUCTVERSION", version_text(fixed_.product_version));
    write_fixed_line(out, u"FILEOS", version_name_of(file_os_names(), fixed_.file_os));
    write_fixed_line(out, u"FILETYPE", version_name_of(file_type_names(), fixed_.file_type));
    write_fixed_line(out, u"FILESUBTYPE", version_name_of(file_subtype_names(fixed_.file_type), fixed_.file_subtype));
    write_fixed_line(out, u"FILEFLAGSMASK", flags_text(fixed_.file_flags_mask));
    write_fixed_line(out, u"FILEFLAGS", flags_text(fixed_.file_flags));
    out.outdent();
    out.line_break();
    out.open_block();
    if (!blocks_.empty()) {
        open_named_block(out, u"StringFileInfo");
        for (const VersionStringBlock& block : blocks_) {
            open_named_block(out, block.name());
            for (const VersionString& string : block.strings) {
                if (!string.value) continue;
                out.line_break();
                out.write(u"VALUE ");
                out.write_quoted(string.key);
                out.write(u", ");
                out.write_quoted(*string.value);
            }
            out.close_block();
        }
        out.close_block();

        open_named_block(out, u"VarFileInfo");
        out.line_break();
        out.write(u"VALUE \"Translation\"");
        for (std::uint32_t translation : translations()) {
            out.write(u", 0x" + hexadecimal(translation >> 16, 4) + u", 0x" + hexadecimal(translation & 0xFFFF, 4));
        }
        out.close_block();
    }
    out.close_block();
}

Status VersionInfo::serialize(BinaryBuffer& out) const { return encode_version_info(*this, out); }

VersionInfo& add_new_version_info(Workspace& workspace, bool open) {
    Project& project = workspace.project();
    auto version = std::make_unique<VersionInfo>();
    const std::uint16_t language = project.current_language();
    auto name = workspace.symbols().register_resource_name(version_default_name, kind::version, false, 1, language);
    version->identity().name = name ? *name : project.new_resource_name(version_default_name, kind::version);
    return static_cast<VersionInfo&>(*project.add_resource(std::move(version), open));
}

}  // namespace tavorin
