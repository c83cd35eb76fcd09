#pragma once
// Compiled resource files (".res"): a sequence of records, each a header (sizes, type, name,
// memory flags, language) and the resource's bytes, led by one empty 32-byte record.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "base/result.h"
#include "formats/compiled_import.h"

namespace tavorin {

class Workspace;

// Reads every record into workspace.project() (which the caller has closed) through the import
// dispatch. A bad leading record, a bad record header or truncated data ends the reading with
// the message shown (captioned "Error"; suppressed while not interactive), logged as an error
// and returned; it names the file and the offset of the record; the records read before it stay in the project. Resources that do not decode
// are kept as raw data with a warning in the log.
Status read_res_file(Workspace& workspace, const std::filesystem::path& path, const CompiledImportTables& tables);
// The same for the bytes of a whole .res file; messages name them as `source`. When the bytes are
// `block`, resources keep pieces of it instead of copies.
Status read_res_data(Workspace& workspace, std::span<const std::uint8_t> bytes, const CompiledImportTables& tables,
                     std::u16string_view source, const ByteBlock& block = nullptr);

// Writes the project as a compiled resource file, replacing the target only when the whole
// file is written. The file error box offers Retry while the file cannot be written; an error
// result means nothing was written (the message is shown and logged).
Status write_res_file(Workspace& workspace, const std::filesystem::path& path);

// The same file as bytes in memory, for writers that wrap it (an object file). An item that
// cannot give its data is left out with the reason logged as an error.
std::vector<std::uint8_t> res_file_bytes(Workspace& workspace);

}  // namespace tavorin
