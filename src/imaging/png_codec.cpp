#include "imaging/png_codec.h"

#include <png.h>

#include <algorithm>
#include <array>
#include <memory>

#include "base/binary_reader.h"
#include "imaging/image_limits.h"
#include "imaging/invalid_image.h"

namespace tavorin {
namespace {

constexpr std::array<std::uint8_t, 8> png_signature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::uint32_t read_big_endian_u32(BinaryReader& reader) {
    const auto bytes = reader.read_bytes(4);
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           bytes[3];
}

int channels_of(std::uint8_t color_type) {
    switch (color_type) {
        case 0: return 1;  // grey
        case 2: return 3;  // RGB
        case 3: return 1;  // palette index
        case 4: return 2;  // grey and alpha
        case 6: return 4;  // RGBA
        default: return 0;
    }
}

// Frees what libpng allocated for a simplified-API image, whatever way we leave.
struct PngImageGuard {
    png_image* image;
    ~PngImageGuard() { png_image_free(image); }
};

}  // namespace

bool is_png(std::span<const std::uint8_t> data) {
    return data.size() >= 4 && std::equal(png_signature.begin(), png_signature.begin() + 4, data.begin());
}

Result<PngInfo> read_png_info(std::span<const std::uint8_t> data) {
    try {
        BinaryReader reader(data);
        const auto signature = reader.read_bytes(png_signature.size());
        if (!std::equal(signature.begin(), signature.end(), png_signature.begin())) return invalid_file_structure();
        const std::uint32_t length = read_big_endian_u32(reader);
        const auto type = reader.read_bytes(4);
        if (length != 13 || !std::equal(type.begin(), type.end(), "IHDR")) return invalid_file_structure();
        PngInfo info;
        info.width = read_big_endian_u32(reader);
        info.height = read_big_endian_u32(reader);
        const std::uint8_t depth = reader.read_u8();
        const int channels = channels_of(reader.read_u8());
        if (channels == 0 || depth == 0 || depth > 16 || !image_size_allowed(info.width, info.height)) {
            return invalid_file_structure();
        }
        info.bit_count = static_cast<std::uint16_t>(depth * channels);
        return info;
    } catch (const BinaryReadError&) {
        return invalid_file_structure();
    }
}

Result<Pixels> decode_png(std::span<const std::uint8_t> data) {
    if (!read_png_info(data)) return invalid_file_structure();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    PngImageGuard guard{&image};
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return invalid_file_structure();
    if (!image_size_allowed(image.width, image.height)) return invalid_file_structure();
    image.format = PNG_FORMAT_BGRA;
    std::vector<std::uint8_t> bgra(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bgra.data(), 0, nullptr)) return invalid_file_structure();

    Pixels pixels(image.width, image.height);
    for (std::size_t i = 0; i < pixels.argb.size(); ++i) {
        const std::uint8_t* p = &bgra[4 * i];
        pixels.argb[i] = argb(p[3], p[2], p[1], p[0]);
    }
    return pixels;
}

Result<std::vector<std::uint8_t>> encode_png(const Pixels& pixels) {
    if (!image_size_allowed(pixels.width, pixels.height) ||
        pixels.argb.size() != std::size_t{pixels.width} * pixels.height) {
        return Error{u"Invalid image size"};
    }
    const bool opaque =
        std::all_of(pixels.argb.begin(), pixels.argb.end(), [](std::uint32_t p) { return alpha_of(p) == 0xFF; });
    const int channels = opaque ? 3 : 4;
    std::vector<std::uint8_t> samples;
    samples.reserve(pixels.argb.size() * channels);
    for (std::uint32_t pixel : pixels.argb) {
        samples.push_back(red_of(pixel));
        samples.push_back(green_of(pixel));
        samples.push_back(blue_of(pixel));
        if (!opaque) samples.push_back(alpha_of(pixel));
    }

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = pixels.width;
    image.height = pixels.height;
    image.format = opaque ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
    PngImageGuard guard{&image};
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, samples.data(), 0, nullptr)) {
        return Error{u"The PNG image could not be written"};
    }
    std::vector<std::uint8_t> stream(size);
    if (!png_image_write_to_memory(&image, stream.data(), &size, 0, samples.data(), 0, nullptr)) {
        return Error{u"The PNG image could not be written"};
    }
    stream.resize(size);
    return stream;
}

}  // namespace tavorin
