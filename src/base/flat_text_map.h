#pragma once
// A map from names to values for the tables a script reader asks once per identifier (macros,
// symbols, string identifiers): one open-addressing array of slots, each holding its name's hash
// and a pointer to the entry. A search looks at one or two adjacent slots, and at the entry only
// when the hash matches, where a node-based map follows two or three pointers through memory the
// cache does not hold. Entries stay where they are while others come and go.
//
// The subset of std::unordered_map's interface that those tables use; it is searched by
// std::u16string_view.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/text_hash.h"

namespace tavorin {

template <typename T>
class FlatTextMap {
public:
    using value_type = std::pair<const std::u16string, T>;

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::unique_ptr<value_type> entry;  // null: free
    };

    template <typename Value>
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Value;
        using difference_type = std::ptrdiff_t;
        using pointer = Value*;
        using reference = Value&;

        Iterator() = default;
        Iterator(const Slot* slot, const Slot* end) : slot_(slot), end_(end) { skip_free(); }
        // An iterator converts to a const_iterator.
        template <typename Other>
            requires(std::is_const_v<Value> && !std::is_const_v<Other>)
        Iterator(const Iterator<Other>& other) : slot_(other.slot_), end_(other.end_) {}

        Value& operator*() const { return *slot_->entry; }
        Value* operator->() const { return slot_->entry.get(); }
        Iterator& operator++() {
            ++slot_;
            skip_free();
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        template <typename Other>
        bool operator==(const Iterator<Other>& other) const {
            return slot_ == other.slot_;
        }

    private:
        template <typename>
        friend class Iterator;
        friend class FlatTextMap;

        void skip_free() {
            while (slot_ != end_ && !slot_->entry) ++slot_;
        }

        const Slot* slot_ = nullptr;
        const Slot* end_ = nullptr;
    };

public:
    using iterator = Iterator<value_type>;
    using const_iterator = Iterator<const value_type>;

    FlatTextMap() = default;
    FlatTextMap(FlatTextMap&&) noexcept = default;
    FlatTextMap& operator=(FlatTextMap&&) noexcept = default;
    FlatTextMap(const FlatTextMap& other) : slots_(other.slots_.size()), size_(other.size_) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (!other.slots_[i].entry) continue;
            slots_[i].hash = other.slots_[i].hash;
            slots_[i].entry = std::make_unique<value_type>(*other.slots_[i].entry);
        }
    }
    FlatTextMap& operator=(const FlatTextMap& other) {
        if (this != &other) *this = FlatTextMap(other);
        return *this;
    }

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    void clear() {
        slots_.clear();
        size_ = 0;
    }

    iterator begin() { return iterator(slots_.data(), slots_.data() + slots_.size()); }
    iterator end() { return iterator(slots_.data() + slots_.size(), slots_.data() + slots_.size()); }
    const_iterator begin() const { return const_iterator(slots_.data(), slots_.data() + slots_.size()); }
    const_iterator end() const {
        return const_iterator(slots_.data() + slots_.size(), slots_.data() + slots_.size());
    }

    iterator find(std::u16string_view key) { return at_slot(find_slot(key, TextHash{}(key))); }
    const_iterator find(std::u16string_view key) const {
        const std::size_t index = find_slot(key, TextHash{}(key));
        return index == npos ? end() : const_iterator(slots_.data() + index, slots_.data() + slots_.size());
    }
    bool contains(std::u16string_view key) const { return find_slot(key, TextHash{}(key)) != npos; }

    // Adds the key with a value made of `arguments` unless it is there; the entry, and whether
    // it was added.
    template <typename Key, typename... Arguments>
    std::pair<iterator, bool> try_emplace(Key&& key, Arguments&&... arguments) {
        const std::u16string_view name(key);
        const std::uint64_t hash = TextHash{}(name);
        if (const std::size_t found = find_slot(name, hash); found != npos) return {at_slot(found), false};
        if ((size_ + 1) * 4 > slots_.size() * 3) grow();
        std::size_t index = home_of(hash);
        while (slots_[index].entry) index = (index + 1) & mask();
        slots_[index].hash = hash;
        slots_[index].entry = std::make_unique<value_type>(
            std::piecewise_construct, std::forward_as_tuple(std::forward<Key>(key)),
            std::forward_as_tuple(std::forward<Arguments>(arguments)...));
        ++size_;
        return {at_slot(index), true};
    }
    template <typename Key, typename Value>
    std::pair<iterator, bool> emplace(Key&& key, Value&& value) {
        return try_emplace(std::forward<Key>(key), std::forward<Value>(value));
    }

    // Removes the entry; entries after it in its run move back, so iterators other than `at`
    // may now show other entries.
    void erase(const_iterator at) { erase_at(static_cast<std::size_t>(at.slot_ - slots_.data())); }
    std::size_t erase(std::u16string_view key) {
        const std::size_t index = find_slot(key, TextHash{}(key));
        if (index == npos) return 0;
        erase_at(index);
        return 1;
    }

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    std::size_t mask() const { return slots_.size() - 1; }
    std::size_t home_of(std::uint64_t hash) const {
        return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ull) >> 32) & mask();
    }

    iterator at_slot(std::size_t index) {
        const Slot* end = slots_.data() + slots_.size();
        return index == npos ? iterator(end, end) : iterator(slots_.data() + index, end);
    }

    std::size_t find_slot(std::u16string_view key, std::uint64_t hash) const {
        if (size_ == 0) return npos;
        for (std::size_t index = home_of(hash);; index = (index + 1) & mask()) {
            const Slot& slot = slots_[index];
            if (!slot.entry) return npos;
            if (slot.hash == hash && slot.entry->first == key) return index;
        }
    }

    void erase_at(std::size_t hole) {
        slots_[hole].entry.reset();
        --size_;
        for (std::size_t next = (hole + 1) & mask(); slots_[next].entry; next = (next + 1) & mask()) {
            const std::size_t home = home_of(slots_[next].hash);
            // The entry stays when its home is cyclically within (hole, next].
            const bool stays = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
            if (stays) continue;
            slots_[hole] = std::move(slots_[next]);
            hole = next;
        }
    }

    void grow() {
        std::vector<Slot> old = std::move(slots_);
        slots_ = std::vector<Slot>(old.empty() ? 16 : old.size() * 2);
        for (Slot& slot : old) {
            if (!slot.entry) continue;
            std::size_t index = home_of(slot.hash);
            while (slots_[index].entry) index = (index + 1) & mask();
            slots_[index] = std::move(slot);
        }
    }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

}  // namespace tavorin
