#pragma once
// The C code that builds a menu at run time: CreateMenu for the bar, CreatePopupMenu for every
// submenu, and one AppendMenu call per item.

#include "base/text_writer.h"
#include "model/code_context.h"

namespace tavorin {

class Menu;

// The menu's code with `number` its place in project order: the bar is "hmenu<number>", the
// k-th popup of a list named v is "v_k" (hmenu2_1, hmenu2_1_3, ...).
void write_menu_code(TextWriter& out, const Menu& menu, int number, const CodeContext& context);

}  // namespace tavorin
