#pragma once
// A whole reading of a resource script: the tables are reset and predefined, the opened file and
// everything it includes is located, decoded, freed of comments and preprocessed. Headers only
// contribute definitions; every script file (".rc", ".dlg", or a name without an extension)
// hands its preprocessed text to the statement reader.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/workspace.h"
#include "script/preprocessor.h"
#include "script/read_status.h"
#include "script/script_tables.h"

namespace tavorin {

// One reading's preprocessed text, with the script files whose text it holds: the opened
// script (or a script a header included) first, then every script it includes, read in place
// of its #include as compilers read them. The output's source map names files by their index
// here.
struct ScriptFile {
    const std::filesystem::path& path;
    const PreprocessedOutput& output;
    const std::vector<std::filesystem::path>& files;
};

class ScriptReader {
public:
    // Includes nested deeper than this end the reading with an error (a header that includes
    // itself without a guard), as does a reading that opens more files than max_includes.
    static constexpr int max_include_depth = max_nesting_depth;
    static constexpr int max_includes = 100'000;

    using StatementReader = std::function<ReadStatus(const ScriptFile& script)>;

    // LANG_ and SUBLANG_ names go to the workspace's language macros.
    ScriptReader(Workspace& workspace, ScriptTables& tables);
    ScriptReader(Workspace& workspace, DefinitionTables tables) : workspace_(workspace), tables_(std::move(tables)) {}

    // `read script`: resets the macro tables and the symbol table, predefines the memory-flag
    // words, the VK_ letters and digits, RC_INVOKED and _WIN32, and reads the file.
    ReadStatus read_script(const std::filesystem::path& path, const StatementReader& statements);

    // The files the opened script includes itself, with their delimiters ("resource.h" in
    // double quotes, <windows.h> in angle brackets), in reading order.
    const std::vector<std::u16string>& include_lines() const { return include_lines_; }
    // The headers of the project itself (not found through the include search), in reading order.
    const std::vector<std::filesystem::path>& project_headers() const { return project_headers_; }
    const std::vector<std::filesystem::path>& include_search_list() const { return search_list_; }
    // The folder of the opened script: file names in statements are relative to it.
    const std::filesystem::path& script_folder() const { return script_folder_; }

private:
    struct Located {
        std::filesystem::path path;
        bool found_by_search = false;
    };
    struct LoadedText {
        std::u16string text;  // comments removed
        bool comment_open_at_end = false;
        int last_line = 1;
    };

    void predefine();
    // `read file` for an `#include` met by the preprocessor.
    ReadStatus include_file(std::u16string_view name, char16_t open, char16_t close);
    ReadStatus read_file(const Located& file, bool top_level);
    std::optional<Located> locate(std::u16string_view name, char16_t open) const;
    // The file's text, asking the user while it cannot be opened; `loaded` stays null when the
    // user chose to skip the file.
    ReadStatus load(const std::filesystem::path& path, bool top_level, std::shared_ptr<const LoadedText>& loaded);
    Result<std::u16string> decode(const std::filesystem::path& path);

    Workspace& workspace_;
    DefinitionTables tables_;
    bool missing_include_fails_ = false;
    // The tables of the reading, when it was given them: they receive the files opened.
    ScriptTables* script_tables_ = nullptr;
    const StatementReader* statements_ = nullptr;
    std::vector<std::filesystem::path> search_list_;
    std::vector<std::u16string> include_lines_;
    std::filesystem::path script_folder_;
    // The output of the script being preprocessed, which the scripts it includes continue.
    PreprocessedOutput* output_ = nullptr;
    std::vector<std::filesystem::path> output_files_;
    std::vector<std::filesystem::path> project_headers_;

    // Reader state, saved and restored around every include.
    std::filesystem::path current_folder_;
    bool found_by_search_ = false;
    // The folders of the files that include the one being read, outermost first.
    std::vector<std::filesystem::path> includer_folders_;
    std::vector<std::u16string> includer_keys_;
    int include_depth_ = 0;
    int files_read_ = 0;

    // Headers are often included many times in one reading (every SDK header includes the same
    // few); each is decoded and freed of comments once.
    std::unordered_map<std::u16string, std::shared_ptr<const LoadedText>> loaded_;
    // Where each include was found, so that the same include in the same place asks the file
    // system once per reading.
    std::unordered_map<std::u16string, std::optional<Located>> located_;
};

}  // namespace tavorin
