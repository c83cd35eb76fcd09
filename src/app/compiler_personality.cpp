#include "app/compiler_personality.h"

#include <filesystem>

#include "app/console_session.h"
#include "app/rc_command_line.h"
#include "app/update_check.h"
#include "app/windres_command_line.h"
#include "base/text.h"

namespace tavorin {

namespace {

std::u16string lowercase(std::u16string_view text) {
    std::u16string lower(text);
    for (auto& c : lower) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return lower;
}

CoffMachine machine_of_prefix(std::u16string_view stem) {
    if (stem.starts_with(u"i686-") || stem.starts_with(u"i586-") || stem.starts_with(u"i386-")) return CoffMachine::i386;
    if (stem.starts_with(u"aarch64-")) return CoffMachine::arm64;
    return CoffMachine::x86_64;
}

}  // namespace

std::optional<Personality> choose_personality(std::u16string_view program_path,
                                              std::span<const std::u16string> arguments) {
    // The name without its folder and, on Windows, without ".exe".
    std::u16string stem = lowercase(std::filesystem::path(std::u16string(program_path)).filename().u16string());
    if (stem.ends_with(u".exe")) stem.resize(stem.size() - 4);
    if (stem.ends_with(u"tavorin-windres")) {
        return Personality{CompilerStyle::windres, "tavorin-windres", machine_of_prefix(stem), arguments};
    }
    if (stem.ends_with(u"tavorin-rc")) return Personality{CompilerStyle::rc, "tavorin-rc", CoffMachine::x86_64, arguments};
    if (arguments.empty()) return std::nullopt;
    if (arguments[0] == u"windres") {
        return Personality{CompilerStyle::windres, "tavorin-windres", CoffMachine::x86_64, arguments.subspan(1)};
    }
    if (arguments[0] == u"rc") return Personality{CompilerStyle::rc, "tavorin-rc", CoffMachine::x86_64, arguments.subspan(1)};
    return std::nullopt;
}

int run_personality(const Personality& personality, ConsoleRun& run, std::ostream& out, std::ostream& errors) {
    const bool windres = personality.style == CompilerStyle::windres;
    const auto parsed = windres ? parse_windres_command_line(personality.arguments, personality.machine)
                                : parse_rc_command_line(personality.arguments);
    if (!parsed) {
        errors << personality.program << ": error: " << text_to_utf8(parsed.error()) << '\n';
        errors << "Try '" << personality.program << (windres ? " --help'" : " /?'") << " for the options.\n";
        return 1;
    }
    switch (parsed->action) {
        case ResourceCompilation::Action::help:
            out << (windres ? windres_usage(personality.program) : rc_usage(personality.program));
            return 0;
        case ResourceCompilation::Action::version:
            out << personality.program << " (Tavorin) " << running_version << '\n';
            return 0;
        case ResourceCompilation::Action::compile: break;
    }
    return run_resource_compilation(run, *parsed, personality.style, personality.program, errors);
}

}  // namespace tavorin
