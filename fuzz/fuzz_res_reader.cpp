// Fuzz target for the .res reader: record headers, sizes and padding, and through the import
// dispatch every resource decoder. Whatever was read gets .res record headers again and goes into
// a resource section, so the item list, the record writer and the directory builder see every
// shape the readers accept.

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/session.h"
#include "formats/compiled_items.h"
#include "formats/compiled_record.h"
#include "formats/pe_resource_directory.h"
#include "formats/res_file.h"
#include "platform/scripted_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavorin::ScriptedPlatform platform;
    tavorin::Session session(platform);
    tavorin::ImageNumbers numbers;
    tavorin::VirtualKeyNames keys;
    (void)tavorin::read_res_data(session.workspace(), std::span<const std::uint8_t>(data, size),
                                 tavorin::CompiledImportTables{numbers, keys}, u"fuzz.res");

    const tavorin::ResourceItemList items = tavorin::build_item_list(session.project());
    tavorin::BinaryBuffer headers;
    for (const tavorin::ResourceItem* item : items.items()) {
        const auto bytes = tavorin::item_data(*item);
        if (bytes) tavorin::append_res_header(headers, *item, bytes->size());
    }
    (void)tavorin::build_resource_directory(items.items());
    return 0;
}
