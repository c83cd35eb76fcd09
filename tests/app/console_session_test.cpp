#include "app/console_session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/file_io.h"
#include "base/text.h"
#include "config_temp_folder.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

CommandLine convert_line(std::u16string input, std::u16string output) {
    CommandLine line;
    line.mode = CommandLine::Mode::convert;
    line.convert_input = std::move(input);
    line.convert_output = std::move(output);
    return line;
}

TEST(Conversion, UnsupportedInputFailsWithTheMessageOnTheStream) {
    ScriptedPlatform platform;
    Session session(platform);
    std::ostringstream out;
    EXPECT_NE(run_conversion(session, convert_line(u"notes.txt", u"out.rc"), out), 0);
    EXPECT_EQ(out.str(), "tavorin: error: notes.txt: The file type is not supported.\n");
    EXPECT_TRUE(platform.questions.empty());
}

TEST(Conversion, UnsupportedOutputFails) {
    ScriptedPlatform platform;
    Session session(platform);
    std::ostringstream out;
    EXPECT_NE(run_conversion(session, convert_line(u"app.rc", u"app.xyz"), out), 0);
    EXPECT_EQ(out.str(), "tavorin: error: app.xyz: The file type is not supported.\n");
}

TEST(Conversion, CSourceCannotBeOpened) {
    ScriptedPlatform platform;
    Session session(platform);
    std::ostringstream out;
    EXPECT_NE(run_conversion(session, convert_line(u"app.cpp", u"app.rc"), out), 0);
    EXPECT_NE(out.str().find("The file type is not supported."), std::string::npos);
}

TEST(Conversion, AScriptErrorIsReportedAsCompilersDo) {
    testing::ConfigTempFolder folder;
    const auto script = folder.path() / "app.rc";
    std::ofstream(script) << "#define X 1\n#include <nowhere.h>\n";
    ScriptedPlatform platform;
    Session session(platform);
    std::ostringstream out;
    EXPECT_EQ(run_conversion(session, convert_line(script.u16string(), (folder.path() / "app.res").u16string()), out), 1);
    EXPECT_EQ(out.str(), text_to_utf8(display_path(script)) + "(2): error: nowhere.h: not found in the include paths\n");
}

TEST(Conversion, IncludeFoldersInTheOrderCompilersSearchThem) {
    testing::ConfigTempFolder folder;
    const std::filesystem::path fallback = folder.path();
    const auto absolute = [](const char* name) { return std::filesystem::absolute(name).u16string(); };
    EXPECT_EQ(run_include_folders({{u"inc", u"/opt/x"}, u" /a ; ;/b;", {u"configured"}, fallback}),
              (std::vector<std::u16string>{absolute("inc"), absolute("/opt/x"), u"/a", u"/b"}))
        << "options first (relative to the working folder), then INCLUDE; no fallback";
    EXPECT_EQ(run_include_folders({{u"/opt/x"}, std::nullopt, {}, fallback}),
              (std::vector<std::u16string>{absolute("/opt/x"), fallback.u16string()}))
        << "the options' folders are the project's: the system headers still come from the fallback";
    EXPECT_EQ(run_include_folders({{}, std::nullopt, {}, fallback}), (std::vector<std::u16string>{fallback.u16string()}))
        << "with nothing else, the fallback";
    EXPECT_TRUE(run_include_folders({{}, std::nullopt, {u"configured"}, fallback}).empty())
        << "configured paths are searched by the reader, with their subfolders";
    EXPECT_TRUE(run_include_folders({{}, u"", {}, fallback / "missing"}).empty()) << "a missing fallback is left out";
}

#ifndef _WIN32
TEST(ConsoleRun, TheConfigurationIsBesideTheProgramOrInTheUsersConfigFolder) {
    testing::ConfigTempFolder folder;
    const auto program = folder.path() / "bin";
    const auto config_home = folder.path() / "config";
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(config_home / "tavorin");
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string saved_value = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", config_home.c_str(), 1);
    EXPECT_FALSE(console_config_file(program));
    std::ofstream(config_home / "tavorin" / "Tavorin.xml") << "<config/>";
    EXPECT_EQ(console_config_file(program), config_home / "tavorin" / "Tavorin.xml");
    std::ofstream(program / "Tavorin.xml") << "<config/>";
    EXPECT_EQ(console_config_file(program), program / "Tavorin.xml") << "the one beside the program comes first";
    if (saved) {
        setenv("XDG_CONFIG_HOME", saved_value.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}
#endif

TEST(Conversion, NeverAsksEvenWhenTheSessionWasInteractive) {
    ScriptedPlatform platform;
    Session session(platform);
    session.set_interactive(true);
    std::ostringstream out;
    (void)run_conversion(session, convert_line(u"a.txt", u"b.rc"), out);
    EXPECT_FALSE(session.interactive());
    EXPECT_EQ(session.ask(u"?", AskButtons::yes_no, AskIcon::question), Answer::none);
    EXPECT_TRUE(platform.questions.empty());
}

TEST(ConsoleRun, DeletesTheNamedFiles) {
    const auto path = std::filesystem::temp_directory_path() / "tavorin_delete_me.tmp";
    std::ofstream(path) << "x";
    ScriptedPlatform platform;
    Session session(platform);
    CommandLine line;
    line.files_to_delete.push_back(path.u16string());
    delete_requested_files(session, line);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(session.log().warnings(), 0);
}

TEST(Session, QuestionsAreSuppressedUntilInteractive) {
    ScriptedPlatform platform;
    platform.answers = {Answer::yes};
    Session session(platform);
    EXPECT_EQ(session.ask(u"Quit?", AskButtons::yes_no, AskIcon::question), Answer::none);
    EXPECT_TRUE(platform.questions.empty());
    session.set_interactive(true);
    EXPECT_EQ(session.ask(u"Quit?", AskButtons::yes_no, AskIcon::question), Answer::yes);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].caption, u"Tavorin");
    EXPECT_EQ(platform.questions[0].buttons, AskButtons::yes_no);
}

}  // namespace
}  // namespace tavorin
