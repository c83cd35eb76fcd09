#pragma once
// The program's settings, read from "Tavorin.xml" beside the executable at start-up and written
// back at exit and from the preferences dialog.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text_writer.h"
#include "services/script_template.h"

namespace tavorin {

struct Config {
    static constexpr std::size_t max_header_name = 259;
    static constexpr std::size_t max_unicode_macro = 60;

    std::u16string language = u"English";
    bool single_tab_mode = true;
    std::u16string header_name = u"resource.h";  // set through set_header_name
    std::vector<std::u16string> include_paths;
    bool auto_save_layout = true;
    bool maximized = false;
    bool unicode_support = true;
    std::u16string unicode_macro = u"TEXT";
    TextEncoding encoding = TextEncoding::ansi;
    std::uint16_t default_language = 0;
    bool insert_bom = false;
    bool generate_language_statements = true;
    bool generate_dlg_files = false;
    bool pascal = false;
    bool asm_define = false;
    // Saving a script that was read from disk edits only what changed instead of rewriting it.
    bool keep_scripts = true;
    bool dialog_ex = false;
    bool menu_ex = false;
    bool ask_includes = true;
    std::u16string resource_header = default_script_template();  // the script template
    bool auto_check_update = true;
    // Addresses the Help menu opens, and the folder of the update server ("https://" only).
    std::u16string update_server = u"https://tavorin.example.org/update";
    std::u16string web_page = u"https://tavorin.example.org/";
    std::u16string contact_address = u"mailto:author@tavorin.example.org";

    // Settings of one run, given on the command line or by its environment, never written to
    // the file: folders searched for included files before `include_paths` (each without its
    // subfolders, as compilers search), and macros defined before a script is read.
    std::vector<std::u16string> run_include_folders;
    std::vector<std::pair<std::u16string, std::u16string>> run_definitions;

    bool operator==(const Config&) const = default;
};

// Sets the header name template: an empty value means "resource.h", and at most
// max_header_name characters are kept.
void set_header_name(Config& config, std::u16string_view name);

}  // namespace tavorin
