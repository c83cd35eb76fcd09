#pragma once
// The program's settings, read from "Tavorin.xml" beside the executable at start-up and written
// back at exit and from the preferences dialog.

#include <cstdint>
#include <string>
#include <vector>

#include "base/text_writer.h"

namespace tavorin {

struct Config {
    std::u16string language = u"English";
    bool single_tab_mode = true;
    std::u16string header_name = u"resource.h";
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
    bool dialog_ex = false;
    bool menu_ex = false;
    bool ask_includes = true;
    std::u16string resource_header;  // the script template
    bool auto_check_update = true;
};

}  // namespace tavorin
