#pragma once
// The constant texts of manifests, HTML pages and raw data of other types.

#include <cstdint>
#include <string_view>

#include "resources/image/file_resource_traits.h"

namespace tavorin {

FileResourceTraits manifest_traits();
FileResourceTraits html_traits();
// A named custom type: its name is the keyword; new names start with "IDR_" and the first ten
// characters of the type name.
FileResourceTraits named_raw_traits(std::u16string_view type_name);
// A numeric type: the number is the keyword; new names are "IDR_", the number and "_".
FileResourceTraits numeric_raw_traits(std::uint16_t type);

}  // namespace tavorin
