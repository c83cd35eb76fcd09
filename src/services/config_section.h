#pragma once
// A part of the configuration file that belongs to another module (the designer's "dialog"
// element, the image editor's "imageEditor" element, the control catalog's overrides). Each
// registered section reads and writes its own element under the root, so the configuration
// file itself need not know what is inside.
//
// The value conventions of the file are here too, for the sections to share: a boolean or an
// integer is an attribute (usually "value"), a boolean is true only for "true" in any case.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tinyxml2 {
class XMLElement;
}

namespace tavorin {

class ConfigSection {
public:
    virtual ~ConfigSection() = default;

    // The element under the root. Sections may share one element (the designer settings and
    // the control overrides both live in "dialog"): each reads the same element, and each
    // writes its own content into it.
    virtual const char* element_name() const = 0;

    // `element` is null when the file has no such element or could not be read at all: the
    // section then takes its defaults.
    virtual void read(const tinyxml2::XMLElement* element) = 0;
    virtual void write(tinyxml2::XMLElement& element) const = 0;
};

using ConfigSections = std::span<ConfigSection* const>;

// A missing element or attribute gives `fallback`; any text other than "true" (in any case) is false.
bool read_config_bool(const tinyxml2::XMLElement* element, bool fallback, const char* attribute = "value");

// A missing element or attribute, or a value that is not a decimal 32-bit number, gives `fallback`.
std::int32_t read_config_int(const tinyxml2::XMLElement* element, std::int32_t fallback,
                             const char* attribute = "value");

// An attribute's text, or nothing when the element or the attribute is missing.
std::optional<std::u16string> read_config_attribute(const tinyxml2::XMLElement* element, const char* attribute);

// The element's text (its text and CDATA children joined), or nothing when it has none.
std::optional<std::u16string> read_config_text(const tinyxml2::XMLElement* element);

const char* config_bool_text(bool value);

// Appends a child element `name` holding the value in its "value" attribute.
tinyxml2::XMLElement& write_config_bool(tinyxml2::XMLElement& parent, const char* name, bool value);
tinyxml2::XMLElement& write_config_int(tinyxml2::XMLElement& parent, const char* name, std::int32_t value);

void set_config_attribute(tinyxml2::XMLElement& element, const char* attribute, std::u16string_view value);

}  // namespace tavorin
