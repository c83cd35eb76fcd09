#pragma once
// What the preferences dialog edits: a copy of every setting it shows, taken from the session
// when the dialog opens and given back on OK or Apply. Taking the copy back tidies the values the
// way the configuration reader would (header name, macro length) and says what changed.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app/session.h"
#include "dialog/control_catalog.h"
#include "dialog/designer_settings.h"
#include "resources/image/image_editor_settings.h"
#include "services/config.h"

namespace tavorin {

struct Preferences {
    Config config;
    DesignerSettings designer;
    ImageEditorSettings image_editor;
    std::array<CatalogEntry, control_kind_count> controls;

    bool operator==(const Preferences&) const = default;
};

Preferences current_preferences(const Session& session);

struct PreferenceChanges {
    bool any = false;
    // The user-interface language differs: the menus follow at once, the rest of the windows
    // only after a restart.
    bool language = false;
};

PreferenceChanges apply_preferences(Session& session, const Preferences& preferences);

// The script templates offered on the template page: the base name of every "*.txt" file in the
// templates folder, sorted without regard to case.
std::vector<std::u16string> script_template_names(const std::filesystem::path& templates_folder);

// Moves the include path at `index` one place up (`up`) or down; false when it is at that end.
bool move_include_path(std::vector<std::u16string>& paths, std::size_t index, bool up);

}  // namespace tavorin
