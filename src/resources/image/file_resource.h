#pragma once
// The common part of the resources a script names by file: bitmaps, icon and cursor groups,
// manifests, HTML pages and raw data. Their content is either in a file (a path as the script
// writes it, absolute or relative to the script's folder) or in memory:
//  - read from a script, a resource refers to its file;
//  - read from a compiled file, it holds its content in memory;
//  - before a script is saved, content in memory is exported to a new numbered file in the
//    script's folder (bitmap1.bmp, icon2.ico), which the resource refers to from then on;
//  - before a compiled file is saved, the file is loaded into memory.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "model/resource.h"
#include "resources/image/file_resource_traits.h"
#include "services/ui_strings.h"

namespace tavorin {

class FileResource : public Resource {
public:
    FileResource(ResourceKind kind, FileResourceTraits traits, std::u16string custom_type_name = {});

    const FileResourceTraits& traits() const { return traits_; }

    bool is_file_based() const override { return true; }
    // Empty while the content is only in memory; the file it goes back to while it is edited.
    std::u16string content_file() const override { return file_.empty() ? edited_file_ : file_; }
    bool in_memory() const { return file_.empty(); }

    // NAME, KEYWORD and the file name in quotes ("?" while in memory).
    void write_script_text(TextWriter& out, const Workspace& workspace) const override;

    // Content in memory goes to a new file in the folder, which the resource then names. A
    // resource that refers to a file already keeps it.
    using Resource::export_content;
    Status export_content(CompanionFiles& files) override;

    // The named file is read into memory, relative paths starting at the folder. The file keeps
    // its name until the resource is in memory for good (a failure leaves it as it was).
    Status load_content(const std::filesystem::path& script_folder);

    // Brings the content into memory for an editor, for good. A resource that named a file keeps
    // the file's name: every script save writes the content back to that file instead of
    // exporting it under a new numbered name, and the content stays in memory.
    Status edit_in_memory(const std::filesystem::path& script_folder);

    // The same file named another way (an absolute path instead of a relative one): the name the
    // script writes for the content. Nothing happens while the content has no file.
    void rename_content_file(std::u16string path);
    // From now on the content is the named file; what was in memory is dropped.
    void refer_to_file(std::u16string path);

    // A file the user chose: a project saved as a script refers to it, any other project reads
    // it into memory at once.
    Status import_file(std::u16string path, const std::filesystem::path& script_folder, bool script_project,
                       const UiStrings& strings);

    // The compiled writers need the content in memory; a resource still naming its file says so.
    Status require_in_memory() const;

    // Where a script names the file ("app.rc(12)"): a failed load names that place first.
    void set_script_place(std::u16string place) { script_place_ = std::move(place); }

protected:
    // The content as a stand-alone file of the kind's format.
    virtual Result<std::vector<std::uint8_t>> file_bytes() const = 0;
    // A file of the kind's format into memory.
    virtual Status take_file_bytes(std::span<const std::uint8_t> bytes) = 0;
    // Frees the content held in memory (the resource now refers to a file).
    virtual void drop_memory_content() = 0;

private:
    FileResourceTraits traits_;
    std::u16string file_;
    // The file that edited content goes back to; empty when the content has no file yet.
    std::u16string edited_file_;
    std::u16string script_place_;
};

}  // namespace tavorin
