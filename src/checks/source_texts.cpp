#include "checks/source_texts.h"

#include <algorithm>

namespace tavorin {

SourceTexts::Loaded& SourceTexts::load(std::uint32_t file) {
    auto [it, inserted] = files_.try_emplace(file);
    Loaded& loaded = it->second;
    if (!inserted || file >= origins_.files.size()) return loaded;
    auto decoded = read_text_file(origins_.files[file].path, ansi_);
    if (!decoded) return loaded;
    loaded.read = true;
    loaded.text = std::move(decoded.value().text);
    loaded.line_starts.push_back(0);
    for (std::size_t i = 0; i < loaded.text.size(); ++i) {
        if (loaded.text[i] == u'\n') loaded.line_starts.push_back(i + 1);
    }
    return loaded;
}

const std::u16string* SourceTexts::text(std::uint32_t file) {
    Loaded& loaded = load(file);
    return loaded.read ? &loaded.text : nullptr;
}

std::size_t SourceTexts::line_of(std::uint32_t file, std::size_t offset) {
    Loaded& loaded = load(file);
    if (!loaded.read) return 0;
    const auto after = std::upper_bound(loaded.line_starts.begin(), loaded.line_starts.end(), offset);
    return static_cast<std::size_t>(after - loaded.line_starts.begin());
}

}  // namespace tavorin
