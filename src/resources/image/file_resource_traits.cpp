#include "resources/image/file_resource_traits.h"

namespace tavorin {

FileResourceTraits bitmap_traits() {
    return {u"bmp", u"bitmap", u"BITMAP", u".bmp", u"Bitmaps (*.bmp)", u"IDB_BITMAP", 14};
}

FileResourceTraits icon_traits() { return {u"ico", u"icon", u"ICON", u".ico", u"Icons (*.ico)", u"IDI_ICON", 0}; }

FileResourceTraits cursor_traits() {
    return {u"cur", u"cursor", u"CURSOR", u".cur", u"Cursors (*.cur)", u"IDI_CURSOR", 0};
}

}  // namespace tavorin
