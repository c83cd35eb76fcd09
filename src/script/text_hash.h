#pragma once
// Hashing that lets maps keyed by std::u16string be searched with a std::u16string_view, so
// looking up a name found in a text needs no copy.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tavorin {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view text) const { return std::hash<std::u16string_view>{}(text); }
};

template <typename T>
using TextMap = std::unordered_map<std::u16string, T, TextHash, std::equal_to<>>;

}  // namespace tavorin
