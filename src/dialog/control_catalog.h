#pragma once
// The control catalog: for each of the 24 kinds, how the toolbox names it, what a newly placed
// control of the kind is called and how large it is, and whether it is always written as a
// generic CONTROL statement. The defaults are constant; the configuration file's "dialog"
// element may override them with "default" children, one per kind.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "services/config_section.h"
#include "dialog/control_kind.h"

namespace tavorin {

struct CatalogEntry {
    std::u16string display_name;
    std::u16string default_identifier;
    std::u16string default_text;
    std::int32_t default_width = 0;
    std::int32_t default_height = 0;
    ControlKind kind = ControlKind::none;
    bool force_control_statement = false;

    friend bool operator==(const CatalogEntry&, const CatalogEntry&) = default;
};

// The built-in entry of a kind (1..24).
const CatalogEntry& default_catalog_entry(ControlKind kind);

class ControlCatalog : public ConfigSection {
public:
    ControlCatalog();

    // Only for catalog kinds (1..24).
    const CatalogEntry& entry(ControlKind kind) const;
    CatalogEntry& entry(ControlKind kind);
    // By display name, exactly as the toolbox shows it; null when no kind has it.
    const CatalogEntry* find(std::u16string_view display_name) const;
    const std::array<CatalogEntry, control_kind_count>& entries() const { return entries_; }

    // Back to the built-in defaults.
    void reset();

    // The "default" children of the "dialog" element. Reading updates the entry whose display
    // name equals "type": "width" and "height" only when both are above 0, "name" the default
    // text, "id" the default identifier, "forceControlStatement" the flag. Writing puts one
    // "default" element per kind, in kind order.
    const char* element_name() const override { return "dialog"; }
    void read(const tinyxml2::XMLElement* element) override;
    void write(tinyxml2::XMLElement& element) const override;

private:
    std::array<CatalogEntry, control_kind_count> entries_;
};

}  // namespace tavorin
