#pragma once
// The statement loop: `read statements` over the preprocessed text of each script file of one
// reading. It reads LANGUAGE statements and resource headers, reads string tables, accelerator
// tables, file-based resources and DLGINIT itself, and hands dialogs, menus, version
// information and toolbars to their hooks (statement_hooks.h). What the fix-ups need after the
// last statement (menu links) is collected across all files of the reading.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/workspace.h"
#include "resources/image/image_numbers.h"
#include "script/lexer.h"
#include "script/read_status.h"
#include "script/script_reader.h"
#include "script/script_tables.h"
#include "script/statement_hooks.h"

namespace tavorin {

class StatementLoop final : public StatementContext {
public:
    // `script_folder` is the folder of the opened script. The tables and the image numbers must
    // outlive the resources read (icon and cursor groups number their images through them).
    StatementLoop(Workspace& workspace, ScriptTables& tables, ImageNumbers& image_numbers,
                  std::filesystem::path script_folder);

    // `read statements` for one script file.
    ReadStatus read_statements(const ScriptFile& script);

    // Where each resource read came from; the project takes them after a successful reading.
    ScriptOrigins& origins() { return origins_; }
    // A string table entry read, for the origin of its statement.
    void note_string(std::u16string_view identifier, std::u16string_view text, std::int32_t value, std::size_t begin,
                     std::size_t text_begin, std::size_t end);
    const std::vector<MenuLinkRequest>& menu_links() const { return menu_links_; }

    // StatementContext.
    Workspace& workspace() override { return workspace_; }
    Lexer& lexer() override { return *lexer_; }
    const std::filesystem::path& file() const override { return file_; }
    const std::filesystem::path& script_folder() const override { return script_folder_; }
    std::filesystem::path resolve_file_name(std::u16string_view name) const override;
    const ResourceHeader& header() const override { return header_; }
    bool extended() const override { return extended_; }
    std::uint16_t language() const override { return workspace_.project().current_language(); }
    Result<std::size_t> read_language_statements(std::size_t pos) override;
    void request_menu_link(MenuLinkRequest request) override { menu_links_.push_back(std::move(request)); }
    void note_statement_part(std::size_t begin, std::size_t end) override { parts_read_.emplace_back(begin, end); }
    Error fail(std::size_t pos, std::u16string message) override;

    // For the statements read here.
    const VirtualKeyNames& virtual_keys() const { return tables_.virtual_keys; }
    const MacroTable& macros() const { return tables_.macros; }
    ImageNumbers& image_numbers() { return image_numbers_; }

protected:
    void start(std::unique_ptr<Resource> resource) override;

private:
    Result<std::size_t> read_statement(std::size_t pos);
    Result<std::size_t> read_header(std::size_t pos);
    Result<std::size_t> read_typed_statement(std::size_t pos);
    Result<std::size_t> read_dlginit(std::size_t pos);
    // Adds the started resource, if any, to the project.
    Resource* finish_resource();
    SourceRange source_range(std::size_t begin, std::size_t end) const;
    void record_origin(Resource* resource, std::size_t begin, std::size_t end, std::uint16_t language_before);
    ReadFailure failure(const std::u16string& message) const;

    Workspace& workspace_;
    ScriptTables& tables_;
    ImageNumbers& image_numbers_;
    std::filesystem::path script_folder_;

    // The file being read and its lexer.
    std::filesystem::path file_;
    Lexer* lexer_ = nullptr;
    const PositionMap* script_positions_ = nullptr;
    const ScriptFile* script_ = nullptr;
    // The origin file of each file of the text being read.
    std::vector<std::uint32_t> origin_files_;
    ScriptOrigins origins_;
    std::vector<StringOrigin> strings_read_;
    std::vector<std::pair<std::size_t, std::size_t>> parts_read_;
    struct OwnFailure {
        std::size_t position = 0;
        std::u16string message;
    };
    std::optional<OwnFailure> own_failure_;

    // The statement being read.
    ResourceHeader header_;
    bool extended_ = false;
    std::unique_ptr<Resource> started_;
    // Another resource of the type and language has the name: a duplicate.
    bool started_name_taken_ = false;

    std::vector<MenuLinkRequest> menu_links_;
};

}  // namespace tavorin
