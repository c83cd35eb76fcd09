#pragma once
// The SDK names of the fixed fields' values: operating systems, file types and the subtypes of
// each file type, in the order the editor lists them.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tavorin {

struct VersionName {
    std::uint32_t value;
    std::u16string_view name;
};

std::span<const VersionName> file_os_names();
std::span<const VersionName> file_type_names();
// Drivers and fonts have subtypes of their own; every other type only VFT2_UNKNOWN.
std::span<const VersionName> file_subtype_names(std::uint32_t file_type);

// The name of the list entry with the value; a value without an entry maps to the list's first
// entry (its number is kept elsewhere).
std::u16string_view version_name_of(std::span<const VersionName> names, std::uint32_t value);
std::optional<std::uint32_t> version_value_of(std::span<const VersionName> names, std::u16string_view name);

}  // namespace tavorin
