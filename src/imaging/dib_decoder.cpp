#include "imaging/dib_decoder.h"

#include <bit>
#include <vector>

#include "imaging/bitmap_file_header.h"
#include "imaging/image_limits.h"
#include "imaging/invalid_image.h"

namespace tavorin {
namespace {

using Bytes = std::span<const std::uint8_t>;

// One colour channel of a bit-field pixel, scaled to 0..255.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask == 0 ? 0 : mask >> shift_) {}

    bool present() const { return mask_ != 0; }
    std::uint8_t value(std::uint32_t pixel) const {
        if (max_ == 0) return 0;
        const std::uint64_t raw = (pixel & mask_) >> shift_;
        return static_cast<std::uint8_t>((raw * 255 + max_ / 2) / max_);
    }

private:
    std::uint32_t mask_;
    int shift_;
    std::uint32_t max_;
};

std::vector<std::uint32_t> read_palette(const DibHeader& header, Bytes dib) {
    std::vector<std::uint32_t> palette;
    if (header.bit_count > 8) return palette;
    const std::uint64_t start = header.palette_offset();
    palette.reserve(header.palette_entries);
    for (std::uint32_t i = 0; i < header.palette_entries; ++i) {
        const std::uint8_t* entry = dib.data() + start + std::uint64_t{i} * header.palette_entry_size;
        palette.push_back(argb(0xFF, entry[2], entry[1], entry[0]));
    }
    return palette;
}

std::uint32_t little_endian(const std::uint8_t* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

class RowDecoder {
public:
    RowDecoder(const DibHeader& header, std::vector<std::uint32_t> palette)
        : bit_count_(header.bit_count),
          palette_(std::move(palette)),
          red_(header.masks[0]),
          green_(header.masks[1]),
          blue_(header.masks[2]),
          alpha_(header.masks[3]) {}

    void decode(const std::uint8_t* row, std::uint32_t width, std::uint32_t* out) const {
        for (std::uint32_t x = 0; x < width; ++x) out[x] = pixel(row, x);
    }

private:
    std::uint32_t indexed(std::uint32_t index) const {
        return index < palette_.size() ? palette_[index] : argb(0xFF, 0, 0, 0);
    }

    std::uint32_t pixel(const std::uint8_t* row, std::uint32_t x) const {
        switch (bit_count_) {
            case 1: return indexed((row[x / 8] >> (7 - x % 8)) & 1);
            case 4: return indexed(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F);
            case 8: return indexed(row[x]);
            case 24: return argb(0xFF, row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            case 16: return from_fields(little_endian(row + 2 * x, 2));
            default: return from_fields(little_endian(row + 4 * x, 4));
        }
    }

    std::uint32_t from_fields(std::uint32_t value) const {
        const std::uint8_t a = alpha_.present() ? alpha_.value(value) : 0xFF;
        return argb(a, red_.value(value), green_.value(value), blue_.value(value));
    }

    std::uint16_t bit_count_;
    std::vector<std::uint32_t> palette_;
    Channel red_, green_, blue_, alpha_;
};

}  // namespace

bool all_transparent(const Pixels& pixels) {
    for (std::uint32_t pixel : pixels.argb) {
        if (alpha_of(pixel) != 0) return false;
    }
    return true;
}

void make_opaque(Pixels& pixels) {
    for (std::uint32_t& pixel : pixels.argb) pixel |= 0xFF000000u;
}

Result<Pixels> decode_dib_rows(const DibHeader& header, Bytes dib, std::uint64_t pixel_offset,
                               std::uint32_t height) {
    const auto width = static_cast<std::uint32_t>(header.width);
    if (!image_size_allowed(width, height)) return invalid_file_structure();
    if (header.pixel_offset() > dib.size() || pixel_offset < header.pixel_offset()) return invalid_file_structure();
    const std::uint64_t stride = dib_row_stride(width, header.bit_count);
    if (pixel_offset > dib.size() || stride * height > dib.size() - pixel_offset) return invalid_file_structure();

    Pixels pixels(width, height);
    const RowDecoder rows(header, read_palette(header, dib));
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint32_t stored_row = header.top_down() ? y : height - 1 - y;
        rows.decode(dib.data() + pixel_offset + stored_row * stride, width, &pixels.at(0, y));
    }
    return pixels;
}

Result<Pixels> decode_dib(Bytes dib) {
    auto header = read_dib_header(dib);
    if (!header) return Error{header.error()};
    auto pixels = decode_dib_rows(*header, dib, header->pixel_offset(), header->rows());
    if (pixels && all_transparent(*pixels)) make_opaque(*pixels);
    return pixels;
}

Result<Pixels> decode_bitmap(Bytes data) {
    if (!has_bitmap_file_header(data)) return decode_dib(data);
    if (data.size() < bitmap_file_header_size) return invalid_file_structure();
    const Bytes dib = data.subspan(bitmap_file_header_size);
    auto header = read_dib_header(dib);
    if (!header) return Error{header.error()};
    // Writers may leave a gap before the pixels; an offset pointing into the palette is wrong
    // and the pixels are taken where the header puts them.
    std::uint64_t pixel_offset = header->pixel_offset();
    const std::uint64_t stored = stored_pixel_offset(data);
    if (stored >= bitmap_file_header_size + pixel_offset && stored <= data.size()) {
        pixel_offset = stored - bitmap_file_header_size;
    }
    auto pixels = decode_dib_rows(*header, dib, pixel_offset, header->rows());
    if (pixels && all_transparent(*pixels)) make_opaque(*pixels);
    return pixels;
}

}  // namespace tavorin
