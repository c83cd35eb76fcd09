#pragma once
// Reads and writes "Tavorin.xml", the settings file beside the executable.
//
// Reading never fails: a missing, unreadable or malformed file leaves the built-in settings,
// and every key the file lacks takes its default. Writing builds the whole document anew.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_paths.h"
#include "services/config.h"
#include "services/config_section.h"
#include "app/session.h"
#include "base/result.h"

namespace tavorin {

// The settings when no configuration file can be read at all: the defaults, except that the
// program does not offer to configure include paths, the Unicode macro is empty and the
// default language is 0 (neutral).
Config config_without_file();

// The settings a configuration document holds, with `system_language` as the default language
// when the document names none. Nothing when the document is malformed or has no root element;
// the sections are then left alone.
std::optional<Config> config_from_xml(std::string_view xml, std::uint16_t system_language,
                                      ConfigSections sections = {});

// The whole document: the comment "Tavorin configuration file", then the root element "config".
// Line breaks are CR LF.
std::string config_to_xml(const Config& config, ConfigSections sections = {});

// Reads the configuration file into the session's settings and lets each section read its
// element. When the file names a language (other than "Default"), the file of that name with
// ".txt" appended in the languages folder replaces the UI strings if it can be read.
void read_config(Session& session, const AppPaths& paths, ConfigSections sections = {});

// Installs the language file the settings name (its name with ".txt" appended, in the languages
// folder) as the UI strings; false, with the strings unchanged, when it cannot be read or the name
// is not a plain file name.
bool install_language_file(Session& session, const std::filesystem::path& languages_folder);

// Writes the session's settings and the sections' elements over the configuration file.
Status write_config(const Session& session, const AppPaths& paths, ConfigSections sections = {});

}  // namespace tavorin
