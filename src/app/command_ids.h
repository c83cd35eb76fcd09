#pragma once
// Command ids of the main window: menu items, toolbar buttons and shortcuts send these.

namespace tavorin::cmd {

using Id = int;

inline constexpr Id copy = 40000;
inline constexpr Id cut = 40001;
inline constexpr Id help = 40002;
inline constexpr Id redo = 40003;
inline constexpr Id undo = 40004;
inline constexpr Id delete_selection = 40006;
inline constexpr Id new_project = 40007;
inline constexpr Id open_project = 40008;
inline constexpr Id paste = 40009;
inline constexpr Id preview_resource_script = 40010;
inline constexpr Id c_code = 40011;
inline constexpr Id test_dialog = 40017;

inline constexpr Id add_user_defined = 40098;
inline constexpr Id add_bitmap = 40099;
inline constexpr Id add_icon = 40100;
inline constexpr Id add_menu = 40101;
inline constexpr Id add_dialog = 40102;
inline constexpr Id add_string_table = 40103;
inline constexpr Id add_accelerator = 40104;
inline constexpr Id add_version = 40105;
inline constexpr Id add_toolbar = 40106;
inline constexpr Id add_manifest = 40109;
inline constexpr Id add_cursor = 40110;

inline constexpr Id web_page = 40111;
inline constexpr Id show_properties = 40112;
inline constexpr Id show_resource_tree = 40114;
inline constexpr Id check_update = 40115;
inline constexpr Id about = 40116;
inline constexpr Id preview_c_source = 40121;
inline constexpr Id close_project = 40122;
inline constexpr Id contact_author = 40123;
inline constexpr Id save = 40125;
inline constexpr Id preferences = 40132;

inline constexpr Id save_as = 42000;
inline constexpr Id quit = 42001;
inline constexpr Id select_all = 42002;
inline constexpr Id new_instance = 42003;
inline constexpr Id auto_save_layout = 42007;
inline constexpr Id preview_one_resource = 42012;
inline constexpr Id code_preview_menu = 42021;
inline constexpr Id add_resource_menu = 42022;
// Disabled with the other project commands while no project is open; no menu item of the bar
// carries it.
inline constexpr Id project_only_command = 42025;
inline constexpr Id messages = 42032;
inline constexpr Id rewrite_script = 42040;

}  // namespace tavorin::cmd
