#include "app/app_paths.h"

namespace tavorin {

AppPaths AppPaths::beside(const std::filesystem::path& executable_folder) {
    return AppPaths{
        .languages_folder = executable_folder / "languages",
        .config_file = executable_folder / "Tavorin.xml",
        .layout_file = executable_folder / "Tavorin.layout",
        .templates_folder = executable_folder / "templates",
        .help_file = executable_folder / "help" / "Tavorin.html",
    };
}

}  // namespace tavorin
