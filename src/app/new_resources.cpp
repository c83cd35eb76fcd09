#include "app/new_resources.h"

#include <array>
#include <unordered_set>

#include "app/session.h"
#include "base/file_io.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/image/bitmap_resource.h"
#include "resources/menu/menu.h"
#include "resources/version/version_info.h"
#include "resources/image/icon_group.h"
#include "resources/rawdata/default_manifest.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/stringtable/string_table.h"
#include "resources/toolbar/new_toolbar.h"
#include "script/char_class.h"

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

// The words the statement reader tries before it takes a word for a custom type.
constexpr std::array<std::u16string_view, 15> statement_keywords = {
    u"DLGINIT", u"TOOLBAR", u"ACCELERATORS", u"DIALOG", u"DIALOGEX", u"MENUEX", u"MENU",        u"BITMAP",
    u"ICON",    u"CURSOR",  u"RT_MANIFEST",  u"HTML",   u"VERSIONINFO", u"STRINGTABLE", u"LANGUAGE"};

// The reader takes a keyword followed by anything but a letter or digit, so "MENU_DATA" would be
// read as a menu.
bool read_as_keyword(std::u16string_view name) {
    for (const std::u16string_view keyword : statement_keywords) {
        if (name.size() < keyword.size() || !equals_ignore_case(name.substr(0, keyword.size()), keyword)) continue;
        if (name.size() == keyword.size() || !is_letter_or_digit(name[keyword.size()])) return true;
    }
    return false;
}

// A creator may add more than one resource (a toolbar brings its bitmap) or none (the string
// table of a language that has one already), so the new ones are those that were not there.
template <class Add>
auto marking_added(Project& project, Add add) {
    std::unordered_set<const Resource*> before;
    for (const auto& resource : project.resources()) before.insert(resource.get());
    auto added = add();
    for (const auto& resource : project.resources()) {
        if (!before.contains(resource.get())) project.set_modified(*resource, true);
    }
    return added;
}

bool is_type_word(std::u16string_view name) {
    if (name.empty() || !is_identifier_start(name.front())) return false;
    for (const char16_t c : name) {
        if (!is_identifier_char(c)) return false;
    }
    return !read_as_keyword(name);
}

std::u16string filter_entry(std::u16string_view description, std::u16string_view patterns) {
    std::u16string entry(description);
    entry.push_back(u'\0');
    entry += patterns;
    entry.push_back(u'\0');
    return entry;
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
    switch (kind) {
        case kind::bitmap: return file_filter(bitmap_traits());
        case kind::icon: return file_filter(icon_traits());
        case kind::cursor: return file_filter(cursor_traits());
        default: return {};
    }
}

std::u16string file_filter(const FileResourceTraits& traits) {
    constexpr std::u16string_view every_file = u".*";
    std::u16string filter = filter_entry(traits.filter, u"*" + traits.dotted_extension);
    if (traits.dotted_extension != every_file) filter += filter_entry(u"All Files (*.*)", u"*.*");
    filter.push_back(u'\0');
    return filter;
}

std::u16string custom_resource_filter() { return file_filter(raw_kind_traits(numeric_custom_kind(0), {})); }

namespace {

Resource* create_resource(Session& session, ResourceKind kind, std::uint16_t language,
                          const std::filesystem::path& project_folder) {
    Project& project = session.project();
    switch (kind) {
        case kind::dialog: return &add_new_dialog(session.workspace());
        case kind::menu: return &add_new_menu(session.workspace());
        case kind::version: return &add_new_version_info(session.workspace());
        case kind::accelerator: return &add_new_accelerator_table(session.workspace());
        case kind::string_table: return &string_table_for(session.workspace(), language);
        case kind::toolbar: return &add_new_toolbar(session.workspace(), project_folder, false);
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

Result<Resource*> create_from_file(Session& session, ImageNumbers& image_numbers, ResourceKind kind,
                                   const std::filesystem::path& file, const std::filesystem::path& project_folder,
                                   bool script_project) {
    std::unique_ptr<FileResource> resource = new_file_resource(kind, image_numbers);
    if (!resource) return Error{session.text(str::file_type_not_supported)};
    const Status imported = resource->import_file(display_path(file), project_folder, script_project, session.strings());
    if (!imported) return Error{imported.error()};
    Project& project = session.project();
    resource->identity().name = project.new_resource_name(resource->traits().default_name, kind);
    return add_named(session, std::move(resource));
}

// The manifest refers to the file, or holds its bytes when the project is not a script.
Result<Resource*> manifest_from_file(Session& session, const std::filesystem::path& file,
                                     const std::filesystem::path& project_folder, bool script_project) {
    auto manifest = std::make_unique<RawDataResource>(kind::manifest);
    const Status imported = manifest->import_file(display_path(file), project_folder, script_project, session.strings());
    if (!imported) return Error{imported.error()};
    Project& project = session.project();
    manifest->identity().name = project.new_resource_name(manifest->traits().default_name, kind::manifest);
    return add_named(session, std::move(manifest));
}

Result<Resource*> create_manifest(Session& session, const std::filesystem::path& project_folder,
                                  bool script_project) {
    Project& project = session.project();
    // Refused before the question, so that no manifest.xml is written for nothing.
    if (project.manifest() != nullptr) return project.add_resource(RawDataResource::default_manifest());
    const FileResourceTraits traits = raw_kind_traits(kind::manifest, {});
    const FileChoice choice{file_filter(traits), 1, traits.extension, {}};
    if (session.ask(session.text(str::generate_manifest_question), AskButtons::yes_no, AskIcon::question) !=
        Answer::yes) {
        const auto file = session.choose_file_to_open(choice);
        if (!file) return nullptr;
        return manifest_from_file(session, *file, project_folder, script_project);
    }
    if (!script_project) return create_resource(session, kind::manifest, project.current_language(), project_folder);
    FileChoice target = choice;
    target.proposed_name = u"manifest.xml";
    const auto file = session.choose_file_to_save(target);
    if (!file) return nullptr;
    const Status written = write_file_atomically(*file, default_manifest_bytes());
    if (!written) return Error{written.error()};
    return manifest_from_file(session, *file, project_folder, true);
}

}  // namespace

Resource* add_new_resource(Session& session, ResourceKind kind, std::uint16_t language,
                           const std::filesystem::path& project_folder) {
    return marking_added(session.project(),
                         [&] { return create_resource(session, kind, language, project_folder); });
}

Result<Resource*> add_resource_from_file(Session& session, ImageNumbers& image_numbers, ResourceKind kind,
                                         const std::filesystem::path& file, const std::filesystem::path& project_folder,
                                         bool script_project) {
    return marking_added(session.project(), [&] {
        return create_from_file(session, image_numbers, kind, file, project_folder, script_project);
    });
}

Result<Resource*> add_manifest(Session& session, const std::filesystem::path& project_folder, bool script_project) {
    return marking_added(session.project(), [&] { return create_manifest(session, project_folder, script_project); });
}

Status check_custom_type(const Session& session, const CustomTypeAnswer& answer) {
    if (answer.ordinal) {
        const auto ordinal = parse_custom_type_ordinal(answer.text);
        if (!ordinal) return Error{ordinal.error()};
        return success();
    }
    if (!is_type_word(answer.text)) return Error{session.text(str::invalid_id)};
    return success();
}

namespace {

Result<Resource*> create_custom_resource(Session& session, const CustomTypeAnswer& type,
                                         const std::filesystem::path& file,
                                         const std::filesystem::path& project_folder, bool script_project) {
    const Status checked = check_custom_type(session, type);
    if (!checked) return Error{checked.error()};
    ResourceKind resource_kind = kind::user_defined;
    std::u16string type_name;
    if (type.ordinal) {
        const std::uint16_t ordinal = *parse_custom_type_ordinal(type.text);
        resource_kind = ordinal == resource_type::html       ? kind::html
                        : ordinal == resource_type::manifest ? kind::manifest
                                                             : numeric_custom_kind(ordinal);
    } else {
        type_name = type.text;
        resource_kind = session.custom_types().kind_for(type_name);
    }
    auto resource = std::make_unique<RawDataResource>(resource_kind, type_name);
    const Status imported = resource->import_file(display_path(file), project_folder, script_project, session.strings());
    if (!imported) return Error{imported.error()};
    Project& project = session.project();
    if (resource_kind == kind::manifest && project.manifest() != nullptr) {
        // Refused before a name is taken for it.
        return project.add_resource(std::move(resource));
    }
    resource->identity().name = project.new_resource_name(resource->traits().default_name, resource_kind);
    return add_named(session, std::move(resource));
}

}  // namespace

Result<Resource*> add_custom_resource(Session& session, const CustomTypeAnswer& type, const std::filesystem::path& file,
                                      const std::filesystem::path& project_folder, bool script_project) {
    return marking_added(session.project(), [&] {
        return create_custom_resource(session, type, file, project_folder, script_project);
    });
}

}  // namespace tavorin
