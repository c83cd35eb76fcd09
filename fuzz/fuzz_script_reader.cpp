// The whole script reader over arbitrary bytes: preprocessor, every statement kind into the
// project, the fix-ups, and then every writer of what was read: the script and its header as
// text, each resource's compiled bytes and the resource directory of a module.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/session.h"
#include "base/text_writer.h"
#include "formats/compiled_items.h"
#include "formats/compiled_record.h"
#include "formats/header_writer.h"
#include "formats/pe_resource_directory.h"
#include "formats/script_writer.h"
#include "platform/scripted_platform.h"
#include "script/open_script.h"
#include "fuzz_folder.h"

namespace {

namespace fs = std::filesystem;

const fs::path& folder() {
    static const tavorin::fuzzing::FuzzFolder instance("tavorin_fuzz_script");
    static const bool filled = [] {
        // A header and small files the script may name.
        std::ofstream(instance.path() / "resource.h", std::ios::binary) << "#define IDD_MAIN 100\n#define IDC_OK 1000\n";
        std::ofstream(instance.path() / "data.bin", std::ios::binary) << "payload";
        fs::create_directories(instance.path() / "folder");
        return true;
    }();
    (void)filled;
    return instance.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavorin;
    const fs::path script = folder() / "fuzz.rc";
    fuzzing::write_input(script, data, size);
    ScriptedPlatform platform;
    platform.folder = folder();
    Session session(platform);
    ScriptTables tables;
    ImageNumbers image_numbers;
    if (!open_script(session.workspace(), tables, image_numbers, script)) return 0;

    (void)script_preview(session.workspace(), u"resource.h");
    TextWriter header;
    write_header(header, session.symbols(), HeaderNotation::define);

    const ResourceItemList items = build_item_list(session.project());
    BinaryBuffer headers;
    for (const ResourceItem* item : items.items()) {
        if (const auto data = item_data(*item)) append_res_header(headers, *item, data->size());
    }
    (void)build_resource_directory(items.items());
    return 0;
}
