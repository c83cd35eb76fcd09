#include "resources/image/file_resource.h"

#include "base/companion_files.h"

#include "base/file_io.h"
#include "resources/image/file_resource_line.h"
#include "resources/image/resource_file_path.h"

namespace tavorin {

FileResource::FileResource(ResourceKind kind, FileResourceTraits traits, std::u16string custom_type_name)
    : Resource(kind, std::move(custom_type_name)), traits_(std::move(traits)) {}

void FileResource::write_script_text(TextWriter& out, const Workspace&) const {
    write_file_resource_line(out, name_text(), traits_.keyword, content_file());
}

Status FileResource::export_content(CompanionFiles& files) {
    if (!in_memory()) return success();
    auto bytes = file_bytes();
    if (!bytes) return Error{bytes.error()};
    // Edited content goes back to the file it came from and stays in memory for the editor,
    // unless that file lies outside the script's folder.
    if (!edited_file_.empty()) {
        auto name = files.write(edited_file_, *bytes, traits_.type_word, traits_.extension);
        if (!name) return Error{name.error()};
        if (*name != edited_file_) edited_file_ = std::move(*name);
        return success();
    }
    auto name = files.create_numbered(traits_.type_word, traits_.extension, *bytes);
    if (!name) return Error{name.error()};
    // The script names the new file at once; the content leaves memory only once the file is
    // there, so a save that fails loses nothing.
    edited_file_ = *name;
    files.after_commit([this, name = std::move(*name)]() mutable { refer_to_file(std::move(name)); });
    return success();
}

Status FileResource::load_content(const std::filesystem::path& script_folder) {
    if (in_memory()) return success();
    const std::u16string place = script_place_.empty() ? std::u16string() : script_place_ + u": ";
    const auto bytes = read_file_bytes(resolve_resource_path(file_, script_folder));
    if (!bytes) return Error{place + bytes.error()};
    const Status taken = take_file_bytes(*bytes);
    if (!taken) return Error{place + file_ + u"\r\n" + taken.error()};
    file_.clear();
    return success();
}

Status FileResource::edit_in_memory(const std::filesystem::path& script_folder) {
    if (in_memory()) return success();
    std::u16string file = file_;
    const Status loaded = load_content(script_folder);
    if (loaded) edited_file_ = std::move(file);
    return loaded;
}

void FileResource::rename_content_file(std::u16string path) {
    if (!file_.empty()) file_ = std::move(path);
    else if (!edited_file_.empty()) edited_file_ = std::move(path);
}

void FileResource::refer_to_file(std::u16string path) {
    edited_file_.clear();
    script_place_.clear();
    file_ = std::move(path);
    drop_memory_content();
    // The file is the content from now on, whatever other programs do to it.
    drop_original_data();
}

Status FileResource::import_file(std::u16string path, const std::filesystem::path& script_folder,
                                 bool script_project, const UiStrings& strings) {
    if (script_project) {
        const Status exists = check_resource_path(path, script_folder, strings);
        if (!exists) return exists;
        refer_to_file(std::move(path));
        return success();
    }
    const std::u16string previous = file_;
    file_ = std::move(path);
    const Status loaded = load_content(script_folder);
    if (!loaded) {
        file_ = previous;
        return loaded;
    }
    drop_original_data();
    return loaded;
}

Status FileResource::require_in_memory() const {
    if (in_memory()) return success();
    return Error{file_ + u"\r\nThe file has not been loaded."};
}

}  // namespace tavorin
