#pragma once
// The main window's menu bar as data: the GUI builds the real menu from it with the texts of the
// current UI strings, and decides from it which items wait for an open project.

#include <span>
#include <vector>

#include "app/command_ids.h"
#include "services/string_ids.h"

namespace tavorin {

struct MenuBarItem {
    enum class Kind { command, separator, submenu };

    Kind kind = Kind::command;
    cmd::Id id = 0;       // the command, or the submenu's own id (0 for a separator)
    str::Id text = 0;     // UI string; unused for a separator
    std::vector<MenuBarItem> items;  // a submenu's contents
};

struct MenuBarMenu {
    str::Id text = 0;
    std::vector<MenuBarItem> items;
};

// File, Edit, View, Options and Help, in that order.
std::span<const MenuBarMenu> main_menu_bar();

// Items greyed while no project is open (commands and the two project submenus).
bool needs_open_project(cmd::Id id);

}  // namespace tavorin
