#pragma once
// Asks for a language: a list of every language the system names, with OK and Cancel. The new
// string table command asks this before it creates the table.

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <optional>

#include "app/win32/app_context.h"

namespace tavorin {

namespace language_control {
inline constexpr int list = 1200;
}  // namespace language_control

// Modal, owned by `owner`, starting at `initial`; none on Cancel.
std::optional<std::uint16_t> ask_language(App& app, HWND owner, std::uint16_t initial);

}  // namespace tavorin
