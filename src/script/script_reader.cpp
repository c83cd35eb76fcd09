#include "script/script_reader.h"

#include <algorithm>
#include <utility>

#include "services/string_ids.h"
#include "base/text.h"
#include "base/file_io.h"
#include "base/text_file.h"
#include "script/comment_removal.h"
#include "script/include_search.h"
#include "script/reader_messages.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

std::u16string extension_of(std::u16string_view name) {
    const std::size_t dot = name.rfind(u'.');
    const std::size_t separator = name.find_last_of(u"/\\");
    if (dot == std::u16string_view::npos || (separator != std::u16string_view::npos && dot < separator)) return {};
    return std::u16string(name.substr(dot + 1));
}

// C and C++ headers (and the SDK's ".rh" resource headers) are read for their definitions only;
// every other file is a script whose statements count: resource scripts, and the parts projects
// split off them (".rc2", ".ver", ".inc", ".dlg").
bool is_header_name(std::u16string_view name) {
    const std::u16string extension = extension_of(name);
    for (std::u16string_view header : {u"h", u"hpp", u"hh", u"hxx", u"inl", u"rh", u"c", u"cpp"}) {
        if (equals_ignore_case(extension, header)) return true;
    }
    return false;
}

bool is_script_file(const fs::path& path) { return !is_header_name(path.filename().u16string()); }

// The includes the project keeps to write them again: headers, and the scripts it does not
// take apart (".rc", ".dlg"). The resources of any other included script are read into the
// project and written with the others when it is saved, so its include goes.
bool keeps_include_line(std::u16string_view name) {
    const std::u16string extension = extension_of(name);
    return is_header_name(name) || equals_ignore_case(extension, u"rc") || equals_ignore_case(extension, u"dlg");
}

ReadFailure stopped() { return ReadFailure{{}, {}, 0, true}; }

}  // namespace

ScriptReader::ScriptReader(Workspace& workspace, ScriptTables& tables)
    : workspace_(workspace),
      tables_{tables.macros, tables.virtual_keys, [&workspace](std::u16string_view name, std::uint32_t value) {
                  workspace.language_macros().note_definition(name, value);
              }},
      missing_include_fails_(tables.missing_include_fails),
      script_tables_(&tables) {}

ReadStatus ScriptReader::read_script(const fs::path& path, const StatementReader& statements) {
    const Config& config = workspace_.config();
    search_list_.clear();
    for (const auto& folder : config.run_include_folders) search_list_.push_back(included_name_to_path(folder));
    for (auto& folder : build_include_search_list(config.include_paths, workspace_.platform().executable_folder())) {
        search_list_.push_back(std::move(folder));
    }
    tables_.macros.clear();
    if (script_tables_ != nullptr) script_tables_->files_read.clear();
    predefine();
    // Symbols named after macros of system headers are never written to the project's header.
    SymbolTable& symbols = workspace_.symbols();
    symbols.reset();
    symbols.set_system_name_lookup([&macros = tables_.macros](std::u16string_view name) {
        return macros.is_system(name);
    });
    include_lines_.clear();
    loaded_.clear();
    located_.clear();
    files_read_ = 0;
    include_depth_ = 0;
    includer_folders_.clear();
    includer_keys_.clear();
    found_by_search_ = false;
    script_folder_ = current_folder_ = path.parent_path();
    statements_ = &statements;
    output_ = nullptr;
    output_files_.clear();
    project_headers_.clear();

    ReadStatus status = read_file(Located{path, false}, true);
    loaded_.clear();
    located_.clear();
    statements_ = nullptr;
    return status;
}

void ScriptReader::predefine() {
    MacroTable& macros = tables_.macros;
    const std::uint32_t no_file = macros.add_file_name(u"");
    // Memory flags mean nothing to the program: as empty macros they vanish from every statement.
    for (const char16_t* word : {u"PRELOAD", u"LOADONCALL", u"FIXED", u"MOVEABLE", u"DISCARDABLE", u"PURE",
                                 u"IMPURE", u"SHARED", u"NONSHARED"}) {
        macros.define_empty(word, true, no_file);
    }
    for (char16_t c = u'A'; c <= u'Z'; ++c) macros.define(std::u16string(u"VK_") + c, decimal(c), true, no_file);
    for (char16_t c = u'0'; c <= u'9'; ++c) macros.define(std::u16string(u"VK_") + c, decimal(c), true, no_file);
    macros.define_empty(u"RC_INVOKED", true, no_file);
    macros.define_empty(u"_WIN32", true, no_file);
    for (const auto& [name, value] : workspace_.config().run_definitions) {
        if (value.empty()) {
            macros.define_empty(name, true, no_file);
        } else {
            macros.define(name, value, true, no_file);
        }
    }
    if (script_tables_ != nullptr) {
        for (const auto& name : script_tables_->undefinitions) macros.undefine(name);
    }
}

std::optional<ScriptReader::Located> ScriptReader::locate(std::u16string_view name, char16_t open) const {
    const fs::path relative = included_name_to_path(name);
    if (is_absolute_name(name)) {
        std::error_code error;
        if (fs::is_regular_file(relative, error)) return Located{relative, false};
        return std::nullopt;
    }
    // Quoted names look beside the including file first, then beside the files that included
    // it, innermost first (as Microsoft's compilers do: a .rc2 finds the resource.h of the script
    // including it), unless the including file is itself a system header: its includes come from
    // the include paths only.
    if (open != u'<' && !found_by_search_) {
        if (auto found = find_file_in(current_folder_, relative)) return Located{*found, false};
        for (auto folder = includer_folders_.rbegin(); folder != includer_folders_.rend(); ++folder) {
            if (*folder == current_folder_) continue;
            if (auto found = find_file_in(*folder, relative)) return Located{*found, false};
        }
    }
    for (const auto& folder : search_list_) {
        if (auto found = find_file_in(folder, relative)) return Located{*found, true};
    }
    return std::nullopt;
}

ReadStatus ScriptReader::include_file(std::u16string_view name, char16_t open, char16_t close) {
    // The preprocessor reports failures without a file at the line of the #include.
    if (include_depth_ + 1 > max_include_depth) return ReadFailure{includes_too_deep(name), {}, 0, false};
    if (++files_read_ > max_includes) return ReadFailure{too_many_includes(name), {}, 0, false};
    // Recorded even when the file is missing, so that saving the script keeps the include.
    if (include_depth_ == 0 && keeps_include_line(name)) include_lines_.push_back(open + std::u16string(name) + close);

    std::u16string key = current_folder_.u16string();
    if (!includer_keys_.empty()) key += includer_keys_.back();
    key += found_by_search_ ? u"\n1" : u"\n0";
    key += open;
    key += name;
    auto cached = located_.find(key);
    if (cached == located_.end()) cached = located_.emplace(std::move(key), locate(name, open)).first;
    const std::optional<Located>& located = cached->second;
    if (!located) {
        if (equals_ignore_case(included_name_to_path(name).filename().u16string(), u"sal.h")) return ReadStatus{};
        // Without anyone to ask, going on would read the script without its definitions and
        // fail later with a misleading message, or succeed with wrong values.
        // Inside a system header a missing file is the compiler's own (mm_malloc.h): passed over.
        if (missing_include_fails_ && !workspace_.interactive() && !found_by_search_) {
            return ReadFailure{include_not_found(name), {}, 0, false};
        }
        const Answer answer = workspace_.ask(std::u16string(name) + workspace_.text(str::include_not_found_continue),
                                           AskButtons::yes_no, AskIcon::question);
        // Only an explicit No stops; a suppressed question goes on without the file.
        if (answer == Answer::no) return stopped();
        return ReadStatus{};
    }
    return read_file(*located, false);
}

// Most scripts and headers are plain ASCII: such a file is widened as it is read instead of being
// read whole, inspected and decoded.
Result<std::u16string> ScriptReader::decode(const fs::path& path) {
    auto plain = read_plain_ascii_file(path);
    if (!plain) return Error{plain.error()};
    if (*plain) return std::move(**plain);
    auto bytes = read_file_bytes(path);
    if (!bytes) return Error{bytes.error()};
    return decode_text(*bytes, [this](std::string_view ansi) { return workspace_.platform().ansi_to_text(ansi); }).text;
}

ReadStatus ScriptReader::load(const fs::path& path, bool top_level, std::shared_ptr<const LoadedText>& loaded) {
    const std::u16string key = path.lexically_normal().u16string();
    if (auto it = loaded_.find(key); it != loaded_.end()) {
        loaded = it->second;
        return ReadStatus{};
    }
    while (true) {
        auto decoded = decode(path);
        if (decoded) {
            auto text = std::make_shared<LoadedText>();
            text->text = std::move(*decoded);
            text->comment_open_at_end = !remove_comments(text->text);
            text->last_line = 1 + static_cast<int>(std::count(text->text.begin(), text->text.end(), u'\n'));
            loaded = text;
            loaded_.emplace(key, std::move(text));
            if (script_tables_ != nullptr) script_tables_->files_read.push_back(path);
            return ReadStatus{};
        }
        // The opened script can be retried or given up; an included file can also be skipped.
        // The seam offers Retry and Cancel only: a suppressed question (answered with nothing)
        // skips an included file and gives up the opened one.
        const Answer answer = workspace_.ask(decoded.error(), AskButtons::retry_cancel, AskIcon::error);
        if (answer == Answer::retry) continue;
        if (answer == Answer::cancel || top_level) return stopped();
        return ReadStatus{};
    }
}

ReadStatus ScriptReader::read_file(const Located& file, bool top_level) {
    std::shared_ptr<const LoadedText> loaded;
    if (ReadStatus status = load(file.path, top_level, loaded); !status) return status;
    if (!loaded) return ReadStatus{};
    if (loaded->comment_open_at_end) {
        return ReadFailure{workspace_.text(str::end_of_file), file.path, loaded->last_line, false};
    }

    const fs::path saved_folder = current_folder_;
    const bool saved_found_by_search = found_by_search_;
    current_folder_ = file.path.parent_path();
    found_by_search_ = file.found_by_search;
    if (!top_level) {
        ++include_depth_;
        includer_folders_.push_back(saved_folder);
        // What the includers add to the search, for the cache of located names: each folder once.
        std::u16string key = includer_keys_.empty() ? std::u16string() : includer_keys_.back();
        const std::u16string entry = u'\n' + saved_folder.u16string() + u'\n';
        if (key.find(entry) == std::u16string::npos) key += entry;
        includer_keys_.push_back(std::move(key));
    }

    Preprocessor::FileContext context{file.path, file.found_by_search,
                                      tables_.macros.add_file_name(file.path.u16string())};
    Preprocessor preprocessor(tables_, workspace_.strings(), [this](std::u16string_view name, char16_t open, char16_t close) {
        return include_file(name, open, close);
    });
    ReadStatus status;
    if (is_script_file(file.path) && output_ != nullptr) {
        // A script included by a script is read where its #include stands: a LANGUAGE in force
        // there reaches its resources, and an #include inside a statement continues it.
        context.source_file = static_cast<std::uint32_t>(output_files_.size());
        output_files_.push_back(file.path);
        PreprocessedOutput& output = *output_;
        status = preprocessor.preprocess(loaded->text, context, &output);
        if (!output.text.empty() && output.text.back() != u'\n') output.text.push_back(u'\n');
    } else if (is_script_file(file.path)) {
        PreprocessedOutput output;
        std::vector<fs::path> files{file.path};
        const auto saved_files = std::exchange(output_files_, std::move(files));
        output_ = &output;
        status = preprocessor.preprocess(loaded->text, context, &output);
        output_ = nullptr;
        if (top_level) {
            // Nothing includes the opened script again (and if something did, it would be read
            // anew): its text makes room for the resources the statements make.
            loaded_.erase(file.path.lexically_normal().u16string());
            loaded.reset();
        }
        if (status) status = (*statements_)(ScriptFile{file.path, output, output_files_});
        output_files_ = saved_files;
    } else {
        // A header's definitions only; a script it includes is read as a text of its own.
        if (!file.found_by_search && !saved_found_by_search &&
            std::find(project_headers_.begin(), project_headers_.end(), file.path) == project_headers_.end()) {
            project_headers_.push_back(file.path);
        }
        PreprocessedOutput* const script_output = std::exchange(output_, nullptr);
        status = preprocessor.preprocess(loaded->text, context, nullptr);
        output_ = script_output;
    }

    if (!top_level) {
        --include_depth_;
        includer_folders_.pop_back();
        includer_keys_.pop_back();
    }
    current_folder_ = saved_folder;
    found_by_search_ = saved_found_by_search;
    return status;
}

}  // namespace tavorin
