#pragma once
// How the main window hosts the editor of one resource in its editor area: the editor takes the
// shell's editing commands, says which of them it can run now, adds its own rows to the property
// grid, and reports every change through its site so that the resource and the project become
// modified. Its changes go through actions recorded in the site's history.

#include "platform/win32/windows_api.h"

#include <string>
#include <string_view>
#include <vector>

#include "ui/property_grid_model.h"

namespace tavorin {

class Resource;
class UndoHistory;

enum class EditorCommand { cut, copy, paste, clear, select_all, find };

struct EditorCommands {
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool clear = false;
    bool select_all = false;
    bool find = false;
};

// What the main window offers its editors.
class EditorSite {
public:
    virtual ~EditorSite() = default;
    // The history the editor of `resource` records its steps in (the resource's own part of the
    // project's history).
    virtual UndoHistory& history(const Resource& resource) = 0;
    // The content of the resource changed (an edit, or an undo or redo of one); `where` is the place,
    // for the editor to show it when the change was an undo or redo.
    virtual void content_changed(Resource& resource, std::size_t where) = 0;
    // The editor's enabled commands may differ now.
    virtual void editor_state_changed() = 0;
    // The values of its rows in the property grid changed.
    virtual void properties_changed() = 0;
    // The editor's part of the status line (for instance the caret's line and column).
    virtual void show_editor_status(std::u16string_view text) = 0;
};

class ResourceEditor {
public:
    virtual ~ResourceEditor() = default;
    virtual Resource& resource() const = 0;
    // The page shown in the editor area; the editor destroys it with itself.
    virtual HWND window() const = 0;
    // The window that takes the keyboard focus.
    virtual HWND focus_window() const = 0;

    virtual EditorCommands commands() const = 0;
    virtual void execute(EditorCommand command) = 0;

    // The rows this editor adds under the resource's own rows, and a value the user gave one of
    // them (`index` counts from the editor's first row; `choice` for choice lists, else -1).
    virtual std::vector<PropertyRow> properties() const { return {}; }
    virtual void set_property(std::size_t /*index*/, const std::u16string& /*text*/, int /*choice*/) {}
    // A "..." button of one of its rows was pressed.
    virtual void property_button(std::size_t /*index*/) {}

    // The resource's content changed outside the editor's own typing (an undo or redo): show it
    // again. `where` is where the change was, to put the caret and scroll there.
    virtual void reload(std::size_t where) = 0;
    // Text still being typed in an in-place box (a cell, a caption, a value) goes into the
    // resource, as if the user had pressed Enter. Called before anything reads or replaces the
    // resource: saving, closing, switching to another page, undoing.
    virtual void commit_edits() {}
    // The editor's page became the visible one.
    virtual void activated() {}
    // An undo or redo ran somewhere in the project's history: an editor whose steps do not report
    // their place shows its resource again.
    virtual void after_undo() {}
    // While true (for instance while it waits for a key stroke to record), key strokes reach the
    // editor before the shell's shortcuts.
    virtual bool takes_every_key() const { return false; }
};

}  // namespace tavorin
