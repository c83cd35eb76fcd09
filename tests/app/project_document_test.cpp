#include "app/project_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "app/new_resources.h"
#include "app/session.h"
#include "base/file_io.h"
#include "config_temp_folder.h"
#include "formats/res_file.h"
#include "platform/scripted_platform.h"
#include "resources/accelerator/accelerator_table.h"
#include "resources/stringtable/string_table.h"

namespace tavorin::testing {
namespace {

// A compiled resource file with an accelerator table and an English string table, written by a
// session of its own so that the session under test starts empty.
void write_sample_res(const std::filesystem::path& path) {
    ScriptedPlatform platform;
    Session maker(platform);
    add_new_accelerator_table(maker.workspace());
    StringTable& strings = string_table_for(maker.workspace(), 0x409);
    strings.add_entry(u"1", u"Hello");
    ASSERT_TRUE(write_res_file(maker.workspace(), path).ok());
}

std::u16string shown(const std::filesystem::path& path) { return path.u16string(); }

bool logged(Session& session, LogLevel level, std::u16string_view text) {
    for (const LogEntry& entry : session.log().entries()) {
        if (entry.level == level && entry.text == text) return true;
    }
    return false;
}

class ProjectDocumentTest : public ::testing::Test {
protected:
    ProjectDocumentTest() : previous_folder(std::filesystem::current_path()) {
        session.set_interactive(true);
        hooks.state_changed = [this] { ++state_changes; };
        document.emplace(session, hooks);
    }
    ~ProjectDocumentTest() override {
        document.reset();
        std::filesystem::current_path(previous_folder);
    }

    std::filesystem::path file(const char* name) const { return folder.path() / name; }

    // Opens the sample compiled file and checks that it loaded.
    void open_sample() {
        write_sample_res(file("app.res"));
        ASSERT_TRUE(document->open(file("app.res")).loaded);
        ASSERT_EQ(session.project().resources().size(), 2u);
    }

    std::filesystem::path previous_folder;
    ConfigTempFolder folder;
    ScriptedPlatform platform;
    Session session{platform};
    DocumentHooks hooks;
    // The filter preselected by the last file dialog.
    int offered_filter() const {
        return platform.file_dialogs.empty() ? 0 : platform.file_dialogs.back().choice.filter_index;
    }
    int state_changes = 0;
    std::optional<ProjectDocument> document;
};

TEST(WindowTitleTest, NamesTheProjectFileOnlyWhileOneIsOpen) {
    ShellState state;
    state.current_path = std::filesystem::path("dir") / "app.rc";
    EXPECT_EQ(window_title(state), u"Tavorin");
    state.project_open = true;
    EXPECT_EQ(window_title(state), u"Tavorin - " + shown(state.current_path));
}

TEST(SaveFilterTest, PreselectsTheFilterOfTheOpenedKind) {
    EXPECT_EQ(save_filter_index(FileKind::script), 1);
    EXPECT_EQ(save_filter_index(FileKind::pe_module), 2);
    EXPECT_EQ(save_filter_index(FileKind::compiled_resources), 3);
    EXPECT_EQ(save_filter_index(FileKind::unsupported), 1);
}

TEST_F(ProjectDocumentTest, OpeningACompiledFileReadsItAndRecordsTheShellState) {
    open_sample();
    const ShellState& state = document->state();
    EXPECT_TRUE(state.project_open);
    EXPECT_FALSE(state.busy);
    EXPECT_TRUE(state.saved);
    EXPECT_EQ(state.current_path, file("app.res"));
    EXPECT_EQ(state.opened_path, file("app.res"));
    EXPECT_EQ(state.opened_kind, FileKind::compiled_resources);
    EXPECT_EQ(std::filesystem::current_path(), folder.path()) << "the project folder becomes the current folder";
    EXPECT_TRUE(logged(session, LogLevel::information, shown(file("app.res")) + u" opened"));
    EXPECT_EQ(window_title(state), u"Tavorin - " + shown(file("app.res")));
    EXPECT_EQ(session.project().include_lines(),
              (std::vector<std::u16string>{u"<windows.h>", u"<commctrl.h>", u"<richedit.h>"}));
    EXPECT_GT(state_changes, 0);
}

TEST_F(ProjectDocumentTest, ARelativePathIsOpenedFromTheCurrentFolder) {
    write_sample_res(file("relative.res"));
    std::filesystem::current_path(folder.path());
    ASSERT_TRUE(document->open(std::filesystem::path("relative.res")).loaded);
    EXPECT_TRUE(document->state().current_path.is_absolute());
    EXPECT_EQ(document->state().current_path, file("relative.res"));
}

TEST_F(ProjectDocumentTest, AnUnsupportedKindIsLoggedAndShownAsAnError) {
    folder.write("notes.txt", "text");
    const LoadEnd end = document->open(file("notes.txt"));
    EXPECT_FALSE(end.loaded);
    EXPECT_FALSE(document->state().project_open);
    EXPECT_FALSE(document->state().busy);
    EXPECT_TRUE(logged(session, LogLevel::error, u"The file type is not supported."));
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"The file type is not supported.");
    EXPECT_EQ(platform.questions[0].caption, u"Error");
    EXPECT_EQ(platform.questions[0].icon, AskIcon::error);
    EXPECT_EQ(window_title(document->state()), u"Tavorin");
}

TEST_F(ProjectDocumentTest, OnlyALoadThatAddsWarningsOrErrorsOpensTheMessagesWindow) {
    open_sample();
    EXPECT_FALSE(document->open(file("app.res")).open_messages) << "information alone keeps it closed";

    // A bitmap record whose bytes are no DIB stays as raw data with a warning.
    std::vector<std::uint8_t> bytes = *read_file_bytes(file("app.res"));
    const std::uint8_t bad_record[] = {
        4, 0, 0, 0,              // data size
        32, 0, 0, 0,             // header size
        0xFF, 0xFF, 2, 0,        // type RT_BITMAP
        0xFF, 0xFF, 7, 0,        // name 7
        0, 0, 0, 0,              // data version
        0x30, 0x10, 9, 4,        // memory flags, language 0x409
        0, 0, 0, 0, 0, 0, 0, 0,  // version, characteristics
        1, 2, 3, 4,              // data: not a DIB
    };
    bytes.insert(bytes.end(), std::begin(bad_record), std::end(bad_record));
    ASSERT_TRUE(write_file_atomically(file("warned.res"), bytes).ok());

    const LoadEnd end = document->open(file("warned.res"));
    EXPECT_TRUE(end.loaded);
    EXPECT_TRUE(end.open_messages);
    EXPECT_EQ(session.project().resources().size(), 3u);
}

TEST_F(ProjectDocumentTest, ClosingWithUnsavedChangesAsksAndCancelKeepsTheProject) {
    open_sample();
    document->mark_modified();
    platform.answers = {Answer::cancel};
    EXPECT_FALSE(document->close());
    EXPECT_TRUE(document->state().project_open);
    EXPECT_EQ(session.project().resources().size(), 2u);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Do you want to save project modifications?");
    EXPECT_EQ(platform.questions[0].caption, u"Tavorin");
    EXPECT_EQ(platform.questions[0].buttons, AskButtons::yes_no_cancel);
    EXPECT_EQ(platform.questions[0].icon, AskIcon::warning);

    platform.answers = {Answer::no};
    EXPECT_TRUE(document->close());
    EXPECT_FALSE(document->state().project_open);
    EXPECT_TRUE(session.project().empty());
    EXPECT_TRUE(logged(session, LogLevel::information, shown(file("app.res")) + u" closed"));
    EXPECT_EQ(window_title(document->state()), u"Tavorin");
}

TEST_F(ProjectDocumentTest, AModifiedResourceCountsAsAnUnsavedChange) {
    open_sample();
    EXPECT_FALSE(document->has_unsaved_changes());
    session.project().set_modified(*session.project().resources()[0], true);
    EXPECT_TRUE(document->has_unsaved_changes());
    EXPECT_TRUE(document->save());
    EXPECT_FALSE(session.project().resources()[0]->identity().modified) << "saving clears the resources' marks";
    EXPECT_FALSE(document->has_unsaved_changes());
}

TEST_F(ProjectDocumentTest, YesSavesBeforeClosingAndASaveThatDidNotHappenKeepsTheProject) {
    open_sample();
    document->mark_modified();
    // The file cannot be replaced any more: a folder has taken its name.
    std::filesystem::remove(file("app.res"));
    folder.write("app.res/inside.txt", "x");

    platform.questions.clear();
    platform.answers = {Answer::yes, Answer::cancel};
    EXPECT_FALSE(document->close());
    EXPECT_TRUE(document->state().project_open) << "the changes the user wanted saved are not thrown away";
    EXPECT_TRUE(document->has_unsaved_changes());
    EXPECT_EQ(platform.questions.size(), 2u) << "the close question and the file error box";

    std::filesystem::remove_all(file("app.res"));
    platform.answers = {Answer::yes};
    EXPECT_TRUE(document->close());
    EXPECT_TRUE(std::filesystem::is_regular_file(file("app.res")));
}

TEST_F(ProjectDocumentTest, SaveAsWritesEachKindAndTheProjectFollowsItsNewFile) {
    open_sample();
    EXPECT_TRUE(document->save());
    EXPECT_TRUE(logged(session, LogLevel::information, shown(file("app.res")) + u" saved"));
    EXPECT_EQ(platform.statuses.back(), u"Save finished");

    platform.chosen_files = {file("copy.res")};
    ASSERT_TRUE(document->save_as());
    EXPECT_EQ(offered_filter(), 3) << "an opened compiled file preselects its own filter";
    EXPECT_EQ(document->state().current_path, file("copy.res"));
    EXPECT_EQ(document->state().opened_path, file("app.res"));
    EXPECT_EQ(read_file_bytes(file("copy.res"))->size(), read_file_bytes(file("app.res"))->size());

    platform.chosen_files = {file("script.rc")};
    ASSERT_TRUE(document->save_as());
    EXPECT_TRUE(std::filesystem::exists(file("script.rc")));
    EXPECT_TRUE(std::filesystem::exists(file("resource.h")));
    EXPECT_EQ(window_title(document->state()), u"Tavorin - " + shown(file("script.rc")));
    EXPECT_TRUE(document->state().saved);

    EXPECT_TRUE(document->close());
    ASSERT_TRUE(document->open(file("copy.res")).loaded);
    EXPECT_EQ(session.project().resources().size(), 2u) << "the saved copy reads back whole";
}

TEST_F(ProjectDocumentTest, AModuleSavedFromACompiledFileReadsBackAndANewModuleStartsAsItsCopy) {
    open_sample();
    platform.chosen_files = {file("app.dll")};
    ASSERT_TRUE(document->save_as());
    ASSERT_TRUE(document->close());
    ASSERT_TRUE(document->open(file("app.dll")).loaded);
    EXPECT_EQ(session.project().resources().size(), 2u);
    EXPECT_EQ(document->state().opened_kind, FileKind::pe_module);

    // Something of the opened module outside its resources must reach the new one.
    std::vector<std::uint8_t> module = *read_file_bytes(file("app.dll"));
    module.insert(module.end(), {'T', 'A', 'I', 'L'});
    ASSERT_TRUE(write_file_atomically(file("app.dll"), module).ok());
    platform.chosen_files = {file("copy.dll")};
    ASSERT_TRUE(document->save_as());
    EXPECT_EQ(offered_filter(), 2);
    const std::vector<std::uint8_t> copy = *read_file_bytes(file("copy.dll"));
    const std::string copied(copy.begin(), copy.end());
    EXPECT_NE(copied.find("TAIL"), std::string::npos);
    ASSERT_TRUE(document->close());
    ASSERT_TRUE(document->open(file("copy.dll")).loaded);
    EXPECT_EQ(session.project().resources().size(), 2u);
}

// Every kind a Wine module holds (dialogs, menus, bitmaps, icons, cursors, string tables, version
// information) goes through each compiled format and back.
TEST_F(ProjectDocumentTest, AWineModuleSavedAsEachCompiledKindReadsBackWhole) {
    const std::filesystem::path wine_module = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/comctl32.dll";
    if (!std::filesystem::exists(wine_module)) GTEST_SKIP() << "Wine's modules are not installed";
    std::filesystem::copy_file(wine_module, file("comctl32.dll"));
    ASSERT_TRUE(document->open(file("comctl32.dll")).loaded);
    const std::size_t count = session.project().resources().size();
    ASSERT_GT(count, 10u);

    for (const char* name : {"copy.res", "copy.dll", "script.rc"}) {
        platform.chosen_files = {file(name)};
        EXPECT_TRUE(document->save_as()) << name;
        EXPECT_TRUE(std::filesystem::exists(file(name))) << name;
    }
    for (const char* name : {"copy.res", "copy.dll"}) {
        ASSERT_TRUE(document->close());
        ASSERT_TRUE(document->open(file(name)).loaded) << name;
        EXPECT_EQ(session.project().resources().size(), count) << name;
    }
}

TEST_F(ProjectDocumentTest, CodeIsWrittenWithoutBecomingTheProjectsFile) {
    open_sample();
    document->mark_modified();
    platform.chosen_files = {file("app.cpp")};
    EXPECT_TRUE(document->save_as());
    EXPECT_TRUE(std::filesystem::exists(file("app.cpp")));
    EXPECT_EQ(document->state().current_path, file("app.res"));
    EXPECT_TRUE(document->has_unsaved_changes()) << "code is not the project: its changes are still unsaved";
}

// The window measures the code with its screen's fonts; only a C/C++ save asks for them.
TEST_F(ProjectDocumentTest, CodeIsWrittenWithTheMeasuresOfTheWindowsHook) {
    int measured = 0;
    hooks.code_context = [&] {
        ++measured;
        return code_context(session.config(), [](const FontSpec&) { return ScreenFont{-20, 10, 24}; }, nominal_window_frame);
    };
    document.emplace(session, hooks);
    session.config().encoding = TextEncoding::utf8;
    open_sample();
    ASSERT_NE(add_new_resource(session, kind::dialog, 0, folder.path()), nullptr);
    platform.chosen_files = {file("app.c"), file("copy.res")};
    ASSERT_TRUE(document->save_as());
    ASSERT_TRUE(document->save_as());
    EXPECT_EQ(measured, 1);
    const auto code = read_file_bytes(file("app.c"));
    ASSERT_TRUE(code.ok());
    const std::string text(code->begin(), code->end());
    EXPECT_NE(text.find("CreateFont(-20, "), std::string::npos) << text;
}

TEST_F(ProjectDocumentTest, AnUnsupportedTargetIsRefusedAndNothingIsSaved) {
    open_sample();
    document->mark_modified();
    platform.chosen_files = {file("app.txt")};
    EXPECT_FALSE(document->save_as());
    EXPECT_FALSE(std::filesystem::exists(file("app.txt")));
    EXPECT_EQ(document->state().current_path, file("app.res"));
    EXPECT_TRUE(document->has_unsaved_changes());
    EXPECT_EQ(platform.questions.back().text, u"The file type is not supported.");
}

TEST_F(ProjectDocumentTest, SeveralHeadersAreConfirmedBeforeSaving) {
    open_sample();
    document->set_several_headers(true);
    const auto before = std::filesystem::last_write_time(file("app.res"));
    platform.answers = {Answer::no};
    EXPECT_FALSE(document->save());
    EXPECT_EQ(platform.questions.back().text,
              u"Tavorin has detected several include files in this project. If you save this project, only one "
              u"resource header will contain all the resource symbols. Do you want to continue?");
    EXPECT_EQ(platform.questions.back().buttons, AskButtons::yes_no);
    EXPECT_EQ(std::filesystem::last_write_time(file("app.res")), before);
    EXPECT_TRUE(document->state().several_headers);

    platform.answers = {Answer::yes};
    EXPECT_TRUE(document->save());
    EXPECT_FALSE(document->state().several_headers);
    const std::size_t asked = platform.questions.size();
    EXPECT_TRUE(document->save());
    EXPECT_EQ(platform.questions.size(), asked) << "answered once per reading";
}

TEST_F(ProjectDocumentTest, AWriteByAnotherProgramIsNoticedOnceAndTheOwnSaveIsNot) {
    open_sample();
    EXPECT_FALSE(document->file_changed_on_disk());
    EXPECT_TRUE(document->save());
    EXPECT_FALSE(document->file_changed_on_disk()) << "the program's own save";

    const auto later = std::filesystem::last_write_time(file("app.res")) + std::chrono::seconds(5);
    std::filesystem::last_write_time(file("app.res"), later);
    EXPECT_TRUE(document->file_changed_on_disk());
    EXPECT_FALSE(document->file_changed_on_disk()) << "one question per change";

    // The reload closes and opens the same file again.
    ASSERT_TRUE(document->begin_reload());
    EXPECT_TRUE(document->state().busy);
    EXPECT_TRUE(document->end_load(document->read_file()).loaded);
    EXPECT_EQ(session.project().resources().size(), 2u);
}

TEST_F(ProjectDocumentTest, NoCommandRunsWhileALoadIsBusy) {
    write_sample_res(file("app.res"));
    ASSERT_TRUE(document->begin_open(file("app.res")));
    EXPECT_TRUE(document->state().busy);
    EXPECT_FALSE(document->begin_open(file("app.res")));
    EXPECT_FALSE(document->save());
    EXPECT_FALSE(document->file_changed_on_disk());
    document->end_load(document->read_file());
    EXPECT_FALSE(document->state().busy);
}

TEST_F(ProjectDocumentTest, OpeningAScriptThatDoesNotExistStartsANewProjectThere) {
    const LoadEnd end = document->open(file("fresh.rc"));
    EXPECT_TRUE(end.loaded);
    EXPECT_TRUE(document->state().project_open);
    EXPECT_TRUE(std::filesystem::exists(file("fresh.rc")));
    EXPECT_TRUE(std::filesystem::exists(file("resource.h")));
    EXPECT_TRUE(session.project().empty());
    EXPECT_EQ(document->state().current_path, file("fresh.rc"));
    EXPECT_TRUE(platform.file_dialogs.empty()) << "the path is known: no save dialog";
}

TEST_F(ProjectDocumentTest, NewProjectAsksWhereAndCancelChangesNothing) {
    open_sample();
    EXPECT_FALSE(document->new_project().loaded);
    EXPECT_FALSE(document->state().project_open) << "the open project was closed first";
    ASSERT_EQ(platform.file_dialogs.size(), 1u);
    EXPECT_TRUE(platform.file_dialogs[0].save);
    EXPECT_EQ(offered_filter(), 1);
    EXPECT_EQ(platform.file_dialogs[0].choice.filter.rfind(u"Resource Scripts (*.rc, *.dlg)", 0), 0u);
    EXPECT_EQ(platform.file_dialogs[0].choice.default_extension, u"rc");

    platform.chosen_files = {file("new.rc")};
    EXPECT_TRUE(document->new_project().loaded);
    EXPECT_EQ(document->state().current_path, file("new.rc"));
    EXPECT_TRUE(std::filesystem::exists(file("new.rc")));
}

TEST_F(ProjectDocumentTest, AScriptSavedFromACompiledFileReadsBackWithTheSameResources) {
    // The script's LANGUAGE statements name SDK macros of <winnt.h>.
    const std::filesystem::path mingw_include = "/usr/share/mingw-w64/include";
    if (!std::filesystem::exists(mingw_include / "windows.h")) GTEST_SKIP() << "mingw-w64 headers not installed";
    session.config().include_paths = {std::filesystem::absolute(mingw_include).u16string()};
    open_sample();
    platform.chosen_files = {file("app.rc")};
    ASSERT_TRUE(document->save_as());
    ASSERT_TRUE(document->close());
    const LoadEnd end = document->open(file("app.rc"));
    ASSERT_TRUE(end.loaded) << (end.script_error ? std::string(end.script_error->message.begin(),
                                                                end.script_error->message.end())
                                                 : std::string());
    ASSERT_EQ(session.project().resources().size(), 2u);
    EXPECT_EQ(session.project().resources()[0]->kind(), kind::string_table);
    EXPECT_EQ(session.project().resources()[1]->name_text(), u"100") << "compiled files keep numbers, not names";
    EXPECT_EQ(document->state().opened_kind, FileKind::script);
}

TEST_F(ProjectDocumentTest, AScriptErrorIsReportedWithItsLineAndThePartlyReadProjectCloses) {
    folder.write("broken.rc", "1 ACCELERATORS\r\nBEGIN\r\n  \"A\", 100\r\n");
    const LoadEnd end = document->open(file("broken.rc"));
    EXPECT_FALSE(end.loaded);
    ASSERT_TRUE(end.script_error);
    EXPECT_EQ(end.script_error->file, file("broken.rc"));
    EXPECT_GT(end.script_error->line, 0);
    EXPECT_FALSE(end.script_error->message.empty());
    EXPECT_FALSE(document->state().project_open);
    EXPECT_FALSE(document->state().busy);
    EXPECT_TRUE(session.project().empty());
    EXPECT_TRUE(logged(session, LogLevel::information, shown(file("broken.rc")) + u" closed"));
    EXPECT_TRUE(platform.questions.empty()) << "the window shows the report, not a question";
}

TEST_F(ProjectDocumentTest, AScriptIncludingAnotherProjectHeaderIsFlagged) {
    folder.write("resource.h", "#define IDR_KEYS 100\r\n");
    folder.write("extra.h", "#define IDM_GO 200\r\n");
    folder.write("app.rc",
                 "#include \"resource.h\"\r\n#include \"extra.h\"\r\nIDR_KEYS ACCELERATORS\r\nBEGIN\r\n"
                 "  \"G\", IDM_GO, VIRTKEY\r\nEND\r\n");
    ASSERT_TRUE(document->open(file("app.rc")).loaded);
    EXPECT_TRUE(document->state().several_headers);
    EXPECT_EQ(session.project().include_lines(), std::vector<std::u16string>{u"\"extra.h\""});

    folder.write("single.rc", "#include \"resource.h\"\r\nIDR_KEYS ACCELERATORS\r\nBEGIN\r\nEND\r\n");
    ASSERT_TRUE(document->open(file("single.rc")).loaded);
    EXPECT_FALSE(document->state().several_headers);
}

TEST(FileWatchTest, ReportsEachChangeOfTheWriteTimeOnce) {
    ConfigTempFolder folder;
    folder.write("watched.rc", "one");
    const std::filesystem::path path = folder.path() / "watched.rc";
    FileWatch watch;
    EXPECT_FALSE(watch.changed()) << "nothing is watched yet";
    watch.arm(path);
    EXPECT_FALSE(watch.changed());
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(3));
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed());

    std::filesystem::remove(path);
    EXPECT_FALSE(watch.changed()) << "a file replaced in two steps is not reported half way";
    folder.write("watched.rc", "two");
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(9));
    EXPECT_TRUE(watch.changed());

    watch.clear();
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(9));
    EXPECT_FALSE(watch.changed());
}

}  // namespace
}  // namespace tavorin::testing
