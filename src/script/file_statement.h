#pragma once

#include <cstddef>
#include <string>

#include "base/result.h"
#include "model/resource_kind.h"

namespace tavorin {

class StatementLoop;

// NAME KEYWORD [LANGUAGE ...] "file name": bitmaps, icons, cursors, manifests, HTML pages and
// custom types. The file name is required (inline data between BEGIN and END is not read); the
// resource refers to the file as written, relative names starting at the opened script's
// folder. `pos` is after the type.
Result<std::size_t> read_file_statement(StatementLoop& loop, std::size_t pos, ResourceKind kind,
                                        std::u16string custom_type_name = {});

}  // namespace tavorin
