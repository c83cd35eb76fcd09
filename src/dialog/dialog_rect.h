#pragma once
// A rectangle in dialog units, the unit of all dialog geometry in scripts and templates.

#include <cstdint>

namespace tavorin {

struct DialogRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

}  // namespace tavorin
