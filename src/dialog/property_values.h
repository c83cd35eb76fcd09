#pragma once
// Property values from a control's styles and back. A value is a 64-bit number: 0 or 1 for
// flags; for choices the masked bits (so that a combination no choice names is kept as it is),
// for a picture's type and colour the choice's number.

#include <cstdint>
#include <optional>

#include "dialog/designer_properties.h"

namespace tavorin {

struct ControlStyles {
    std::uint32_t style = 0;
    std::uint32_t extended_style = 0;

    friend bool operator==(const ControlStyles&, const ControlStyles&) = default;
};

// A picture's static type that neither a type nor a colour stands for (an owner-drawn or an
// etched line) reads as this bit with the type number.
inline constexpr std::int64_t unlisted_picture_value = std::int64_t{1} << 32;

std::int64_t decode_property(const StyleBinding& binding, const ControlStyles& styles);

// The styles with the value written into the property's bits; the styles unchanged when they
// already say that value; none when the value cannot be written (not 0 or 1 for a flag, bits
// outside a choice's mask, a colour for a picture type without colours, a property without
// bits).
std::optional<ControlStyles> encode_property(const StyleBinding& binding, std::int64_t value,
                                             const ControlStyles& styles);

// The choice a value stands for; none for a value that no choice names.
std::optional<std::size_t> choice_index(const StyleBinding& binding, std::int64_t value);

}  // namespace tavorin
