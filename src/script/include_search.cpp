#include "script/include_search.h"

#include <algorithm>
#include <system_error>

#include "base/text.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

// Deep enough for any real header tree, and a stop for links that loop.
constexpr int max_folder_depth = 24;

bool is_existing_file(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

void add_with_subfolders(const fs::path& folder, int depth, std::vector<fs::path>& list) {
    list.push_back(folder);
    if (depth >= max_folder_depth) return;
    std::vector<fs::path> subfolders;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& entry = it->path();
        if (entry.filename().u16string().starts_with(u'.')) continue;
        std::error_code status_error;
        if (it->is_directory(status_error)) subfolders.push_back(entry);
    }
    std::sort(subfolders.begin(), subfolders.end());
    for (const auto& subfolder : subfolders) add_with_subfolders(subfolder, depth + 1, list);
}

#ifndef _WIN32
std::optional<fs::path> find_ignoring_case(const fs::path& folder, const fs::path& relative) {
    fs::path current = folder;
    for (const auto& part : relative) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            current /= part;
            continue;
        }
        const fs::path exact = current / part;
        std::error_code error;
        if (fs::exists(exact, error)) {
            current = exact;
            continue;
        }
        const std::u16string wanted = part.u16string();
        std::optional<fs::path> match;
        for (fs::directory_iterator it(current, error), end; !error && it != end; it.increment(error)) {
            if (equals_ignore_case(it->path().filename().u16string(), wanted)) {
                match = it->path();
                break;
            }
        }
        if (!match) return std::nullopt;
        current = *match;
    }
    if (!is_existing_file(current)) return std::nullopt;
    return current;
}
#endif

}  // namespace

bool is_absolute_name(std::u16string_view name) {
    if (name.size() >= 2 && name[1] == u':') return true;
#ifndef _WIN32
    if (!name.empty() && name[0] == u'/') return true;
#endif
    return false;
}

std::filesystem::path included_name_to_path(std::u16string_view name) {
    std::u16string text(name);
    std::replace(text.begin(), text.end(), u'\\', u'/');
    return fs::path(text);
}

std::vector<std::filesystem::path> build_include_search_list(const std::vector<std::u16string>& configured,
                                                             const std::filesystem::path& executable_folder) {
    std::vector<fs::path> list;
    for (const auto& entry : configured) {
        if (entry.empty()) continue;
        fs::path folder = included_name_to_path(entry);
        if (!is_absolute_name(entry)) folder = executable_folder / folder;
        std::error_code error;
        if (!fs::is_directory(folder, error)) continue;
        add_with_subfolders(folder, 0, list);
    }
    return list;
}

std::optional<std::filesystem::path> find_file_in(const std::filesystem::path& folder,
                                                  const std::filesystem::path& relative) {
    const fs::path candidate = folder / relative;
    if (is_existing_file(candidate)) return candidate;
#ifdef _WIN32
    return std::nullopt;
#else
    return find_ignoring_case(folder, relative);
#endif
}

}  // namespace tavorin
