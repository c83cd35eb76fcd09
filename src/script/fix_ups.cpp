#include "script/fix_ups.h"

#include <algorithm>

#include "model/workspace.h"
#include "base/text.h"
#include "formats/header_name.h"

namespace tavorin {

namespace {

const Resource* find_menu(const Project& project, const MenuLinkRequest& request) {
    for (const Resource* menu : project.resources_of_kind(kind::menu)) {
        if (request.menu_number && *request.menu_number >= 1) {
            if (!menu->identity().string_name && menu->identity().ordinal == *request.menu_number) return menu;
        } else if (equals_ignore_case(menu->name_text(), request.menu_text)) {
            return menu;
        }
    }
    return nullptr;
}

}  // namespace

void link_dialog_menus(Workspace& workspace, const std::vector<MenuLinkRequest>& requests) {
    for (const MenuLinkRequest& request : requests) {
        if (const Resource* menu = find_menu(workspace.project(), request)) {
            if (request.set_menu_name) request.set_menu_name(menu->name_text());
            continue;
        }
        // The dialog keeps the menu as written, as compilers keep it: the program may load the
        // menu from elsewhere.
        const std::u16string& message = workspace.text(str::dialog_menu_not_found);
        // Logged as well: without a window (the conversion mode) the question is not shown.
        workspace.log().warning(message);
        workspace.ask(message, AskButtons::ok, AskIcon::warning);
    }
}

void remove_header_include(Project& project, std::u16string_view header_name) {
    const std::u16string line = u"\"" + std::u16string(header_name) + u"\"";
    auto& lines = project.include_lines();
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const std::u16string& include) { return equals_ignore_case(include, line); }),
                lines.end());
}

void run_fix_ups(Workspace& workspace, const StatementLoop& loop, const std::filesystem::path& script) {
    link_dialog_menus(workspace, loop.menu_links());
    // Toolbars need no fix-up here: a toolbar finds its bitmap by its own name's value whenever
    // it is asked (Toolbar::linked_bitmap), and the items read from the script stay as they are.
    remove_header_include(workspace.project(),
                          expand_header_name(workspace.config().header_name, script.u16string()));
}

}  // namespace tavorin
