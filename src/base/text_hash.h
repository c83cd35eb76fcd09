#pragma once
// Hashing that lets maps keyed by std::u16string be searched with a std::u16string_view, so
// looking up a name found in a text needs no copy.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavorin {

// FNV-1a over the code units: names are short, and this is cheaper than hashing their bytes.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view text) const {
        std::uint64_t hash = 14695981039346656037ull;
        for (char16_t c : text) hash = (hash ^ c) * 1099511628211ull;
        return static_cast<std::size_t>(hash);
    }
};

}  // namespace tavorin
