#pragma once
// The files and folders the program keeps beside its executable.

#include <filesystem>

namespace tavorin {

struct AppPaths {
    std::filesystem::path languages_folder;  // "languages": the language files
    std::filesystem::path config_file;       // "Tavorin.xml": the settings
    std::filesystem::path layout_file;       // "Tavorin.layout": window and panel arrangement
    std::filesystem::path templates_folder;  // "templates": script templates
    std::filesystem::path help_file;         // "help\Tavorin.html": the user guide

    static AppPaths beside(const std::filesystem::path& executable_folder);
};

}  // namespace tavorin
