#pragma once
// Compiled resources as a COFF object file, the form MinGW linkers take them in: one ".rsrc"
// section holding the resource directory (types, names, languages), the name strings, a data
// entry per resource and the resources' data, with one relocation per data entry that makes its
// section offset an address of the image. The layout is the one GNU windres writes, so that an
// object made here and one made there from the same resources are the same bytes.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/name_or_ordinal.h"
#include "base/result.h"

namespace tavorin {

enum class CoffMachine : std::uint16_t { x86_64 = 0x8664, i386 = 0x014c, arm64 = 0xaa64 };

struct CoffResource {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data;
};

// The records of a whole .res file, in file order (the leading empty record left out). A file
// that is not a .res file, or a record that runs past its end, fails with a message naming
// `source` and the record's offset.
Result<std::vector<CoffResource>> split_res_records(std::span<const std::uint8_t> res, std::u16string_view source);

// The object holding the resources. Two resources of the same type, name and language fail with
// a message naming `source`.
Result<std::vector<std::uint8_t>> write_coff_resource_object(std::span<const CoffResource> resources,
                                                             CoffMachine machine, std::u16string_view source);

// Whether the bytes begin like a COFF object of one of the machines above.
bool looks_like_coff_object(std::span<const std::uint8_t> bytes);

// The resources of such an object's ".rsrc" sections as a .res file (memory flags are not kept in
// an object; they come back 0). A malformed object fails with a message naming `source`.
Result<std::vector<std::uint8_t>> res_from_coff_object(std::span<const std::uint8_t> object, std::u16string_view source);

}  // namespace tavorin
