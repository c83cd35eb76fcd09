#pragma once
// The main window: menu bar, the resource tree and the property panel in a side column, the
// editor area with its tabs, the status line; the commands of the shell, the loads on a worker
// thread, the file watch, and the shortcut dispatch of every key stroke.

#include "platform/win32/windows_api.h"
#include <shellapi.h>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <vector>
#include <thread>

#include "app/command_ids.h"
#include "app/project_document.h"
#include "app/win32/app_context.h"
#include "app/win32/code_previews.h"
#include "dialog/designer_editing.h"
#include "app/win32/preferences_dialog.h"
#include "app/win32/update_service.h"
#include "model/project_observer.h"
#include "model/undo_history.h"
#include "platform/win32/handles.h"
#include "ui/panel_layout.h"
#include "ui/win32/editor_tabs.h"
#include "ui/win32/property_panel.h"
#include "ui/win32/resource_editor.h"
#include "ui/win32/resource_tree_panel.h"
#include "ui/win32/undo_list.h"

namespace tavorin {

class FileResource;

namespace main_control {
inline constexpr int tree = 2000;
inline constexpr int status = 2001;
}  // namespace main_control

class MainWindow : private ProjectObserver, private EditorSite, private UndoListener {
public:
    explicit MainWindow(App& app);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Creates the window hidden, with its menu bar, placed where the layout file says (or in the
    // middle of the screen). False when the system refused.
    bool create();
    // Shows it maximized when the settings say so.
    void show();

    // Opens a file (the command line's, a dropped one); the reading runs on the worker thread.
    void open_file(const std::filesystem::path& path);

    HWND handle() const { return window_.get(); }
    HMENU menu_bar() const { return GetMenu(window_.get()); }
    bool project_open() const { return document_.state().project_open; }
    // A load is running on the worker thread.
    bool loading() const { return document_.state().busy; }
    const ProjectDocument& document() const { return document_; }
    const PanelLayout& panels() const { return panels_; }
    HWND status_line() const { return status_; }
    HWND toolbar() const { return toolbar_; }
    const ResourceTreePanel& tree() const { return tree_; }
    const EditorTabs& editors() const { return tabs_; }
    const PropertyPanel& properties() const { return properties_; }
    PropertyPanel& properties() { return properties_; }
    // The project's undo history: every editor and the property grid record their edits here
    // (each resource through its own part), so that Undo steps back through the changes of every
    // resource in the order they were made, and a removed resource takes only its own steps.
    UndoHistory& undo_history() { return history_; }
    const UndoList& undo_list() const { return undo_list_; }
    // The resource whose properties the grid shows.
    const Resource* properties_resource() const { return grid_resource_; }
    // Opens the Undo (or Redo) drop-down under its toolbar button.
    void open_undo_list(bool redo);
    void show_status(std::u16string_view text);

    // The preferences dialog at `page`; true when OK closed it.
    bool show_preferences_at(PreferencesPage page);
    // Builds the menu bar again from the current UI strings (after a language change).
    void rebuild_menu_bar();
    UpdateService& updates() { return updates_; }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;

    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept { window_.release(); }

private:
    // ProjectObserver: called on the thread that changes the project. During a load that is
    // the worker, and the window waits for the post-load step instead.
    void resource_added(Resource& resource, bool open) override;
    void resource_changed(Resource& resource) override;
    void resource_removing(Resource& resource) override;
    void project_clearing() override;

    // EditorSite
    UndoHistory& history(const Resource& resource) override;
    void content_changed(Resource& resource, std::size_t where) override;
    void editor_state_changed() override;
    void properties_changed() override;
    void show_editor_status(std::u16string_view text) override;
    // UndoListener
    void undo_state_changed() override;
    void after_undo() override;

    DocumentHooks document_hooks();
    // Every in-place edit (the property grid's, the editors') goes into its resource.
    void commit_edits();
    void on_create();
    void on_command(cmd::Id id);
    void forward_to_editor(cmd::Id id);
    void on_size(WPARAM kind, int width, int height);
    LRESULT on_notify(const NMHDR& header);
    void on_tree_context_menu(LPARAM position);
    void on_key_down(WPARAM wparam, LPARAM lparam);
    void on_character(WPARAM wparam, LPARAM lparam);
    void restore_focus();
    void on_hover_timer();
    void on_watch_timer();
    void on_drop_files(HDROP drop);
    bool on_set_cursor();
    void on_mouse_down(int x);
    void on_mouse_move(int x);

    void start_load();
    void on_load_finished();
    void report_script_error(const ReadFailure& failure);

    void add_resource(ResourceKind kind);
    Resource* add_user_defined_resource();
    void show_new_resource(Resource& resource);
    void open_editor(Resource& resource);
    void apply_dpi(int dpi);
    void remove_resource(Resource& resource);
    void show_properties_of(const Resource* resource);
    void rebind_properties();
    std::unique_ptr<ResourceEditor> create_image_editor(FileResource& resource);
    std::unique_ptr<ResourceEditor> create_editor(Resource& resource);
    void on_property_text(std::size_t row, const std::u16string& text);
    void on_property_choice(std::size_t row, int choice);
    void on_property_button(std::size_t row);
    void refresh_undo_commands();
    void refresh_edit_commands();
    void toggle_panel(cmd::Id id);
    void arrange();
    void refresh_state();
    void refresh_tree();
    void toggle_auto_save_layout();
    void quit();
    void save_layout();

    App& app_;
    UniqueWindow window_;
    ProjectDocument document_;
    HWND editor_area_ = nullptr;  // children of window_, destroyed with it
    HWND status_ = nullptr;
    HWND toolbar_ = nullptr;
    ResourceTreePanel tree_;
    PropertyPanel properties_;
    EditorTabs tabs_;
    CodePreviews previews_;
    PanelLayout panels_;
    UndoHistory history_;
    // Each resource's part of history_, made when its editor (or a rename) first records.
    std::map<const Resource*, std::unique_ptr<UndoHistory>> editor_histories_;
    // The dialog designer's clipboard of controls, shared by every dialog of the run.
    ControlClipboard control_clipboard_;
    UndoList undo_list_;
    Resource* grid_resource_ = nullptr;
    std::vector<std::uint16_t> grid_languages_;  // the language row's choices
    std::size_t editor_first_row_ = 0;           // where the editor's own rows start in the grid
    std::thread loader_;
    ReadStatus loaded_;  // written by the loader, read after it has been joined
    bool asking_reload_ = false;
    UpdateService updates_;
    bool dragging_splitter_ = false;
};

}  // namespace tavorin
