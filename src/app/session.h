#pragma once
// The application's composition root: the session's objects, created once at start-up (and fresh
// in every test). The core keeps no other mutable state; the layers below take the parts they
// use, most through the session's Workspace.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/control_catalog.h"
#include "dialog/designer_settings.h"
#include "model/custom_types.h"
#include "model/languages.h"
#include "model/project.h"
#include "model/symbol_table.h"
#include "model/workspace.h"
#include "platform/platform.h"
#include "resources/image/image_editor_settings.h"
#include "services/config.h"
#include "services/config_section.h"
#include "services/message_log.h"
#include "services/string_ids.h"
#include "services/ui_strings.h"
#include "services/user_prompts.h"

namespace tavorin {

class Session {
public:
    explicit Session(Platform& platform) : platform_(platform), log_(platform), prompts_(platform) {
        add_config_section(control_catalog_);
        add_config_section(image_editor_settings_);
        add_config_section(designer_settings_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Platform& platform() { return platform_; }
    MessageLog& log() { return log_; }
    UiStrings& strings() { return strings_; }
    const UiStrings& strings() const { return strings_; }
    Config& config() { return config_; }
    const Config& config() const { return config_; }

    const std::u16string& text(str::Id id) const { return strings_.text(id); }

    // Modules that keep settings of their own in the configuration file register here before
    // it is read; the configuration reader and writer visit them in this order.
    void add_config_section(ConfigSection& section) { config_sections_.push_back(&section); }
    ConfigSections config_sections() const { return config_sections_; }

    // The resource model: the open project, its identifiers, the custom types and language
    // names met so far.
    Project& project() { return project_; }
    const Project& project() const { return project_; }
    SymbolTable& symbols() { return symbols_; }
    const SymbolTable& symbols() const { return symbols_; }
    CustomTypes& custom_types() { return custom_types_; }
    const CustomTypes& custom_types() const { return custom_types_; }
    LanguageMacros& language_macros() { return language_macros_; }
    const LanguageMacros& language_macros() const { return language_macros_; }
    // The display names of languages, built on first use (after start-up has installed the
    // language file, whose word for "Neutral" the neutral ids carry).
    LanguageList& languages() { return ensure_language_names(languages_, platform_, strings_); }

    // The control catalog with the configuration's overrides of its defaults.
    ControlCatalog& control_catalog() { return control_catalog_; }
    const ControlCatalog& control_catalog() const { return control_catalog_; }

    // How the image editor shows images ("imageEditor" in the configuration file).
    ImageEditorSettings& image_editor_settings() { return image_editor_settings_.settings; }
    const ImageEditorSettings& image_editor_settings() const { return image_editor_settings_.settings; }
    // The dialog designer's grid, margin, snapping and auto-resize settings.
    DesignerSettings& designer_settings() { return designer_settings_.settings(); }
    const DesignerSettings& designer_settings() const { return designer_settings_.settings(); }

    // False until the main window is about to exist, and throughout the conversion mode: then
    // every question is suppressed and answered with Answer::none.
    bool interactive() const { return prompts_.interactive(); }
    void set_interactive(bool interactive) { prompts_.set_interactive(interactive); }

    UserPrompts& prompts() { return prompts_; }
    Answer ask(std::u16string_view text, std::u16string_view caption, AskButtons buttons, AskIcon icon) {
        return prompts_.ask(text, caption, buttons, icon);
    }
    // A question captioned "Tavorin".
    Answer ask(std::u16string_view text, AskButtons buttons, AskIcon icon) { return prompts_.ask(text, buttons, icon); }
    // The file dialogs; like questions, none while not interactive.
    std::optional<std::filesystem::path> choose_file_to_open(const FileChoice& choice) {
        return prompts_.choose_file_to_open(choice);
    }
    std::optional<std::filesystem::path> choose_file_to_save(const FileChoice& choice) {
        return prompts_.choose_file_to_save(choice);
    }

    // What the readers, writers and editors work on.
    Workspace& workspace() { return workspace_; }
    const Workspace& workspace() const { return workspace_; }

private:
    Platform& platform_;
    MessageLog log_;
    UiStrings strings_;
    Config config_;
    std::vector<ConfigSection*> config_sections_;
    UserPrompts prompts_;
    SymbolTable symbols_{strings_};
    CustomTypes custom_types_;
    ImageEditorSettingsSection image_editor_settings_;
    LanguageMacros language_macros_;
    LanguageList languages_;
    ControlCatalog control_catalog_;
    DesignerSettingsSection designer_settings_;
    Project project_{ProjectServices{symbols_, strings_, prompts_, config_, languages_, platform_}};
    Workspace workspace_{Workspace::Parts{platform_, log_, strings_, config_, prompts_, project_, symbols_, custom_types_,
                                          language_macros_, languages_, control_catalog_}};
};

}  // namespace tavorin
