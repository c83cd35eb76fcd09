#pragma once
// Where the text of a preprocessed script came from: for every stretch of the output, the file
// (a script read in place of its #include counts as its own file), the offset in that file's
// decoded text and the line. Copied text maps character by character; the value of a macro maps
// to the whole call that produced it. The statement reader places its errors with it, and each
// resource remembers the source range of its statement, so that a save can rewrite that range
// alone.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavorin {

class SourceMap {
public:
    struct Location {
        std::uint32_t file = 0;
        std::size_t offset = 0;  // in the file's decoded text
        int line = 1;
        // Inside the value of a macro: `offset` is where its call begins, `call_end` where it ends.
        bool expanded = false;
        std::size_t call_end = 0;
        // Which stretch of the output: two locations in one expansion have the same.
        std::size_t segment = 0;
    };

    // Output from `output` on is copied from the file, starting at `offset` on `line`.
    void copied(std::size_t output, std::uint32_t file, std::size_t offset, int line);
    // Output from `output` on is the value of the call between `call_begin` and `call_end`.
    void expanded(std::size_t output, std::uint32_t file, std::size_t call_begin, std::size_t call_end, int line);

    // The origin of the output character at `output`; `text` is the output, whose line feeds
    // count the lines after the stretch's first.
    Location locate(std::size_t output, const std::u16string& text) const;
    // The same without the line, which takes counting: enough for ranges.
    Location place(std::size_t output) const;

    bool empty() const { return segments_.empty(); }
    void clear() {
        segments_.clear();
        counted_ = Counted{};
        placed_ = 0;
    }

private:
    struct Segment {
        std::size_t output;
        std::size_t offset;
        std::size_t call_end;  // equal to `offset` for copied text
        std::uint32_t file;
        int line;
        bool expanded;
    };
    void add(const Segment& segment);
    Location place_in(std::size_t index, std::size_t output) const;
    // The segment holding the output position; none before the first.
    std::optional<std::size_t> segment_of(std::size_t output) const;

    std::vector<Segment> segments_;
    // The line feeds of a segment's output up to a position, as the last locate counted them.
    struct Counted {
        std::size_t segment = static_cast<std::size_t>(-1);
        std::size_t output = 0;
        std::ptrdiff_t breaks = 0;
    };
    mutable Counted counted_;
    mutable std::size_t placed_ = 0;  // the segment found last
};

}  // namespace tavorin
