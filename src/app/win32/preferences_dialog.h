#pragma once
// The preferences dialog: a tree of pages on the left (General, Include paths, Code generation,
// Files, Resource script template, Dialog Editor with Control preferences and one page per kind
// of control below it, Image Editor) and the chosen page on the right. OK and Apply give the
// edited settings to the session and write the configuration file.

#include "platform/win32/windows_api.h"

#include <functional>

#include "app/preferences.h"
#include "app/win32/app_context.h"

namespace tavorin {

enum class PreferencesPage {
    general,
    include_paths,
    code_generation,
    files,
    script_template,
    dialog_editor,
    control_preferences,
    image_editor,
};

namespace prefs_control {
inline constexpr int tree = 100;
inline constexpr int apply = 101;
// General
inline constexpr int language = 110;
inline constexpr int single_tab = 111;
inline constexpr int multiple_tabs = 112;
inline constexpr int auto_save_layout = 113;
inline constexpr int auto_check_update = 114;
inline constexpr int update_server = 115;
inline constexpr int web_page = 116;
inline constexpr int contact = 117;
inline constexpr int associate = 118;
// Include paths
inline constexpr int include_list = 130;
inline constexpr int include_up = 131;
inline constexpr int include_down = 132;
inline constexpr int include_remove = 133;
inline constexpr int include_path = 134;
inline constexpr int include_browse = 135;
inline constexpr int include_add = 136;
inline constexpr int ask_includes = 137;
// Code generation
inline constexpr int header_name = 150;
inline constexpr int define_notation = 151;
inline constexpr int equ_notation = 152;
inline constexpr int pascal = 153;
inline constexpr int language_statements = 154;
inline constexpr int dialog_ex = 155;
inline constexpr int menu_ex = 156;
inline constexpr int unicode_support = 157;
inline constexpr int unicode_macro = 158;
inline constexpr int default_language = 159;
// Files
inline constexpr int encoding = 170;
inline constexpr int insert_bom = 171;
inline constexpr int dlg_files = 172;
// Resource script template
inline constexpr int template_list = 180;
inline constexpr int template_text = 181;
inline constexpr int template_preview = 182;
// Dialog Editor
inline constexpr int auto_resize = 190;
inline constexpr int margin_size = 191;
inline constexpr int show_margin = 192;
inline constexpr int grid_width = 193;
inline constexpr int grid_height = 194;
inline constexpr int show_grid = 195;
inline constexpr int snap_distance = 196;
inline constexpr int small_snap_distance = 197;
inline constexpr int show_snap = 198;
// One kind of control
inline constexpr int control_identifier = 210;
inline constexpr int control_text = 211;
inline constexpr int control_width = 212;
inline constexpr int control_height = 213;
inline constexpr int control_force = 214;
// Image Editor
inline constexpr int pixel_grid = 230;
inline constexpr int transparent_colour = 231;
inline constexpr int texture_grid = 232;
inline constexpr int grid_colour_1 = 233;
inline constexpr int grid_colour_2 = 234;
inline constexpr int preset_light = 235;
inline constexpr int preset_medium = 236;
inline constexpr int preset_dark = 237;
inline constexpr int grid_size = 238;
inline constexpr int background = 239;
inline constexpr int inverted_background = 240;
inline constexpr int image_preview = 241;
}  // namespace prefs_control

struct PreferencesHooks {
    // After OK or Apply changed anything: the main window follows a new interface language.
    std::function<void(const PreferenceChanges&)> applied;
    // "Associate .rc files with Tavorin".
    std::function<void(HWND dialog)> associate;
};

// Runs the dialog modally at `page`; true when OK closed it.
bool show_preferences(App& app, HWND owner, PreferencesPage page, const PreferencesHooks& hooks);

// The caption of the page's tree item, for tests that pick a page.
str::Id preferences_page_title(PreferencesPage page);

}  // namespace tavorin
