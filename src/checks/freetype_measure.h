#pragma once
// Text measured with FreeType from the font files that stand for Windows faces (font_files.h),
// with the TrueType hinting GDI applies (classic interpreter), so advances and heights come out
// in whole pixels as GDI's do.

#include <filesystem>
#include <memory>
#include <vector>

#include "checks/text_measure.h"

namespace tavorin {

// Null when the program was built without FreeType.
std::unique_ptr<FontMeasurer> make_freetype_measurer(std::vector<std::filesystem::path> font_folders);

}  // namespace tavorin
