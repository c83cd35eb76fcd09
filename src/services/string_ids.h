#pragma once
// Numbers of the UI strings (data/strings/English.txt, line N+1 holds string N). Language files
// are matched against these numbers line by line, so a number never changes once released.

#include <cstdint>

namespace tavorin::str {

using Id = std::uint32_t;

// Common words, captions and questions.
inline constexpr Id left = 0;
inline constexpr Id has_been_modified = 11;  // appended to a name
inline constexpr Id open = 24;
inline constexpr Id true_text = 35;
inline constexpr Id false_text = 36;
inline constexpr Id new_project = 48;
inline constexpr Id save_project_modifications = 60;
inline constexpr Id restart_for_changes = 124;
inline constexpr Id error_caption = 174;
inline constexpr Id ask_configure_includes = 263;
inline constexpr Id file_exists_overwrite = 909;  // %1: the file's path
inline constexpr Id files_associated = 934;
inline constexpr Id file_opened = 960;  // %1: the file's path
inline constexpr Id do_not_ask_again = 984;
inline constexpr Id file_modified_reload = 989;

// Saving a script as an edit of the files it was read from.
inline constexpr Id file_changed_since_read = 1266;
inline constexpr Id splice_region_shared = 1267;      // %1: the resource, %2: the line
inline constexpr Id splice_region_rewritten = 1268;   // %1: the resource, %2: file(line)
inline constexpr Id file_is_system = 1269;
inline constexpr Id continue_saving = 1270;
inline constexpr Id rewrite_script_command = 1271;
inline constexpr Id file_not_this_projects = 1272;    // %1: the file's path
inline constexpr Id companion_moved = 1273;
inline constexpr Id standard_header_added = 1386;  // %1: the script, %2: the include line
inline constexpr Id file_outside_saved_folder = 1387;

// File dialog filters: description, NUL, patterns, NUL, ... ending in two NULs.
inline constexpr Id open_filter = 919;
inline constexpr Id save_filter = 920;

// Resources, identifiers and their editors.
inline constexpr Id number_too_big_word = 37;
inline constexpr Id invalid_id = 38;
inline constexpr Id only_one_manifest = 45;
inline constexpr Id dialog_menu_not_found = 59;
inline constexpr Id remove_resource_question = 78;
inline constexpr Id control_id_already_used = 173;
inline constexpr Id slider_auto_ticks_help = 400;
inline constexpr Id type_here = 829;  // placeholder item at the end of every menu list
inline constexpr Id sample_text = 874;
inline constexpr Id id_already_used_in_string_table = 875;
inline constexpr Id neutral = 892;  // name of language 0
inline constexpr Id no_available_information = 968;

// Script reader errors and warnings. Some are pieces: the caller puts a name or a
// character before them.
inline constexpr Id right_parenthesis_expected = 128;
inline constexpr Id end_of_file = 129;
inline constexpr Id endif_expected = 130;
inline constexpr Id end_of_line_in_string = 131;
inline constexpr Id end_of_file_in_string = 132;
inline constexpr Id integer_value_expected = 133;
inline constexpr Id incorrect_arguments_number = 134;
inline constexpr Id undeclared_identifier = 135;  // after the identifier and ": "
inline constexpr Id control_id_expected = 136;
inline constexpr Id character_string_expected = 137;
inline constexpr Id menu_option_expected = 138;
inline constexpr Id end_of_file_before_endif = 139;
inline constexpr Id identifier_expected_in_arguments = 140;
inline constexpr Id include_not_found_continue = 141;  // after the file name
inline constexpr Id unexpected = 142;                  // after "#else" or a quoted character
inline constexpr Id duplicate_string_id = 143;
inline constexpr Id virtkey_incompatible_with_event = 145;
inline constexpr Id statement_expected = 146;
inline constexpr Id version_not_supported = 148;
inline constexpr Id control_type_not_deduced = 149;
inline constexpr Id unknown_dialog_statement = 150;
inline constexpr Id item_or_end_expected = 151;
inline constexpr Id block_expected = 152;
inline constexpr Id line = 692;
inline constexpr Id error_in_file = 887;

// Compiled resource files and PE modules.
inline constexpr Id bad_compiled_resource_header = 905;
inline constexpr Id invalid_resource_format = 969;  // %1: type, %2: name
inline constexpr Id invalid_pe_file = 979;

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

// Preferences dialog: page titles, then texts of the pages.
inline constexpr Id prefs_page_general = 770;
inline constexpr Id prefs_page_include_paths = 771;
inline constexpr Id prefs_page_code_generation = 772;
inline constexpr Id prefs_page_files = 773;
inline constexpr Id prefs_page_script_template = 774;
inline constexpr Id prefs_page_dialog_editor = 775;
inline constexpr Id prefs_page_control_preferences = 776;
inline constexpr Id prefs_page_image_editor = 777;
inline constexpr Id prefs_interface_language = 778;
inline constexpr Id prefs_single_tab = 779;
inline constexpr Id prefs_multiple_tabs = 780;
inline constexpr Id prefs_associate_rc_files = 781;
inline constexpr Id prefs_generate_dlg_files = 782;
inline constexpr Id prefs_header_name_help = 783;
inline constexpr Id prefs_define_notation = 784;
inline constexpr Id prefs_equ_notation = 785;

// Saving.
inline constexpr Id several_headers_question = 790;
inline constexpr Id status_saving = 791;
inline constexpr Id status_exporting = 792;
inline constexpr Id status_exportation_finished = 793;

// Update check.
inline constexpr Id update_in_progress_restart = 795;
inline constexpr Id update_info_unavailable = 796;
inline constexpr Id update_latest_version = 797;
inline constexpr Id update_available = 798;  // %1: the newest version
inline constexpr Id update_restart_to_finish = 799;

// Script reader errors whose texts are templates: the caller replaces the character between
// the apostrophes (the second character of the text).
inline constexpr Id character_unexpected = 805;
inline constexpr Id character_expected = 808;

// Further script reader errors.
inline constexpr Id begin_expected = 806;
inline constexpr Id end_expected = 807;
inline constexpr Id too_many_controls = 809;

// Main window panels and editor area.
inline constexpr Id panel_properties = 840;
inline constexpr Id property_column = 841;
inline constexpr Id value_column = 842;
inline constexpr Id property_name = 843;
inline constexpr Id property_type = 844;
inline constexpr Id property_language = 845;
inline constexpr Id preview_resource_script_tab = 846;
inline constexpr Id new_string_table_language = 847;
inline constexpr Id kind_cannot_be_added = 848;
inline constexpr Id custom_resource_caption = 849;
inline constexpr Id custom_resource_type_prompt = 850;
inline constexpr Id ordinal_identifier = 851;
inline constexpr Id name_identifier = 852;
inline constexpr Id generate_manifest_question = 853;
inline constexpr Id saved_as_utf8 = 854;  // %1: the script's path

// Editing: the property grid's rows, the names of undo actions, the text and hex editors.
inline constexpr Id caret_line_column = 855;  // %1: line, %2: column
inline constexpr Id property_charset = 856;
inline constexpr Id action_rename = 857;
inline constexpr Id action_change_language = 858;
inline constexpr Id action_typing = 859;
inline constexpr Id action_change_charset = 860;
inline constexpr Id action_edit_byte = 861;
inline constexpr Id action_import = 862;
inline constexpr Id check_xml = 863;
inline constexpr Id xml_well_formed = 864;
inline constexpr Id xml_malformed = 865;  // %1: line, %2: what is wrong
inline constexpr Id export_bytes = 866;
inline constexpr Id import_bytes = 867;
inline constexpr Id category_resource = 868;
inline constexpr Id category_content = 869;
inline constexpr Id name_help = 870;
inline constexpr Id language_help = 871;
inline constexpr Id charset_help = 872;

// Compiled readers.
inline constexpr Id resource_import_failed = 815;
inline constexpr Id no_resource_in_pe_file = 816;

// Menu and accelerator editors: list columns, property rows and their help, context menus.
inline constexpr Id column_id = 990;
inline constexpr Id column_key_modifier = 991;
inline constexpr Id column_key = 992;
inline constexpr Id column_type = 993;
inline constexpr Id category_modifier = 994;
inline constexpr Id category_general = 995;
inline constexpr Id property_alt = 996;
inline constexpr Id alt_help = 997;
inline constexpr Id property_ctrl = 998;
inline constexpr Id ctrl_help = 999;
inline constexpr Id property_shift = 1000;
inline constexpr Id shift_help = 1001;
inline constexpr Id property_accelerator_type = 1002;
inline constexpr Id accelerator_type_help = 1003;
inline constexpr Id property_key = 1004;
inline constexpr Id key_help = 1005;
inline constexpr Id property_id = 1006;
inline constexpr Id accelerator_id_help = 1007;
inline constexpr Id property_noinvert = 1008;
inline constexpr Id noinvert_help = 1009;
inline constexpr Id type_ascii = 1010;
inline constexpr Id type_virtual_key = 1011;
inline constexpr Id add_new_accelerator = 1012;
inline constexpr Id press_the_key = 1013;
inline constexpr Id press_the_key_status = 1014;
inline constexpr Id category_appearance = 1015;
inline constexpr Id category_misc = 1016;
inline constexpr Id property_caption = 1017;
inline constexpr Id caption_help = 1018;
inline constexpr Id property_shortcut = 1019;
inline constexpr Id shortcut_help = 1020;
inline constexpr Id property_checked = 1021;
inline constexpr Id property_default = 1022;
inline constexpr Id property_inactive = 1023;
inline constexpr Id property_grayed = 1024;
inline constexpr Id property_popup = 1025;
inline constexpr Id property_separator = 1026;
inline constexpr Id property_break = 1027;
inline constexpr Id break_help = 1028;
inline constexpr Id property_menu_break = 1029;
inline constexpr Id property_ownerdraw = 1030;
inline constexpr Id property_help = 1031;
inline constexpr Id menu_id_help = 1032;
inline constexpr Id break_none = 1033;
inline constexpr Id break_column = 1034;
inline constexpr Id break_bar = 1035;
inline constexpr Id category_menu = 1036;
inline constexpr Id property_extended = 1037;
inline constexpr Id extended_help = 1038;
inline constexpr Id preview_menu = 1039;
inline constexpr Id menu_preview_caption = 1040;
inline constexpr Id text_not_found = 1041;  // %1: the text searched
inline constexpr Id captions_replaced = 1042;  // %1: how many

// String table and version information editors, find and replace (with column_id, category_misc
// and text_not_found above).
inline constexpr Id column_string = 1043;
inline constexpr Id string_help = 1044;
inline constexpr Id string_id_help = 1045;
inline constexpr Id items_selected = 1046;  // %1: how many rows
inline constexpr Id add_new_string = 1047;
inline constexpr Id occurrences_replaced = 1048;  // %1: how many
inline constexpr Id category_general_information = 1049;
inline constexpr Id property_file_version = 1050;
inline constexpr Id file_version_help = 1051;
inline constexpr Id property_product_version = 1052;
inline constexpr Id product_version_help = 1053;
inline constexpr Id property_operating_system = 1054;
inline constexpr Id operating_system_help = 1055;
inline constexpr Id property_file_flags_mask = 1056;
inline constexpr Id file_flags_mask_help = 1057;
inline constexpr Id file_flags_help = 1058;
inline constexpr Id property_file_type = 1059;
inline constexpr Id file_type_help = 1060;
inline constexpr Id property_file_subtype = 1061;
inline constexpr Id file_subtype_help = 1062;
inline constexpr Id remove_version_block = 1063;
inline constexpr Id add_version_block = 1064;
inline constexpr Id add_version_value = 1065;
inline constexpr Id add_version_value_help = 1066;
inline constexpr Id choose_language_caption = 1067;
inline constexpr Id language_label = 1068;
inline constexpr Id codepage_label = 1069;
inline constexpr Id comments_help = 1070;
inline constexpr Id company_name_help = 1071;
inline constexpr Id file_description_help = 1072;
inline constexpr Id file_version_text_help = 1073;
inline constexpr Id internal_name_help = 1074;
inline constexpr Id legal_copyright_help = 1075;
inline constexpr Id legal_trademarks_help = 1076;
inline constexpr Id original_filename_help = 1077;
inline constexpr Id private_build_help = 1078;
inline constexpr Id product_name_help = 1079;
inline constexpr Id product_version_text_help = 1080;
inline constexpr Id special_build_help = 1081;
inline constexpr Id custom_value_help = 1082;

// The image editors and the toolbar editor.
inline constexpr Id depth_monochrome = 1200;
inline constexpr Id depth_16_colors = 1201;
inline constexpr Id depth_256_colors = 1202;
inline constexpr Id depth_true_color = 1203;
inline constexpr Id depth_32_bit = 1204;
inline constexpr Id image_size_label = 1205;
inline constexpr Id png_prefix = 1206;
inline constexpr Id property_x_hotspot = 1207;
inline constexpr Id x_hotspot_help = 1208;
inline constexpr Id property_y_hotspot = 1209;
inline constexpr Id y_hotspot_help = 1210;
inline constexpr Id hotspot_range = 1211;
inline constexpr Id tool_fill = 1212;
inline constexpr Id tool_pen = 1213;
inline constexpr Id tool_zoom = 1214;
inline constexpr Id show_pixel_grid = 1215;
inline constexpr Id transparent_color_choice = 1216;
inline constexpr Id texture_grid_choice = 1217;
inline constexpr Id texture_grid_colors = 1218;
inline constexpr Id preset_light = 1219;
inline constexpr Id preset_medium = 1220;
inline constexpr Id preset_dark = 1221;
inline constexpr Id grid_size_label = 1222;
inline constexpr Id background_color_label = 1223;
inline constexpr Id inverted_background_label = 1224;
inline constexpr Id preview_label = 1225;
inline constexpr Id image_options_caption = 1226;
inline constexpr Id image_options_command = 1227;
inline constexpr Id category_images = 1228;
inline constexpr Id add_image_command = 1229;
inline constexpr Id remove_image_command = 1230;
inline constexpr Id move_image_up = 1231;
inline constexpr Id move_image_down = 1232;
inline constexpr Id export_image_command = 1233;
inline constexpr Id replace_image_command = 1234;
inline constexpr Id property_width = 1235;
inline constexpr Id property_height = 1236;
inline constexpr Id property_bits_per_pixel = 1237;
inline constexpr Id property_compression = 1238;
inline constexpr Id category_image = 1239;
inline constexpr Id property_color = 1240;
inline constexpr Id property_alpha = 1241;
inline constexpr Id property_transparent = 1242;
inline constexpr Id image_files_filter = 1243;
inline constexpr Id property_prompt = 1244;
inline constexpr Id prompt_help = 1245;
inline constexpr Id property_button_id = 1246;
inline constexpr Id button_id_help = 1247;
inline constexpr Id button_width_help = 1248;
inline constexpr Id button_height_help = 1249;
inline constexpr Id insert_separator_before = 1250;
inline constexpr Id insert_separator_after = 1251;
inline constexpr Id insert_button_before = 1252;
inline constexpr Id insert_button_after = 1253;
inline constexpr Id remove_toolbar_item = 1254;
inline constexpr Id insert_separator = 1255;
inline constexpr Id insert_button = 1256;
inline constexpr Id category_general_toolbar = 1257;
inline constexpr Id edit_image_command = 1258;
inline constexpr Id image_not_editable = 1259;
inline constexpr Id property_file_path = 1260;
inline constexpr Id path_relative = 1261;
inline constexpr Id path_absolute = 1262;
inline constexpr Id property_path_kind = 1263;
inline constexpr Id bitmap_used_by_dialog = 1264;
inline constexpr Id icon_used_by_dialog = 1265;

// The dialog designer.
inline constexpr Id designer_copy = 1083;
inline constexpr Id designer_cut = 1084;
inline constexpr Id designer_paste = 1085;
inline constexpr Id designer_paste_here = 1086;
inline constexpr Id designer_delete = 1087;
inline constexpr Id designer_select_all = 1088;
inline constexpr Id designer_test_dialog = 1089;
inline constexpr Id designer_toggle_grid = 1090;
inline constexpr Id designer_toggle_margin = 1091;
inline constexpr Id designer_snap = 1092;
inline constexpr Id designer_align_lefts = 1093;
inline constexpr Id designer_align_rights = 1094;
inline constexpr Id designer_align_tops = 1095;
inline constexpr Id designer_align_bottoms = 1096;
inline constexpr Id designer_center_vertically = 1097;
inline constexpr Id designer_center_horizontally = 1098;
inline constexpr Id designer_space_horizontally = 1099;
inline constexpr Id designer_space_vertically = 1100;
inline constexpr Id designer_same_width = 1101;
inline constexpr Id designer_same_height = 1102;
inline constexpr Id designer_same_size = 1103;
inline constexpr Id designer_bring_to_front = 1104;
inline constexpr Id designer_send_to_back = 1105;
inline constexpr Id designer_bring_forward = 1106;
inline constexpr Id designer_send_backward = 1107;
inline constexpr Id designer_tab_order = 1108;
inline constexpr Id designer_grid_settings = 1109;
inline constexpr Id designer_fit_to_contents = 1110;
inline constexpr Id designer_individually = 1111;
inline constexpr Id designer_as_group = 1112;
inline constexpr Id designer_center_control = 1113;
inline constexpr Id designer_order = 1114;
inline constexpr Id designer_preview = 1115;
inline constexpr Id designer_properties = 1116;
inline constexpr Id control_creation_error = 1117;
inline constexpr Id invalid_style = 1118;
inline constexpr Id grid_margin_group = 1119;
inline constexpr Id designer_grid_size_label = 1120;
inline constexpr Id grid_group = 1121;
inline constexpr Id grid_width_label = 1122;
inline constexpr Id grid_height_label = 1123;
inline constexpr Id snap_preferences_group = 1124;
inline constexpr Id default_snap_distance_label = 1125;
inline constexpr Id reduced_snap_distance_label = 1126;
inline constexpr Id dialog_units_label = 1127;
inline constexpr Id toolbox_pointer = 1128;
inline constexpr Id dialog_caption_property = 1129;
inline constexpr Id dialog_x_property = 1130;
inline constexpr Id dialog_y_property = 1131;
inline constexpr Id dialog_width_property = 1132;
inline constexpr Id dialog_height_property = 1133;
inline constexpr Id dialog_font_property = 1134;
inline constexpr Id dialog_font_size_property = 1135;
inline constexpr Id dialog_menu_property = 1136;
inline constexpr Id dialog_class_property = 1137;
inline constexpr Id dialog_style_property = 1138;
inline constexpr Id dialog_extended_style_property = 1139;
inline constexpr Id category_behavior = 1140;
inline constexpr Id category_position = 1141;
inline constexpr Id designer_ok = 1142;
inline constexpr Id designer_cancel = 1143;
inline constexpr Id preview_column_title = 1144;
inline constexpr Id preview_item = 1145;
inline constexpr Id preview_tab = 1146;
inline constexpr Id designer_tab_order_caption = 1147;
inline constexpr Id designer_move_up = 1148;
inline constexpr Id designer_move_down = 1149;

inline constexpr Id creation_data_too_long = 1400;
inline constexpr Id action_replace = 1401;
inline constexpr Id action_replace_all = 1402;
inline constexpr Id file_does_not_exist = 1403;
inline constexpr Id file_name_too_long = 1404;

// Preferences, start-up question, help, about, update check and file association.
inline constexpr Id update_bad_version_document = 1300;
inline constexpr Id update_hash_mismatch = 1301;
inline constexpr Id update_archive_unreadable = 1302;
inline constexpr Id update_entry_damaged = 1303;  // %1: the name inside the archive
inline constexpr Id update_entry_name_refused = 1304;  // %1: the name inside the archive
inline constexpr Id update_too_large = 1305;
inline constexpr Id update_write_failed = 1306;  // %1: a path
inline constexpr Id update_server_not_secure = 1307;
inline constexpr Id preferences_caption = 1308;
inline constexpr Id button_ok = 1309;
inline constexpr Id button_cancel = 1310;
inline constexpr Id button_apply = 1311;
inline constexpr Id button_yes = 1312;
inline constexpr Id button_no = 1313;
inline constexpr Id prefs_editor_tabs = 1314;
inline constexpr Id prefs_auto_check_update = 1315;
inline constexpr Id prefs_auto_save_layout = 1316;
inline constexpr Id prefs_update_server = 1317;
inline constexpr Id prefs_web_page = 1318;
inline constexpr Id prefs_contact = 1319;
inline constexpr Id prefs_include_list = 1320;
inline constexpr Id prefs_add = 1321;
inline constexpr Id prefs_remove = 1322;
inline constexpr Id prefs_move_up = 1323;
inline constexpr Id prefs_move_down = 1324;
inline constexpr Id prefs_browse = 1325;
inline constexpr Id prefs_ask_includes = 1326;
inline constexpr Id prefs_choose_include_folder = 1327;
inline constexpr Id prefs_header_name = 1328;
inline constexpr Id prefs_header_notation = 1329;
inline constexpr Id prefs_pascal = 1330;
inline constexpr Id prefs_language_statements = 1331;
inline constexpr Id prefs_dialog_ex = 1332;
inline constexpr Id prefs_menu_ex = 1333;
inline constexpr Id prefs_unicode_support = 1334;
inline constexpr Id prefs_unicode_macro = 1335;
inline constexpr Id prefs_default_language = 1336;
inline constexpr Id prefs_encoding = 1337;
inline constexpr Id prefs_utf8 = 1338;
inline constexpr Id prefs_insert_bom = 1339;
inline constexpr Id prefs_templates = 1340;
inline constexpr Id prefs_template_text = 1341;
inline constexpr Id prefs_preview = 1342;
inline constexpr Id prefs_auto_resize = 1343;
inline constexpr Id prefs_resize_always = 1344;
inline constexpr Id prefs_resize_upsizing = 1345;
inline constexpr Id prefs_resize_downsizing = 1346;
inline constexpr Id prefs_resize_never = 1347;
inline constexpr Id prefs_margin = 1348;
inline constexpr Id prefs_size = 1349;
inline constexpr Id prefs_grid = 1350;
inline constexpr Id prefs_width = 1351;
inline constexpr Id prefs_height = 1352;
inline constexpr Id prefs_snap = 1353;
inline constexpr Id prefs_snap_distance = 1354;
inline constexpr Id prefs_small_snap_distance = 1355;
inline constexpr Id prefs_dialog_units = 1356;
inline constexpr Id prefs_show_margin = 1357;
inline constexpr Id prefs_show_grid = 1358;
inline constexpr Id prefs_show_snap = 1359;
inline constexpr Id prefs_controls_intro = 1360;
inline constexpr Id prefs_control_identifier = 1361;
inline constexpr Id prefs_control_text = 1362;
inline constexpr Id prefs_force_control = 1363;
inline constexpr Id prefs_pixel_grid = 1364;
inline constexpr Id prefs_transparent_colour = 1365;
inline constexpr Id prefs_texture_grid = 1366;
inline constexpr Id prefs_texture_colours = 1367;
inline constexpr Id prefs_preset_light = 1368;
inline constexpr Id prefs_preset_medium = 1369;
inline constexpr Id prefs_preset_dark = 1370;
inline constexpr Id prefs_grid_size = 1371;
inline constexpr Id prefs_background = 1372;
inline constexpr Id prefs_inverted_background = 1373;
inline constexpr Id prefs_value_invalid = 1374;  // %1: the text typed, %2: the field
inline constexpr Id help_file_missing = 1375;  // %1: its path
inline constexpr Id about_caption = 1376;
inline constexpr Id about_version = 1377;  // %1: the version
inline constexpr Id about_description = 1378;
inline constexpr Id about_licence = 1379;
inline constexpr Id about_libraries = 1380;
inline constexpr Id address_not_opened = 1381;  // %1: an address
inline constexpr Id update_checking = 1382;
inline constexpr Id update_downloading = 1383;
inline constexpr Id association_failed = 1384;
inline constexpr Id update_installed = 1385;  // %1: the version

}  // namespace tavorin::str
