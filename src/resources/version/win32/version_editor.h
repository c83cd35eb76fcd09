#pragma once
// The editor of a version resource: a property list. "General Information" holds the fixed
// fields (versions typed as up to four numbers, the flags in hexadecimal, the operating system,
// file type and subtype picked from their SDK names) and the command that adds a block; each
// block of strings follows as a group "File Information [language] key" with its values, a row
// to add a value of one's own and the command that removes the block. Every change goes through
// the version's editing operations, which record it in the site's history.

#include "platform/win32/windows_api.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "resources/version/version_editing.h"
#include "resources/version/version_info.h"
#include "resources/version/win32/version_language_dialog.h"
#include "ui/win32/property_grid.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class Workspace;

class VersionEditor : public ResourceEditor {
public:
    // Asks for the language and code page of a new block; none when the user cancels.
    using BlockChooser = std::function<std::optional<VersionLanguageChoice>()>;

    // What a row of the list stands for.
    struct RowTarget {
        enum class Kind {
            category, file_version, product_version, file_os, file_flags_mask, file_flags, file_type, file_subtype,
            add_block, value, add_value, remove_block
        };
        Kind kind = Kind::category;
        std::size_t block = 0;
        std::u16string key;
    };

    static std::unique_ptr<VersionEditor> create(VersionInfo& version, Workspace& workspace, EditorSite& site,
                                                 HWND area, HINSTANCE instance, HFONT font, BlockChooser chooser);

    Resource& resource() const override { return version_; }
    HWND window() const override { return grid_.handle(); }
    HWND focus_window() const override { return grid_.handle(); }
    EditorCommands commands() const override { return {}; }
    void execute(EditorCommand) override {}
    void reload(std::size_t where) override;
    // The list has no status of its own: what another editor left there goes.
    void activated() override { site_.show_editor_status({}); }
    void commit_edits() override { grid_.commit_edit(); }

    PropertyGrid& grid() { return grid_; }
    const std::vector<RowTarget>& targets() const { return targets_; }
    // The row of a target, for tests and for keeping the selection over a reload.
    std::optional<std::size_t> row_of(RowTarget::Kind kind, std::size_t block = 0, std::u16string_view key = {}) const;

private:
    VersionEditor(VersionInfo& version, Workspace& workspace, EditorSite& site, BlockChooser chooser);
    void fill();
    void on_text(std::size_t row, const std::u16string& text);
    void on_choice(std::size_t row, int choice);
    void on_button(std::size_t row);
    void changed();

    VersionInfo& version_;
    Workspace& workspace_;
    EditorSite& site_;
    VersionEditing editing_;
    BlockChooser chooser_;
    PropertyGrid grid_;
    std::vector<RowTarget> targets_;
};

}  // namespace tavorin
