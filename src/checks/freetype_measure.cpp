#include "checks/freetype_measure.h"

#include "dialog/dialog.h"

#ifdef TAVORIN_FREETYPE

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_TRUETYPE_TABLES_H

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include "base/mul_div.h"
#include "base/text.h"
#include "checks/font_files.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

class FreeTypeFont : public MeasuredFont {
public:
    FreeTypeFont(FT_Face face, int pixels) : face_(face) {
        usable_ = FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels)) == 0;
        // GDI's cell: the OS/2 table's Windows ascent and descent, each scaled and rounded.
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
        long ascent = face_->size->metrics.ascender;
        long descent = -face_->size->metrics.descender;
        if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent != 0) {
            ascent = FT_MulFix(os2->usWinAscent, face_->size->metrics.y_scale);
            descent = FT_MulFix(os2->usWinDescent, face_->size->metrics.y_scale);
        }
        height_ = static_cast<int>(((ascent + 32) >> 6) + ((descent + 32) >> 6));
    }
    ~FreeTypeFont() override { FT_Done_Face(face_); }
    FreeTypeFont(const FreeTypeFont&) = delete;
    FreeTypeFont& operator=(const FreeTypeFont&) = delete;

    int text_width(std::u16string_view text) override {
        int width = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            char32_t c = text[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                ++i;
            }
            width += advance(c);
        }
        return width;
    }
    int line_height() const override { return height_; }
    // A face of fixed bitmap sizes has none of this size.
    bool usable() const { return usable_; }
    bool covers(std::u16string_view text) override {
        for (char16_t c : text) {
            if (c < 0x20 || (c >= 0xD800 && c < 0xE000)) continue;
            if (FT_Get_Char_Index(face_, c) == 0) return false;
        }
        return true;
    }

private:
    int advance(char32_t c) {
        if (c < 128 && ascii_[c] >= 0) return ascii_[c];
        if (c >= 128) {
            if (auto it = others_.find(c); it != others_.end()) return it->second;
        }
        int value = 0;
        if (FT_Load_Char(face_, c, FT_LOAD_DEFAULT) == 0) value = static_cast<int>((face_->glyph->advance.x + 32) >> 6);
        if (c < 128) {
            ascii_[c] = value;
        } else {
            others_.emplace(c, value);
        }
        return value;
    }

    FT_Face face_;
    bool usable_ = false;
    int height_ = 0;
    std::array<int, 128> ascii_ = [] {
        std::array<int, 128> a{};
        a.fill(-1);
        return a;
    }();
    std::unordered_map<char32_t, int> others_;
};

class FreeTypeMeasurer : public FontMeasurer {
public:
    explicit FreeTypeMeasurer(std::vector<fs::path> folders) : folders_(std::move(folders)) {
        if (FT_Init_FreeType(&library_) != 0) {
            library_ = nullptr;
            return;
        }
        // The classic interpreter hints advance widths to whole pixels as GDI does.
        FT_UInt version = TT_INTERPRETER_VERSION_35;
        FT_Property_Set(library_, "truetype", "interpreter-version", &version);
    }
    ~FreeTypeMeasurer() override {
        fonts_.clear();
        if (library_ != nullptr) FT_Done_FreeType(library_);
    }
    FreeTypeMeasurer(const FreeTypeMeasurer&) = delete;
    FreeTypeMeasurer& operator=(const FreeTypeMeasurer&) = delete;

    MeasuredFont* font(const DialogFont& font, int dpi) override {
        if (library_ == nullptr) return nullptr;
        const std::u16string face_key = to_ascii_lower(font.face);
        auto files_it = files_.find(face_key);
        if (files_it == files_.end()) files_it = files_.emplace(face_key, font_files_for(font.face, folders_)).first;
        if (!files_it->second) return nullptr;
        const bool bold = font.weight >= 600 && !files_it->second->bold.empty();
        const fs::path& file = bold ? files_it->second->bold : files_it->second->regular;
        // GDI asks for the character height the point size gives at this DPI.
        const int pixels = mul_div(font.point_size, dpi, 72);
        if (pixels <= 0) return nullptr;
        const auto key = std::make_tuple(file.string(), pixels);
        if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.get();
        FT_Face face = nullptr;
        std::unique_ptr<MeasuredFont>& slot = fonts_[key];
        if (FT_New_Face(library_, file.c_str(), 0, &face) == 0) {
            auto opened = std::make_unique<FreeTypeFont>(face, pixels);
            if (opened->usable()) slot = std::move(opened);
        }
        return slot.get();
    }

private:
    std::vector<fs::path> folders_;
    FT_Library library_ = nullptr;
    std::map<std::u16string, std::optional<FontFiles>> files_;
    std::map<std::tuple<std::string, int>, std::unique_ptr<MeasuredFont>> fonts_;
};

}  // namespace

std::unique_ptr<FontMeasurer> make_freetype_measurer(std::vector<fs::path> font_folders) {
    return std::make_unique<FreeTypeMeasurer>(std::move(font_folders));
}

}  // namespace tavorin

#else

namespace tavorin {

std::unique_ptr<FontMeasurer> make_freetype_measurer(std::vector<std::filesystem::path>) { return nullptr; }

}  // namespace tavorin

#endif
