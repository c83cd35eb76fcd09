#pragma once
// Asks for the type of a new custom resource: "Type the custom resource type:" above an editable
// list of the named types met so far, the choice between "Ordinal identifier" and "Name
// identifier", OK and Cancel. OK checks the type and keeps the dialog up while it is refused.

#include "platform/win32/windows_api.h"

#include <optional>

#include "app/new_resources.h"
#include "app/win32/app_context.h"

namespace tavorin {

namespace custom_resource_control {
inline constexpr int type = 1210;
inline constexpr int ordinal = 1211;
inline constexpr int name = 1212;
}  // namespace custom_resource_control

// Modal, owned by `owner`; none on Cancel. A test answers through App::dialog_answers.
std::optional<CustomTypeAnswer> ask_custom_type(App& app, HWND owner);

}  // namespace tavorin
