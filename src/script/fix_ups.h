#pragma once
// The work after the last statement of a reading, when every resource is known.

#include <filesystem>
#include <string_view>
#include <vector>

#include "script/statement_hooks.h"
#include "script/statement_reader.h"

namespace tavorin {

class Workspace;
class Project;

// Each dialog's MENU statement names a menu by number (its ordinal) or by name. A dialog whose
// menu is not in the project keeps the menu as written, with the message saying so.
void link_dialog_menus(Workspace& workspace, const std::vector<MenuLinkRequest>& requests);

// The script writer writes the include of the project's header itself, so the include line
// read from the script goes (compared without regard to case).
void remove_header_include(Project& project, std::u16string_view header_name);

// All of the above; `script` is the opened script, whose name the header name template may use.
void run_fix_ups(Workspace& workspace, const StatementLoop& loop, const std::filesystem::path& script);

}  // namespace tavorin
