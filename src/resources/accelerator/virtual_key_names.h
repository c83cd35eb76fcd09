#pragma once
// Names of virtual keys: the standard Windows constants, plus the VK_ names that headers define
// for codes the standard table does not name. Letters and digits have no entries: their key
// code is the character's code.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

struct VirtualKeyName {
    std::u16string_view name;
    std::uint16_t code;
};

// The 160 standard names in their fixed order; where names share a code, the first one is the
// code's name.
std::span<const VirtualKeyName> standard_virtual_key_names();

// The workspace's table: the standard names and the names headers added. Kept across readings.
class VirtualKeyNames {
public:
    std::optional<std::uint16_t> code_of(std::u16string_view name) const;
    // The first name of a code: standard names before added ones.
    std::optional<std::u16string_view> name_of(std::uint16_t code) const;

    // Adds a name for a code that has no name yet; false (and nothing added) otherwise.
    bool add(std::u16string_view name, std::uint16_t code);

    const std::vector<std::pair<std::u16string, std::uint16_t>>& added() const { return added_; }

private:
    std::vector<std::pair<std::u16string, std::uint16_t>> added_;
};

}  // namespace tavorin
