#include "app/check_command.h"

#include <cstdlib>
#include <filesystem>

#include "app/app_paths.h"
#include "app/config_file.h"
#include "app/console_session.h"
#include "app/project_files.h"
#include "app/update_check.h"
#include "base/file_io.h"
#include "base/text.h"
#include "checks/check_catalog.h"
#include "checks/finding_output.h"
#include "checks/freetype_measure.h"
#include "checks/font_files.h"
#include "checks/run_checks.h"

namespace tavorin {

namespace {

namespace fs = std::filesystem;

std::string shown_path(const fs::path& file) {
    if (file.empty()) return {};
    std::error_code error;
    const fs::path relative = fs::relative(file, fs::current_path(error), error);
    if (!error && !relative.empty() && *relative.begin() != "..") return text_to_utf8(display_path(relative));
    return text_to_utf8(display_path(file));
}

std::vector<std::u16string> split_list(std::u16string_view text) {
    std::vector<std::u16string> items;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(u','), text.size());
        if (end > 0) items.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return items;
}

// Takes the option's value, joined ("-IDIR", "--dpi=150") or in the next argument.
std::optional<std::u16string> option_value(std::span<const std::u16string> arguments, std::size_t& i,
                                           std::u16string_view joined_value) {
    if (!joined_value.empty()) return std::u16string(joined_value);
    if (i + 1 >= arguments.size()) return std::nullopt;
    return arguments[++i];
}

}  // namespace

bool is_check_command(std::span<const std::u16string> arguments) {
    return !arguments.empty() && (arguments[0] == u"-check" || arguments[0] == u"--check");
}

CheckCommand parse_check_command(std::span<const std::u16string> arguments) {
    CheckCommand command;
    std::set<std::string, std::less<>> enabled;
    const auto refuse = [&](std::u16string reason) {
        if (command.refusal.empty()) command.refusal = std::move(reason);
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::u16string& argument = arguments[i];
        std::u16string_view name = argument;
        std::u16string_view joined;
        if (argument.starts_with(u"--")) {
            if (const std::size_t equals = argument.find(u'='); equals != std::u16string::npos) {
                name = std::u16string_view(argument).substr(0, equals);
                joined = std::u16string_view(argument).substr(equals + 1);
            }
        } else if (argument.size() > 2 && (argument.starts_with(u"-I") || argument.starts_with(u"-D"))) {
            name = std::u16string_view(argument).substr(0, 2);
            joined = std::u16string_view(argument).substr(2);
        }
        const auto value = [&]() -> std::optional<std::u16string> {
            auto taken = option_value(arguments, i, joined);
            if (!taken) refuse(std::u16string(name) + u" needs a value");
            return taken;
        };
        if (name == u"--help" || name == u"-h" || name == u"-?" || name == u"/?") {
            command.show_help = true;
        } else if (name == u"-I" || name == u"/I") {
            if (auto folder = value()) command.include_folders.push_back(*folder);
        } else if (name == u"-D") {
            if (auto definition = value()) {
                const std::size_t equals = definition->find(u'=');
                command.definitions.emplace_back(definition->substr(0, equals),
                                                 equals == std::u16string::npos ? u"1" : definition->substr(equals + 1));
            }
        } else if (name == u"--werror") {
            command.warnings_are_errors = true;
        } else if (name == u"--format") {
            if (auto format = value()) {
                if (*format == u"text") {
                    command.format = CheckCommand::Format::text;
                } else if (*format == u"json") {
                    command.format = CheckCommand::Format::json;
                } else if (*format == u"sarif") {
                    command.format = CheckCommand::Format::sarif;
                } else {
                    refuse(u"unknown format: " + *format + u" (text, json or sarif)");
                }
            }
        } else if (name == u"--disable" || name == u"--enable") {
            if (auto list = value()) {
                for (const std::u16string& id : split_list(*list)) {
                    const CheckInfo* check = find_check(text_to_utf8(id));
                    if (check == nullptr) {
                        refuse(u"unknown check: " + id);
                        continue;
                    }
                    if (name == u"--disable") {
                        command.options.disabled.emplace(check->id);
                    } else {
                        enabled.emplace(check->id);
                    }
                }
            }
        } else if (name == u"--dpi") {
            if (auto list = value()) {
                command.options.scales.clear();
                for (const std::u16string& item : split_list(*list)) {
                    const auto scale = parse_typed_number(item);
                    if (!scale || *scale < 50 || *scale > 500) {
                        refuse(u"--dpi takes scales in percent from 50 to 500: " + item);
                        continue;
                    }
                    command.options.scales.push_back(static_cast<int>(*scale));
                }
            }
        } else if (name == u"--base-language") {
            if (auto language = value()) {
                const auto id = parse_typed_number(*language);
                if (!id || *id > 0xFFFF) {
                    refuse(u"--base-language takes a language id such as 0x0409: " + *language);
                } else {
                    command.options.base_language = static_cast<std::uint16_t>(*id);
                }
            }
        } else if (argument.size() > 1 && argument[0] == u'-') {
            refuse(u"unknown option: " + argument);
        } else {
            command.inputs.push_back(argument);
        }
    }
    // Naming checks to enable runs only those.
    if (!enabled.empty()) {
        for (const CheckInfo& check : all_checks()) {
            if (!enabled.contains(check.id)) command.options.disabled.emplace(check.id);
        }
    }
    if (command.inputs.empty() && !command.show_help) refuse(u"-check needs at least one input");
    return command;
}

std::string check_command_usage() {
    std::string usage =
        "usage: tavorin -check [options] INPUT...\n"
        "Checks resource scripts (.rc, .dlg), compiled resources (.res) and modules (.exe, .dll,\n"
        "and so on) and prints what it finds as compilers print diagnostics. The exit code is 0\n"
        "unless an error was found (or an input could not be read).\n"
        "\n"
        "options:\n"
        "  -I DIR              look for included files in DIR (repeatable)\n"
        "  -D NAME[=VALUE]     define a macro before a script is read\n"
        "  --format FORMAT     text (the default), json (one object per line) or sarif (SARIF 2.1.0)\n"
        "  --werror            count warnings as errors\n"
        "  --disable ID[,ID]   do not run these checks (repeatable)\n"
        "  --enable ID[,ID]    run only these checks (repeatable)\n"
        "  --dpi LIST          the scales texts are measured at, in percent (default 100,125,150,200)\n"
        "  --base-language ID  the language translations are compared with (default: the language\n"
        "                      most resources have)\n"
        "  --help              print this text\n"
        "\n"
        "checks:\n";
    for (const CheckInfo& check : all_checks()) {
        usage += "  " + std::string(check.id) + "  " + std::string(severity_name(check.severity));
        usage.append(8 - severity_name(check.severity).size(), ' ');
        usage += std::string(check.description) + "\n";
    }
    usage +=
        "\n"
        "Texts are measured with FreeType in fonts that stand for the dialog's face: Wine's Tahoma\n"
        "for MS Shell Dlg, MS Sans Serif and Tahoma, Liberation Sans for Arial, DejaVu Sans\n"
        "Condensed for Segoe UI. TAVORIN_FONT_PATH names further font folders.\n";
    return usage;
}

int run_check_command(ConsoleRun& run, const CheckCommand& command, std::ostream& out, std::ostream& errors) {
    if (!command.refusal.empty()) {
        errors << "tavorin: error: " << text_to_utf8(command.refusal) << '\n' << check_command_usage();
        return 2;
    }
    if (command.show_help) {
        out << check_command_usage();
        return 0;
    }
    Session& session = run.session;
    session.set_interactive(false);
    if (auto config_file = console_config_file(run.platform.executable_folder())) {
        AppPaths paths = AppPaths::beside(config_file->parent_path());
        read_config(session, paths, session.config_sections());
    } else {
        session.config().default_language = run.platform.default_language_id();
    }
    Config& config = session.config();
    const char* include_variable = std::getenv("INCLUDE");
    config.run_include_folders = run_include_folders(
        IncludeSources{command.include_folders,
                       include_variable ? std::optional<std::u16string>(utf8_to_text(include_variable)) : std::nullopt,
                       config.include_paths, mingw_include_folder()});
    config.run_definitions = command.definitions;

    const std::unique_ptr<FontMeasurer> measurer = make_freetype_measurer(default_font_folders());
    const PathShower show = shown_path;
    Findings all;
    bool error_found = false;
    bool input_failed = false;
    for (const std::u16string& input : command.inputs) {
        std::error_code error;
        const fs::path path = fs::absolute(fs::path(input), error);
        session.log().clear();
        session.project().clear();
        ReadingTables tables;
        tables.script.missing_include_fails = true;
        const ReadStatus status = read_project_file(session, tables, path);
        std::optional<ReadFailure> failure;
        if (!status) failure = status.failure();
        report_conversion_problems(session, failure, errors);
        if (!status) {
            if (status.failure().stopped_by_user) errors << "tavorin: error: " << shown_path(path) << ": cannot be read\n";
            input_failed = true;
            session.project().clear();
            continue;
        }
        Findings findings = run_checks(
            CheckRun{session.project(), session.symbols(), path, measurer.get(),
                     [&](std::string_view bytes) { return run.platform.ansi_to_text(bytes); }},
            command.options);
        for (Finding& finding : findings) {
            if (command.warnings_are_errors && finding.severity == Severity::warning) finding.severity = Severity::error;
            error_found = error_found || finding.severity == Severity::error;
            if (command.format == CheckCommand::Format::text) write_finding_line(out, finding, show);
            if (command.format == CheckCommand::Format::json) write_finding_json(out, finding, show);
            // The resource goes with the project; the finding keeps what the output needs.
            finding.resource = nullptr;
        }
        if (command.format == CheckCommand::Format::sarif) all.insert(all.end(), findings.begin(), findings.end());
        session.project().clear();
    }
    if (command.format == CheckCommand::Format::sarif) write_sarif(out, all, show, running_version);
    if (!measurer && command.options.disabled.count("TV2001") == 0) {
        errors << "tavorin: warning: texts were not measured: this program was built without FreeType\n";
    }
    return input_failed || error_found ? 1 : 0;
}

}  // namespace tavorin
