#include "base/companion_files.h"

#include <system_error>

#include "base/text.h"

namespace tavorin {

namespace fs = std::filesystem;

namespace {

fs::path from_script_name(std::u16string_view name) {
    std::u16string text(name);
#ifndef _WIN32
    for (char16_t& c : text) {
        if (c == u'\\') c = u'/';
    }
#endif
    return fs::path(text);
}

}  // namespace

bool CompanionFiles::stays_inside(std::u16string_view script_name) {
    if (script_name.empty()) return false;
    if (script_name.front() == u'/' || script_name.front() == u'\\') return false;
    if (script_name.size() >= 2 && script_name[1] == u':') return false;  // a drive letter
    const fs::path path = from_script_name(script_name);
    if (path.is_absolute() || path.has_root_name()) return false;
    for (const auto& part : path.lexically_normal()) {
        if (part == "..") return false;
    }
    return true;
}

Result<std::u16string> CompanionFiles::create_numbered(std::u16string_view stem, std::u16string_view extension,
                                                       std::span<const std::uint8_t> bytes) {
    const std::u16string key = std::u16string(stem) + u"." + std::u16string(extension);
    std::int64_t& next = next_numbers_.try_emplace(key, 1).first->second;
    for (;; ++next) {
        std::u16string name = std::u16string(stem) + decimal(next) + u"." + std::u16string(extension);
        const fs::path path = folder_ / fs::path(name);
        std::error_code error;
        if (made_.contains(path) || fs::exists(fs::symlink_status(path, error))) continue;
        if (Status created = transaction_.create(path, bytes); !created) return Error{created.error()};
        made_.insert(path);
        ++next;
        return name;
    }
}

Result<std::u16string> CompanionFiles::write(std::u16string_view script_name, std::span<const std::uint8_t> bytes,
                                             std::u16string_view stem, std::u16string_view extension) {
    // An absolute name of a file inside the folder stays as it is.
    const fs::path named = from_script_name(script_name);
    if (named.is_absolute()) {
        const fs::path relative = named.lexically_normal().lexically_relative(folder_.lexically_normal());
        if (!relative.empty() && *relative.begin() != ".." && !relative.is_absolute()) {
            const fs::path path = folder_ / relative;
            if (made_.contains(path)) return std::u16string(script_name);
            if (Status written = transaction_.replace(path, bytes); !written) return Error{written.error()};
            made_.insert(path);
            return std::u16string(script_name);
        }
    }
    if (!stays_inside(script_name)) {
        auto name = create_numbered(stem, extension, bytes);
        if (name) moved_.push_back(std::u16string(script_name) + u" -> " + *name);
        return name;
    }
    const fs::path path = folder_ / from_script_name(script_name);
    if (made_.contains(path)) return std::u16string(script_name);
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (Status written = transaction_.replace(path, bytes); !written) return Error{written.error()};
    made_.insert(path);
    return std::u16string(script_name);
}

}  // namespace tavorin
