#include "formats/res_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "model/workspace.h"
#include "base/binary_reader.h"
#include "base/file_io.h"
#include "base/text.h"
#include "formats/compiled_items.h"
#include "formats/compiled_record.h"
#include "formats/read_only_target.h"

namespace tavorin {

namespace {

// A failure of the reading: shown captioned "Error", logged, and returned.
Status reading_failed(Workspace& workspace, std::u16string message) {
    workspace.ask(message, workspace.text(str::error_caption), AskButtons::ok, AskIcon::error);
    workspace.log().error(message);
    return Error{std::move(message)};
}

struct RecordHeader {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    RecordFields fields;
};

RecordHeader parse_record_header(std::span<const std::uint8_t> bytes) {
    BinaryReader reader(bytes);
    RecordHeader header;
    header.type = reader.read_name_or_ordinal();
    header.name = reader.read_name_or_ordinal();
    header.fields.data_version = reader.read_u32();
    header.fields.memory_flags = reader.read_u16();
    header.language = reader.read_u16();
    // Kept to be written back; a header that ends before them leaves them 0.
    if (reader.remaining() >= 8) {
        header.fields.version = reader.read_u32();
        header.fields.characteristics = reader.read_u32();
    }
    return header;
}

// Records read from a .res file go back in the order the file had them (compilers write them in
// script order); records made since follow in item order.
void keep_read_order(ResourceItemList& items) {
    const auto place = [](const ResourceItem* item) {
        const CompiledOrigin* origin = item->origin();
        return origin != nullptr && origin->fields ? origin->position : SIZE_MAX;
    };
    std::stable_sort(items.items().begin(), items.items().end(),
                     [&](const ResourceItem* a, const ResourceItem* b) { return place(a) < place(b); });
}

// The file, made record by record into a batch that goes to the sink whenever it holds a quarter
// megabyte: the empty record, then each record's header, data and padding. Large kept data goes
// from where it is. An item that cannot give its data is left out, with the reason in `log`
// unless it is among the first `reported` items, whose failures are there from an earlier try.
Status write_records(const ResourceItemList& items, const PieceSink& sink, MessageLog& log, std::size_t& reported) {
    constexpr std::size_t batch_size = 256 * 1024;
    static constexpr std::array<std::uint8_t, 3> zeros{};
    BinaryBuffer batch;
    BinaryBuffer header;
    BinaryBuffer encoded;
    std::size_t position = 0;  // in the file, of the batch's end
    const auto append = [&](std::span<const std::uint8_t> bytes) {
        batch.write_bytes(bytes);
        position += bytes.size();
    };
    const auto align_to_4 = [&] { append(std::span(zeros).first((4 - position % 4) % 4)); };

    append(empty_res_record());
    for (std::size_t i = 0; i < items.items().size(); ++i) {
        const ResourceItem* item = items.items()[i];
        const bool report = i >= reported;
        reported = std::max(reported, i + 1);
        std::span<const std::uint8_t> data;
        if (const auto kept = kept_item_data(*item)) {
            data = *kept;
        } else {
            encoded.clear();
            if (const Status serialized = item->serialize(encoded); !serialized) {
                if (report) log.error(record_name_text(item->name()) + u": " + serialized.error());
                continue;
            }
            data = encoded.bytes();
        }
        align_to_4();
        header.clear();
        append_res_header(header, *item, data.size());
        append(header.bytes());
        if (data.size() >= batch_size / 4) {
            const std::span<const std::uint8_t> pieces[] = {batch.bytes(), data};
            if (Status written = sink(pieces); !written) return written;
            batch.clear();
            position += data.size();
        } else {
            append(data);
        }
        if (item->pad_after_data()) align_to_4();
        if (batch.size() >= batch_size) {
            const std::span<const std::uint8_t> pieces[] = {batch.bytes()};
            if (Status written = sink(pieces); !written) return written;
            batch.clear();
        }
    }
    const std::span<const std::uint8_t> pieces[] = {batch.bytes()};
    return sink(pieces);
}

}  // namespace

Status read_res_file(Workspace& workspace, const std::filesystem::path& path, const CompiledImportTables& tables) {
    auto file = read_file_bytes(path);
    if (!file) return reading_failed(workspace, file.error());
    const auto block = std::make_shared<const std::vector<std::uint8_t>>(std::move(*file));
    return read_res_data(workspace, *block, tables, display_path(path), block);
}

Status read_res_data(Workspace& workspace, std::span<const std::uint8_t> bytes, const CompiledImportTables& tables,
                     std::u16string_view source, const ByteBlock& block) {
    // "<file>, offset 0x20: <what>": where the record that could not be read begins.
    const auto failed_at = [&](std::size_t offset, str::Id what) {
        return reading_failed(workspace, std::u16string(source) + u", offset 0x" + hexadecimal(static_cast<std::uint32_t>(offset)) + u": " +
                                           workspace.text(what));
    };
    const auto empty = empty_res_record();
    if (bytes.size() < empty.size() || !std::equal(empty.begin(), empty.end(), bytes.begin())) {
        return failed_at(0, str::bad_compiled_resource_header);
    }

    CompiledImport import(workspace, tables, std::u16string(source));
    std::size_t offset = empty.size();
    std::size_t position = 0;
    Status result = success();
    while (bytes.size() - offset >= 8) {
        BinaryReader sizes(bytes.subspan(offset, 8));
        const std::uint32_t data_size = sizes.read_u32();
        const std::uint32_t header_size = sizes.read_u32();
        // A header smaller than its two size fields, or reaching past the file, cannot be read.
        if (header_size < 8 || header_size > bytes.size() - offset) {
            result = failed_at(offset, str::bad_compiled_resource_header);
            break;
        }
        RecordHeader header;
        try {
            header = parse_record_header(bytes.subspan(offset + 8, header_size - 8));
        } catch (const BinaryReadError&) {
            result = failed_at(offset, str::bad_compiled_resource_header);
            break;
        }
        const std::size_t record = offset;
        offset += header_size;
        const std::uint64_t padded_size = (std::uint64_t{data_size} + 3) / 4 * 4;
        if (padded_size > bytes.size() - offset) {
            result = failed_at(record, str::resource_import_failed);
            break;
        }
        const Status imported = import.import(CompiledRecord{header.type, header.name, header.language,
                                                             bytes.subspan(offset, data_size), header.fields, ++position,
                                                             block, record});
        if (!imported) {
            result = reading_failed(workspace, imported.error());
            break;
        }
        offset += static_cast<std::size_t>(padded_size);
    }
    import.finish();
    return result;
}

Status write_res_file(Workspace& workspace, const std::filesystem::path& path) {
    workspace.platform().show_status(workspace.text(str::status_exporting));
    ResourceItemList items = build_item_list(workspace.project());
    keep_read_order(items);
    const auto permission = read_only_permission(workspace.prompts(), path);
    if (!permission) {
        workspace.log().error(permission.error());
        return Error{permission.error()};
    }
    // An item left out is said in the log once, however often the writing is tried.
    std::size_t reported = 0;
    const auto produce = [&](const PieceSink& sink) { return write_records(items, sink, workspace.log(), reported); };
    for (;;) {
        const Status written = write_produced_atomically(path, produce, *permission);
        if (written) break;
        if (workspace.ask(written.error(), AskButtons::retry_cancel, AskIcon::error) != Answer::retry) {
            workspace.log().error(written.error());
            return written;
        }
    }
    workspace.platform().show_status(workspace.text(str::status_exportation_finished));
    return success();
}

std::vector<std::uint8_t> res_file_bytes(Workspace& workspace) {
    ResourceItemList items = build_item_list(workspace.project());
    keep_read_order(items);
    std::vector<std::uint8_t> bytes;
    std::size_t reported = 0;
    const auto append = [&](std::span<const std::span<const std::uint8_t>> pieces) -> Status {
        for (const auto piece : pieces) bytes.insert(bytes.end(), piece.begin(), piece.end());
        return success();
    };
    (void)write_records(items, append, workspace.log(), reported);
    return bytes;
}

}  // namespace tavorin
