#include "services/config_section.h"

#include <charconv>
#include <cstring>
#include <tinyxml2.h>

#include "base/text.h"

namespace tavorin {

bool read_config_bool(const tinyxml2::XMLElement* element, bool fallback, const char* attribute) {
    const auto text = read_config_attribute(element, attribute);
    if (!text) return fallback;
    return equals_ignore_case(*text, u"true");
}

std::int32_t read_config_int(const tinyxml2::XMLElement* element, std::int32_t fallback, const char* attribute) {
    if (!element) return fallback;
    const char* text = element->Attribute(attribute);
    if (!text) return fallback;
    const char* end = text + std::strlen(text);
    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(text, end, value);
    if (error != std::errc() || stop != end) return fallback;
    return value;
}

std::optional<std::u16string> read_config_attribute(const tinyxml2::XMLElement* element, const char* attribute) {
    if (!element) return std::nullopt;
    const char* text = element->Attribute(attribute);
    if (!text) return std::nullopt;
    return utf8_to_text(text);
}

std::optional<std::u16string> read_config_text(const tinyxml2::XMLElement* element) {
    if (!element) return std::nullopt;
    std::optional<std::string> joined;
    for (const auto* node = element->FirstChild(); node; node = node->NextSibling()) {
        if (const auto* text = node->ToText()) {
            if (!joined) joined.emplace();
            joined->append(text->Value());
        }
    }
    if (!joined) return std::nullopt;
    return utf8_to_text(*joined);
}

const char* config_bool_text(bool value) { return value ? "true" : "false"; }

tinyxml2::XMLElement& write_config_bool(tinyxml2::XMLElement& parent, const char* name, bool value) {
    auto* child = parent.InsertNewChildElement(name);
    child->SetAttribute("value", config_bool_text(value));
    return *child;
}

tinyxml2::XMLElement& write_config_int(tinyxml2::XMLElement& parent, const char* name, std::int32_t value) {
    auto* child = parent.InsertNewChildElement(name);
    child->SetAttribute("value", value);
    return *child;
}

void set_config_attribute(tinyxml2::XMLElement& element, const char* attribute, std::u16string_view value) {
    element.SetAttribute(attribute, text_to_utf8(value).c_str());
}

}  // namespace tavorin
