#include "resources/version/version_names.h"

namespace tavorin {

namespace {

constexpr std::uint32_t type_driver = 3;
constexpr std::uint32_t type_font = 4;

constexpr VersionName os_names[] = {
    {0, u"VOS_UNKNOWN"},          {0x10000, u"VOS_DOS"},           {0x20000, u"VOS_OS216"},
    {0x30000, u"VOS_OS232"},      {0x40000, u"VOS_NT"},            {0x50000, u"VOS_WINCE"},
    {1, u"VOS__WINDOWS16"},       {2, u"VOS__PM16"},               {3, u"VOS__PM32"},
    {4, u"VOS__WINDOWS32"},       {0x10001, u"VOS_DOS_WINDOWS16"}, {0x10004, u"VOS_DOS_WINDOWS32"},
    {0x20002, u"VOS_OS216_PM16"}, {0x30003, u"VOS_OS232_PM32"},    {0x40004, u"VOS_NT_WINDOWS32"},
};

constexpr VersionName type_names[] = {
    {0, u"VFT_UNKNOWN"}, {1, u"VFT_APP"}, {2, u"VFT_DLL"},        {3, u"VFT_DRV"},
    {4, u"VFT_FONT"},    {5, u"VFT_VXD"}, {7, u"VFT_STATIC_LIB"},
};

constexpr VersionName driver_subtype_names[] = {
    {0, u"VFT2_UNKNOWN"},          {10, u"VFT2_DRV_COMM"},    {1, u"VFT2_DRV_PRINTER"},
    {2, u"VFT2_DRV_KEYBOARD"},     {3, u"VFT2_DRV_LANGUAGE"}, {4, u"VFT2_DRV_DISPLAY"},
    {5, u"VFT2_DRV_MOUSE"},        {6, u"VFT2_DRV_NETWORK"},  {7, u"VFT2_DRV_SYSTEM"},
    {8, u"VFT2_DRV_INSTALLABLE"},  {9, u"VFT2_DRV_SOUND"},    {12, u"VFT2_DRV_VERSIONED_PRINTER"},
};

constexpr VersionName font_subtype_names[] = {
    {0, u"VFT2_UNKNOWN"},
    {1, u"VFT2_FONT_RASTER"},
    {2, u"VFT2_FONT_VECTOR"},
    {3, u"VFT2_FONT_TRUETYPE"},
};

constexpr VersionName other_subtype_names[] = {{0, u"VFT2_UNKNOWN"}};

}  // namespace

std::span<const VersionName> file_os_names() { return os_names; }
std::span<const VersionName> file_type_names() { return type_names; }

std::span<const VersionName> file_subtype_names(std::uint32_t file_type) {
    if (file_type == type_driver) return driver_subtype_names;
    if (file_type == type_font) return font_subtype_names;
    return other_subtype_names;
}

std::u16string_view version_name_of(std::span<const VersionName> names, std::uint32_t value) {
    for (const VersionName& entry : names) {
        if (entry.value == value) return entry.name;
    }
    return names.front().name;
}

std::optional<std::uint32_t> version_value_of(std::span<const VersionName> names, std::u16string_view name) {
    for (const VersionName& entry : names) {
        if (entry.name == name) return entry.value;
    }
    return std::nullopt;
}

}  // namespace tavorin
