#pragma once
// Resource kinds: the program's own numbering of what a resource is. The standard kinds have
// small numbers; a custom type named by a string gets a number above 0x10000 from the
// custom-type table, a custom type given by a number n the kind 0x1000000 + n.

#include <cstdint>

namespace tavorin {

using ResourceKind = std::uint32_t;

namespace kind {
inline constexpr ResourceKind user_defined = 0;
inline constexpr ResourceKind bitmap = 1;
inline constexpr ResourceKind icon = 2;  // an icon group
inline constexpr ResourceKind menu = 3;  // also an extended menu
inline constexpr ResourceKind dialog = 4;  // also an extended dialog
inline constexpr ResourceKind string_table = 5;  // one per language, not a named resource
inline constexpr ResourceKind accelerator = 6;
inline constexpr ResourceKind version = 7;
inline constexpr ResourceKind toolbar = 8;
inline constexpr ResourceKind manifest = 9;
inline constexpr ResourceKind cursor = 10;  // a cursor group
inline constexpr ResourceKind html = 11;

inline constexpr ResourceKind first_named_custom = 0x10001;
inline constexpr ResourceKind numeric_custom_base = 0x1000000;
}  // namespace kind

// Standard resource type numbers as written to compiled files.
namespace resource_type {
inline constexpr std::uint16_t cursor = 1;
inline constexpr std::uint16_t bitmap = 2;
inline constexpr std::uint16_t icon = 3;
inline constexpr std::uint16_t menu = 4;
inline constexpr std::uint16_t dialog = 5;
inline constexpr std::uint16_t string = 6;
inline constexpr std::uint16_t accelerator = 9;
inline constexpr std::uint16_t rcdata = 10;
inline constexpr std::uint16_t group_cursor = 12;
inline constexpr std::uint16_t group_icon = 14;
inline constexpr std::uint16_t version = 16;
inline constexpr std::uint16_t html = 23;
inline constexpr std::uint16_t manifest = 24;
inline constexpr std::uint16_t toolbar = 241;
}  // namespace resource_type

constexpr ResourceKind numeric_custom_kind(std::uint16_t type) { return kind::numeric_custom_base + type; }
constexpr bool is_numeric_custom_kind(ResourceKind k) {
    return k >= kind::numeric_custom_base && k <= kind::numeric_custom_base + 0xFFFF;
}
constexpr bool is_named_custom_kind(ResourceKind k) {
    return k >= kind::first_named_custom && k < kind::numeric_custom_base;
}

// The type number of a standard or numeric custom kind; 0 for a named custom kind.
std::uint16_t standard_type_of(ResourceKind k);

// Memory flags of compiled resources. Scripts' memory keywords are dropped when reading, so a
// resource always reports its kind's value.
namespace memory_flag {
inline constexpr std::uint16_t moveable = 0x10;
inline constexpr std::uint16_t pure = 0x20;
inline constexpr std::uint16_t discardable = 0x1000;
inline constexpr std::uint16_t standard = moveable | pure | discardable;  // 0x1030
// Group directories of icons and cursors are not pure.
inline constexpr std::uint16_t group_directory = moveable | discardable;  // 0x1010
}  // namespace memory_flag

}  // namespace tavorin
