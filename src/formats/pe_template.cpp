#include "formats/pe_template.h"

#include "formats/pe_template_lzma.h"

namespace tavorin {

namespace {

constexpr std::size_t properties_size = 5;
constexpr std::size_t header_size = properties_size + 8;

}  // namespace

Result<std::vector<std::uint8_t>> unpack_lzma_alone(std::span<const std::uint8_t> stream, std::size_t max_size) {
    const Error broken{u"The built-in module template is damaged."};
    if (stream.size() < header_size) return broken;
    std::uint64_t size = 0;
    for (int i = 7; i >= 0; --i) size = size << 8 | stream[properties_size + static_cast<std::size_t>(i)];
    if (size > max_size) return broken;

    std::vector<std::uint8_t> unpacked(static_cast<std::size_t>(size));
    std::size_t unpacked_size = unpacked.size();
    std::size_t packed_size = stream.size() - header_size;
    const int result = tavorin_lzma_decode(unpacked.data(), &unpacked_size, stream.data() + header_size, &packed_size,
                                           stream.data(), properties_size);
    if (result != 0 || unpacked_size != unpacked.size()) return broken;
    return unpacked;
}

Result<std::vector<std::uint8_t>> pe_template() { return unpack_lzma_alone(compressed_pe_template()); }

}  // namespace tavorin
