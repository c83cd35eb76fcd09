#pragma once
// Builds small ZIP archives for the update tests: each file stored or deflated (raw deflate
// through zlib), with local headers, a central directory and the end record.

#include <zlib.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin::testing {

class ZipBuilder {
public:
    // `crc_adjust` is added to the recorded CRC-32, to make a damaged entry.
    ZipBuilder& add(std::string_view name, std::string_view content, bool deflated = true, std::uint32_t crc_adjust = 0) {
        std::vector<std::uint8_t> packed;
        if (deflated) {
            z_stream stream{};
            deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
            packed.resize(deflateBound(&stream, static_cast<uLong>(content.size())));
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
            stream.avail_in = static_cast<uInt>(content.size());
            stream.next_out = packed.data();
            stream.avail_out = static_cast<uInt>(packed.size());
            deflate(&stream, Z_FINISH);
            packed.resize(stream.total_out);
            deflateEnd(&stream);
        } else {
            packed.assign(content.begin(), content.end());
        }
        const auto crc = static_cast<std::uint32_t>(
            crc32(0L, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())) + crc_adjust);
        entries_.push_back({std::string(name), deflated ? std::uint16_t{8} : std::uint16_t{0}, crc,
                            static_cast<std::uint32_t>(content.size()), std::move(packed)});
        return *this;
    }

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> out;
        std::vector<std::uint8_t> directory;
        for (const auto& entry : entries_) {
            const auto offset = static_cast<std::uint32_t>(out.size());
            u32(out, 0x04034b50);
            header_fields(out, entry);
            out.insert(out.end(), entry.name.begin(), entry.name.end());
            out.insert(out.end(), entry.packed.begin(), entry.packed.end());

            u32(directory, 0x02014b50);
            u16(directory, 20);  // made by
            header_fields(directory, entry);
            u16(directory, 0);  // comment length
            u16(directory, 0);  // disk
            u16(directory, 0);  // internal attributes
            u32(directory, 0);  // external attributes
            u32(directory, offset);
            directory.insert(directory.end(), entry.name.begin(), entry.name.end());
        }
        const auto directory_offset = static_cast<std::uint32_t>(out.size());
        out.insert(out.end(), directory.begin(), directory.end());
        u32(out, 0x06054b50);
        u16(out, 0);
        u16(out, 0);
        u16(out, static_cast<std::uint16_t>(entries_.size()));
        u16(out, static_cast<std::uint16_t>(entries_.size()));
        u32(out, static_cast<std::uint32_t>(directory.size()));
        u32(out, directory_offset);
        u16(out, 0);  // comment length
        return out;
    }

private:
    struct Entry {
        std::string name;
        std::uint16_t method;
        std::uint32_t crc;
        std::uint32_t size;
        std::vector<std::uint8_t> packed;
    };

    static void u16(std::vector<std::uint8_t>& out, std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    static void u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        u16(out, static_cast<std::uint16_t>(v));
        u16(out, static_cast<std::uint16_t>(v >> 16));
    }
    // The fields local and central headers share, from "version needed" to "extra length".
    static void header_fields(std::vector<std::uint8_t>& out, const Entry& entry) {
        u16(out, 20);     // version needed
        u16(out, 0x800);  // flags: UTF-8 names
        u16(out, entry.method);
        u16(out, 0);  // time
        u16(out, 0);  // date
        u32(out, entry.crc);
        u32(out, static_cast<std::uint32_t>(entry.packed.size()));
        u32(out, entry.size);
        u16(out, static_cast<std::uint16_t>(entry.name.size()));
        u16(out, 0);  // extra length
    }

    std::vector<Entry> entries_;
};

}  // namespace tavorin::testing
