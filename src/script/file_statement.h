#pragma once

#include <cstddef>
#include <string>

#include "base/result.h"
#include "model/resource_kind.h"

namespace tavorin {

class StatementLoop;

// NAME KEYWORD [LANGUAGE ...] "file name": bitmaps, icons, cursors, manifests, HTML pages and
// custom types. The resource refers to the file as written, relative names starting at the
// opened script's folder. Manifests, HTML pages and custom types may instead hold their data
// inline (BEGIN ... END, script/inline_data.h). `pos` is after the type.
Result<std::size_t> read_file_statement(StatementLoop& loop, std::size_t pos, ResourceKind kind,
                                        std::u16string custom_type_name = {});

// The inline data block of a raw resource, from BEGIN or "{"; the resource keeps its data and
// writes it back inline.
Result<std::size_t> read_inline_statement(StatementLoop& loop, std::size_t pos, ResourceKind kind,
                                          std::u16string custom_type_name = {});

}  // namespace tavorin
