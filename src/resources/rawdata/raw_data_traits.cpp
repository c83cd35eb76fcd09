#include "resources/rawdata/raw_data_traits.h"

#include "base/text.h"

namespace tavorin {

FileResourceTraits manifest_traits() {
    return {u"xml", u"manifest", u"RT_MANIFEST", u".xml", u"XML Files (*.xml)", u"1", 0};
}

FileResourceTraits html_traits() { return {u"html", u"html", u"HTML", u".*", u"All Files (*.*)", u"IDR_HTML", 0}; }

FileResourceTraits named_raw_traits(std::u16string_view type_name) {
    return {u"bin", u"resource", std::u16string(type_name), u".*", u"All Files (*.*)",
            u"IDR_" + std::u16string(type_name.substr(0, 10)), 0};
}

FileResourceTraits numeric_raw_traits(std::uint16_t type) {
    // The initial data of dialogs goes under the word scripts use for it.
    const std::u16string keyword = type == 240 ? std::u16string(u"DLGINIT") : decimal(type);
    return {u"bin", u"resource", keyword, u".*", u"All Files (*.*)", u"IDR_" + decimal(type) + u"_", 0};
}

}  // namespace tavorin
