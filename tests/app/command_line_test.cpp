#include "app/command_line.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace tavorin {
namespace {

CommandLine parse(std::vector<std::u16string> arguments) { return parse_command_line(arguments); }

TEST(CommandLine, AssociateFilesReadsTheWindowHandle) {
    auto line = parse({u"-associateFiles", u"132456"});
    EXPECT_EQ(line.mode, CommandLine::Mode::associate_files);
    EXPECT_EQ(line.associate_window, 132456);

    line = parse({u"-associateFiles"});
    EXPECT_EQ(line.mode, CommandLine::Mode::associate_files);
    EXPECT_EQ(line.associate_window, 0);
}

TEST(CommandLine, AssociateFilesCountsOnlyAsFirstArgumentAndIsCaseSensitive) {
    EXPECT_EQ(parse({u"-x", u"-associateFiles", u"5"}).mode, CommandLine::Mode::normal);
    EXPECT_EQ(parse({u"-associatefiles", u"5"}).mode, CommandLine::Mode::normal);
}

TEST(CommandLine, ConvertTakesTwoPaths) {
    auto line = parse({u"-convert", u"in.rc", u"out.res", u"ignored.rc"});
    EXPECT_EQ(line.mode, CommandLine::Mode::convert);
    EXPECT_EQ(line.convert_input, u"in.rc");
    EXPECT_EQ(line.convert_output, u"out.res");
    EXPECT_FALSE(line.file_to_open);
}

TEST(CommandLine, ConvertWithOnePathOpensNothingAndStartsNormally) {
    auto line = parse({u"-convert", u"in.rc"});
    EXPECT_EQ(line.mode, CommandLine::Mode::normal);
    EXPECT_FALSE(line.file_to_open);
}

TEST(CommandLine, DeleteTakesAPathAndTheScanGoesOn) {
    auto line = parse({u"-delete", u"old.tmp", u"-unknown", u"project.rc", u"-delete", u"never.tmp"});
    EXPECT_EQ(line.mode, CommandLine::Mode::normal);
    ASSERT_EQ(line.files_to_delete.size(), 1u);
    EXPECT_EQ(line.files_to_delete[0], u"old.tmp");
    EXPECT_EQ(line.file_to_open, u"project.rc");
}

TEST(CommandLine, IncludeFoldersDefinitionsAndHelpStandAnywhere) {
    auto line = parse({u"-I", u"inc", u"/I", u"sdk", u"-convert", u"in.rc", u"out.res", u"-Ilocal", u"-D", u"A=1",
                       u"-DB", u"/d", u"C=x=y", u"--include-dir=more"});
    EXPECT_EQ(line.mode, CommandLine::Mode::convert);
    EXPECT_EQ(line.convert_input, u"in.rc");
    EXPECT_EQ(line.convert_output, u"out.res");
    EXPECT_EQ(line.include_folders, (std::vector<std::u16string>{u"inc", u"sdk", u"local", u"more"}));
    EXPECT_EQ(line.definitions, (std::vector<CommandLine::Definition>{{u"A", u"1"}, {u"B", u"1"}, {u"C", u"x=y"}}));
    EXPECT_FALSE(line.show_help);

    for (const char16_t* help : {u"--help", u"-h", u"/?"}) EXPECT_TRUE(parse({help}).show_help);
    EXPECT_TRUE(parse({u"-convert", u"a.rc", u"b.res", u"-I"}).show_help) << "an option without its value";
    EXPECT_FALSE(command_line_usage().empty());
}

TEST(CommandLine, FaultsTheCommandLineProgramRefusesAreNamed) {
    const struct {
        std::vector<std::u16string> arguments;
        std::u16string_view refusal;
    } cases[] = {
        {{u"-convert", u"a.rc", u"b.res", u"-I"}, u"-I needs a value"},
        {{u"-convert", u"a.rc", u"b.res", u"c.res"}, u"unexpected argument: c.res"},
        {{u"-q", u"-convert", u"a.rc", u"b.res"}, u"unknown option: -q"},
        {{u"-convert", u"a.rc"}, u"-convert needs an input and an output"},
        {{u"-delete"}, u"-delete needs a value"},
        {{u"-convert", u"a.rc", u"b.res", u"-I", u"inc", u"-D", u"X"}, u""},
        {{u"-delete", u"old.tmp", u"project.rc"}, u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parse(c.arguments).refusal, c.refusal) << text_to_utf8(c.arguments.back());
    }
    EXPECT_NE(command_line_usage().find("-delete FILE"), std::string::npos);
}

TEST(CommandLine, DecimalPrefixStopsAtTheFirstOtherCharacter) {
    EXPECT_EQ(parse_decimal_prefix(u"42abc"), 42);
    EXPECT_EQ(parse_decimal_prefix(u"-17"), -17);
    EXPECT_EQ(parse_decimal_prefix(u"handle"), 0);
    EXPECT_EQ(parse_decimal_prefix(u""), 0);
}

}  // namespace
}  // namespace tavorin
