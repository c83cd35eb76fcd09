#pragma once
// The import dispatch shared by the .res reader and the PE reader: one compiled record (type,
// name, language, bytes) becomes a project resource through the decoder of its kind. A kind
// without a decoder, or bytes its decoder refuses, give a raw-data resource; a refusal also
// logs "<file>, offset 0x<where>: Invalid resource format. Type: %1, name: %2.". A second record
// of one type, name and language ends the reading: a project holds one resource per identity,
// and keeping either record alone would lose the other without a word.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "base/name_or_ordinal.h"
#include "base/result.h"
#include "base/shared_bytes.h"
#include "model/resource.h"
#include "resources/image/group_directory.h"
#include "resources/image/image_numbers.h"
#include "resources/accelerator/virtual_key_names.h"

namespace tavorin {

class Workspace;

// What a compiled reading needs besides the workspace. The image counters outlive the reading:
// every icon and cursor group made from it keeps numbering its new images with them.
struct CompiledImportTables {
    ImageNumbers& image_numbers;
    const VirtualKeyNames& virtual_keys;
};

struct CompiledRecord {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data;
    // The .res header fields; none for a module's resources.
    std::optional<RecordFields> fields;
    // The record's place in its file, counted from 1.
    std::size_t position = 0;
    // The block `data` lies in when resources may keep pieces of it instead of copies.
    ByteBlock block;
    // Where the record lies in its file, for messages.
    std::uint64_t offset = 0;
};

// One reading of a compiled file: the icon and cursor images wait here, by number, for the
// group that lists them. The records' data must stay where it is until finish().
class CompiledImport {
public:
    // `source` names the file in messages.
    CompiledImport(Workspace& workspace, const CompiledImportTables& tables, std::u16string source = {})
        : workspace_(workspace), tables_(tables), source_(std::move(source)) {}

    // Sets the project's current language to the record's and adds what the record makes; fails
    // on a duplicate record, with the message naming the file, the offset and the identity.
    Status import(const CompiledRecord& record);

    // Ends the reading: images that no group listed become raw-data resources of their type,
    // so that nothing read is lost.
    void finish();

private:
    struct ReadImage {
        CompiledRecord record;
        bool claimed = false;
    };

    void import_raw(const CompiledRecord& record);
    // The kind's decoder; false when the record's bytes do not decode.
    bool import_typed(const CompiledRecord& record);
    bool import_image(const CompiledRecord& record, IconType type);
    bool import_group(const CompiledRecord& record, IconType type);
    // Registers the record's name for a resource of the kind and adds the resource; a name the
    // language already uses for the kind is a duplicate, which the reading fails on. The resource keeps
    // the record's bytes (unless `keep_data` is false: its model is those bytes) to be written
    // back while nobody changes it.
    void add(std::unique_ptr<Resource> resource, const CompiledRecord& record, bool keep_data = true);
    template <typename Kind>
    bool add_decoded(Result<std::unique_ptr<Kind>> decoded, const CompiledRecord& record) {
        if (!decoded) return false;
        add(std::move(*decoded), record);
        return true;
    }

    // "<file>, offset 0x<where>: " for the record's messages.
    std::u16string place_of(const CompiledRecord& record) const;

    Workspace& workspace_;
    CompiledImportTables tables_;
    std::u16string source_;
    std::optional<Error> duplicate_;
    IconImageMap icon_images_;
    IconImageMap cursor_images_;
    std::map<std::pair<IconType, std::uint16_t>, ReadImage> read_images_;
};

// The record as it was read: its bytes, header fields and place.
CompiledOrigin origin_of(const CompiledRecord& record);

// The record's name as the project writes it: the string, or the ordinal in decimal.
std::u16string record_name_text(const NameOrOrdinal& name);

// "RT_DIALOG" for 5 and the other standard names; the decimal number for any other ordinal.
std::u16string standard_type_name(std::uint16_t ordinal);

}  // namespace tavorin
