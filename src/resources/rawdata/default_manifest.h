#pragma once
// The manifest a new manifest resource gets when the user lets the program write one: UTF-8,
// standalone, a dependency on version 6 of the Common Controls, and the asInvoker execution
// level.

#include <cstdint>
#include <span>
#include <string_view>

namespace tavorin {

std::string_view default_manifest_text();

inline std::span<const std::uint8_t> default_manifest_bytes() {
    const std::string_view text = default_manifest_text();
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace tavorin
