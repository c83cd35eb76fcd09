#pragma once
// A decoded image: rows top to bottom, each pixel one 32-bit value 0xAARRGGBB with straight
// (not premultiplied) alpha. On the little-endian machines we run on, the bytes of a row are
// B, G, R, A: the layout of a top-down 32-bit DIB section, so the GUI can draw it as it stands.

#include <cstdint>
#include <vector>

namespace tavorin {

struct Pixels {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> argb;

    Pixels() = default;
    Pixels(std::uint32_t w, std::uint32_t h, std::uint32_t fill = 0)
        : width(w), height(h), argb(static_cast<std::size_t>(w) * h, fill) {}

    std::uint32_t& at(std::uint32_t x, std::uint32_t y) { return argb[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t at(std::uint32_t x, std::uint32_t y) const { return argb[static_cast<std::size_t>(y) * width + x]; }

    friend bool operator==(const Pixels&, const Pixels&) = default;
};

constexpr std::uint32_t argb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
}
constexpr std::uint8_t alpha_of(std::uint32_t pixel) { return static_cast<std::uint8_t>(pixel >> 24); }
constexpr std::uint8_t red_of(std::uint32_t pixel) { return static_cast<std::uint8_t>(pixel >> 16); }
constexpr std::uint8_t green_of(std::uint32_t pixel) { return static_cast<std::uint8_t>(pixel >> 8); }
constexpr std::uint8_t blue_of(std::uint32_t pixel) { return static_cast<std::uint8_t>(pixel); }

}  // namespace tavorin
