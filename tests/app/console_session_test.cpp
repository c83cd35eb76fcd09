#include "app/console_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/text.h"
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
    EXPECT_EQ(out.str(), "error: notes.txt: The file type is not supported.\n");
    EXPECT_TRUE(platform.questions.empty());
}

TEST(Conversion, UnsupportedOutputFails) {
    ScriptedPlatform platform;
    Session session(platform);
    std::ostringstream out;
    EXPECT_NE(run_conversion(session, convert_line(u"app.rc", u"app.xyz"), out), 0);
    EXPECT_EQ(out.str(), "error: app.xyz: The file type is not supported.\n");
}

TEST(Conversion, CSourceCannotBeOpened) {
    ScriptedPlatform platform;
    Session session(platform);
    std::ostringstream out;
    EXPECT_NE(run_conversion(session, convert_line(u"app.cpp", u"app.rc"), out), 0);
    EXPECT_NE(out.str().find("The file type is not supported."), std::string::npos);
}

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
