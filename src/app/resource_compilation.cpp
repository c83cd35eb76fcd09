#include "app/resource_compilation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/console_session.h"
#include "app/project_files.h"
#include "base/file_io.h"
#include "base/file_kind.h"
#include "base/text.h"
#include "formats/compiled_record.h"
#include "formats/header_name.h"
#include "formats/res_file.h"
#include "resources/image/file_resource.h"
#include "resources/image/resource_file_path.h"
#include "script/open_script.h"

namespace tavorin {

namespace fs = std::filesystem;

std::optional<ResourceFormat> format_of_name(std::u16string_view name) {
    const std::size_t dot = name.rfind(u'.');
    const std::size_t separator = name.find_last_of(u"/\\");
    if (dot == std::u16string_view::npos || (separator != std::u16string_view::npos && dot < separator)) {
        return std::nullopt;
    }
    const std::u16string_view extension = name.substr(dot + 1);
    if (equals_ignore_case(extension, u"rc") || equals_ignore_case(extension, u"dlg")) return ResourceFormat::script;
    if (equals_ignore_case(extension, u"res")) return ResourceFormat::res;
    if (equals_ignore_case(extension, u"o") || equals_ignore_case(extension, u"obj")) return ResourceFormat::coff;
    return std::nullopt;
}

std::optional<ResourceFormat> parse_format_name(std::u16string_view name) {
    if (equals_ignore_case(name, u"rc")) return ResourceFormat::script;
    if (equals_ignore_case(name, u"res")) return ResourceFormat::res;
    if (equals_ignore_case(name, u"coff")) return ResourceFormat::coff;
    return std::nullopt;
}

std::optional<std::uint32_t> parse_option_number(std::u16string_view text, int base) {
    if ((base == 16 || base == 0) && (text.starts_with(u"0x") || text.starts_with(u"0X"))) {
        text.remove_prefix(2);
        base = 16;
    }
    if (base == 0) base = 10;
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (const char16_t c : text) {
        int digit = 0;
        if (c >= u'0' && c <= u'9') digit = c - u'0';
        else if (c >= u'a' && c <= u'f') digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F') digit = c - u'A' + 10;
        else return std::nullopt;
        if (digit >= base) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

CommandLine::Definition parse_definition(std::u16string_view text) {
    const std::size_t equals = text.find(u'=');
    if (equals == std::u16string_view::npos) return {std::u16string(text), {}};
    return {std::u16string(text.substr(0, equals)), std::u16string(text.substr(equals + 1))};
}

bool is_supported_code_page(std::uint32_t code_page) { return code_page == 1252 || code_page == 65001; }

namespace {

std::optional<std::u16string> environment_variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return utf8_to_text(value);
}

// A name for make: blanks and '#' escaped with a backslash, '$' doubled.
std::string make_quoted(std::u16string_view name) {
    std::string quoted;
    for (const char c : text_to_utf8(name)) {
        if (c == ' ' || c == '\t' || c == '#') quoted += '\\';
        if (c == '$') quoted += '$';
        quoted += c;
    }
    return quoted;
}

std::u16string with_extension(std::u16string_view name, std::u16string_view extension) {
    fs::path path{std::u16string(name)};
    path.replace_extension(fs::path(std::u16string(extension)));
    return path.u16string();
}

class Compilation {
public:
    Compilation(ConsoleRun& run, const ResourceCompilation& request, CompilerStyle style, std::string_view program,
                std::ostream& out)
        : run_(run), session_(run.session), request_(request), style_(style), program_(program), out_(out) {}

    int run() {
        prepare_session();
        const bool done = compile();
        report();
        return done ? 0 : 1;
    }

private:
    void prepare_session() {
        session_.set_interactive(false);
        Config& config = session_.config();
        if (auto config_file = console_config_file(run_.platform.executable_folder())) {
            AppPaths paths = AppPaths::beside(config_file->parent_path());
            read_config(session_, paths, session_.config_sections());
        } else {
            // Resources without a LANGUAGE statement get the system's language, as compilers give.
            config.default_language = run_.platform.default_language_id();
        }
        if (request_.language) config.default_language = *request_.language;
        std::optional<std::u16string> include_variable;
        if (!request_.ignore_include_variable) include_variable = environment_variable("INCLUDE");
        config.run_include_folders = run_include_folders(
            IncludeSources{request_.include_folders, include_variable, config.include_paths, mingw_include_folder()});
        config.run_definitions.clear();
        for (const auto& definition : request_.definitions) {
            config.run_definitions.emplace_back(definition.name, definition.value);
        }
        run_.tables.script.undefinitions = request_.undefinitions;
    }

    bool failed() const { return session_.log().errors() != errors_before_; }

    void verbose(std::string_view what, const fs::path& file) {
        if (request_.verbose) out_ << program_ << ": " << what << ' ' << text_to_utf8(display_path(file)) << '\n';
    }

    static ResourceFormat sniffed_format(std::span<const std::uint8_t> head) {
        const auto empty = empty_res_record();
        if (head.size() >= empty.size() && std::equal(empty.begin(), empty.end(), head.begin())) return ResourceFormat::res;
        if (looks_like_coff_object(head)) return ResourceFormat::coff;
        return ResourceFormat::script;
    }

    ResourceFormat output_format() const {
        if (request_.output_format) return *request_.output_format;
        // Any name but a script's or a .res file's gets an object, as windres decides.
        return format_of_name(output_name()).value_or(ResourceFormat::coff);
    }

    std::u16string output_name() const {
        return request_.output.empty() ? with_extension(request_.input, u".res") : request_.output;
    }

    bool compile() {
        errors_before_ = session_.log().errors();
        const fs::path input{request_.input};
        const fs::path output{output_name()};
        std::vector<std::uint8_t> compiled_input;
        ResourceFormat format = ResourceFormat::script;
        {
            std::error_code error;
            if (!fs::is_regular_file(input, error)) {
                session_.log().error(display_path(input) + u": " + (fs::exists(input, error) ? u"not a file" : u"no such file"));
                return false;
            }
        }
        // Compiled input is read whole; a script goes to the script reader. Without an option or
        // a telling name, the content decides.
        std::optional<ResourceFormat> known = request_.input_format;
        if (!known) known = format_of_name(request_.input);
        if (known != ResourceFormat::script) {
            auto bytes = read_file_bytes(input);
            if (!bytes) {
                session_.log().error(bytes.error());
                return false;
            }
            compiled_input = std::move(*bytes);
        }
        format = known ? *known : sniffed_format(compiled_input);
        verbose("reading", input);
        if (format == ResourceFormat::script) {
            if (!read_script(input)) return false;
            note_resource_files(input);
        } else if (format == ResourceFormat::coff) {
            auto res = res_from_coff_object(compiled_input, display_path(input));
            if (!res) {
                session_.log().error(res.error());
                return false;
            }
            compiled_input = std::move(*res);
        }
        verbose("writing", output);
        if (!write_output(format, compiled_input, input, output)) return false;
        if (request_.write_dependencies && format == ResourceFormat::script) return write_dependency_file(output);
        return true;
    }

    bool read_script(const fs::path& input) {
        ReadingTables& tables = run_.tables;
        tables.script.missing_include_fails = true;
        std::error_code error;
        const fs::path absolute = fs::absolute(input, error);
        const ReadStatus status = open_script(session_.workspace(), tables.script, tables.image_numbers, absolute);
        if (!status) {
            if (!status.failure().stopped_by_user) read_failure_ = status.failure();
            return false;
        }
        return !failed();
    }

    // The files the resources name, while they still name them (a compiled output reads them in).
    void note_resource_files(const fs::path& input) {
        std::error_code error;
        const fs::path script_folder = fs::absolute(input, error).parent_path();
        for (const auto& resource : session_.project().resources()) {
            const auto* file_based = dynamic_cast<const FileResource*>(resource.get());
            if (file_based == nullptr || file_based->content_file().empty()) continue;
            resource_files_.push_back(resolve_resource_path(file_based->content_file(), script_folder));
        }
    }

    // The project of a compiled input, for writing it as a script.
    bool read_compiled(std::span<const std::uint8_t> res, const fs::path& input) {
        ReadingTables& tables = run_.tables;
        const CompiledImportTables compiled{tables.image_numbers, tables.script.virtual_keys};
        const Status read = read_res_data(session_.workspace(), res, compiled, display_path(input));
        return read && !failed();
    }

    bool write_output(ResourceFormat input_format, std::span<const std::uint8_t> compiled_input, const fs::path& input,
                      const fs::path& output) {
        const ResourceFormat format = output_format();
        if (format == ResourceFormat::script) {
            if (input_format != ResourceFormat::script && !read_compiled(compiled_input, input)) return false;
            return write_script(input, output);
        }
        std::vector<std::uint8_t> res;
        if (input_format == ResourceFormat::script) {
            std::error_code error;
            load_file_contents(session_, fs::absolute(input, error).parent_path());
            res = res_file_bytes(session_.workspace());
            if (failed()) return false;
            compiled_input = res;
        }
        if (format == ResourceFormat::res) return written(write_file_atomically(output, compiled_input));
        auto records = split_res_records(compiled_input, display_path(input));
        if (!records) {
            session_.log().error(records.error());
            return false;
        }
        auto object = write_coff_resource_object(*records, request_.machine, display_path(input));
        if (!object) {
            session_.log().error(object.error());
            return false;
        }
        return written(write_file_atomically(output, *object));
    }

    bool written(const Status& status) {
        if (!status) session_.log().error(status.error());
        return status.ok();
    }

    bool write_script(const fs::path& input, const fs::path& output) {
        std::error_code error;
        ProjectWrite write;
        write.target = fs::absolute(output, error);
        write.header_name = expand_header_name(session_.config().header_name, write.target.u16string());
        write.as_new = true;
        write.opened_path = fs::absolute(input, error);
        write.opened_kind = file_kind_of(display_path(input));
        write.content_folder = write.opened_path.parent_path();
        const WriteOutcome outcome = write_project_file(session_, write);
        return outcome == WriteOutcome::written && !failed();
    }

    // "TARGET: PREREQUISITE ..." with every file the script read and every file its resources
    // name, as a C preprocessor writes it for -MD, so that make and Ninja rebuild the output when
    // any of them changes.
    bool write_dependency_file(const fs::path& output) {
        std::vector<fs::path> files = run_.tables.script.files_read;
        files.insert(files.end(), resource_files_.begin(), resource_files_.end());
        std::vector<std::string> prerequisites;
        for (const auto& file : files) {
            std::string name = make_quoted(shown_name(file));
            if (std::find(prerequisites.begin(), prerequisites.end(), name) == prerequisites.end()) {
                prerequisites.push_back(std::move(name));
            }
        }
        std::string targets;
        for (const auto& target : request_.dependency_targets) targets += (targets.empty() ? "" : " ") + make_quoted(target);
        for (const auto& target : request_.raw_dependency_targets) targets += (targets.empty() ? "" : " ") + text_to_utf8(target);
        if (targets.empty()) targets = make_quoted(output.u16string());
        std::string text = targets + ":";
        for (const auto& prerequisite : prerequisites) text += " \\\n " + prerequisite;
        text += '\n';
        if (request_.phony_dependencies) {
            for (std::size_t i = 1; i < prerequisites.size(); ++i) text += '\n' + prerequisites[i] + ":\n";
        }
        const fs::path file = request_.dependency_file.empty() ? fs::path(with_extension(output.u16string(), u".d"))
                                                               : fs::path(request_.dependency_file);
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        return written(write_file_atomically(file, bytes));
    }

    // Files inside the working folder as relative names, the way the build named them.
    static std::u16string shown_name(const fs::path& file) {
        std::error_code error;
        const fs::path relative = fs::relative(file, fs::current_path(error), error);
        if (!error && !relative.empty() && *relative.begin() != "..") return relative.generic_u16string();
        return file.lexically_normal().generic_u16string();
    }

    void report() {
        const std::u16string located_report =
            read_failure_ ? fold_line_breaks(error_report_text(session_.workspace(), *read_failure_)) : std::u16string();
        for (const auto& entry : session_.log().entries()) {
            if (entry.level == LogLevel::information) continue;
            if (entry.level == LogLevel::error && read_failure_ && entry.text == located_report) {
                const std::string file = text_to_utf8(shown_name(read_failure_->file));
                if (style_ == CompilerStyle::rc) {
                    out_ << file << '(' << read_failure_->line << "): error: ";
                } else {
                    out_ << file << ':' << read_failure_->line << ": error: ";
                }
                out_ << text_to_utf8(read_failure_->message) << '\n';
                continue;
            }
            out_ << program_ << (entry.level == LogLevel::error ? ": error: " : ": warning: ")
                 << text_to_utf8(entry.text) << '\n';
        }
    }

    ConsoleRun& run_;
    Session& session_;
    const ResourceCompilation& request_;
    CompilerStyle style_;
    std::string program_;
    std::ostream& out_;
    int errors_before_ = 0;
    std::optional<ReadFailure> read_failure_;
    std::vector<fs::path> resource_files_;
};

}  // namespace

int run_resource_compilation(ConsoleRun& run, const ResourceCompilation& compilation, CompilerStyle style,
                             std::string_view program, std::ostream& out) {
    return Compilation(run, compilation, style, program, out).run();
}

}  // namespace tavorin
