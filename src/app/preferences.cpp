#include "app/preferences.h"

#include <algorithm>

#include "base/text.h"

namespace tavorin {

Preferences current_preferences(const Session& session) {
    return Preferences{session.config(), session.designer_settings(),
                       session.image_editor_settings(), session.control_catalog().entries()};
}

PreferenceChanges apply_preferences(Session& session, const Preferences& preferences) {
    const Preferences before = current_preferences(session);
    Config config = preferences.config;
    set_header_name(config, config.header_name);
    if (config.unicode_macro.size() > Config::max_unicode_macro) config.unicode_macro.resize(Config::max_unicode_macro);
    if (config.language.empty()) config.language = u"English";
    // Settings of the run are not the dialog's to change.
    config.run_include_folders = session.config().run_include_folders;
    config.run_definitions = session.config().run_definitions;

    session.config() = std::move(config);
    session.designer_settings() = preferences.designer;
    session.image_editor_settings() = preferences.image_editor;
    for (const CatalogEntry& entry : preferences.controls) {
        CatalogEntry& target = session.control_catalog().entry(entry.kind);
        const ControlKind kind = target.kind;
        const std::u16string display_name = target.display_name;
        target = entry;
        target.kind = kind;  // the kind and its name are the catalog's, not the user's
        target.display_name = display_name;
        if (target.default_width <= 0 || target.default_height <= 0) {
            target.default_width = before.controls[static_cast<std::size_t>(kind) - 1].default_width;
            target.default_height = before.controls[static_cast<std::size_t>(kind) - 1].default_height;
        }
    }

    const Preferences after = current_preferences(session);
    return PreferenceChanges{after != before, !equals_ignore_case(after.config.language, before.config.language)};
}

std::vector<std::u16string> script_template_names(const std::filesystem::path& templates_folder) {
    std::vector<std::u16string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(templates_folder, error)) {
        const auto& path = entry.path();
        if (entry.is_regular_file(error) && equals_ignore_case(path.extension().u16string(), u".txt")) {
            names.push_back(path.stem().u16string());
        }
    }
    std::sort(names.begin(), names.end(),
              [](const auto& a, const auto& b) { return to_ascii_lower(a) < to_ascii_lower(b); });
    return names;
}

bool move_include_path(std::vector<std::u16string>& paths, std::size_t index, bool up) {
    if (index >= paths.size()) return false;
    if (up ? index == 0 : index + 1 == paths.size()) return false;
    std::swap(paths[index], paths[up ? index - 1 : index + 1]);
    return true;
}

}  // namespace tavorin
