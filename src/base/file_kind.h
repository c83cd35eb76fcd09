#pragma once

#include <string_view>

namespace tavorin {

enum class FileKind { unsupported = 0, script = 1, pe_module = 2, compiled_resources = 3, c_source = 4 };

// Decided by the text after the last '.' of the name, without regard to case.
FileKind file_kind_of(std::u16string_view path);

}  // namespace tavorin
