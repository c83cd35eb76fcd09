#include "imaging/dib_header.h"

#include <algorithm>

#include "base/binary_reader.h"
#include "imaging/invalid_image.h"

namespace tavorin {
namespace {

bool known_header_size(std::uint32_t size) {
    return size == core_header_size || size == info_header_size || size == 52 || size == 56 || size == 108 ||
           size == 124;
}

bool uses_masks(DibCompression compression) {
    return compression == DibCompression::bitfields || compression == DibCompression::alpha_bitfields;
}

DibHeader read_core_header(BinaryReader& reader) {
    DibHeader header;
    header.header_size = core_header_size;
    header.width = reader.read_u16();
    header.height = reader.read_u16();
    header.planes = reader.read_u16();
    header.bit_count = reader.read_u16();
    header.palette_entry_size = 3;
    return header;
}

DibHeader read_info_header(BinaryReader& reader, std::uint32_t size) {
    DibHeader header;
    header.header_size = size;
    header.width = static_cast<std::int32_t>(reader.read_u32());
    header.height = static_cast<std::int32_t>(reader.read_u32());
    header.planes = reader.read_u16();
    header.bit_count = reader.read_u16();
    header.compression = static_cast<DibCompression>(reader.read_u32());
    header.image_size = reader.read_u32();
    reader.skip(8);  // resolution
    header.colors_used = reader.read_u32();
    reader.skip(4);  // important colours
    if (!uses_masks(header.compression)) return header;
    // Longer headers hold the masks themselves; after a 40-byte header they follow it.
    const int mask_count = header.compression == DibCompression::alpha_bitfields || size >= 56 ? 4 : 3;
    for (int i = 0; i < mask_count; ++i) header.masks[i] = reader.read_u32();
    if (size == info_header_size) header.masks_size = 4 * mask_count;
    return header;
}

bool valid_depth(const DibHeader& header) {
    switch (header.bit_count) {
        case 1:
        case 4:
        case 8:
        case 24:
            return header.compression == DibCompression::rgb;
        case 16:
        case 32:
            return header.header_size != core_header_size &&
                   (header.compression == DibCompression::rgb || uses_masks(header.compression));
        default:
            return false;
    }
}

}  // namespace

std::uint32_t DibHeader::rows() const {
    return height < 0 ? static_cast<std::uint32_t>(-static_cast<std::int64_t>(height))
                      : static_cast<std::uint32_t>(height);
}

Result<DibHeader> read_dib_layout(std::span<const std::uint8_t> dib) {
    DibHeader header;
    try {
        BinaryReader reader(dib);
        const std::uint32_t size = reader.read_u32();
        if (!known_header_size(size) || size > dib.size()) return invalid_file_structure();
        header = size == core_header_size ? read_core_header(reader) : read_info_header(reader, size);
    } catch (const BinaryReadError&) {
        return invalid_file_structure();
    }
    if (header.bit_count <= 8 && header.bit_count > 0) {
        const std::uint32_t full = 1u << header.bit_count;
        header.palette_entries = header.colors_used == 0 ? full : std::min(header.colors_used, full);
    } else {
        // A palette beside direct colours is only a hint for palette devices; it still takes room.
        header.palette_entries = header.colors_used;
    }
    return header;
}

Result<DibHeader> read_dib_header(std::span<const std::uint8_t> dib) {
    auto header = read_dib_layout(dib);
    if (!header) return header;
    if (header->width <= 0 || header->height == 0 || header->height == INT32_MIN) return invalid_file_structure();
    if (!valid_depth(*header)) return invalid_file_structure();
    if (header->bit_count <= 8 && header->colors_used > (1u << header->bit_count)) return invalid_file_structure();
    if (header->compression == DibCompression::rgb) {
        header->masks = header->bit_count == 16
                            ? std::array<std::uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                            : std::array<std::uint32_t, 4>{0xFF0000, 0x00FF00, 0x0000FF, 0xFF000000};
    }
    return header;
}

}  // namespace tavorin
