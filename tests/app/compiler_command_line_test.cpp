#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/compiler_personality.h"
#include "app/rc_command_line.h"
#include "app/windres_command_line.h"
#include "base/text.h"

namespace tavorin {
namespace {

using Args = std::vector<std::u16string>;
using Expect = std::function<void(ResourceCompilation&)>;

// One command line: what it parses to (changes to a compilation of a.rc into a.o, or of app.rc
// for rc), or the error it gives.
struct Case {
    Args arguments;
    Expect expected;
    std::u16string error = {};
};

void check(const Case& c, const Result<ResourceCompilation>& parsed, const ResourceCompilation& base) {
    const std::string line = text_to_utf8([&] {
        std::u16string joined;
        for (const auto& argument : c.arguments) joined += argument + u" ";
        return joined;
    }());
    if (!c.error.empty()) {
        ASSERT_FALSE(parsed) << line;
        EXPECT_EQ(text_to_utf8(parsed.error()), text_to_utf8(c.error)) << line;
        return;
    }
    ASSERT_TRUE(parsed) << line << ": " << text_to_utf8(parsed.error());
    ResourceCompilation expected = base;
    c.expected(expected);
    EXPECT_TRUE(*parsed == expected) << line;
}

Expect files(std::u16string input, std::u16string output, Expect more = [](ResourceCompilation&) {}) {
    return [=](ResourceCompilation& c) {
        c.input = input;
        c.output = output;
        more(c);
    };
}

TEST(WindresCommandLine, AcceptedAndRefusedForms) {
    using Action = ResourceCompilation::Action;
    const auto dependencies = [](ResourceCompilation& c) {
        c.write_dependencies = true;
        c.dependency_targets = {u"a.o"};
        c.dependency_file = u"a.d";
    };
    const std::vector<Case> cases = {
        {{u"-i", u"a.rc", u"-o", u"a.o"}, files(u"a.rc", u"a.o")},
        {{u"a.rc", u"a.o"}, files(u"a.rc", u"a.o")},
        {{u"-ia.rc", u"-oa.o"}, files(u"a.rc", u"a.o")},
        {{u"--input=a.rc", u"--output", u"a.o"}, files(u"a.rc", u"a.o")},
        // A unique prefix of a long name stands for it.
        {{u"--inp=a.rc", u"--out=a.o"}, {}, u"option '--inp' is ambiguous"},
        {{u"--input=a.rc", u"--output=a.o", u"--verb", u"--lang=407"}, files(u"a.rc", u"a.o", [](auto& c) {
             c.verbose = true;
             c.language = 0x407;
         })},
        {{u"-o", u"a.o", u"a.rc"}, files(u"a.rc", u"a.o")},
        {{u"-O", u"coff", u"-J", u"rc", u"a.rc", u"a.o"}, files(u"a.rc", u"a.o", [](auto& c) {
             c.output_format = ResourceFormat::coff;
             c.input_format = ResourceFormat::script;
         })},
        {{u"--output-format=res", u"--input-format=COFF", u"a.rc", u"a.o"}, files(u"a.rc", u"a.o", [](auto& c) {
             c.output_format = ResourceFormat::res;
             c.input_format = ResourceFormat::coff;
         })},
        {{u"-I", u"inc", u"--include-dir=sdk", u"-Ilocal", u"--include-dir", u"dir with blanks", u"a.rc", u"a.o"},
         files(u"a.rc", u"a.o", [](auto& c) { c.include_folders = {u"inc", u"sdk", u"local", u"dir with blanks"}; })},
        {{u"-DA=1", u"--define", u"B", u"-D", u"C=x=y", u"-U", u"D", u"--undefine=E", u"a.rc", u"a.o"},
         files(u"a.rc", u"a.o", [](auto& c) {
             c.definitions = {{u"A", u"1"}, {u"B", u""}, {u"C", u"x=y"}};
             c.undefinitions = {u"D", u"E"};
         })},
        {{u"-c", u"65001", u"--language=0x407", u"a.rc", u"a.o"}, files(u"a.rc", u"a.o", [](auto& c) {
             c.code_page = 65001;
             c.language = 0x407;
         })},
        {{u"-l", u"409", u"--codepage=0x4e4", u"a.rc", u"a.o"}, files(u"a.rc", u"a.o", [](auto& c) {
             c.language = 0x409;
             c.code_page = 1252;
         })},
        {{u"-F", u"pe-i386", u"a.rc", u"a.o"}, files(u"a.rc", u"a.o", [](auto& c) { c.machine = CoffMachine::i386; })},
        {{u"--target=pei-aarch64-little", u"a.rc", u"a.o"},
         files(u"a.rc", u"a.o", [](auto& c) { c.machine = CoffMachine::arm64; })},
        {{u"-Fpe-i386", u"--target", u"pei-x86-64", u"a.rc", u"a.o"}, files(u"a.rc", u"a.o")},
        // The forms CMake, Meson and hand-written makefiles pass for a dependency file.
        {{u"--preprocessor=x86_64-w64-mingw32-gcc", u"--preprocessor-arg=-MD", u"--preprocessor-arg=-MQ",
          u"--preprocessor-arg=a.o", u"--preprocessor-arg=-MF", u"--preprocessor-arg=a.d", u"a.rc", u"a.o"},
         files(u"a.rc", u"a.o", dependencies)},
        {{u"--preprocessor-arg", u"-MD", u"--preprocessor-arg=-MQa.o", u"--preprocessor-arg=-MFa.d", u"a.rc", u"a.o"},
         files(u"a.rc", u"a.o", dependencies)},
        {{u"--preprocessor-arg=-MMD", u"--preprocessor-arg=-MTall", u"--preprocessor-arg=-MP", u"a.rc", u"a.o"},
         files(u"a.rc", u"a.o", [](auto& c) {
             c.write_dependencies = true;
             c.raw_dependency_targets = {u"all"};
             c.phony_dependencies = true;
         })},
        {{u"--use-temp-file", u"--no-use-temp-file", u"-r", u"-v", u"a.rc", u"a.o"},
         files(u"a.rc", u"a.o", [](auto& c) { c.verbose = true; })},
        {{u"--", u"-odd.rc", u"a.o"}, files(u"-odd.rc", u"a.o")},
        {{u"--help"}, [](auto& c) { c.action = Action::help; }},
        {{u"-h"}, [](auto& c) { c.action = Action::help; }},
        {{u"-V"}, [](auto& c) { c.action = Action::version; }},
        {{u"--version"}, [](auto& c) { c.action = Action::version; }},

        {{u"--bogus", u"a.rc", u"a.o"}, {}, u"unrecognized option '--bogus'"},
        {{u"-x", u"a.rc", u"a.o"}, {}, u"invalid option -- 'x'"},
        {{u"-vr", u"a.rc", u"a.o"}, {}, u"invalid option '-vr'"},
        {{u"a.rc", u"-o"}, {}, u"option requires an argument -- 'o'"},
        {{u"a.rc", u"--output"}, {}, u"option '--output' requires an argument"},
        {{u"--verbose=yes", u"a.rc", u"a.o"}, {}, u"option '--verbose' doesn't allow an argument"},
        {{u"-O", u"elf", u"a.rc", u"a.o"}, {}, u"unknown format type 'elf' (rc, res or coff)"},
        {{u"-F", u"elf64-x86-64", u"a.rc", u"a.o"}, {},
         u"unsupported target 'elf64-x86-64' (pe-x86-64, pe-i386 or pe-aarch64-little)"},
        {{u"--preprocessor-arg=-DWIN32", u"a.rc", u"a.o"}, {},
         u"--preprocessor-arg '-DWIN32' is not supported: scripts are preprocessed by tavorin itself, which takes "
         u"only -MD, -MMD, -MF, -MQ, -MT and -MP"},
        {{u"a.rc", u"a.o", u"--preprocessor-arg=-MF"}, {}, u"--preprocessor-arg '-MF' needs a value"},
        {{u"-c", u"932", u"a.rc", u"a.o"}, {}, u"code page 932 is not supported (1252 and 65001 are)"},
        {{u"-c", u"utf8", u"a.rc", u"a.o"}, {}, u"-c: bad code page 'utf8'"},
        {{u"-l", u"10000", u"a.rc", u"a.o"}, {}, u"-l: bad language '10000'"},
        {{u"--language=en", u"a.rc", u"a.o"}, {}, u"--language: bad language 'en'"},
        {{u"a.rc", u"a.o", u"b.o"}, {}, u"too many file names: 'b.o'"},
        {{u"a.rc"}, {}, u"no output file"},
        {{}, {}, u"no input file"},
    };
    ResourceCompilation base;
    for (const auto& c : cases) check(c, parse_windres_command_line(c.arguments, CoffMachine::x86_64), base);
}

TEST(RcCommandLine, AcceptedAndRefusedForms) {
    using Action = ResourceCompilation::Action;
    const auto script = [](Expect more = [](ResourceCompilation&) {}) {
        return [=](ResourceCompilation& c) {
            c.input = u"app.rc";
            more(c);
        };
    };
    const auto output = [&](std::u16string name) { return script([=](auto& c) { c.output = name; }); };
    const std::vector<Case> cases = {
        {{u"app.rc"}, script()},
        {{u"/fo", u"x.res", u"app.rc"}, output(u"x.res")},
        {{u"/fox.res", u"app.rc"}, output(u"x.res")},
        {{u"app.rc", u"-FO", u"x.res"}, output(u"x.res")},
        {{u"/Fo", u"out dir/x.res", u"app.rc"}, output(u"out dir/x.res")},
        {{u"/i", u"inc", u"-I", u"sdk", u"/Iother", u"-imore", u"app.rc"},
         script([](auto& c) { c.include_folders = {u"inc", u"sdk", u"other", u"more"}; })},
        {{u"/d", u"A=1", u"-dB", u"/DC=x=y", u"/u", u"D", u"-UE", u"app.rc"}, script([](auto& c) {
             c.definitions = {{u"A", u"1"}, {u"B", u""}, {u"C", u"x=y"}};
             c.undefinitions = {u"D", u"E"};
         })},
        {{u"/l", u"409", u"app.rc"}, script([](auto& c) { c.language = 0x409; })},
        {{u"/L0x407", u"/c1252", u"app.rc"}, script([](auto& c) {
             c.language = 0x407;
             c.code_page = 1252;
         })},
        {{u"-c", u"65001", u"app.rc"}, script([](auto& c) { c.code_page = 65001; })},
        {{u"/nologo", u"/R", u"/v", u"-x", u"app.rc"}, script([](auto& c) {
             c.verbose = true;
             c.ignore_include_variable = true;
         })},
        {{u"/?"}, [](auto& c) { c.action = Action::help; }},
        {{u"-H"}, [](auto& c) { c.action = Action::help; }},
#ifndef _WIN32
        // Paths from the root are not options.
        {{u"/tmp/app.rc"}, [](auto& c) { c.input = u"/tmp/app.rc"; }},
        {{u"/fo/tmp/x.res", u"app.rc"}, output(u"/tmp/x.res")},
#endif

        {{u"/bogus", u"app.rc"}, {}, u"unknown option '/bogus'"},
        {{u"/n", u"app.rc"}, {}, u"/n: string table strings with a terminating zero are not supported"},
        {{u"app.rc", u"other.rc"}, {}, u"only one script may be compiled at a time: 'other.rc'"},
        {{u"app.rc", u"/fo"}, {}, u"/fo needs a value"},
        {{u"/l", u"12345", u"app.rc"}, {}, u"/l: bad language '12345'"},
        {{u"/c", u"932", u"app.rc"}, {}, u"code page 932 is not supported (1252 and 65001 are)"},
        {{u"/c", u"0x4e4", u"app.rc"}, {}, u"/c: bad code page '0x4e4'"},
        {{u"/v"}, {}, u"no input file"},
    };
    ResourceCompilation base;
    base.output_format = ResourceFormat::res;
    for (const auto& c : cases) check(c, parse_rc_command_line(c.arguments), base);
}

TEST(CompilerPersonality, ChosenByProgramNameOrFirstArgument) {
    const Args arguments{u"windres", u"a.rc"};
    struct Expected {
        std::u16string program;
        std::optional<CompilerStyle> style;
        CoffMachine machine = CoffMachine::x86_64;
        std::size_t arguments = 2;
    };
    const std::vector<Expected> cases = {
        {u"/usr/bin/tavorin-windres", CompilerStyle::windres},
        {u"x86_64-w64-mingw32-tavorin-windres", CompilerStyle::windres},
        {u"i686-w64-mingw32-tavorin-windres", CompilerStyle::windres, CoffMachine::i386},
        {u"aarch64-w64-mingw32-tavorin-windres", CompilerStyle::windres, CoffMachine::arm64},
        {u"C:\\tools\\TAVORIN-RC.EXE", CompilerStyle::rc},
        {u"build/tavorin-rc", CompilerStyle::rc},
        // The program's own name: the first argument decides, and is no longer an argument.
        {u"/usr/bin/tavorin", CompilerStyle::windres, CoffMachine::x86_64, 1},
    };
    for (const auto& c : cases) {
        const auto personality = choose_personality(c.program, arguments);
        ASSERT_TRUE(personality) << text_to_utf8(c.program);
        EXPECT_EQ(personality->style, *c.style) << text_to_utf8(c.program);
        EXPECT_EQ(personality->machine, c.machine) << text_to_utf8(c.program);
        EXPECT_EQ(personality->arguments.size(), c.arguments) << text_to_utf8(c.program);
    }
    EXPECT_EQ(choose_personality(u"tavorin", Args{u"rc", u"app.rc"})->style, CompilerStyle::rc);
    EXPECT_FALSE(choose_personality(u"tavorin", Args{u"-convert", u"a.rc", u"a.res"}));
    EXPECT_FALSE(choose_personality(u"tavorin", Args{}));
    EXPECT_FALSE(choose_personality(u"windres", Args{u"a.rc"}));
}

}  // namespace
}  // namespace tavorin
