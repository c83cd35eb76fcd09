#pragma once
// "Choose the language": the language and the code page of a new block of version strings, from
// the lists "Language:" and "Codepage:", with OK and Cancel.

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace tavorin {

class Workspace;

namespace version_language_control {
inline constexpr int language_list = 1300;
inline constexpr int code_page_list = 1301;
}  // namespace version_language_control

struct VersionLanguageChoice {
    std::uint16_t language = 0;
    std::uint16_t code_page = 0;
};

// Modal, owned by `owner`, starting at `initial`; none on Cancel. `face` and `font` are the
// program's dialog font.
std::optional<VersionLanguageChoice> choose_version_language(Workspace& workspace, HWND owner, HINSTANCE instance,
                                                             const std::u16string& face, HFONT font,
                                                             VersionLanguageChoice initial);

}  // namespace tavorin
