#include "model/resource_rename.h"

#include <memory>
#include <optional>

#include "model/identifier_validation.h"
#include "model/project.h"
#include "model/undo_history.h"

namespace tavorin {

namespace {

struct NameAndLanguage {
    std::u16string name;
    bool string_name = false;
    std::uint16_t language = 0;
    // The name's value, which an undo or redo asks for again: a name given back must not come
    // back with another value (the header would change).
    std::optional<std::int32_t> value;
};

NameAndLanguage current(const Resource& resource) {
    const ResourceIdentity& identity = resource.identity();
    std::optional<std::int32_t> value;
    if (!identity.string_name) value = identity.ordinal;
    return NameAndLanguage{identity.name, identity.string_name, identity.language, value};
}

// Renames between two identities that were both accepted once. Should the other direction be
// refused after all (a name taken meanwhile by an edit outside the history), the project has
// shown its message and the resource keeps the name it has.
class RenameAction : public Action {
public:
    RenameAction(std::u16string name, Project& project, Resource& resource, NameAndLanguage before,
                 NameAndLanguage after)
        : name_(std::move(name)), project_(project), resource_(resource), before_(std::move(before)),
          after_(std::move(after)) {}

    std::u16string name() const override { return name_; }
    void redo() override { apply(after_); }
    void undo() override { apply(before_); }

private:
    void apply(const NameAndLanguage& target) {
        (void)project_.rename(resource_, target.name, target.string_name, target.language, target.value);
    }

    std::u16string name_;
    Project& project_;
    Resource& resource_;
    NameAndLanguage before_;
    NameAndLanguage after_;
};

Status rename_to(Project& project, UndoHistory& history, Resource& resource, NameAndLanguage target,
                 std::u16string action_name) {
    const NameAndLanguage before = current(resource);
    if (before.name == target.name && before.string_name == target.string_name && before.language == target.language) {
        return success();
    }
    const Status renamed = project.rename(resource, target.name, target.string_name, target.language);
    if (!renamed) return renamed;
    history.record(std::make_unique<RenameAction>(std::move(action_name), project, resource, before, current(resource)));
    return success();
}

}  // namespace

TypedResourceName parse_typed_resource_name(std::u16string_view text) {
    if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"') {
        return TypedResourceName{std::u16string(text.substr(1, text.size() - 2)), true};
    }
    return TypedResourceName{std::u16string(text), classify_identifier(text) == IdentifierClass::string};
}

Status rename_resource(Project& project, UndoHistory& history, Resource& resource, std::u16string_view text,
                       std::u16string action_name) {
    const TypedResourceName typed = parse_typed_resource_name(text);
    return rename_to(project, history, resource,
                     NameAndLanguage{typed.name, typed.string_name, resource.language(), std::nullopt},
                     std::move(action_name));
}

Status change_resource_language(Project& project, UndoHistory& history, Resource& resource, std::uint16_t language,
                                std::u16string action_name) {
    NameAndLanguage target = current(resource);
    target.language = language;
    return rename_to(project, history, resource, std::move(target), std::move(action_name));
}

}  // namespace tavorin
