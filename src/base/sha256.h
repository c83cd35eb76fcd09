#pragma once
// SHA-256 (FIPS 180-4): the digest the update check compares a downloaded archive against.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavorin {

using Sha256Digest = std::array<std::uint8_t, 32>;

class Sha256 {
public:
    Sha256();
    void update(std::span<const std::uint8_t> bytes);
    // The digest of everything given; the object is spent afterwards.
    Sha256Digest finish();

private:
    void compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> block_{};
    std::size_t block_used_ = 0;
    std::uint64_t total_bytes_ = 0;
};

Sha256Digest sha256(std::span<const std::uint8_t> bytes);
Sha256Digest sha256(std::string_view bytes);

// 64 lower-case hexadecimal digits.
std::string sha256_hex(const Sha256Digest& digest);

// Reads 64 hexadecimal digits in either case; nothing for any other text.
std::optional<Sha256Digest> parse_sha256_hex(std::string_view text);

}  // namespace tavorin
