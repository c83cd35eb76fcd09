#include "script/source_map.h"

#include <algorithm>
#include <string>

namespace tavorin {

void SourceMap::add(const Segment& segment) {
    // A stretch that produced no output is replaced by the next one.
    if (!segments_.empty() && segments_.back().output == segment.output) {
        segments_.back() = segment;
        return;
    }
    segments_.push_back(segment);
}

void SourceMap::copied(std::size_t output, std::uint32_t file, std::size_t offset, int line) {
    add(Segment{output, offset, offset, file, line, false});
}

void SourceMap::expanded(std::size_t output, std::uint32_t file, std::size_t call_begin, std::size_t call_end,
                         int line) {
    add(Segment{output, call_begin, call_end, file, line, true});
}

SourceMap::Location SourceMap::locate(std::size_t output, const std::u16string& text) const {
    auto after = std::upper_bound(segments_.begin(), segments_.end(), output,
                                  [](std::size_t value, const Segment& segment) { return value < segment.output; });
    if (after == segments_.begin()) {
        const auto lines = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(output, text.size())), u'\n');
        return Location{0, 0, 1 + static_cast<int>(lines), false, 0, 0};
    }
    const Segment& segment = *(after - 1);
    const std::size_t end = std::min(output, text.size());
    const auto breaks = std::count(text.begin() + static_cast<std::ptrdiff_t>(std::min(segment.output, end)),
                                   text.begin() + static_cast<std::ptrdiff_t>(end), u'\n');
    Location location;
    location.file = segment.file;
    location.line = segment.line + static_cast<int>(breaks);
    location.expanded = segment.expanded;
    location.segment = static_cast<std::size_t>(after - 1 - segments_.begin());
    if (segment.expanded) {
        location.offset = segment.offset;
        location.call_end = segment.call_end;
    } else {
        location.offset = segment.offset + (output - segment.output);
        location.call_end = location.offset;
    }
    return location;
}

}  // namespace tavorin
