#pragma once
// Whether a dialog shows a bitmap or icon resource: a static control of the SS_BITMAP or SS_ICON
// type whose text refers to the resource by its name or its number. Such a resource is not
// removed ("You can't remove this bitmap because it is used by a DIALOG resource.").

#include <optional>

#include "model/project.h"
#include "services/string_ids.h"

namespace tavorin {

bool used_by_dialog(const Resource& image, const Project& project);

// The refusal's message for removing the resource, none when it may go.
std::optional<str::Id> removal_refusal(const Resource& resource, const Project& project);

}  // namespace tavorin
