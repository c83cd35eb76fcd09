#include "resources/image/resource_file_path.h"

#include <system_error>

#include "base/text.h"
#include "services/string_ids.h"

namespace tavorin {

std::filesystem::path resolve_resource_path(std::u16string_view path_text, const std::filesystem::path& folder) {
    std::u16string text(path_text);
#ifndef _WIN32
    for (char16_t& c : text) {
        if (c == u'\\') c = u'/';
    }
#endif
    std::filesystem::path path(text);
    return path.is_absolute() ? path : folder / path;
}

bool is_absolute_resource_path(std::u16string_view path_text) {
    return resolve_resource_path(path_text, {}).is_absolute();
}

std::u16string absolute_resource_path(std::u16string_view path_text, const std::filesystem::path& folder) {
    return resolve_resource_path(path_text, folder).lexically_normal().make_preferred().u16string();
}

std::u16string relative_resource_path(std::u16string_view path_text, const std::filesystem::path& folder) {
    std::filesystem::path relative =
        resolve_resource_path(path_text, folder).lexically_normal().lexically_relative(folder.lexically_normal());
    if (relative.empty()) return std::u16string(path_text);
    return relative.make_preferred().u16string();
}

Status check_resource_path(std::u16string_view path_text, const std::filesystem::path& folder,
                           const UiStrings& strings) {
    if (path_text.size() > max_resource_path_length) return Error{strings.text(str::file_name_too_long)};
    std::error_code error;
    if (!std::filesystem::is_regular_file(resolve_resource_path(path_text, folder), error)) {
        return Error{strings.text(str::file_does_not_exist)};
    }
    return success();
}

std::u16string numbered_file_name(std::u16string_view type_word, std::u16string_view extension,
                                  const std::filesystem::path& folder) {
    for (std::int64_t n = 1;; ++n) {
        std::u16string name = std::u16string(type_word) + decimal(n) + u"." + std::u16string(extension);
        std::error_code error;
        if (!std::filesystem::exists(folder / std::filesystem::path(name), error)) return name;
    }
}

}  // namespace tavorin
