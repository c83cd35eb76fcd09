#pragma once
// The script template: the text a resource script is built from. "%RESOURCE_HEADER%" stands for
// the expanded header name and "%RESOURCES%" for the text of every resource.

#include <string>

namespace tavorin {

// The template a new configuration starts with; its line breaks are CR LF.
std::u16string default_script_template();

}  // namespace tavorin
