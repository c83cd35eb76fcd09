#pragma once
// The open project together with the tables and services that reading, writing and editing it
// use. The application builds one over the objects it owns and hands it to the readers, writers
// and editors; nothing here owns anything.

#include <string>
#include <string_view>

#include "model/custom_types.h"
#include "model/languages.h"
#include "model/project.h"
#include "model/symbol_table.h"
#include "platform/platform.h"
#include "services/config.h"
#include "services/message_log.h"
#include "services/string_ids.h"
#include "services/ui_strings.h"
#include "services/user_prompts.h"

namespace tavorin {

class ControlCatalog;

class Workspace {
public:
    struct Parts {
        Platform& platform;
        MessageLog& log;
        const UiStrings& strings;
        Config& config;
        UserPrompts& prompts;
        Project& project;
        SymbolTable& symbols;
        CustomTypes& custom_types;
        LanguageMacros& language_macros;
        LanguageList& languages;
        // The control catalog with the configuration's overrides; dialogs read their
        // defaults from it.
        ControlCatalog& control_catalog;
    };

    explicit Workspace(const Parts& parts) : parts_(parts) {}
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Platform& platform() const { return parts_.platform; }
    MessageLog& log() const { return parts_.log; }
    const UiStrings& strings() const { return parts_.strings; }
    const std::u16string& text(str::Id id) const { return parts_.strings.text(id); }
    Config& config() const { return parts_.config; }
    UserPrompts& prompts() const { return parts_.prompts; }
    Project& project() const { return parts_.project; }
    SymbolTable& symbols() const { return parts_.symbols; }
    CustomTypes& custom_types() const { return parts_.custom_types; }
    LanguageMacros& language_macros() const { return parts_.language_macros; }
    LanguageList& languages() const { return ensure_language_names(parts_.languages, parts_.platform, parts_.strings); }
    ControlCatalog& control_catalog() const { return parts_.control_catalog; }

    bool interactive() const { return parts_.prompts.interactive(); }
    Answer ask(std::u16string_view text, std::u16string_view caption, AskButtons buttons, AskIcon icon) const {
        return parts_.prompts.ask(text, caption, buttons, icon);
    }
    Answer ask(std::u16string_view text, AskButtons buttons, AskIcon icon) const {
        return parts_.prompts.ask(text, buttons, icon);
    }

private:
    Parts parts_;
};

}  // namespace tavorin
