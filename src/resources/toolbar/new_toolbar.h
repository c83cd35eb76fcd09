#pragma once
// Creating a toolbar, which always comes with its bitmap.

#include <filesystem>

#include "resources/image/bitmap_resource.h"
#include "resources/toolbar/toolbar.h"

namespace tavorin {

class Workspace;

// The bitmap of the toolbar; when the project has none with the toolbar's identifier, a blank
// one-button bitmap (16 x 15, 24 bits) of that name and the toolbar's language is added. Also
// what opening the toolbar's editor does.
BitmapResource& ensure_toolbar_bitmap(Toolbar& toolbar, Workspace& workspace);

// A new toolbar named from "IDR_TOOLBAR" in the current language, added to the project with its
// bitmap and linked to it (so an existing bitmap of that name gives its buttons).
Toolbar& add_new_toolbar(Workspace& workspace, const std::filesystem::path& script_folder, bool open = true);

}  // namespace tavorin
