#include "app/main_menu.h"

#include <algorithm>
#include <array>

namespace tavorin {

namespace {

MenuBarItem command(cmd::Id id, str::Id text) { return MenuBarItem{MenuBarItem::Kind::command, id, text, {}}; }

MenuBarItem separator() { return MenuBarItem{MenuBarItem::Kind::separator, 0, 0, {}}; }

MenuBarItem submenu(cmd::Id id, str::Id text, std::vector<MenuBarItem> items) {
    return MenuBarItem{MenuBarItem::Kind::submenu, id, text, std::move(items)};
}

std::vector<MenuBarMenu> build_menu_bar() {
    MenuBarMenu file{str::menu_file,
                     {command(cmd::new_project, str::menu_new_project),
                      command(cmd::open_project, str::menu_open_project),
                      command(cmd::save, str::menu_save),
                      command(cmd::save_as, str::menu_save_as),
                      command(cmd::rewrite_script, str::rewrite_script_command),
                      separator(),
                      submenu(cmd::code_preview_menu, str::menu_code_preview,
                              {command(cmd::preview_c_source, str::menu_preview_c_source),
                               command(cmd::preview_resource_script, str::menu_preview_resource)}),
                      command(cmd::close_project, str::menu_close_project),
                      separator(),
                      submenu(cmd::add_resource_menu, str::menu_add_resource,
                              {command(cmd::add_accelerator, str::menu_add_accelerator),
                               command(cmd::add_bitmap, str::menu_add_bitmap),
                               command(cmd::add_cursor, str::menu_add_cursor),
                               command(cmd::add_dialog, str::menu_add_dialog),
                               command(cmd::add_icon, str::menu_add_icon),
                               command(cmd::add_manifest, str::menu_add_manifest),
                               command(cmd::add_menu, str::menu_add_menu),
                               command(cmd::add_string_table, str::menu_add_string_table),
                               command(cmd::add_toolbar, str::menu_add_toolbar),
                               command(cmd::add_user_defined, str::menu_add_user_defined),
                               command(cmd::add_version, str::menu_add_version)}),
                      separator(),
                      command(cmd::new_instance, str::menu_new_instance),
                      separator(),
                      command(cmd::quit, str::menu_quit)}};
    MenuBarMenu edit{str::menu_edit,
                     {command(cmd::undo, str::menu_undo),
                      command(cmd::redo, str::menu_redo),
                      separator(),
                      command(cmd::cut, str::menu_cut),
                      command(cmd::copy, str::menu_copy),
                      command(cmd::paste, str::menu_paste),
                      command(cmd::delete_selection, str::menu_delete),
                      separator(),
                      command(cmd::select_all, str::menu_select_all)}};
    MenuBarMenu view{str::menu_view,
                     {command(cmd::show_resource_tree, str::menu_resource_tree),
                      command(cmd::show_properties, str::menu_properties),
                      separator(),
                      command(cmd::messages, str::menu_messages),
                      separator(),
                      command(cmd::auto_save_layout, str::menu_auto_save_layout)}};
    MenuBarMenu options{str::menu_options, {command(cmd::preferences, str::menu_preferences)}};
    MenuBarMenu help{str::menu_help,
                     {command(cmd::help, str::menu_help_contents),
                      command(cmd::web_page, str::menu_web_page),
                      separator(),
                      command(cmd::check_update, str::menu_check_update),
                      separator(),
                      command(cmd::contact_author, str::menu_contact_author),
                      command(cmd::about, str::menu_about)}};
    return {file, edit, view, options, help};
}

constexpr std::array project_commands{cmd::save,         cmd::save_as,           cmd::rewrite_script, cmd::project_only_command,
                                      cmd::code_preview_menu, cmd::close_project, cmd::add_resource_menu};

}  // namespace

std::span<const MenuBarMenu> main_menu_bar() {
    static const std::vector<MenuBarMenu> menu_bar = build_menu_bar();
    return menu_bar;
}

bool needs_open_project(cmd::Id id) {
    return std::find(project_commands.begin(), project_commands.end(), id) != project_commands.end();
}

}  // namespace tavorin
