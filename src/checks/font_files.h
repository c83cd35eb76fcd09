#pragma once
// Which font file stands for a Windows font face on a machine without Windows fonts. The files
// come from Debian's packages (Wine's fonts, Liberation, DejaVu):
//
//   MS Shell Dlg, MS Shell Dlg 2,
//   MS Sans Serif, Microsoft Sans
//   Serif, Tahoma                 Wine's Tahoma (tahoma.ttf, tahomabd.ttf). Windows maps MS Shell
//                                 Dlg to Microsoft Sans Serif and MS Shell Dlg 2 to Tahoma; both
//                                 give the same base units (6 x 13 at 8 points, 96 DPI) and close
//                                 widths. Wine's own MS Sans Serif file holds only a few bitmap
//                                 sizes, so it cannot stand for a scalable face.
//   Arial, Helvetica              Liberation Sans, metric-compatible
//   Times New Roman               Liberation Serif, metric-compatible
//   Courier New                   Liberation Mono, metric-compatible
//   Segoe UI                      DejaVu Sans Condensed: no metric-compatible font is packaged;
//                                 at 9 points it gives 7 x 14 base units at 96 DPI where Segoe
//                                 UI gives 7 x 15, so its texts are measured only roughly
//   Verdana                       DejaVu Sans (Verdana's design source)
//
// Faces outside this table are not measured.

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tavorin {

struct FontFiles {
    std::filesystem::path regular;
    std::filesystem::path bold;
};

// The folders searched, in order: those of TAVORIN_FONT_PATH (separated by ':' or ';'), then
// Wine's, Liberation's and DejaVu's folders as Debian installs them.
std::vector<std::filesystem::path> default_font_folders();

// The files for a face (compared without regard to case), found in `folders`; none when the
// face is not in the table or its regular file is in no folder.
std::optional<FontFiles> font_files_for(std::u16string_view face, const std::vector<std::filesystem::path>& folders);

}  // namespace tavorin
