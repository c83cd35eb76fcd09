#pragma once
// A 64-bit fingerprint of values (FNV-1a): what a save compares with what was read, to find
// the parts that changed without keeping a copy of them. Each text goes in after its length,
// so that neighbouring texts cannot trade characters.

#include <cstdint>
#include <string_view>

namespace tavorin {

class Fingerprint {
public:
    Fingerprint& add(std::uint64_t value) {
        for (int i = 0; i < 8; ++i) byte(static_cast<std::uint8_t>(value >> (8 * i)));
        return *this;
    }
    Fingerprint& add(std::u16string_view text) {
        add(text.size());
        for (const char16_t c : text) {
            byte(static_cast<std::uint8_t>(c));
            byte(static_cast<std::uint8_t>(c >> 8));
        }
        return *this;
    }
    std::uint64_t value() const { return hash_; }

private:
    void byte(std::uint8_t b) {
        hash_ ^= b;
        hash_ *= 0x100000001B3ull;
    }
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

inline std::uint64_t text_fingerprint(std::u16string_view text) { return Fingerprint().add(text).value(); }

}  // namespace tavorin
