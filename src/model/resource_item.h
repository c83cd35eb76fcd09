#pragma once
// The binary face of a resource: what the `.res` writer and the PE writer ask of every item
// they write. A resource is one item; some contribute more (an icon group its images, a string
// table one block per sixteen strings), which they add to a ResourceItemList.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "base/shared_bytes.h"
#include "model/name_or_ordinal.h"
#include "model/resource_kind.h"

namespace tavorin {

// The fields of a .res record header besides type, name and language.
struct RecordFields {
    std::uint32_t data_version = 0;
    std::uint16_t memory_flags = 0;
    std::uint32_t version = 0;
    std::uint32_t characteristics = 0;

    friend bool operator==(const RecordFields&, const RecordFields&) = default;
};

// What a compiled file held for an item. Writers give an item that nobody changed back as it
// was read, whatever its decoder made of it.
struct CompiledOrigin {
    // The data as read; none for items whose model is their bytes, and none after an edit.
    std::optional<SharedBytes> data;
    // The header fields of a .res record; none for a module's resources.
    std::optional<RecordFields> fields;
    // The record's place in the file it was read from, and its language.
    std::size_t position = 0;
    std::uint16_t language = 0;
};

class ResourceItem {
public:
    virtual ~ResourceItem() = default;

    virtual NameOrOrdinal type() const = 0;
    // A string name is written as text; a number, or a symbol standing for a number, as its
    // ordinal.
    virtual NameOrOrdinal name() const = 0;
    virtual std::uint16_t language() const = 0;
    virtual std::uint16_t memory_flags() const { return memory_flag::standard; }
    // The TimeDateStamp the PE writer puts into the directory tables.
    virtual std::uint32_t time_stamp() const { return 0; }

    // Kinds without a compiled form (toolbars) are left out of compiled files.
    virtual bool has_binary_form() const { return true; }
    // Appends the item's data to `out` (which the writer hands over empty). An error leaves the
    // item out of the file; the writer reports the message.
    virtual Status serialize(BinaryBuffer& out) const = 0;
    // The data serialize() would write, when the item already holds it as one run of bytes (an
    // icon image, raw data in memory): writers take it from there without a copy.
    virtual std::optional<std::span<const std::uint8_t>> held_bytes() const { return std::nullopt; }
    // Whether compiled resource files pad the data to a multiple of four bytes.
    virtual bool pad_after_data() const { return true; }
    // Where the item came from when it was read from a compiled file.
    virtual const CompiledOrigin* origin() const { return nullptr; }
};

// The items of one compiled save. Items made only for writing (string blocks, images of a
// group held elsewhere) are owned by the list for as long as it lives.
class ResourceItemList {
public:
    void add(const ResourceItem& item) { items_.push_back(&item); }
    void add_owned(std::unique_ptr<ResourceItem> item) {
        items_.push_back(item.get());
        owned_.push_back(std::move(item));
    }
    std::vector<const ResourceItem*>& items() { return items_; }
    const std::vector<const ResourceItem*>& items() const { return items_; }

private:
    std::vector<const ResourceItem*> items_;
    std::vector<std::unique_ptr<ResourceItem>> owned_;
};

}  // namespace tavorin
