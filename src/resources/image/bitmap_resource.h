#pragma once
// A bitmap resource (RT_BITMAP): a DIB, kept without the .bmp file header.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "resources/image/bitmap_data.h"
#include "resources/image/file_resource.h"

namespace tavorin {

class BitmapResource : public FileResource {
public:
    BitmapResource();

    // The resource data of a compiled file: "Invalid file structure" unless it is a DIB with a
    // 40-byte header (after a "BM" file header, which is dropped).
    static Result<std::unique_ptr<BitmapResource>> decode(std::span<const std::uint8_t> data);
    // A bitmap of the given DIB in memory.
    static std::unique_ptr<BitmapResource> with_dib(std::vector<std::uint8_t> dib);

    // The DIB in memory; empty while the bitmap refers to its file.
    const std::vector<std::uint8_t>& dib() const { return dib_; }
    void set_dib(std::vector<std::uint8_t> dib) { dib_ = std::move(dib); }
    Result<BitmapSize> size() const { return bitmap_size(dib_); }

    // The DIB, padded by two zero bytes when its length leaves 2 over a multiple of four.
    Status serialize(BinaryBuffer& out) const override;

protected:
    Result<std::vector<std::uint8_t>> file_bytes() const override;
    Status take_file_bytes(std::span<const std::uint8_t> bytes) override;
    void drop_memory_content() override { dib_.clear(); }

private:
    std::vector<std::uint8_t> dib_;
};

// The bitmap a new toolbar gets: one 16 x 15 button of 24-bit colour in the grey of button faces.
std::vector<std::uint8_t> blank_toolbar_dib();

}  // namespace tavorin
