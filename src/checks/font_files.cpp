#include "checks/font_files.h"

#include <array>
#include <cstdlib>
#include <string>

#include "base/text.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

struct FaceEntry {
    std::u16string_view face;
    std::string_view regular;
    std::string_view bold;
};

constexpr std::array faces{
    FaceEntry{u"MS Shell Dlg", "tahoma.ttf", "tahomabd.ttf"},
    FaceEntry{u"MS Sans Serif", "tahoma.ttf", "tahomabd.ttf"},
    FaceEntry{u"Microsoft Sans Serif", "tahoma.ttf", "tahomabd.ttf"},
    FaceEntry{u"MS Shell Dlg 2", "tahoma.ttf", "tahomabd.ttf"},
    FaceEntry{u"Tahoma", "tahoma.ttf", "tahomabd.ttf"},
    FaceEntry{u"Arial", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"},
    FaceEntry{u"Helvetica", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"},
    FaceEntry{u"Times New Roman", "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"},
    FaceEntry{u"Courier New", "LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf"},
    FaceEntry{u"Segoe UI", "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf"},
    FaceEntry{u"Verdana", "DejaVuSans.ttf", "DejaVuSans-Bold.ttf"},
};

std::optional<fs::path> find_file(std::string_view name, const std::vector<fs::path>& folders) {
    if (name.empty()) return std::nullopt;
    for (const fs::path& folder : folders) {
        std::error_code error;
        fs::path candidate = folder / std::string(name);
        if (fs::is_regular_file(candidate, error)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::vector<fs::path> default_font_folders() {
    std::vector<fs::path> folders;
    if (const char* list = std::getenv("TAVORIN_FONT_PATH")) {
        std::string rest = list;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find_first_of(":;"), rest.size());
            if (end > 0) folders.emplace_back(rest.substr(0, end));
            rest.erase(0, std::min(end + 1, rest.size()));
        }
    }
    for (const char* folder : {"/usr/share/wine/fonts", "/usr/share/fonts/truetype/liberation",
                               "/usr/share/fonts/truetype/dejavu"}) {
        folders.emplace_back(folder);
    }
    return folders;
}

std::optional<FontFiles> font_files_for(std::u16string_view face, const std::vector<fs::path>& folders) {
    for (const FaceEntry& entry : faces) {
        if (!equals_ignore_case(entry.face, face)) continue;
        auto regular = find_file(entry.regular, folders);
        if (!regular) return std::nullopt;
        FontFiles files{*regular, {}};
        if (auto bold = find_file(entry.bold, folders)) files.bold = *bold;
        return files;
    }
    return std::nullopt;
}

}  // namespace tavorin
