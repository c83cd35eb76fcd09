#pragma once
// The Wine module with the largest resource section, the input of the PE benchmarks.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "formats/pe_resource_walk.h"

namespace tavorin::bench {

// Empty when Wine's modules (Debian's libwine) are not installed.
inline std::filesystem::path largest_wine_module() {
    std::filesystem::path best;
    std::size_t best_size = 0;
    std::unique_ptr<FILE, int (*)(FILE*)> list(popen("dpkg -L libwine libwine:i386 2>/dev/null", "r"), pclose);
    if (!list) return best;
    char line[4096];
    while (std::fgets(line, sizeof line, list.get()) != nullptr) {
        std::string path(line);
        if (!path.empty() && path.back() == '\n') path.pop_back();
        if (!(path.ends_with(".dll") || path.ends_with(".exe") || path.ends_with(".drv") || path.ends_with(".ocx"))) continue;
        const auto listing = list_pe_resources(std::filesystem::path(path));
        if (listing && listing->section->size() > best_size) {
            best_size = listing->section->size();
            best = path;
        }
    }
    return best;
}

}  // namespace tavorin::bench
