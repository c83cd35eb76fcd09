#pragma once
// Where the text of a preprocessed script came from: for every stretch of the output, the file
// (a script read in place of its #include counts as its own file), the offset in that file's
// decoded text and the line. Copied text maps character by character; the value of a macro maps
// to the whole call that produced it. The statement reader places its errors with it, and each
// resource remembers the source range of its statement, so that a save can rewrite that range
// alone.

#include <cstddef>
#include <cstdint>
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

    bool empty() const { return segments_.empty(); }
    void clear() { segments_.clear(); }

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

    std::vector<Segment> segments_;
};

}  // namespace tavorin
