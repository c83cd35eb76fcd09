#include "script/source_map.h"

#include <algorithm>
#include <optional>
#include <string>

namespace tavorin {

void SourceMap::add(const Segment& segment) {
    // A stretch that produced no output is replaced by the next one.
    if (!segments_.empty()) {
        Segment& last = segments_.back();
        if (last.output == segment.output) {
            last = segment;
            return;
        }
        // Text copied on from where the last copy ended continues its stretch.
        if (!last.expanded && !segment.expanded && last.file == segment.file && segment.offset >= last.offset &&
            segment.output - last.output == segment.offset - last.offset) {
            return;
        }
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

SourceMap::Location SourceMap::place_in(std::size_t index, std::size_t output) const {
    const Segment& segment = segments_[index];
    Location location;
    location.file = segment.file;
    location.line = segment.line;
    location.expanded = segment.expanded;
    location.segment = index;
    if (segment.expanded) {
        location.offset = segment.offset;
        location.call_end = segment.call_end;
    } else {
        location.offset = segment.offset + (output - segment.output);
        location.call_end = location.offset;
    }
    return location;
}

std::optional<std::size_t> SourceMap::segment_of(std::size_t output) const {
    // Readers ask in increasing order: the segment of the last question or the next one first.
    const auto holds = [&](std::size_t index) {
        return index < segments_.size() && segments_[index].output <= output &&
               (index + 1 == segments_.size() || output < segments_[index + 1].output);
    };
    for (const std::size_t index : {placed_, placed_ + 1}) {
        if (holds(index)) return placed_ = index;
    }
    auto after = std::upper_bound(segments_.begin(), segments_.end(), output,
                                  [](std::size_t value, const Segment& segment) { return value < segment.output; });
    if (after == segments_.begin()) return std::nullopt;
    return placed_ = static_cast<std::size_t>(after - 1 - segments_.begin());
}

SourceMap::Location SourceMap::place(std::size_t output) const {
    const auto index = segment_of(output);
    return index ? place_in(*index, output) : Location{};
}

SourceMap::Location SourceMap::locate(std::size_t output, const std::u16string& text) const {
    const auto found = segment_of(output);
    if (!found) {
        const auto lines = std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(output, text.size())), u'\n');
        return Location{0, 0, 1 + static_cast<int>(lines), false, 0, 0};
    }
    const std::size_t index = *found;
    const Segment& segment = segments_[index];
    const std::size_t end = std::min(output, text.size());
    // Readers ask in increasing order: the lines counted for the last question are not counted again.
    std::size_t from = std::min(segment.output, end);
    std::ptrdiff_t breaks = 0;
    if (counted_.segment == index && counted_.output >= from && counted_.output <= end) {
        from = counted_.output;
        breaks = counted_.breaks;
    }
    breaks += std::count(text.begin() + static_cast<std::ptrdiff_t>(from), text.begin() + static_cast<std::ptrdiff_t>(end), u'\n');
    counted_ = Counted{index, end, breaks};
    Location location = place_in(index, output);
    location.line = segment.line + static_cast<int>(breaks);
    return location;
}

}  // namespace tavorin
