#pragma once
// The resource project: every resource of the one open file, in tree order.
//
// How the model fits together (for the readers, writers and editors built on it):
//
//  - The application owns the model's session-wide objects: the SymbolTable, the Project, the
//    CustomTypes table, the LanguageMacros read from headers and the LanguageList of display
//    names, and hands them on as a Workspace (workspace.h). Nothing in the model is global.
//
//  - Resource (resource.h) is the base of every resource kind. Its ResourceIdentity holds kind,
//    name text, string-name flag, ordinal, language, custom type name, modified flag and time
//    stamp. As a ResourceItem (resource_item.h) it answers the compiled writers: type, name,
//    language, memory flags, time stamp, and serialize() into a BinaryBuffer; add_items() lets
//    a kind contribute further items (string blocks, group images) to a ResourceItemList.
//    write_script_text() writes its statement through a TextWriter; the script writer puts the
//    LanguageMacros::statement_text() line before it.
//
//  - Reading a script: reset the SymbolTable, set the current language from each LANGUAGE
//    statement, register every resource name with SymbolTable::register_resource_name (a
//    failure means: create the resource anyway and give it SymbolTable::new_resource_name +
//    Project::set_name after the last statement), then add_resource(). Controls and items
//    register their ids with register_control_id / register_item_id and release them when
//    they go. The compiled readers set the current language and time stamp before each
//    add_resource().
//
//  - Editing: rename() validates, re-registers and reports refusals itself (through the
//    user prompts); remove() asks first unless told not to. An editor keeps an
//    UndoHistory (undo_history.h) and records an Action after each change it applied.
//
//  - Observing: the project never touches a window. A ProjectObserver (project_observer.h)
//    hears of additions, changes and removals on the thread that made them, and revision()
//    counts every change, so the GUI can refresh the tree after a reader ran on its worker
//    thread. The reader needs no lock: the disabled main window keeps the GUI out meanwhile.

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "model/project_observer.h"
#include "model/resource.h"
#include "model/script_origins.h"

namespace tavorin {

struct Config;
class LanguageList;
class Platform;
class SymbolTable;
class UiStrings;
class UserPrompts;

// What the project uses of the session's tables and services.
struct ProjectServices {
    SymbolTable& symbols;
    const UiStrings& strings;
    UserPrompts& prompts;
    const Config& config;
    LanguageList& languages;
    Platform& platform;  // names the languages on first use
};

inline constexpr std::u16string_view resource_name_taken_message =
    u"This ID is already used by another resource of the same type.";

class Project {
public:
    explicit Project(const ProjectServices& services) : services_(services) {}
    Project(const Project&) = delete;
    Project& operator=(const Project&) = delete;
    ~Project();

    // Every resource in tree order (resource_order.h).
    const std::vector<std::unique_ptr<Resource>>& resources() const {
        put_in_order();
        return resources_;
    }
    bool empty() const { return resources_.empty(); }
    // The resources of one kind, in tree order.
    std::vector<Resource*> resources_of_kind(ResourceKind kind) const;
    // The string table of a language, if there is one (there is at most one per language).
    Resource* string_table(std::uint16_t language) const;
    Resource* manifest() const;
    // The include lines of the top-level script (file names with their delimiters), kept for the
    // script writer.
    std::vector<std::u16string>& include_lines() { return include_lines_; }
    const std::vector<std::u16string>& include_lines() const { return include_lines_; }
    // Where the resources of a script came from; empty when the project was not read from one.
    ScriptOrigins& script_origins() { return script_origins_; }
    const ScriptOrigins& script_origins() const { return script_origins_; }

    // The language every new resource takes: the configured default when a file is opened,
    // changed by LANGUAGE statements, by the compiled readers and by the user.
    std::uint16_t current_language() const { return current_language_; }
    void set_current_language(std::uint16_t language) { current_language_ = language; }
    void reset_current_language();
    // The time stamp new resources take: the one most recently read from a PE module.
    std::uint32_t time_stamp() const { return time_stamp_; }
    void set_time_stamp(std::uint32_t stamp) { time_stamp_ = stamp; }
    // The resource added last (or chosen by the user); none after it is removed.
    Resource* current_resource() const { return current_; }
    void set_current_resource(Resource* resource) { current_ = resource; }

    // Gives the resource the current language and time stamp, makes it the current resource and
    // inserts it in tree order. A second manifest is refused with "Only one Manifest is allowed"
    // (caption "Error"), a second string table for one language silently; a refused resource is
    // destroyed and the result is null. The caller has registered the name already.
    Resource* add_resource(std::unique_ptr<Resource> resource, bool open = false);

    // Asks "Do you really want to remove this resource?" unless `ask` is false (internal
    // operations such as merging string tables), then asks the resource, releases its name and
    // destroys it. False when the resource stays.
    bool remove(Resource& resource, bool ask = true);

    // Gives the resource a new name and language typed by the user: validates the name, releases
    // the old one and registers the new one. A refusal is shown (caption "Error") and returned;
    // when the new name is taken the old one is registered again.
    // `wanted_value` asks for the value the new name takes (an undone rename gets its old value
    // back); it is dropped when another resource of the kind and language holds it.
    Status rename(Resource& resource, std::u16string_view new_name, bool string_name, std::uint16_t language,
                  std::optional<std::int32_t> wanted_value = std::nullopt);

    // Sets a name that the caller has registered already (the reader's fix-up of clashing
    // names) and moves the resource to its place in the tree order.
    void set_name(Resource& resource, std::u16string name, bool string_name);

    // Marks the resource modified (or saved) and tells the observers. A modified resource is
    // encoded from its model from then on, not given back as it was read.
    void set_modified(Resource& resource, bool modified);

    // The first resource of the kind with this name (compared without regard to case) and
    // language.
    Resource* find(ResourceKind kind, std::u16string_view name, std::uint16_t language) const;

    // A free name from a template such as "IDD_DIALOG", registered for a new resource of the kind
    // in the current language.
    std::u16string new_resource_name(std::u16string_view base, ResourceKind kind);

    // The tree label: the name (quoted when a string name), a blank, the language's display name
    // in square brackets ("?" when the list has none), and "*" when modified.
    std::u16string tree_label(const Resource& resource);

    // Closes the project: destroys every resource, empties every container and resets the
    // symbol table.
    void clear();

    void add_observer(ProjectObserver& observer);
    void remove_observer(ProjectObserver& observer);
    // Grows with every change of the project.
    std::uint64_t revision() const { return revision_.load(); }

private:
    std::size_t index_of(const Resource& resource) const;
    void insert_in_order(std::unique_ptr<Resource> resource);
    void put_in_order() const;
    void move_to_order(Resource& resource);
    void refresh_ordinal(Resource& resource) const;
    bool name_shared_by_another(const Resource& resource) const;
    void show_error(std::u16string_view message);
    void changed() { ++revision_; }

    ProjectServices services_;
    // Tree order is restored when the resources are next looked at: readers add thousands of
    // resources in script order, and inserting each in its place would move the rest every time.
    mutable std::vector<std::unique_ptr<Resource>> resources_;
    // The resources before this index are in tree order; those after it were appended since.
    mutable std::size_t ordered_count_ = 0;
    std::map<std::uint16_t, Resource*> string_tables_;
    std::vector<std::u16string> include_lines_;
    ScriptOrigins script_origins_;
    std::vector<ProjectObserver*> observers_;
    Resource* current_ = nullptr;
    std::uint16_t current_language_ = 0;
    std::uint32_t time_stamp_ = 0;
    std::atomic<std::uint64_t> revision_{0};
};

}  // namespace tavorin
