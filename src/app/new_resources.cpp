#include "app/new_resources.h"

#include "app/session.h"
#include "base/file_io.h"
#include "dialog/dialog.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/image/bitmap_resource.h"
#include "resources/menu/menu.h"
#include "resources/version/version_info.h"
#include "resources/image/icon_group.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/stringtable/string_table.h"
#include "resources/toolbar/new_toolbar.h"

namespace tavorin {

namespace {

std::unique_ptr<FileResource> new_file_resource(ResourceKind kind, ImageNumbers& image_numbers) {
    switch (kind) {
        case kind::bitmap: return std::make_unique<BitmapResource>();
        case kind::icon: return std::make_unique<IconGroup>(IconType::icon, image_numbers);
        case kind::cursor: return std::make_unique<IconGroup>(IconType::cursor, image_numbers);
        default: return nullptr;
    }
}

// Adds a resource whose name the caller registered; a refusal gives the name back.
Resource* add_named(Session& session, std::unique_ptr<Resource> resource) {
    const std::u16string name = resource->name_text();
    const ResourceKind kind = resource->kind();
    Project& project = session.project();
    Resource* added = project.add_resource(std::move(resource));
    if (added == nullptr) session.symbols().release_resource_name(name, kind, project.current_language());
    return added;
}

}  // namespace

bool can_add_kind(ResourceKind kind) {
    switch (kind) {
        case kind::dialog:
        case kind::menu:
        case kind::version:
        case kind::accelerator:
        case kind::string_table:
        case kind::toolbar:
        case kind::manifest:
        case kind::bitmap:
        case kind::icon:
        case kind::cursor: return true;
        default: return false;
    }
}

std::u16string new_resource_filter(ResourceKind kind) {
    FileResourceTraits traits;
    switch (kind) {
        case kind::bitmap: traits = bitmap_traits(); break;
        case kind::icon: traits = icon_traits(); break;
        case kind::cursor: traits = cursor_traits(); break;
        default: return {};
    }
    std::u16string filter = traits.filter;
    filter.push_back(u'\0');
    filter += u"*" + traits.dotted_extension;
    filter.push_back(u'\0');
    filter.push_back(u'\0');
    return filter;
}

Resource* add_new_resource(Session& session, ResourceKind kind, std::uint16_t language,
                           const std::filesystem::path& project_folder) {
    Project& project = session.project();
    switch (kind) {
        case kind::dialog: return &add_new_dialog(session);
        case kind::menu: return &add_new_menu(session);
        case kind::version: return &add_new_version_info(session);
        case kind::accelerator: return &add_new_accelerator_table(session);
        case kind::string_table: return &string_table_for(session, language);
        case kind::toolbar: return &add_new_toolbar(session, project_folder, false);
        case kind::manifest: {
            if (project.manifest() != nullptr) {
                // Refused before a name is taken for it.
                return project.add_resource(RawDataResource::default_manifest());
            }
            auto manifest = RawDataResource::default_manifest();
            manifest->identity().name =
                project.new_resource_name(raw_kind_traits(kind::manifest, {}).default_name, kind::manifest);
            return add_named(session, std::move(manifest));
        }
        default: return nullptr;
    }
}

Result<Resource*> add_resource_from_file(Session& session, ImageNumbers& image_numbers, ResourceKind kind,
                                         const std::filesystem::path& file, const std::filesystem::path& project_folder,
                                         bool script_project) {
    std::unique_ptr<FileResource> resource = new_file_resource(kind, image_numbers);
    if (!resource) return Error{session.text(str::file_type_not_supported)};
    const Status imported = resource->import_file(display_path(file), project_folder, script_project);
    if (!imported) return Error{imported.error()};
    Project& project = session.project();
    resource->identity().name = project.new_resource_name(resource->traits().default_name, kind);
    return add_named(session, std::move(resource));
}

}  // namespace tavorin
