#include "app/archive_entry_name.h"

#include <array>

#include "base/text.h"

namespace tavorin {

namespace {

bool is_safe_part(std::u16string_view part) {
    if (part.empty() || part == u"." || part == u"..") return false;
    if (part.back() == u'.' || part.back() == u' ') return false;
    for (const char16_t c : part) {
        if (c < 32 || std::u16string_view(u"<>:\"\\|?*").find(c) != std::u16string_view::npos) return false;
    }
    return !is_reserved_device_name(part);
}

}  // namespace

bool is_reserved_device_name(std::u16string_view file_name) {
    // "NUL.txt" and "nul .txt" name the device as well.
    std::u16string_view stem = file_name.substr(0, file_name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ') stem.remove_suffix(1);
    const std::u16string upper = to_ascii_upper(stem);
    static constexpr std::array<std::u16string_view, 6> devices{u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"};
    for (const auto device : devices) {
        if (upper == device) return true;
    }
    return upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT")) && upper[3] >= u'0' &&
           upper[3] <= u'9';
}

bool is_safe_archive_entry_name(std::u16string_view name) {
    if (name.empty() || name.size() > max_archive_name_length) return false;
    std::size_t depth = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = name.find(u'/', start);
        if (!is_safe_part(name.substr(start, slash == std::u16string_view::npos ? name.npos : slash - start))) return false;
        if (++depth > max_archive_name_depth) return false;
        if (slash == std::u16string_view::npos) return true;
        start = slash + 1;
    }
}

}  // namespace tavorin
