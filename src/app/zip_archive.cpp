#include "app/zip_archive.h"

#include <zlib.h>

#include "base/text.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

constexpr std::uint32_t local_header_signature = 0x04034b50;
constexpr std::uint32_t central_header_signature = 0x02014b50;
constexpr std::uint32_t end_record_signature = 0x06054b50;
constexpr std::size_t end_record_size = 22;
constexpr std::size_t central_header_size = 46;
constexpr std::size_t local_header_size = 30;
constexpr std::uint16_t flag_encrypted = 1;
constexpr std::uint16_t flag_utf8_names = 0x800;

// Little-endian reads at a fixed offset; the callers check the range first.
std::uint16_t u16_at(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
std::uint32_t u32_at(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16 |
           std::uint32_t{bytes[at + 3]} << 24;
}

bool fits(std::span<const std::uint8_t> bytes, std::uint64_t offset, std::uint64_t length) {
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

Error unreadable(const UiStrings& strings) { return Error{strings.text(str::update_archive_unreadable)}; }

Error damaged(const UiStrings& strings, std::u16string_view name) {
    return Error{fill_placeholders(strings.text(str::update_entry_damaged), name)};
}

// The end record is the last 22 bytes unless the archive carries a comment (at most 65535 bytes).
std::optional<std::size_t> find_end_record(std::span<const std::uint8_t> archive) {
    if (archive.size() < end_record_size) return std::nullopt;
    const std::size_t last = archive.size() - end_record_size;
    const std::size_t first = last > 0xFFFF ? last - 0xFFFF : 0;
    for (std::size_t at = last + 1; at-- > first;) {
        if (u32_at(archive, at) == end_record_signature && at + end_record_size + u16_at(archive, at + 20) == archive.size()) {
            return at;
        }
    }
    return std::nullopt;
}

// Names without the UTF-8 flag are in code page 437; only its ASCII part is accepted here.
std::optional<std::u16string> entry_name(std::span<const std::uint8_t> bytes, bool utf8) {
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!utf8) {
        for (const char c : raw) {
            if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
        }
    }
    std::u16string name = utf8_to_text(raw);
    if (text_to_utf8(name) != raw) return std::nullopt;  // not valid UTF-8
    return name;
}

}  // namespace

Result<std::vector<ZipEntry>> read_zip_directory(std::span<const std::uint8_t> archive, const UiStrings& strings) {
    const auto end = find_end_record(archive);
    if (!end) return unreadable(strings);
    const std::uint16_t disk = u16_at(archive, *end + 4);
    const std::uint16_t directory_disk = u16_at(archive, *end + 6);
    const std::uint16_t count_here = u16_at(archive, *end + 8);
    const std::uint16_t count = u16_at(archive, *end + 10);
    const std::uint32_t directory_size = u32_at(archive, *end + 12);
    const std::uint32_t directory_offset = u32_at(archive, *end + 16);
    // 0xFFFF and 0xFFFFFFFF mark ZIP64 archives, which are refused like split ones.
    if (disk != 0 || directory_disk != 0 || count_here != count || count == 0xFFFF ||
        directory_offset == 0xFFFFFFFF || !fits(archive.first(*end), directory_offset, directory_size)) {
        return unreadable(strings);
    }

    std::vector<ZipEntry> entries;
    std::uint64_t total = 0;
    std::size_t at = directory_offset;
    const std::size_t directory_end = std::size_t{directory_offset} + directory_size;
    for (std::uint16_t i = 0; i < count; ++i) {
        if (!fits(archive.first(directory_end), at, central_header_size) || u32_at(archive, at) != central_header_signature) {
            return unreadable(strings);
        }
        const std::uint16_t flags = u16_at(archive, at + 8);
        ZipEntry entry;
        entry.method = u16_at(archive, at + 10);
        entry.crc32 = u32_at(archive, at + 16);
        entry.packed_size = u32_at(archive, at + 20);
        entry.size = u32_at(archive, at + 24);
        const std::size_t name_length = u16_at(archive, at + 28);
        const std::size_t extra_length = u16_at(archive, at + 30);
        const std::size_t comment_length = u16_at(archive, at + 32);
        entry.local_header_offset = u32_at(archive, at + 42);
        const std::size_t record_size = central_header_size + name_length + extra_length + comment_length;
        if (!fits(archive.first(directory_end), at, record_size)) return unreadable(strings);
        auto name = entry_name(archive.subspan(at + central_header_size, name_length), (flags & flag_utf8_names) != 0);
        if (!name) return unreadable(strings);
        entry.name = std::move(*name);
        if ((flags & flag_encrypted) != 0 || (entry.method != 0 && entry.method != 8) || entry.size == 0xFFFFFFFF ||
            entry.packed_size == 0xFFFFFFFF || entry.local_header_offset == 0xFFFFFFFF) {
            return damaged(strings, entry.name);
        }
        total += entry.size;
        if (total > max_unpacked_archive_size) return Error{strings.text(str::update_too_large)};
        entries.push_back(std::move(entry));
        at += record_size;
    }
    return entries;
}

Result<std::vector<std::uint8_t>> read_zip_entry(std::span<const std::uint8_t> archive, const ZipEntry& entry,
                                                 const UiStrings& strings) {
    const std::size_t header = entry.local_header_offset;
    if (!fits(archive, header, local_header_size) || u32_at(archive, header) != local_header_signature) {
        return damaged(strings, entry.name);
    }
    const std::uint64_t data = std::uint64_t{header} + local_header_size + u16_at(archive, header + 26) +
                               u16_at(archive, header + 28);
    if (!fits(archive, data, entry.packed_size)) return damaged(strings, entry.name);
    const auto packed = archive.subspan(static_cast<std::size_t>(data), entry.packed_size);

    std::vector<std::uint8_t> bytes(entry.size);
    if (entry.method == 0) {
        if (entry.packed_size != entry.size) return damaged(strings, entry.name);
        std::copy(packed.begin(), packed.end(), bytes.begin());
    } else {
        z_stream stream{};
        if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return damaged(strings, entry.name);
        // zlib's interface is not const-correct; it only reads the input.
        stream.next_in = const_cast<Bytef*>(packed.data());
        stream.avail_in = static_cast<uInt>(packed.size());
        // One spare byte shows when the data inflates to more than the directory says.
        std::uint8_t spare = 0;
        stream.next_out = bytes.empty() ? &spare : bytes.data();
        stream.avail_out = bytes.empty() ? 1 : static_cast<uInt>(bytes.size());
        int status = inflate(&stream, Z_FINISH);
        if (!bytes.empty() && status == Z_BUF_ERROR && stream.avail_out == 0) {
            stream.next_out = &spare;
            stream.avail_out = 1;
            status = inflate(&stream, Z_FINISH);
        }
        const auto produced = stream.total_out;
        inflateEnd(&stream);
        if (status != Z_STREAM_END || produced != entry.size) return damaged(strings, entry.name);
    }
    const auto crc = crc32(crc32(0L, Z_NULL, 0), bytes.data(), static_cast<uInt>(bytes.size()));
    if (crc != entry.crc32) return damaged(strings, entry.name);
    return bytes;
}

}  // namespace tavorin
