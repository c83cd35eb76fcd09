#pragma once
// The directive processor over one file's comment-free text: conditional sections, #define,
// #undef, #include, assembler-style "equ" definitions, and macro expansion of ordinary text.
// Scripts produce an output text with the source's line structure (every source line break
// becomes one line feed, nothing else does); headers are read for their definitions only.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "services/ui_strings.h"
#include "base/nesting_limit.h"
#include "script/expression.h"
#include "script/macro_table.h"
#include "script/position_map.h"
#include "script/source_map.h"
#include "script/read_status.h"
#include "resources/accelerator/virtual_key_names.h"

namespace tavorin {

// What a definition may add to the workspace's tables besides the macro table.
struct DefinitionTables {
    MacroTable& macros;
    VirtualKeyNames& virtual_keys;
    // Called for LANG_ names whose value has no undeclared identifier and for every SUBLANG_
    // name (the language tables name language ids by them). May be empty.
    std::function<void(std::u16string_view name, std::uint32_t value)> language_name_defined;
};

// Reads an included file (`#include` with its delimiters) and everything it includes.
using IncludeReader = std::function<ReadStatus(std::u16string_view name, char16_t open, char16_t close)>;

// A directive line of a script file: where its '#' is in the file's decoded text.
struct DirectiveMark {
    std::uint32_t file = 0;
    std::size_t offset = 0;
};

struct PreprocessedOutput {
    std::u16string text;
    PositionMap positions;
    SourceMap sources;
    std::vector<DirectiveMark> directives;
};

class Preprocessor {
public:
    // Macro expansions nested deeper than this end with an error, as do cycles.
    static constexpr int max_expansion_depth = max_nesting_depth;
    // One identifier may not expand to more than this many characters.
    static constexpr std::size_t max_expansion_size = 4u << 20;

    struct FileContext {
        std::filesystem::path path;     // for error reports
        bool system = false;            // found through the include search
        std::uint32_t file_index = 0;   // the macro table's name for the file
        std::uint32_t source_file = 0;  // the source map's name for the file
    };

    Preprocessor(DefinitionTables& tables, const UiStrings& strings, IncludeReader include_reader);

    // Processes one comment-free text; `output` is null for headers.
    ReadStatus preprocess(std::u16string_view text, const FileContext& file, PreprocessedOutput* output);

private:
    struct Section {
        bool outer_skipping = false;
        bool taken = false;    // a branch of this section was taken (or must never be)
        bool in_else = false;
        bool skipping = false;
    };

    ReadStatus fail(std::u16string message) const;
    bool skipping() const { return !sections_.empty() && sections_.back().skipping; }

    ReadStatus directive(std::u16string_view text, std::size_t hash, std::size_t line_end);
    ReadStatus conditional(std::u16string_view word, std::u16string_view rest);
    ReadStatus evaluate_condition(std::u16string_view rest, bool& value);
    bool expand_calls(std::u16string_view condition, std::u16string& out, bool& has_calls);
    ReadStatus define(std::u16string_view rest);
    void define_object(std::u16string_view name, std::u16string value);
    void note_special_name(std::u16string_view name, const std::u16string& value);
    ReadStatus include(std::u16string_view rest);
    bool equ_definition(std::u16string_view text, std::size_t pos, std::size_t& line_end);

    // Ordinary text from `pos` up to the next line feed (or, inside an expansion, the end of
    // the text), with macros expanded, appended to `out`; `pos` moves past what was read. False
    // (with error_ set) when an expansion fails.
    bool copy_ordinary(std::u16string_view text, std::size_t& pos, std::u16string& out, bool in_expansion);
    bool expand_identifier(std::u16string_view text, std::size_t& pos, std::u16string& out, bool in_expansion);
    bool expand_macro(std::u16string_view name, const MacroLookup& macros, std::u16string_view text, std::size_t& pos,
                      std::u16string& out, bool in_expansion);
    bool expand_function(std::u16string_view name, const FunctionMacro& macro, std::u16string_view text,
                         std::size_t& pos, std::u16string& out, bool in_expansion);
    bool enter_expansion(std::u16string_view name);
    bool within_size(std::u16string_view name, const std::u16string& out);
    bool set_error(std::u16string message);

    DefinitionTables& tables_;
    const UiStrings& strings_;
    IncludeReader include_reader_;
    ExpressionEvaluator evaluator_;

    // State of the text being processed.
    const FileContext* file_ = nullptr;
    PreprocessedOutput* output_ = nullptr;
    int line_ = 1;
    std::vector<Section> sections_;
    std::vector<std::u16string_view> active_macros_;  // expansions in progress, innermost last
    std::size_t expansion_start_ = 0;  // output size when the outermost expansion began
    std::size_t expansion_count_ = 0;  // expansions since then
    std::u16string error_;             // set by the expansion helpers when they fail
    bool inside_recorded_value_ = false;  // expanding a value recorded in the position map
};

}  // namespace tavorin
