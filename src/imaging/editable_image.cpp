#include "imaging/editable_image.h"

#include "imaging/dib_encoder.h"
#include "imaging/dib_header.h"
#include "imaging/image_limits.h"
#include "imaging/invalid_image.h"
#include "imaging/png_codec.h"

namespace tavorin {
namespace {

bool editable_depth(std::uint16_t bit_count) {
    return bit_count == 1 || bit_count == 4 || bit_count == 8 || bit_count == 24 || bit_count == 32;
}

std::uint32_t palette_color(std::span<const std::uint8_t> entry) {
    return (std::uint32_t{entry[2]} << 16) | (std::uint32_t{entry[1]} << 8) | entry[0];
}

}  // namespace

Result<EditableImage> EditableImage::from_bitmap(std::span<const std::uint8_t> dib) {
    return from_dib(dib, EditableFormat::bitmap);
}

Result<EditableImage> EditableImage::from_icon_image(std::span<const std::uint8_t> bytes) {
    if (!is_png(bytes)) return from_dib(bytes, EditableFormat::icon);
    auto pixels = decode_png(bytes);
    if (!pixels) return Error{pixels.error()};
    auto dib = encode_icon_dib(*pixels, 32);
    if (!dib) return Error{dib.error()};
    auto image = from_dib(*dib, EditableFormat::icon);
    if (image) image->format_ = EditableFormat::png_icon;
    return image;
}

Result<EditableImage> EditableImage::from_dib(std::span<const std::uint8_t> dib, EditableFormat format) {
    // Compressed rows and depths the editor lacks are refused by name before the decoders'
    // checks, which would only call them invalid.
    if (const auto layout = read_dib_layout(dib);
        layout && (layout->compression != DibCompression::rgb || !editable_depth(layout->bit_count))) {
        return Error{image_not_editable_text};
    }
    auto header = read_dib_header(dib);
    if (!header) return Error{header.error()};
    const bool icon = format != EditableFormat::bitmap;
    if (header->header_size != info_header_size || header->compression != DibCompression::rgb ||
        !editable_depth(header->bit_count) || (icon && (header->top_down() || header->rows() < 2))) {
        return Error{image_not_editable_text};
    }
    EditableImage image;
    image.format_ = format;
    image.width_ = static_cast<std::uint32_t>(header->width);
    image.height_ = icon ? header->rows() / 2 : header->rows();
    if (!image_size_allowed(image.width_, image.height_)) return invalid_file_structure();
    image.bit_count_ = header->bit_count;
    image.top_down_ = header->top_down();
    image.stride_ = static_cast<std::size_t>(dib_row_stride(image.width_, image.bit_count_));
    image.pixel_offset_ = static_cast<std::size_t>(header->pixel_offset());
    const std::uint64_t color_end = std::uint64_t{image.pixel_offset_} + std::uint64_t{image.stride_} * image.height_;
    if (color_end > dib.size()) return invalid_file_structure();
    std::uint64_t end = color_end;
    if (icon) {
        image.mask_offset_ = static_cast<std::size_t>(color_end);
        image.mask_stride_ = static_cast<std::size_t>(dib_row_stride(image.width_, 1));
        end += std::uint64_t{image.mask_stride_} * image.height_;
    }
    image.dib_.assign(dib.begin(), dib.end());
    // A 32-bit icon may leave its mask out (its alpha says everything); it gets one of its own.
    if (end > image.dib_.size()) {
        if (!icon || image.bit_count_ != 32) return invalid_file_structure();
        image.dib_.resize(static_cast<std::size_t>(end), 0);
    }
    const std::uint64_t palette_offset = header->palette_offset();
    image.palette_offset_ = static_cast<std::size_t>(palette_offset);
    for (std::uint32_t i = 0; i < header->palette_entries && image.bit_count_ <= 8; ++i) {
        const std::size_t at = static_cast<std::size_t>(palette_offset + std::uint64_t{i} * 4);
        image.palette_.push_back(palette_color(std::span(image.dib_).subspan(at, 4)));
    }
    if (image.bit_count_ == 32) {
        for (std::uint32_t y = 0; y < image.height_ && !image.alpha_used_; ++y) {
            for (std::uint32_t x = 0; x < image.width_; ++x) {
                if (alpha_of(image.value(x, y)) != 0) {
                    image.alpha_used_ = true;
                    break;
                }
            }
        }
    }
    return image;
}

std::size_t EditableImage::row_offset(std::uint32_t y) const {
    const std::uint32_t stored = top_down_ ? y : height_ - 1 - y;
    return pixel_offset_ + stride_ * stored;
}

std::size_t EditableImage::mask_row_offset(std::uint32_t y) const {
    return mask_offset_ + mask_stride_ * (height_ - 1 - y);
}

std::uint32_t EditableImage::value(std::uint32_t x, std::uint32_t y) const {
    const std::uint8_t* row = dib_.data() + row_offset(y);
    switch (bit_count_) {
        case 1: return (row[x / 8] >> (7 - x % 8)) & 1u;
        case 4: return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0Fu;
        case 8: return row[x];
        case 24: {
            const std::uint8_t* p = row + std::size_t{3} * x;
            return (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
        }
        default: {
            const std::uint8_t* p = row + std::size_t{4} * x;
            return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
        }
    }
}

bool EditableImage::masked(std::uint32_t x, std::uint32_t y) const {
    if (!has_mask()) return false;
    return (dib_[mask_row_offset(y) + x / 8] >> (7 - x % 8)) & 1u;
}

bool EditableImage::set_palette_color(std::size_t index, std::uint32_t color) {
    if (index >= palette_.size()) return false;
    palette_[index] = color & 0x00FFFFFFu;
    // Colour table entries are blue, green, red and a reserved zero.
    const std::size_t at = palette_offset_ + index * 4;
    dib_[at] = static_cast<std::uint8_t>(color);
    dib_[at + 1] = static_cast<std::uint8_t>(color >> 8);
    dib_[at + 2] = static_cast<std::uint8_t>(color >> 16);
    dib_[at + 3] = 0;
    return true;
}

void EditableImage::put(std::uint32_t x, std::uint32_t y, std::uint32_t value, bool masked) {
    std::uint8_t* row = dib_.data() + row_offset(y);
    switch (bit_count_) {
        case 1: {
            const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
            row[x / 8] = static_cast<std::uint8_t>(value != 0 ? row[x / 8] | bit : row[x / 8] & ~bit);
            break;
        }
        case 4: {
            std::uint8_t& byte = row[x / 2];
            byte = x % 2 == 0 ? static_cast<std::uint8_t>((byte & 0x0F) | ((value & 0x0F) << 4))
                              : static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F));
            break;
        }
        case 8: row[x] = static_cast<std::uint8_t>(value); break;
        case 24:
            for (int i = 0; i < 3; ++i) row[std::size_t{3} * x + i] = static_cast<std::uint8_t>(value >> (8 * i));
            break;
        default:
            for (int i = 0; i < 4; ++i) row[std::size_t{4} * x + i] = static_cast<std::uint8_t>(value >> (8 * i));
            if (alpha_of(value) != 0) alpha_used_ = true;
            break;
    }
    if (!has_mask()) return;
    std::uint8_t& mask_byte = dib_[mask_row_offset(y) + x / 8];
    const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
    mask_byte = static_cast<std::uint8_t>(masked ? mask_byte | bit : mask_byte & ~bit);
}

std::uint32_t EditableImage::shown_color(std::uint32_t x, std::uint32_t y) const {
    const std::uint32_t raw = value(x, y);
    std::uint32_t color = 0;
    if (bit_count_ <= 8) {
        color = 0xFF000000u | (raw < palette_.size() ? palette_[raw] : 0u);
    } else if (bit_count_ == 24) {
        color = 0xFF000000u | raw;
    } else {
        // 32-bit images made before alpha was used leave it zero everywhere.
        color = alpha_used_ ? raw : (raw | 0xFF000000u);
        if (has_mask() && alpha_used_) return color;
    }
    if (masked(x, y)) return color & 0x00FFFFFFu;
    return color;
}

Pixels EditableImage::shown_pixels() const {
    Pixels pixels(width_, height_);
    for (std::uint32_t y = 0; y < height_; ++y) {
        for (std::uint32_t x = 0; x < width_; ++x) pixels.at(x, y) = shown_color(x, y);
    }
    return pixels;
}

Result<std::vector<std::uint8_t>> EditableImage::bytes() const {
    if (format_ != EditableFormat::png_icon) return dib_;
    Pixels pixels(width_, height_);
    for (std::uint32_t y = 0; y < height_; ++y) {
        for (std::uint32_t x = 0; x < width_; ++x) pixels.at(x, y) = value(x, y);
    }
    return encode_png(pixels);
}

}  // namespace tavorin
