#pragma once
// Which designer properties each kind of control has. A kind's map has one byte per property
// number: the property's place among the kind's properties, or no_property.

#include <array>
#include <cstdint>

#include "dialog/control_kind.h"
#include "dialog/designer_properties.h"

namespace tavorin {

inline constexpr std::uint8_t no_property = 255;

using PropertyMap = std::array<std::uint8_t, designer_property_count>;

// Only for catalog kinds (1..24).
const PropertyMap& property_map(ControlKind kind);

}  // namespace tavorin
