#include "formats/script_save.h"

#include <system_error>

#include "base/companion_files.h"
#include "base/file_io.h"
#include "base/file_transaction.h"
#include "base/text.h"
#include "formats/header_name.h"
#include "formats/header_splice.h"
#include "formats/header_writer.h"
#include "formats/read_only_target.h"
#include "formats/script_splice.h"
#include "formats/script_writer.h"
#include "formats/text_file_output.h"
#include "model/workspace.h"
#include "resources/image/file_resource.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

// How one attempt at a save ended: the user may try a failed one again.
enum class Attempt { saved, cancelled, retry };

// Without a user the failure is logged; a user chooses between trying again and giving up.
Attempt failed(Workspace& workspace, std::u16string_view message) {
    if (!workspace.interactive()) {
        workspace.log().error(message);
        return Attempt::cancelled;
    }
    return workspace.ask(message, AskButtons::retry_cancel, AskIcon::error) == Answer::retry ? Attempt::retry
                                                                                            : Attempt::cancelled;
}

bool same_file(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return a == b || fs::equivalent(a, b, error);
}

// Puts a file of the project at its target: a file that is there and was not made by this
// project (other content) is kept and the save refused.
Status add_project_file(Workspace& workspace, FileTransaction& transaction, const fs::path& target,
                        std::span<const std::uint8_t> bytes, bool may_replace_other) {
    std::error_code error;
    if (!may_replace_other && fs::exists(fs::symlink_status(target, error))) {
        const auto existing = read_file_bytes(target);
        if (existing && std::equal(existing->begin(), existing->end(), bytes.begin(), bytes.end())) return success();
        return Error{fill_placeholders(workspace.text(str::file_not_this_projects), display_path(target))};
    }
    const auto permission = read_only_permission(workspace.prompts(), target);
    if (!permission) return Error{permission.error()};
    return transaction.replace(target, bytes, *permission);
}

// Saving under a new name: the files the resources name relative to the old folder go along.
// One that would land outside the new folder (named with ".." steps) is copied into it under a
// free name instead, and the resource names that copy from then on.
Status copy_content_files(Workspace& workspace, FileTransaction& transaction, CompanionFiles& companions,
                          const fs::path& from_folder, const fs::path& to_folder) {
    if (from_folder.empty() || same_file(from_folder, to_folder)) return success();
    for (const auto& resource : workspace.project().resources()) {
        if (!resource->is_file_based()) continue;
        const std::u16string name = resource->content_file();
        const fs::path relative = path_from_script_text(name);
        if (name.empty() || relative.is_absolute() || relative.has_root_name()) continue;
        const fs::path source = from_folder / relative;
        std::error_code error;
        if (!fs::exists(source, error)) continue;
        const auto bytes = read_file_bytes(source);
        if (!bytes) return Error{bytes.error()};
        if (!CompanionFiles::stays_inside(name)) {
            auto* file_based = dynamic_cast<FileResource*>(resource.get());
            if (file_based == nullptr) continue;
            const FileResourceTraits& traits = file_based->traits();
            auto copied = companions.write(name, *bytes, traits.type_word, traits.extension);
            if (!copied) return Error{copied.error()};
            file_based->rename_content_file(*copied);
            resource->identity().modified = true;
            continue;
        }
        const fs::path target = to_folder / relative;
        fs::create_directories(target.parent_path(), error);
        if (Status added = add_project_file(workspace, transaction, target, *bytes, false); !added) return added;
    }
    return success();
}

Status commit(Workspace& workspace, FileTransaction& transaction, const CompanionFiles& companions) {
    if (Status committed = transaction.commit(); !committed) return committed;
    for (const auto& note : transaction.notes()) workspace.log().warning(note);
    for (const auto& moved : companions.moved()) workspace.log().warning(fill_placeholders(u"%1: %2", workspace.text(str::companion_moved), moved));
    return success();
}

// Content held only in memory goes to files in the script's folder before the statements that
// name them are written.
Status export_contents(Workspace& workspace, CompanionFiles& companions) {
    for (const auto& resource : workspace.project().resources()) {
        if (!resource->is_file_based()) continue;
        const std::u16string before = resource->content_file();
        if (Status exported = resource->export_content(companions); !exported) return exported;
        if (resource->content_file() != before) resource->identity().modified = true;
    }
    return success();
}

// The script as the edit of the files it was read from.
Attempt save_kept_script(Workspace& workspace, const ScriptSave& save) {
    Project& project = workspace.project();
    const fs::path old_main = project.script_origins().files.front().path;
    const fs::path old_folder = old_main.parent_path();
    const fs::path new_folder = save.script.parent_path();
    const bool same_place = same_file(old_main, save.script);

    FileTransaction transaction;
    CompanionFiles companions(transaction, new_folder);
    if (Status exported = export_contents(workspace, companions); !exported) return failed(workspace, exported.error());
    if (!same_place) {
        if (Status copied = copy_content_files(workspace, transaction, companions, old_folder, new_folder); !copied) {
            return failed(workspace, copied.error());
        }
    }
    auto splice = splice_script(workspace, save.header_name);
    if (!splice) return failed(workspace, splice.error());
    if (!splice->rewritten_regions.empty()) {
        std::u16string message;
        for (const auto& region : splice->rewritten_regions) message += region + u"\r\n";
        if (workspace.interactive()) {
            if (workspace.ask(message + u"\r\n" + workspace.text(str::continue_saving), AskButtons::yes_no, AskIcon::warning) !=
                Answer::yes) {
                return Attempt::cancelled;
            }
        } else {
            for (const auto& region : splice->rewritten_regions) workspace.log().warning(region);
        }
    }

    // Files below the old script's folder go to the same place below the new one; others are
    // edited where they are.
    const auto outside_old_folder = [&](const fs::path& source) {
        const fs::path relative = source.lexically_relative(old_folder);
        return relative.empty() || *relative.begin() == "..";
    };
    const auto target_of = [&](const fs::path& source) {
        if (same_place) return source;
        if (source == old_main) return save.script;
        if (outside_old_folder(source)) return source;
        return new_folder / source.lexically_relative(old_folder);
    };
    workspace.platform().show_status(workspace.text(str::status_saving));
    std::vector<SplicedFile>& files = splice->files;
    // The opened script last: it is the file the user sees as saved.
    std::vector<std::size_t> order;
    for (std::size_t i = 1; i < files.size(); ++i) order.push_back(i);
    order.push_back(0);
    std::vector<fs::path> targets(files.size());
    for (const std::size_t i : order) {
        SplicedFile& file = files[i];
        targets[i] = target_of(file.source);
        const bool moved = !same_file(targets[i], file.source) || file.created;
        if (!file.changed && !moved) continue;
        // Saved elsewhere, the script no longer refers to a file beside the old one: changing it
        // would write outside the folder saved to, into a file the new script does not read.
        if (!same_place && file.changed && outside_old_folder(file.source) && !same_file(old_folder, new_folder)) {
            return failed(workspace, file_error(file.source, workspace.text(str::file_outside_saved_folder)).message);
        }
        if (!file.changed) {
            auto bytes = read_file_bytes(file.source);
            if (!bytes) return failed(workspace, bytes.error());
            file.bytes = std::move(*bytes);
        }
        // The saved script itself replaces what the user chose; a file beside it only what
        // this project wrote.
        const bool may_replace_other = i == 0 || !moved;
        if (i != 0 && moved) {
            std::error_code error;
            fs::create_directories(targets[i].parent_path(), error);
        }
        if (Status added = add_project_file(workspace, transaction, targets[i], file.bytes, may_replace_other); !added) {
            return failed(workspace, added.error());
        }
    }
    if (Status committed = commit(workspace, transaction, companions); !committed) return failed(workspace, committed.error());
    for (const std::u16string& note : splice->notes) workspace.log().information(note);

    // The project goes on from the files as they are now.
    ScriptOrigins origins = std::move(splice->origins);
    for (std::size_t i = 0; i < origins.files.size() && i < targets.size(); ++i) {
        OriginFile& file = origins.files[i];
        file.path = targets[i].empty() ? file.path : targets[i];
        std::error_code error;
        file.size = fs::file_size(file.path, error);
        file.modified = fs::last_write_time(file.path, error);
    }
    for (auto& header : origins.headers) header = target_of(header);
    for (std::size_t i = origins.files.size(); i < files.size(); ++i) {
        if (files[i].created) origins.headers.push_back(targets[i]);
    }
    origins.read_symbols.clear();
    for (const auto& [name, symbol] : workspace.symbols().symbols()) {
        if (!symbol.system && !symbol.string_name) origins.read_symbols.emplace_back(name, symbol.value);
    }
    for (const auto& resource : project.resources()) resource->identity().origin = -1;
    for (const auto& [resource, index] : splice->resource_origins) {
        const_cast<Resource*>(resource)->identity().origin = index;
    }
    project.script_origins() = std::move(origins);
    return Attempt::saved;
}

// The header of a rewritten script. One the project was read with keeps its lines and gets only
// what changed; one that is not the project's is never replaced.
Status add_rewritten_header(Workspace& workspace, FileTransaction& transaction, const fs::path& header,
                            std::u16string_view header_text, TextEncoding encoding) {
    const auto bytes = encode_for_output(header_text, workspace, encoding);
    std::error_code error;
    if (!fs::exists(fs::symlink_status(header, error))) return add_project_file(workspace, transaction, header, bytes, true);
    const ScriptOrigins& origins = workspace.project().script_origins();
    bool own = false;
    for (const auto& path : origins.headers) own = own || same_file(path, header);
    if (!own) {
        SpliceFiles files(workspace);
        const std::size_t index = files.add(header);
        if (Status merged = add_missing_definitions(workspace, files, index); !merged) return merged;
        auto spliced = files.finish();
        if (!spliced) return Error{spliced.error()};
        if (!spliced->front().changed) return success();
        return add_project_file(workspace, transaction, header, spliced->front().bytes, true);
    }
    // A header this project wrote itself before is written again.
    if (origins.files.empty()) return add_project_file(workspace, transaction, header, bytes, true);
    SpliceFiles files(workspace);
    files.add(origins.files.front().path);
    if (Status done = splice_symbol_definitions(workspace, files, header.filename().u16string()); !done) return done;
    auto spliced = files.finish();
    if (!spliced) return Error{spliced.error()};
    for (const SplicedFile& file : *spliced) {
        if (file.changed && same_file(file.source, header)) {
            return add_project_file(workspace, transaction, header, file.bytes, true);
        }
    }
    return success();
}

// The whole script written anew.
Attempt save_rewritten_script(Workspace& workspace, const ScriptSave& save) {
    const fs::path folder = save.script.parent_path();
    FileTransaction transaction;
    CompanionFiles companions(transaction, folder);
    if (save.as_new) {
        if (Status copied = copy_content_files(workspace, transaction, companions, save.previous_folder, folder); !copied) {
            return failed(workspace, copied.error());
        }
    }
    workspace.platform().show_status(workspace.text(str::status_saving));

    TextWriter header_text(workspace.config().pascal);
    write_header(header_text, workspace.symbols(),
                 workspace.config().asm_define ? HeaderNotation::assembler : HeaderNotation::define);

    // ANSI would turn what the code page lacks (Arabic captions in a Western code page, say) into
    // question marks. Such a save is UTF-8 throughout instead: the script includes its header and
    // ".dlg" files, and compilers read them all in the code page the script declares.
    const bool utf8 = workspace.config().encoding == TextEncoding::ansi &&
                      !(script_fits_ansi(workspace, save.header_name) && fits_ansi(header_text.text(), workspace));
    const TextEncoding encoding = utf8 ? TextEncoding::utf8 : workspace.config().encoding;

    TextWriter script(workspace.config().pascal);
    ScriptLayout layout{false, folder, save.header_name, utf8};
    layout.companions = &companions;
    if (!write_script(script, workspace, layout)) return Attempt::cancelled;

    const fs::path header = header_path(save.script, save.header_name);
    if (Status added = add_rewritten_header(workspace, transaction, header, header_text.text(), encoding); !added) {
        return failed(workspace, added.error());
    }
    if (Status added = add_project_file(workspace, transaction, save.script, encode_for_output(script.text(), workspace, encoding), true);
        !added) {
        return failed(workspace, added.error());
    }
    if (Status committed = commit(workspace, transaction, companions); !committed) return failed(workspace, committed.error());
    if (utf8) workspace.log().warning(fill_placeholders(workspace.text(str::saved_as_utf8), display_path(save.script)));
    // The rewritten script is the project's file now; its statements are no longer where the
    // reading found them. The header is the project's own from now on.
    workspace.project().script_origins().clear();
    workspace.project().script_origins().headers.push_back(header);
    for (const auto& resource : workspace.project().resources()) resource->identity().origin = -1;
    return Attempt::saved;
}

}  // namespace

ScriptSaveResult save_script(Workspace& workspace, const ScriptSave& save) {
    for (;;) {
        const bool keep = !save.rewrite && workspace.config().keep_scripts && can_splice_script(workspace);
        const Attempt attempt = keep ? save_kept_script(workspace, save) : save_rewritten_script(workspace, save);
        if (attempt != Attempt::retry) return attempt == Attempt::saved ? ScriptSaveResult::saved : ScriptSaveResult::cancelled;
    }
}

}  // namespace tavorin
