#pragma once
// The binary face of a resource: what the `.res` writer and the PE writer ask of every item
// they write. A resource is one item; some contribute more (an icon group its images, a string
// table one block per sixteen strings), which they add to a ResourceItemList.

#include <cstdint>
#include <memory>
#include <vector>

#include "base/binary_buffer.h"
#include "base/result.h"
#include "model/name_or_ordinal.h"
#include "model/resource_kind.h"

namespace tavorin {

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
    // Whether compiled resource files pad the data to a multiple of four bytes.
    virtual bool pad_after_data() const { return true; }
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
