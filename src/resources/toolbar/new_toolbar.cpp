#include "resources/toolbar/new_toolbar.h"

#include "model/workspace.h"

namespace tavorin {

BitmapResource& ensure_toolbar_bitmap(Toolbar& toolbar, Workspace& workspace) {
    Project& project = workspace.project();
    if (auto* linked = dynamic_cast<BitmapResource*>(toolbar.linked_bitmap(project))) return *linked;

    const ResourceIdentity& identity = toolbar.identity();
    auto bitmap = BitmapResource::with_dib(blank_toolbar_dib());
    const auto stored = workspace.symbols().register_resource_name(identity.name, kind::bitmap, identity.string_name,
                                                                 identity.ordinal, identity.language);
    bitmap->identity().name = stored ? *stored : identity.name;
    bitmap->identity().string_name = identity.string_name;

    // The project gives what it adds the current language; the bitmap belongs to the toolbar's.
    const std::uint16_t current = project.current_language();
    project.set_current_language(identity.language);
    auto* added = static_cast<BitmapResource*>(project.add_resource(std::move(bitmap)));
    project.set_current_language(current);
    return *added;
}

Toolbar& add_new_toolbar(Workspace& workspace, const std::filesystem::path& script_folder, bool open) {
    Project& project = workspace.project();
    auto toolbar = std::make_unique<Toolbar>(workspace.symbols());
    toolbar->identity().name = project.new_resource_name(new_toolbar_name, kind::toolbar);
    Toolbar* added = static_cast<Toolbar*>(project.add_resource(std::move(toolbar), open));
    ensure_toolbar_bitmap(*added, workspace);
    added->link_bitmap(project, script_folder);
    project.set_current_resource(added);
    return *added;
}

}  // namespace tavorin
