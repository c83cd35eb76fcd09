#include "app/project_document.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "app/session.h"
#include "base/file_io.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "formats/header_name.h"
#include "model/symbol_table.h"

namespace tavorin {

namespace {

std::filesystem::path absolute_path(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal();
}

FileKind kind_of(const std::filesystem::path& path) { return file_kind_of(display_path(path)); }

// Paths the user reads (title, log) keep the system's own separators.
std::u16string shown_path(const std::filesystem::path& path) { return path.u16string(); }

bool is_compiled(FileKind kind) { return kind == FileKind::pe_module || kind == FileKind::compiled_resources; }

// A dialog of a compiled file names its menu by ordinal or by name; the menu must be in the
// project. The script reader does the same for scripts.
void check_dialog_menus(Session& session) {
    Project& project = session.project();
    const std::vector<Resource*> menus = project.resources_of_kind(kind::menu);
    for (Resource* resource : project.resources_of_kind(kind::dialog)) {
        auto* dialog = dynamic_cast<Dialog*>(resource);
        if (dialog == nullptr || dialog->menu().empty()) continue;
        const std::u16string wanted = dialog->menu();
        const auto number = leading_number(wanted);
        const bool numeric = number && decimal(*number) == wanted;
        const auto found = std::find_if(menus.begin(), menus.end(), [&](const Resource* menu) {
            if (numeric && *number >= 1) return menu->identity().ordinal == *number && !menu->identity().string_name;
            return equals_ignore_case(menu->name_text(), wanted);
        });
        if (found != menus.end()) {
            dialog->set_menu((*found)->name_text());
            continue;
        }
        const std::u16string& message = session.text(str::dialog_menu_not_found);
        session.log().warning(message);
        session.ask(message, AskButtons::ok, AskIcon::warning);
        dialog->set_menu({});
    }
}

// Headers in double quotes are the project's own; the header writer writes one only, so a script
// that includes another loses that one's symbols to it when saved.
bool includes_other_headers(const std::vector<std::u16string>& includes, std::u16string_view own_header) {
    return std::any_of(includes.begin(), includes.end(), [&](const std::u16string& line) {
        if (line.size() < 2 || line.front() != u'"' || equals_ignore_case(line, own_header)) return false;
        const FileKind kind = file_kind_of(line.substr(1, line.size() - 2));
        return kind != FileKind::script;
    });
}

}  // namespace

std::u16string window_title(const ShellState& state) {
    if (!state.project_open) return u"Tavorin";
    return u"Tavorin - " + shown_path(state.current_path);
}

int save_filter_index(FileKind opened_kind) {
    switch (opened_kind) {
        case FileKind::pe_module: return 2;
        case FileKind::compiled_resources: return 3;
        default: return 1;
    }
}

ProjectDocument::ProjectDocument(Session& session, DocumentHooks hooks) : session_(session), hooks_(std::move(hooks)) {}

ProjectDocument::~ProjectDocument() { session_.project().clear(); }

bool ProjectDocument::has_unsaved_changes() const {
    if (!state_.saved) return true;
    const auto& resources = session_.project().resources();
    return std::any_of(resources.begin(), resources.end(),
                       [](const auto& resource) { return resource->identity().modified; });
}

void ProjectDocument::mark_modified() {
    state_.saved = false;
    notify();
}

void ProjectDocument::notify() {
    if (hooks_.state_changed) hooks_.state_changed();
}

void ProjectDocument::set_current_path(const std::filesystem::path& path) {
    state_.current_path = absolute_path(path);
    state_.project_folder = state_.current_path.parent_path();
    state_.header_name = expand_header_name(session_.config().header_name, display_path(state_.current_path));
}

void ProjectDocument::enter_project_folder() {
    std::error_code ignored;
    if (!state_.project_folder.empty()) std::filesystem::current_path(state_.project_folder, ignored);
}

void ProjectDocument::reset_include_lines() {
    session_.project().include_lines() = {u"<windows.h>", u"<commctrl.h>", u"<richedit.h>"};
}

void ProjectDocument::set_saved() {
    state_.saved = true;
    Project& project = session_.project();
    for (const auto& resource : project.resources()) {
        if (resource->identity().modified) project.set_modified(*resource, false);
    }
}

std::optional<std::filesystem::path> ProjectDocument::choose_save_path(int filter_index) {
    return session_.choose_file_to_save(FileChoice{session_.text(str::save_filter), filter_index, u"rc", {}});
}

bool ProjectDocument::begin_open(std::optional<std::filesystem::path> path) {
    if (state_.busy) return false;
    if (!path) {
        path = session_.choose_file_to_open(FileChoice{session_.text(str::open_filter), 1, u"rc", {}});
        if (!path) return false;
    }
    if (!close()) return false;
    if (hooks_.add_recent_document) hooks_.add_recent_document(*path);

    const std::filesystem::path absolute = absolute_path(*path);
    const FileKind kind = kind_of(absolute);
    std::error_code error;
    if (kind == FileKind::script && !std::filesystem::exists(absolute, error)) return begin_new_project(absolute);

    set_current_path(absolute);
    state_.opened_path = state_.current_path;
    state_.opened_kind = kind;
    state_.content_folder = state_.project_folder;
    enter_project_folder();
    session_.log().information(fill_placeholders(session_.text(str::file_opened), shown_path(state_.current_path)));

    if (kind != FileKind::script && !is_compiled(kind)) {
        const std::u16string& message = session_.text(str::file_type_not_supported);
        session_.log().error(message);
        session_.ask(message, session_.text(str::error_caption), AskButtons::ok, AskIcon::error);
        state_.current_path.clear();
        return false;
    }
    if (is_compiled(kind)) {
        // The file error box: the reader itself only sees a file that could be opened.
        for (;;) {
            errno = 0;
            std::ifstream probe(state_.current_path, std::ios::binary);
            if (probe) break;
            const std::string reason =
                errno != 0 ? std::generic_category().message(errno) : std::string("The file cannot be opened.");
            const std::u16string text = shown_path(state_.current_path) + u"\r\n" + utf8_to_text(reason);
            if (session_.ask(text, AskButtons::retry_cancel, AskIcon::error) != Answer::retry) {
                state_.current_path.clear();
                return false;
            }
        }
        state_.several_headers = false;
        reset_include_lines();
        state_.project_open = true;
    }
    session_.project().reset_current_language();
    problems_before_load_ = session_.log().problems();
    state_.busy = true;
    notify();
    return true;
}

bool ProjectDocument::begin_new_project(std::optional<std::filesystem::path> path) {
    if (state_.busy) return false;
    if (!close()) return false;
    state_.several_headers = false;
    reset_include_lines();
    if (!path) {
        path = choose_save_path(save_filter_index(FileKind::script));
        if (!path) return false;
    }
    set_current_path(*path);
    state_.opened_path = state_.current_path;
    state_.opened_kind = kind_of(state_.current_path);
    state_.content_folder = state_.project_folder;
    enter_project_folder();
    session_.project().reset_current_language();

    if (!save_to_current(SaveMode::as_new)) {
        state_.current_path.clear();
        notify();
        return false;
    }
    state_.project_open = true;
    set_saved();
    problems_before_load_ = session_.log().problems();
    state_.busy = true;
    notify();
    return true;
}

ReadStatus ProjectDocument::read_file() { return read_project_file(session_, tables_, state_.current_path); }

LoadEnd ProjectDocument::end_load(const ReadStatus& read) {
    LoadEnd end;
    state_.busy = false;
    if (!read && kind_of(state_.current_path) == FileKind::script) {
        if (!read.failure().stopped_by_user) end.script_error = read.failure();
        // The partly read project goes without the question about unsaved changes.
        state_.project_open = true;
        close(false);
        return end;
    }
    // A compiled reader that stopped keeps what it read before the fault; it has reported it.
    enter_project_folder();
    if (is_compiled(kind_of(state_.current_path))) check_dialog_menus(session_);
    state_.project_open = true;
    set_saved();
    auto& includes = session_.project().include_lines();
    const std::u16string own_header = u"\"" + state_.header_name + u"\"";
    if (kind_of(state_.current_path) == FileKind::script) state_.several_headers = includes_other_headers(includes, own_header);
    includes.erase(std::remove_if(includes.begin(), includes.end(),
                                  [&](const std::u16string& line) { return equals_ignore_case(line, own_header); }),
                   includes.end());
    session_.project().reset_current_language();
    watch_.arm(state_.current_path);
    end.loaded = true;
    end.open_messages = session_.log().problems() != problems_before_load_;
    notify();
    return end;
}

LoadEnd ProjectDocument::open(std::optional<std::filesystem::path> path) {
    if (!begin_open(std::move(path))) return {};
    return end_load(read_file());
}

LoadEnd ProjectDocument::new_project(std::optional<std::filesystem::path> path) {
    if (!begin_new_project(std::move(path))) return {};
    return end_load(read_file());
}

bool ProjectDocument::close(bool ask) {
    if (!state_.project_open) return true;
    // Text still in an edit box counts as a change the question must know of.
    if (ask && hooks_.commit_edits) hooks_.commit_edits();
    if (ask && has_unsaved_changes()) {
        const Answer answer = session_.ask(session_.text(str::save_project_modifications), AskButtons::yes_no_cancel,
                                           AskIcon::warning);
        if (answer == Answer::cancel) return false;
        // Closing after a save that did not happen would lose the changes the user wanted kept.
        if (answer == Answer::yes && !save()) return false;
    }
    if (hooks_.close_editors && !hooks_.close_editors()) return false;
    session_.log().information(fill_placeholders(session_.text(str::file_closed), shown_path(state_.current_path)));
    session_.project().clear();
    state_.project_open = false;
    state_.saved = true;
    // A later New project must ask where to save rather than write over this file.
    state_.current_path.clear();
    watch_.clear();
    notify();
    return true;
}

bool ProjectDocument::confirm_several_headers() {
    if (!state_.several_headers) return true;
    if (session_.ask(session_.text(str::several_headers_question), AskButtons::yes_no, AskIcon::warning) == Answer::no) {
        return false;
    }
    state_.several_headers = false;
    return true;
}

bool ProjectDocument::save() {
    if (state_.busy || !state_.project_open) return false;
    if (!confirm_several_headers()) return false;
    if (state_.current_path.empty()) return save_as();
    return save_to_current(SaveMode::save);
}

bool ProjectDocument::save_as() {
    if (state_.busy || !state_.project_open) return false;
    if (!confirm_several_headers()) return false;
    const std::optional<std::filesystem::path> chosen = choose_save_path(save_filter_index(state_.opened_kind));
    if (!chosen) return false;
    const std::filesystem::path target = absolute_path(*chosen);

    // C/C++ code is an export: the project stays the file it was, with its unsaved changes.
    if (kind_of(target) == FileKind::c_source) {
        if (hooks_.commit_edits) hooks_.commit_edits();
        session_.log().information(fill_placeholders(session_.text(str::file_saved), shown_path(target)));
        const WriteOutcome outcome = write_project_file(session_, write_request(target, {}, SaveMode::as_new));
        if (outcome == WriteOutcome::code_written) session_.platform().show_status(session_.text(str::save_finished));
        return outcome == WriteOutcome::code_written;
    }

    const ShellState previous = state_;
    set_current_path(target);
    enter_project_folder();
    if (save_to_current(SaveMode::as_new)) return true;
    // The project stays the file it was.
    state_.current_path = previous.current_path;
    state_.project_folder = previous.project_folder;
    state_.header_name = previous.header_name;
    enter_project_folder();
    watch_.arm(state_.current_path);
    notify();
    return false;
}

bool ProjectDocument::rewrite_script() {
    if (state_.busy || !state_.project_open || state_.current_path.empty()) return false;
    if (kind_of(state_.current_path) != FileKind::script) return false;
    if (!confirm_several_headers()) return false;
    return save_to_current(SaveMode::rewrite);
}

bool ProjectDocument::save_to_current(SaveMode mode) {
    state_.header_name = expand_header_name(session_.config().header_name, display_path(state_.current_path));
    if (hooks_.commit_edits) hooks_.commit_edits();
    // The program's own write is not a change made by another program.
    watch_.clear();
    session_.log().information(fill_placeholders(session_.text(str::file_saved), shown_path(state_.current_path)));

    const WriteOutcome outcome =
        write_project_file(session_, write_request(state_.current_path, state_.header_name, mode));
    const bool written = outcome == WriteOutcome::written;
    if (written) {
        set_saved();
        if (kind_of(state_.current_path) == FileKind::script) state_.content_folder = state_.project_folder;
        session_.platform().show_status(session_.text(str::save_finished));
    }
    if (state_.project_open) watch_.arm(state_.current_path);
    notify();
    return written;
}

ProjectWrite ProjectDocument::write_request(const std::filesystem::path& target, std::u16string header_name,
                                            SaveMode mode) const {
    ProjectWrite write{target,           std::move(header_name), mode == SaveMode::as_new,
                       state_.opened_path, state_.opened_kind,     state_.content_folder};
    if (kind_of(target) == FileKind::c_source && hooks_.code_context) write.code = hooks_.code_context();
    write.rewrite = mode == SaveMode::rewrite;
    return write;
}

bool ProjectDocument::file_changed_on_disk() {
    if (!state_.project_open || state_.busy) return false;
    return watch_.changed();
}

bool ProjectDocument::begin_reload() {
    const std::filesystem::path path = state_.current_path;
    if (path.empty() || !close()) return false;
    return begin_open(path);
}

}  // namespace tavorin
