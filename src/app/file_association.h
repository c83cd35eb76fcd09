#pragma once
// The ".rc" file association as data: the registry keys below "Software\Classes" and their
// default values. The GUI writes them per user (HKEY_CURRENT_USER, no elevation needed) or, in
// the elevated "-associateFiles" run, for the machine; always with the default security of the
// parent key. Writing the same plan twice leaves the same keys.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavorin {

inline constexpr std::u16string_view association_classes_key = u"Software\\Classes";
inline constexpr std::u16string_view association_prog_id = u"TavorinFile";

struct RegistryKeyPlan {
    std::u16string key;                          // below association_classes_key
    std::optional<std::u16string> default_value;  // nothing: the key is only created
};

// In creation order: ".rc", "TavorinFile", its "DefaultIcon", "shell", "shell\Open" and
// "shell\Open\Command".
std::vector<RegistryKeyPlan> association_plan(std::u16string_view executable_path);

// The "Open" command: the executable's path, a blank and "%1" in double quotes. A path with a
// blank is quoted as well, so that the shell cannot take a prefix of it for the program.
std::u16string association_command(std::u16string_view executable_path);

}  // namespace tavorin
