#pragma once
// A count for each of a set of keys (pointers or integers), in one open-addressing array:
// finding, adding and removing take one or two probes of adjacent slots, so a set with
// thousands of members stays as cheap to search as a small one (a node per member would cost a
// cache miss per step). A slot is free when its count is 0.

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

namespace tavorin {

template <typename Key>
class FlatCounts {
    static_assert(std::is_pointer_v<Key> || std::is_integral_v<Key>);

public:
    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }

    // The key's count: 0 for one not in the set.
    int count(Key key) const {
        if (size_ == 0) return 0;
        return slots_[find_slot(key)].count;
    }
    bool contains(Key key) const { return count(key) != 0; }

    // Adds `amount` (at least 1) to the key's count.
    void add(Key key, int amount = 1) {
        if ((size_ + 1) * 4 > slots_.size() * 3) grow();
        Slot& slot = slots_[find_slot(key)];
        if (slot.count == 0) {
            slot.key = key;
            ++size_;
        }
        slot.count += amount;
    }

    // Takes one from the key's count (its whole count with `all`), removing it at 0. False when
    // the key is not in the set.
    bool remove(Key key, bool all = false) {
        if (size_ == 0) return false;
        const std::size_t index = find_slot(key);
        if (slots_[index].count == 0) return false;
        if (!all && --slots_[index].count > 0) return true;
        erase_at(index);
        return true;
    }

private:
    struct Slot {
        Key key{};
        int count = 0;
    };

    std::size_t mask() const { return slots_.size() - 1; }

    std::size_t home_of(Key key) const {
        // Fibonacci hashing: it spreads both aligned addresses and runs of numbers.
        std::uint64_t bits = 0;
        if constexpr (std::is_pointer_v<Key>) {
            bits = reinterpret_cast<std::uintptr_t>(key);
        } else {
            bits = static_cast<std::uint64_t>(key);
        }
        return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ull) >> 32) & mask();
    }

    // The key's slot, or the free slot where it would go.
    std::size_t find_slot(Key key) const {
        std::size_t index = home_of(key);
        while (slots_[index].count != 0 && slots_[index].key != key) index = (index + 1) & mask();
        return index;
    }

    // Empties the slot and moves later members of its run back, so that no search stops early.
    void erase_at(std::size_t hole) {
        --size_;
        for (std::size_t next = (hole + 1) & mask(); slots_[next].count != 0; next = (next + 1) & mask()) {
            const std::size_t home = home_of(slots_[next].key);
            // The member stays when its home is cyclically within (hole, next].
            const bool stays = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
            if (stays) continue;
            slots_[hole] = slots_[next];
            hole = next;
        }
        slots_[hole] = Slot{};
    }

    void grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 8 : old.size() * 2, Slot{});
        for (const Slot& slot : old) {
            if (slot.count != 0) slots_[find_slot(slot.key)] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

}  // namespace tavorin
