#pragma once
// The C code of one resource, by its kind: dialogs and menus build themselves at run time, every
// other kind has no code.

#include "base/text_writer.h"
#include "model/code_context.h"
#include "model/resource.h"

namespace tavorin {

// Writes the resource's code with `index` its place in project order; false (writing nothing)
// for kinds without code.
bool write_resource_code(TextWriter& out, const Resource& resource, int index, const CodeContext& context);

}  // namespace tavorin
