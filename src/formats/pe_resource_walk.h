#pragma once
// Reading the resource directory of a PE module: the three levels (type, name, language) from a
// copy of the resource section, every offset, size and string checked against that copy.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "base/name_or_ordinal.h"
#include "base/result.h"
#include "base/shared_bytes.h"

namespace tavorin {

struct PeResource {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    // The TimeDateStamp of the language table.
    std::uint32_t time_stamp = 0;
    std::uint32_t data_rva = 0;
    // Points into PeResourceListing::section.
    std::span<const std::uint8_t> data;
};

struct PeResourceListing {
    enum class Outcome {
        complete,
        // No section named as the resource section, or no section at all.
        no_resources,
        // A fault in the module; `resources` holds those met before it.
        invalid,
    };
    Outcome outcome = Outcome::complete;
    // Never null; its resources may keep their pieces of it.
    ByteBlock section = std::make_shared<const std::vector<std::uint8_t>>();
    std::uint32_t section_rva = 0;
    // Where the section lies in the file.
    std::uint64_t section_position = 0;
    // Where in the file the fault lies when the outcome is `invalid`.
    std::uint64_t fault_offset = 0;
    // Directory order: at every level named entries first, then ordinal entries.
    std::vector<PeResource> resources;
};

// Where the module's bytes come from: a file or memory.
class ModuleSource {
public:
    virtual ~ModuleSource() = default;
    virtual std::uint64_t size() const = 0;
    // Fills `out` from the offset; false when the module is shorter.
    virtual bool read(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

// Walks the directory of a resource section copy whose first byte lies at `section_rva`.
void walk_resource_directory(PeResourceListing& listing);

// Finds the resource section of the module by its name and walks it.
PeResourceListing list_pe_resources(ModuleSource& module);
PeResourceListing list_pe_resources(std::span<const std::uint8_t> module);
// The file's error message when it cannot be opened.
Result<PeResourceListing> list_pe_resources(const std::filesystem::path& path);

}  // namespace tavorin
