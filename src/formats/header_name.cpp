#include "formats/header_name.h"

namespace tavorin {

namespace {

constexpr std::u16string_view bare_file_name_key = u"%barefilename%";
constexpr std::u16string_view file_name_key = u"%filename%";
constexpr std::u16string_view file_path_key = u"%filepath%";

}  // namespace

std::u16string expand_header_name(std::u16string_view name_template, std::u16string_view script_path) {
    const std::size_t separator = script_path.find_last_of(u"\\/");
    const std::u16string_view folder =
        separator == std::u16string_view::npos ? std::u16string_view() : script_path.substr(0, separator);
    const std::u16string_view file_name =
        separator == std::u16string_view::npos ? script_path : script_path.substr(separator + 1);
    const std::size_t dot = file_name.find_last_of(u'.');
    const std::u16string_view bare_name = dot == std::u16string_view::npos ? file_name : file_name.substr(0, dot);

    std::u16string out;
    std::size_t i = 0;
    while (i < name_template.size()) {
        const std::u16string_view rest = name_template.substr(i);
        if (rest.starts_with(bare_file_name_key)) {
            out += bare_name;
            i += bare_file_name_key.size();
        } else if (rest.starts_with(file_name_key)) {
            out += file_name;
            i += file_name_key.size();
        } else if (rest.starts_with(file_path_key)) {
            out += folder;
            i += file_path_key.size();
        } else {
            out += name_template[i++];
        }
    }
    return out;
}

std::filesystem::path path_from_script_text(std::u16string_view text) {
#ifdef _WIN32
    return std::filesystem::path(std::u16string(text));
#else
    std::u16string converted(text);
    for (char16_t& c : converted) {
        if (c == u'\\') c = u'/';
    }
    return std::filesystem::path(converted);
#endif
}

std::filesystem::path header_path(const std::filesystem::path& script_path, std::u16string_view expanded_name) {
    const std::filesystem::path name = path_from_script_text(expanded_name);
    if (name.is_absolute()) return name;
    return script_path.parent_path() / name;
}

}  // namespace tavorin
