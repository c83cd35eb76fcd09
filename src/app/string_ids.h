#pragma once
// Numbers of the UI strings (data/strings/English.txt, line N+1 holds string N). Language files
// are matched against these numbers line by line, so a number never changes once released.

#include <cstdint>

namespace tavorin::str {

using Id = std::uint32_t;

inline constexpr Id left = 0;
inline constexpr Id has_been_modified = 11;  // appended to a name
inline constexpr Id open = 24;
inline constexpr Id true_text = 35;
inline constexpr Id false_text = 36;
inline constexpr Id number_too_big_word = 37;
inline constexpr Id invalid_id = 38;
inline constexpr Id new_project = 48;
inline constexpr Id dialog_menu_not_found = 59;
inline constexpr Id save_project_modifications = 60;
inline constexpr Id restart_for_changes = 124;
inline constexpr Id error_caption = 174;
inline constexpr Id ask_configure_includes = 263;
inline constexpr Id line = 692;
inline constexpr Id error_in_file = 887;
inline constexpr Id neutral = 892;
inline constexpr Id bad_compiled_resource_header = 905;
inline constexpr Id file_exists_overwrite = 909;
inline constexpr Id open_filter = 919;
inline constexpr Id save_filter = 920;
inline constexpr Id files_associated = 934;
inline constexpr Id file_opened = 960;
inline constexpr Id invalid_resource_format = 969;
inline constexpr Id invalid_pe_file = 979;
inline constexpr Id do_not_ask_again = 984;
inline constexpr Id file_modified_reload = 989;

// Start-up, shell and conversion messages.
inline constexpr Id program_started = 700;
inline constexpr Id file_closed = 701;
inline constexpr Id file_saved = 702;
inline constexpr Id file_type_not_supported = 703;
inline constexpr Id fatal_error = 704;
inline constexpr Id save_finished = 705;
inline constexpr Id reading_not_available = 706;

// Menu bar.
inline constexpr Id menu_file = 710;
inline constexpr Id menu_new_project = 711;
inline constexpr Id menu_open_project = 712;
inline constexpr Id menu_save = 713;
inline constexpr Id menu_save_as = 714;
inline constexpr Id menu_code_preview = 715;
inline constexpr Id menu_preview_c_source = 716;
inline constexpr Id menu_preview_resource = 717;
inline constexpr Id menu_close_project = 718;
inline constexpr Id menu_add_resource = 719;
inline constexpr Id menu_add_accelerator = 720;
inline constexpr Id menu_add_bitmap = 721;
inline constexpr Id menu_add_cursor = 722;
inline constexpr Id menu_add_dialog = 723;
inline constexpr Id menu_add_icon = 724;
inline constexpr Id menu_add_manifest = 725;
inline constexpr Id menu_add_menu = 726;
inline constexpr Id menu_add_string_table = 727;
inline constexpr Id menu_add_toolbar = 728;
inline constexpr Id menu_add_user_defined = 729;
inline constexpr Id menu_add_version = 730;
inline constexpr Id menu_new_instance = 731;
inline constexpr Id menu_quit = 732;
inline constexpr Id menu_edit = 733;
inline constexpr Id menu_undo = 734;
inline constexpr Id menu_redo = 735;
inline constexpr Id menu_cut = 736;
inline constexpr Id menu_copy = 737;
inline constexpr Id menu_paste = 738;
inline constexpr Id menu_delete = 739;
inline constexpr Id menu_select_all = 740;
inline constexpr Id menu_view = 741;
inline constexpr Id menu_resource_tree = 742;
inline constexpr Id menu_properties = 743;
inline constexpr Id menu_messages = 744;
inline constexpr Id menu_auto_save_layout = 745;
inline constexpr Id menu_options = 746;
inline constexpr Id menu_preferences = 747;
inline constexpr Id menu_help = 748;
inline constexpr Id menu_help_contents = 749;
inline constexpr Id menu_web_page = 750;
inline constexpr Id menu_check_update = 751;
inline constexpr Id menu_contact_author = 752;
inline constexpr Id menu_about = 753;

// Messages window.
inline constexpr Id messages_title = 760;
inline constexpr Id messages_errors = 761;
inline constexpr Id messages_warnings = 762;
inline constexpr Id messages_informations = 763;
inline constexpr Id messages_time = 764;
inline constexpr Id messages_message = 765;
inline constexpr Id messages_clear = 766;
inline constexpr Id messages_close = 767;
inline constexpr Id messages_clear_question = 768;

}  // namespace tavorin::str
