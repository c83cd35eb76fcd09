#pragma once
// The project's life from the shell's side: new, open, close, save, save as and reload when the
// file changes on disk, with the shell state the main window shows (title, enabled commands).
// Nothing here needs a window: the editors are reached through hooks, the questions and file
// dialogs through the session, so the same flows run in tests and without a window.
//
// A load has three steps so that the main window can run the middle one on a worker thread:
// begin_open() (or begin_new_project()) prepares the shell state and sets the busy flag,
// read_file() fills the project, end_load() is the post-load step on the user-interface thread.
// open() and new_project() run all three on the calling thread.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/file_watch.h"
#include "app/project_files.h"
#include "base/file_kind.h"
#include "script/read_status.h"

namespace tavorin {

class Session;

struct ShellState {
    // The project's file; empty when there is no project.
    std::filesystem::path current_path;
    // The path the project was opened from (kept when it is saved under another name).
    std::filesystem::path opened_path;
    FileKind opened_kind = FileKind::unsupported;
    // The current path's folder, also the process's current folder while a project is open.
    std::filesystem::path project_folder;
    // The folder the relative file names of file-based resources start from: that of the last
    // script read or written.
    std::filesystem::path content_folder;
    // The header name template expanded for the current path.
    std::u16string header_name;
    bool project_open = false;
    // No unsaved changes (the resources' own modified flags count too).
    bool saved = true;
    // A load is running; every command waits.
    bool busy = false;
    // The script read included more than one project header.
    bool several_headers = false;
};

// What the flows need from the window. The file dialogs, like the questions, are the
// platform's.
struct DocumentHooks {
    // Closes every editor window; false when one refuses.
    std::function<bool()> close_editors;
    // Lets the open editors commit edits still pending in their controls.
    std::function<void()> commit_edits;
    // The system's list of recent documents.
    std::function<void(const std::filesystem::path&)> add_recent_document;
    // Title, menus and tree must follow the shell state.
    std::function<void()> state_changed;
    // How C/C++ code turns dialog units into pixels on this screen; without it, the portable
    // measures of the session's options.
    std::function<CodeContext()> code_context;
};

// How a load ended, for the window: a script error to report with the parse-error dialog, and
// whether the load added errors or warnings (the Messages window opens).
struct LoadEnd {
    bool loaded = false;
    bool open_messages = false;
    std::optional<ReadFailure> script_error;
};

// "Tavorin" without a project, else "Tavorin - " and the current path.
std::u16string window_title(const ShellState& state);

// The filter the save dialog preselects: 2 for an opened module, 3 for an opened compiled
// resource file, else 1.
int save_filter_index(FileKind opened_kind);

class ProjectDocument {
public:
    explicit ProjectDocument(Session& session, DocumentHooks hooks = {});
    // The project's resources refer to the reading tables, so they go first.
    ~ProjectDocument();
    ProjectDocument(const ProjectDocument&) = delete;
    ProjectDocument& operator=(const ProjectDocument&) = delete;

    const ShellState& state() const { return state_; }
    // The tables of the readings, whose image counters also number the images of new groups.
    ReadingTables& tables() { return tables_; }
    bool has_unsaved_changes() const;
    // An editor changed something.
    void mark_modified();
    // A script reader that met more than one project header says so.
    void set_several_headers(bool several) { state_.several_headers = several; }

    // Open steps 1 to 6: asks for a path when none is given, closes the open project (a refusal
    // ends), records the paths and logs "%1 opened". True when a reading follows: then the busy
    // flag is set and read_file() and end_load() must run. A script that does not exist starts
    // a new project at that path instead (its empty script is what is then read).
    bool begin_open(std::optional<std::filesystem::path> path = std::nullopt);
    // New project: closes the open project, asks where to save when no path is given, writes
    // the empty project there and, like begin_open(), returns true when its reading follows.
    bool begin_new_project(std::optional<std::filesystem::path> path = std::nullopt);
    // Reads the current path into the project on the calling thread (the worker's part).
    ReadStatus read_file();
    // The post-load step on the user-interface thread.
    LoadEnd end_load(const ReadStatus& read);

    LoadEnd open(std::optional<std::filesystem::path> path = std::nullopt);
    LoadEnd new_project(std::optional<std::filesystem::path> path = std::nullopt);

    // Asks about unsaved changes (unless `ask` is false), logs "%1 closed", closes the editors
    // and empties the project. False when refused.
    bool close(bool ask = true);

    // The Save command: false when nothing was written.
    bool save();
    // Save As: asks for the target; a C/C++ target is written without becoming the project's
    // file.
    bool save_as();
    // Rewrite Script: the project's script written whole, in the writer's own form, instead of
    // as an edit of the files it was read from. Only for a project whose file is a script.
    bool rewrite_script();

    // The file watch, checked once a second by the window: true when the project's file was
    // changed by another program (reported once per change).
    bool file_changed_on_disk();
    // The reload after the user agreed: close (with its question) and open the same file.
    bool begin_reload();

private:
    enum class SaveMode { save, as_new, rewrite };

    bool save_to_current(SaveMode mode);
    // The write request for a target; C/C++ code carries the window's measures.
    ProjectWrite write_request(const std::filesystem::path& target, std::u16string header_name, SaveMode mode) const;
    std::optional<std::filesystem::path> choose_save_path(int filter_index);
    bool confirm_several_headers();
    void set_current_path(const std::filesystem::path& path);
    void enter_project_folder();
    void reset_include_lines();
    void set_saved();
    void notify();

    Session& session_;
    DocumentHooks hooks_;
    ShellState state_;
    ReadingTables tables_;
    FileWatch watch_;
    int problems_before_load_ = 0;
};

}  // namespace tavorin
