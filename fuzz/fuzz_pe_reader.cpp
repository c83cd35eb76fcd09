// Fuzz target for the PE resource reader: DOS and NT headers, the section table and the
// three-level directory with its strings and data entries, every offset checked against the
// section copy. The resources found go through the import dispatch, and the project is written
// back into the same bytes as a module, so the writer meets every header the reader let through.

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/session.h"
#include "formats/compiled_import.h"
#include "formats/compiled_items.h"
#include "formats/compiled_record.h"
#include "formats/pe_module_rebuild.h"
#include "formats/pe_resource_walk.h"
#include "platform/scripted_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> module(data, size);
    const tavorin::PeResourceListing listing = tavorin::list_pe_resources(module);

    tavorin::ScriptedPlatform platform;
    tavorin::Session session(platform);
    tavorin::ImageNumbers numbers;
    tavorin::VirtualKeyNames keys;
    tavorin::CompiledImport import(session.workspace(), tavorin::CompiledImportTables{numbers, keys});
    for (const tavorin::PeResource& resource : listing.resources) {
        // A duplicate ends the reading, as it ends the module reader's.
        if (!import.import(tavorin::CompiledRecord{resource.type, resource.name, resource.language, resource.data,
                                                   std::nullopt, 0, listing.section})) {
            break;
        }
    }
    import.finish();

    const tavorin::ResourceItemList items = tavorin::build_item_list(session.project());
    std::vector<tavorin::PlacedResource> placed;
    for (const tavorin::ResourceItem* item : items.items()) {
        auto bytes = tavorin::item_data(*item);
        if (bytes) placed.push_back(tavorin::PlacedResource{item, std::move(*bytes)});
    }
    (void)tavorin::rebuild_module(module, placed);
    return 0;
}
