#include "resources/version/version_block.h"

#include <algorithm>
#include <stdexcept>

#include "base/binary_reader.h"
#include "base/escapes.h"
#include "base/text.h"

namespace tavorin {

namespace {

using namespace version_block;

constexpr std::size_t max_length = 0xFFFF;

// A block whose length goes beyond 16 bits cannot be written; the encoder stops with this.
struct BlockTooLarge {};

// Writes the header of a block (its length as a placeholder) and its key, and patches the length
// when the block is finished.
class BlockWriter {
public:
    BlockWriter(BinaryBuffer& out, std::u16string_view key, std::uint16_t value_length, std::uint16_t type)
        : out_(out) {
        out_.align_to_4();
        start_ = out_.size();
        out_.write_u16(0);
        out_.write_u16(value_length);
        out_.write_u16(type);
        out_.write_text(key);
        out_.align_to_4();
    }

    void finish() {
        const std::size_t length = out_.size() - start_;
        if (length > max_length) throw BlockTooLarge{};
        out_.patch_u16(start_, static_cast<std::uint16_t>(length));
    }
    void patch_value_length(std::size_t length) {
        if (length > max_length) throw BlockTooLarge{};
        out_.patch_u16(start_ + 2, static_cast<std::uint16_t>(length));
    }

private:
    BinaryBuffer& out_;
    std::size_t start_ = 0;
};

void write_fixed(const FixedVersionInfo& fixed, BinaryBuffer& out) {
    const auto high = [](const VersionNumber& v) { return (std::uint32_t{v[0]} << 16) | v[1]; };
    const auto low = [](const VersionNumber& v) { return (std::uint32_t{v[2]} << 16) | v[3]; };
    out.write_u32(signature);
    out.write_u32(structure_version);
    out.write_u32(high(fixed.file_version));
    out.write_u32(low(fixed.file_version));
    out.write_u32(high(fixed.product_version));
    out.write_u32(low(fixed.product_version));
    out.write_u32(fixed.file_flags_mask);
    out.write_u32(fixed.file_flags);
    out.write_u32(fixed.file_os);
    out.write_u32(fixed.file_type);
    out.write_u32(fixed.file_subtype);
    out.write_u32(0);  // file date, not kept
    out.write_u32(0);
}

void write_string_file_info(const VersionInfo& version, BinaryBuffer& out) {
    BlockWriter info(out, u"StringFileInfo", 0, text_type);
    for (const VersionStringBlock& block : version.blocks()) {
        BlockWriter table(out, block.name(), 0, text_type);
        for (const VersionString& string : block.strings) {
            if (!string.value) continue;
            const std::u16string value = unescape_stored_text(*string.value);
            // Scripts often end a value with "\0" themselves; compilers then add no second zero.
            const bool terminated = !value.empty() && value.back() == u'\0';
            const std::size_t length = value.size() + (terminated ? 0 : 1);
            BlockWriter entry(out, string.key, static_cast<std::uint16_t>(std::min(length, max_length)), text_type);
            out.write_text(value, !terminated);
            // The length ends with the value, as compilers write it; the padding that follows
            // belongs to no string (the next header aligns itself).
            entry.finish();
        }
        table.finish();
    }
    info.finish();
}

void write_var_file_info(const VersionInfo& version, BinaryBuffer& out) {
    BlockWriter info(out, u"VarFileInfo", 0, text_type);
    const std::vector<std::uint32_t> translations = version.translations();
    BlockWriter var(out, u"Translation", 0, binary_type);
    for (std::uint32_t translation : translations) {
        out.write_u16(static_cast<std::uint16_t>(translation >> 16));
        out.write_u16(static_cast<std::uint16_t>(translation & 0xFFFF));
    }
    var.patch_value_length(4 * translations.size());
    var.finish();
    info.finish();
}

class VersionReader {
public:
    explicit VersionReader(std::span<const std::uint8_t> data) : data_(data), reader_(data) {}

    Result<std::unique_ptr<VersionInfo>> read() {
        auto version = std::make_unique<VersionInfo>();
        read_header();
        reader_.align_to(4);
        read_fixed(version->fixed());

        bool first_child = true;
        while (true) {
            reader_.align_to(4);
            if (reader_.at_end()) break;
            const Header child = read_header();
            if (child.length == 0) break;
            if (child.key == u"StringFileInfo") {
                if (auto status = read_string_tables(*version, child); !status) return Error{status.error()};
            } else if (child.key == u"Translation") {
                reader_.align_to(4);
                reader_.read_u32();
                reader_.align_to(4);
            } else if (first_child) {
                version->set_var_file_info_first(true);
            }
            first_child = false;
            // Whatever the block held that was not read (VarFileInfo's Translation) is skipped.
            skip_to(child.end);
        }
        return version;
    }

private:
    struct Header {
        std::size_t start = 0;
        std::size_t end = 0;  // start + length, within the data
        std::uint16_t length = 0;
        std::u16string key;
    };

    Header read_header() {
        Header header;
        header.start = reader_.offset();
        header.length = reader_.read_u16();
        reader_.read_u16();  // value length: the text values carry their own terminator
        reader_.read_u16();  // type
        header.key = reader_.read_text();
        header.end = std::min(header.start + header.length, data_.size());
        return header;
    }

    void read_fixed(FixedVersionInfo& fixed) {
        const auto version_of = [](std::uint32_t high, std::uint32_t low) {
            return VersionNumber{static_cast<std::uint16_t>(high >> 16), static_cast<std::uint16_t>(high),
                                 static_cast<std::uint16_t>(low >> 16), static_cast<std::uint16_t>(low)};
        };
        reader_.read_u32();  // signature, not checked
        reader_.read_u32();  // structure version
        const std::uint32_t file_high = reader_.read_u32();
        const std::uint32_t file_low = reader_.read_u32();
        const std::uint32_t product_high = reader_.read_u32();
        const std::uint32_t product_low = reader_.read_u32();
        fixed.file_version = version_of(file_high, file_low);
        fixed.product_version = version_of(product_high, product_low);
        fixed.file_flags_mask = reader_.read_u32();
        fixed.file_flags = reader_.read_u32();
        fixed.file_os = reader_.read_u32();
        fixed.file_type = reader_.read_u32();
        fixed.file_subtype = reader_.read_u32();
        reader_.read_u32();  // file date
        reader_.read_u32();
    }

    Status read_string_tables(VersionInfo& version, const Header& info) {
        while (true) {
            reader_.align_to(4);
            if (reader_.offset() >= info.end) return success();
            const Header table = read_header();
            const auto name = parse_block_name(table.key);
            if (!name) return Error{bad_block_name_message(table.key)};
            VersionStringBlock block{name->first, name->second, {}, table.key};
            while (true) {
                reader_.align_to(4);
                if (reader_.offset() >= std::min(table.end, info.end)) break;
                block.strings.push_back(read_string());
            }
            version.merge_block(std::move(block));
            skip_to(table.end);
        }
    }

    VersionString read_string() {
        const Header header = read_header();
        reader_.align_to(4);
        VersionString string{header.key, std::u16string()};
        // The value is read within the string's own length: an empty value may have no
        // terminator at all, and the next string's header must not be taken for it.
        if (reader_.offset() < header.end) {
            BinaryReader value(data_.subspan(reader_.offset(), header.end - reader_.offset()));
            std::u16string text;
            while (value.remaining() >= 2) {
                const std::uint16_t unit = value.read_u16();
                if (unit == 0) break;
                text.push_back(static_cast<char16_t>(unit));
            }
            string.value = escape_stored_text(text);
        }
        skip_to(header.end);
        return string;
    }

    // Moves forward to `offset`; never back, so that a short length cannot make the reader loop.
    void skip_to(std::size_t offset) {
        if (offset > reader_.offset()) reader_.seek(std::min(offset, data_.size()));
    }

    std::span<const std::uint8_t> data_;
    BinaryReader reader_;
};

}  // namespace

Status encode_version_info(const VersionInfo& version, BinaryBuffer& out) {
    try {
        BlockWriter root(out, u"VS_VERSION_INFO", fixed_size, binary_type);
        write_fixed(version.fixed(), out);
        if (!version.blocks().empty()) {
            if (version.var_file_info_first()) {
                write_var_file_info(version, out);
                write_string_file_info(version, out);
            } else {
                write_string_file_info(version, out);
                write_var_file_info(version, out);
            }
        }
        root.finish();
        return success();
    } catch (const BlockTooLarge&) {
        return Error{u"The version information is too large: a block is longer than 65535 bytes."};
    }
}

Result<std::unique_ptr<VersionInfo>> decode_version_info(std::span<const std::uint8_t> data) {
    try {
        return VersionReader(data).read();
    } catch (const BinaryReadError&) {
        return Error{u"The version information ends early."};
    }
}

}  // namespace tavorin
