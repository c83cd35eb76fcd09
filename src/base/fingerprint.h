#pragma once
// A 64-bit fingerprint of values: what a save compares with what was read, to find the parts
// that changed without keeping a copy of them. FNV-1a taken a value or a UTF-16 unit at a time,
// each text after its length so that neighbouring texts cannot trade characters, and mixed at the
// end so that every input bit reaches every output bit.

#include <cstdint>
#include <string_view>

namespace tavorin {

class Fingerprint {
public:
    Fingerprint& add(std::uint64_t value) {
        step(value);
        return *this;
    }
    Fingerprint& add(std::u16string_view text) {
        step(text.size());
        for (const char16_t c : text) step(c);
        return *this;
    }
    std::uint64_t value() const {
        std::uint64_t h = hash_;
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ull;
        h ^= h >> 33;
        return h;
    }

private:
    void step(std::uint64_t value) {
        hash_ ^= value;
        hash_ *= 0x100000001B3ull;
    }
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

inline std::uint64_t text_fingerprint(std::u16string_view text) { return Fingerprint().add(text).value(); }

}  // namespace tavorin
