#pragma once
// The constant texts of each kind of file-based resource (bitmaps, icons, cursors here;
// manifests, HTML and raw data in resources/rawdata).

#include <cstddef>
#include <string>

namespace tavorin {

struct FileResourceTraits {
    std::u16string extension;         // of exported files: "bmp"
    std::u16string type_word;         // exported files are named type word, number, extension
    std::u16string keyword;           // in the script line: "BITMAP"
    std::u16string dotted_extension;  // for the open-file dialog: ".bmp"
    std::u16string filter;            // "Bitmaps (*.bmp)"
    std::u16string default_name;      // the template of new names: "IDB_BITMAP"
    // Leading bytes of the file that are not resource data (the .bmp file header).
    std::size_t skipped_bytes = 0;
};

FileResourceTraits bitmap_traits();
FileResourceTraits icon_traits();
FileResourceTraits cursor_traits();

}  // namespace tavorin
