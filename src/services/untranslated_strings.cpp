#include "services/untranslated_strings.h"

namespace tavorin {

const std::array<std::u16string, 40>& untranslated_strings() {
    static const std::array<std::u16string, 40> texts = {
        u"ANSI",
        u"UNICODE",
        u"VOS_UNKNOWN",
        u"VOS_DOS",
        u"VOS_OS216",
        u"VOS_OS232",
        u"VOS_NT",
        u"VOS_WINCE",
        u"VOS__WINDOWS16",
        u"VOS__PM16",
        u"VOS__PM32",
        u"VOS__WINDOWS32",
        u"VOS_DOS_WINDOWS16",
        u"VOS_DOS_WINDOWS32",
        u"VOS_OS216_PM16",
        u"VOS_OS232_PM32",
        u"VOS_NT_WINDOWS32",
        u"File Flags",
        u"VFT_UNKNOWN",
        u"VFT_APP",
        u"VFT_DLL",
        u"VFT_DRV",
        u"VFT_FONT",
        u"VFT_VXD",
        u"VFT_STATIC_LIB",
        u"VFT2_UNKNOWN",
        u"VFT2_DRV_COMM",
        u"VFT2_DRV_PRINTER",
        u"VFT2_DRV_KEYBOARD",
        u"VFT2_DRV_LANGUAGE",
        u"VFT2_DRV_DISPLAY",
        u"VFT2_DRV_MOUSE",
        u"VFT2_DRV_NETWORK",
        u"VFT2_DRV_SYSTEM",
        u"VFT2_DRV_INSTALLABLE",
        u"VFT2_DRV_SOUND",
        u"VFT2_DRV_VERSIONED_PRINTER",
        u"VFT2_FONT_RASTER",
        u"VFT2_FONT_VECTOR",
        u"VFT2_FONT_TRUETYPE",
    };
    return texts;
}

}  // namespace tavorin
