#include "model/project.h"

#include <algorithm>

#include "services/string_ids.h"
#include "base/text.h"
#include "model/identifier_validation.h"
#include "model/resource_order.h"
#include "model/languages.h"
#include "model/symbol_table.h"
#include "services/config.h"
#include "services/ui_strings.h"
#include "services/user_prompts.h"

namespace tavorin {

Project::~Project() = default;

std::vector<Resource*> Project::resources_of_kind(ResourceKind kind) const {
    put_in_order();
    std::vector<Resource*> out;
    for (const auto& resource : resources_) {
        if (resource->kind() == kind) out.push_back(resource.get());
    }
    return out;
}

Resource* Project::string_table(std::uint16_t language) const {
    const auto it = string_tables_.find(language);
    return it == string_tables_.end() ? nullptr : it->second;
}

Resource* Project::manifest() const {
    for (const auto& resource : resources_) {
        if (resource->kind() == kind::manifest) return resource.get();
    }
    return nullptr;
}

void Project::reset_current_language() { current_language_ = services_.config.default_language; }

std::size_t Project::index_of(const Resource& resource) const {
    put_in_order();
    for (std::size_t i = 0; i < resources_.size(); ++i) {
        if (resources_[i].get() == &resource) return i;
    }
    return resources_.size();
}

void Project::insert_in_order(std::unique_ptr<Resource> resource) { resources_.push_back(std::move(resource)); }

// Each resource goes after every resource that sorts before or equal to it, so that equal
// resources keep the order they were added in. Equal resources are kept, not refused: a reader
// adds a resource whose name clashes and renames it after the last statement.
void Project::put_in_order() const {
    if (ordered_count_ >= resources_.size()) return;
    const auto before = [](const std::unique_ptr<Resource>& a, const std::unique_ptr<Resource>& b) {
        return tree_order_before(a->identity(), b->identity());
    };
    const auto appended = resources_.begin() + static_cast<std::ptrdiff_t>(ordered_count_);
    // Both keep equal elements in their order, and the merge puts the earlier range's first.
    std::stable_sort(appended, resources_.end(), before);
    std::inplace_merge(resources_.begin(), appended, resources_.end(), before);
    ordered_count_ = resources_.size();
}

void Project::move_to_order(Resource& resource) {
    const std::size_t index = index_of(resource);
    if (index == resources_.size()) return;
    std::unique_ptr<Resource> owned = std::move(resources_[index]);
    resources_.erase(resources_.begin() + static_cast<std::ptrdiff_t>(index));
    ordered_count_ = resources_.size();
    insert_in_order(std::move(owned));
}

void Project::refresh_ordinal(Resource& resource) const {
    ResourceIdentity& identity = resource.identity();
    if (!resource.is_named() || identity.string_name) {
        identity.ordinal = 0;
        return;
    }
    const SymbolTable& symbols = services_.symbols;
    if (symbols.has_symbol(identity.name)) {
        identity.ordinal = static_cast<std::uint16_t>(symbols.value_of(identity.name));
    } else if (const auto number = leading_number(identity.name)) {
        identity.ordinal = static_cast<std::uint16_t>(*number);
    } else {
        identity.ordinal = 0;
    }
}

bool Project::name_shared_by_another(const Resource& resource) const {
    const ResourceIdentity& own = resource.identity();
    return std::any_of(resources_.begin(), resources_.end(), [&](const std::unique_ptr<Resource>& other) {
        const ResourceIdentity& id = other->identity();
        return other.get() != &resource && id.kind == own.kind && id.language == own.language && id.name == own.name;
    });
}

void Project::show_error(std::u16string_view message) {
    services_.prompts.ask(message, services_.strings.text(str::error_caption), AskButtons::ok, AskIcon::error);
}

Resource* Project::add_resource(std::unique_ptr<Resource> resource, bool open) {
    if (!resource) return nullptr;
    ResourceIdentity& identity = resource->identity();
    identity.language = current_language_;
    identity.time_stamp = time_stamp_;

    if (identity.kind == kind::manifest && manifest() != nullptr) {
        show_error(services_.strings.text(str::only_one_manifest));
        return nullptr;
    }
    if (identity.kind == kind::string_table && string_table(identity.language) != nullptr) return nullptr;

    refresh_ordinal(*resource);
    Resource* added = resource.get();
    if (identity.kind == kind::string_table) string_tables_[identity.language] = added;
    insert_in_order(std::move(resource));
    current_ = added;
    added->added_to(*this);
    changed();
    for (ProjectObserver* observer : observers_) observer->resource_added(*added, open);
    return added;
}

bool Project::remove(Resource& resource, bool ask) {
    const std::size_t index = index_of(resource);
    if (index == resources_.size()) return false;
    if (ask && services_.prompts.ask(services_.strings.text(str::remove_resource_question), AskButtons::yes_no,
                            AskIcon::question) == Answer::no) {
        return false;
    }
    if (!resource.can_remove()) return false;

    for (ProjectObserver* observer : observers_) observer->resource_removing(resource);
    resource.removing_from(*this);
    std::unique_ptr<Resource> owned = std::move(resources_[index]);
    resources_.erase(resources_.begin() + static_cast<std::ptrdiff_t>(index));
    ordered_count_ = resources_.size();

    const ResourceIdentity& identity = owned->identity();
    // While a clashing name waits for its fix-up, two resources share one registration.
    if (owned->is_named() && !name_shared_by_another(*owned)) {
        services_.symbols.release_resource_name(identity.name, identity.kind, identity.language);
    }
    if (identity.kind == kind::string_table && string_table(identity.language) == owned.get()) {
        string_tables_.erase(identity.language);
    }
    if (current_ == owned.get()) current_ = nullptr;
    changed();
    return true;
}

Status Project::rename(Resource& resource, std::u16string_view new_name, bool string_name, std::uint16_t language,
                       std::optional<std::int32_t> wanted_value) {
    ResourceIdentity& identity = resource.identity();
    if (new_name == identity.name && string_name == identity.string_name && language == identity.language) {
        return success();
    }
    // The initial data of a dialog's controls (DLGINIT) carries the dialog's name and language,
    // and follows the dialog when it gets others.
    constexpr std::uint16_t dialog_init_type = 240;  // RT_DLGINIT
    Resource* dialog_data = identity.kind == kind::dialog
                                ? find(numeric_custom_kind(dialog_init_type), identity.name, identity.language)
                                : nullptr;

    if (!resource.is_named()) {
        // A string table only changes its language, which must not have a table yet.
        if (language == identity.language) return success();
        if (string_table(language) != nullptr) return Error{std::u16string(resource_name_taken_message)};
        string_tables_.erase(identity.language);
        string_tables_[language] = &resource;
        identity.language = language;
    } else {
        if (const auto refusal = identifier_refusal(classify_identifier(new_name), string_name, services_.strings)) {
            show_error(*refusal);
            return Error{*refusal};
        }

        SymbolTable& symbols = services_.symbols;
        const std::u16string old_name = identity.name;
        const bool old_string_name = identity.string_name;
        const std::uint16_t old_language = identity.language;
        const std::optional<std::int32_t> old_value =
            old_string_name ? std::nullopt : std::optional<std::int32_t>(symbols.value_of(old_name));

        if (!name_shared_by_another(resource)) symbols.release_resource_name(old_name, identity.kind, old_language);
        // Keeping the name but changing the language (or the string flag) keeps its value too.
        const std::optional<std::int32_t> wanted =
            new_name == old_name ? old_value : (string_name ? std::nullopt : wanted_value);
        const auto stored = symbols.register_resource_name(new_name, identity.kind, string_name, wanted, language);
        if (!stored) {
            symbols.register_resource_name(old_name, identity.kind, old_string_name, old_value, old_language);
            const std::u16string message(resource_name_taken_message);
            show_error(message);
            return Error{message};
        }
        identity.name = *stored;
        identity.string_name = string_name;
        identity.language = language;
        refresh_ordinal(resource);
    }

    move_to_order(resource);
    resource.renamed_in(*this);
    changed();
    for (ProjectObserver* observer : observers_) observer->resource_changed(resource);
    if (dialog_data != nullptr) {
        // Its name is taken only when another DLGINIT has it already; the dialog keeps its own.
        (void)rename(*dialog_data, identity.name, identity.string_name, identity.language, wanted_value);
    }
    return success();
}

void Project::set_name(Resource& resource, std::u16string name, bool string_name) {
    resource.identity().name = std::move(name);
    resource.identity().string_name = string_name;
    refresh_ordinal(resource);
    move_to_order(resource);
    resource.renamed_in(*this);
    changed();
    for (ProjectObserver* observer : observers_) observer->resource_changed(resource);
}

void Project::set_modified(Resource& resource, bool modified) {
    // Whatever changed, the bytes it was read with no longer describe it.
    if (modified) resource.drop_original_data();
    if (resource.identity().modified == modified) return;
    resource.identity().modified = modified;
    changed();
    for (ProjectObserver* observer : observers_) observer->resource_changed(resource);
}

Resource* Project::find(ResourceKind kind, std::u16string_view name, std::uint16_t language) const {
    put_in_order();
    for (const auto& resource : resources_) {
        const ResourceIdentity& identity = resource->identity();
        if (identity.kind == kind && identity.language == language && equals_ignore_case(identity.name, name)) {
            return resource.get();
        }
    }
    return nullptr;
}

std::u16string Project::new_resource_name(std::u16string_view base, ResourceKind kind) {
    return services_.symbols.new_resource_name(base, kind, current_language_);
}

std::u16string Project::tree_label(const Resource& resource) {
    std::u16string label = resource.tree_name();
    label += u" [";
    label += ensure_language_names(services_.languages, services_.platform, services_.strings).label_of(resource.identity().language);
    label += u"]";
    if (resource.identity().modified) label += u"*";
    return label;
}

void Project::clear() {
    for (ProjectObserver* observer : observers_) observer->project_clearing();
    // Emptied first, the symbol table need not give back the uses one by one as the resources go.
    services_.symbols.reset();
    resources_.clear();
    ordered_count_ = 0;
    string_tables_.clear();
    include_lines_.clear();
    script_origins_.clear();
    current_ = nullptr;
    services_.symbols.reset();
    changed();
}

void Project::add_observer(ProjectObserver& observer) {
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end()) observers_.push_back(&observer);
}

void Project::remove_observer(ProjectObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

}  // namespace tavorin
