#pragma once
// Bytes that never change once made: a piece of a block that its holders share. The block may be
// made for them alone, or be a larger one read from a file (a module's resource section), whose
// pieces then need no copy. Copying the holder copies a pointer; changing the bytes is assigning
// new ones.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace tavorin {

using ByteBlock = std::shared_ptr<const std::vector<std::uint8_t>>;

class SharedBytes {
public:
    SharedBytes() = default;
    // Implicit, so that new bytes are assigned as a vector.
    SharedBytes(std::vector<std::uint8_t> own)
        : block_(std::make_shared<const std::vector<std::uint8_t>>(std::move(own))), view_(*block_) {}
    // `piece` lies within `block`.
    SharedBytes(ByteBlock block, std::span<const std::uint8_t> piece) : block_(std::move(block)), view_(piece) {}

    static SharedBytes copy_of(std::span<const std::uint8_t> bytes) {
        return SharedBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    }

    std::span<const std::uint8_t> span() const { return view_; }
    operator std::span<const std::uint8_t>() const { return view_; }
    const std::uint8_t* data() const { return view_.data(); }
    std::size_t size() const { return view_.size(); }
    bool empty() const { return view_.empty(); }
    auto begin() const { return view_.begin(); }
    auto end() const { return view_.end(); }
    std::uint8_t operator[](std::size_t index) const { return view_[index]; }

    friend bool operator==(const SharedBytes& a, const SharedBytes& b) { return std::ranges::equal(a.view_, b.view_); }
    friend bool operator==(const SharedBytes& a, const std::vector<std::uint8_t>& b) {
        return std::ranges::equal(a.view_, b);
    }

private:
    ByteBlock block_;
    std::span<const std::uint8_t> view_;
};

}  // namespace tavorin
