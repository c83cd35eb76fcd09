#include "app/win32/startup.h"

#include <fstream>
#include <atomic>
#include <optional>
#include <thread>
#include <string>

#include "gui_test_support.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace tavorin::testing {
namespace {

struct ProgramRun {
    DWORD exit_code = 0;
    std::string errors;
};

// Runs the built program (beside the tests' folder) with a pipe as its standard error.
std::optional<ProgramRun> run_program_file(const std::wstring& arguments, const std::filesystem::path& folder) {
    const auto program = executable_path().parent_path().parent_path() / "Tavorin.exe";
    if (!std::filesystem::exists(program)) return std::nullopt;

    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read_end = nullptr;
    HANDLE write_end = nullptr;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return std::nullopt;
    UniqueKernelHandle reader(read_end);
    UniqueKernelHandle writer(write_end);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = writer.get();
    startup.hStdOutput = writer.get();
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + program.wstring() + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return std::nullopt;
    }
    UniqueKernelHandle process_handle(process.hProcess);
    UniqueKernelHandle thread_handle(process.hThread);
    writer.reset();

    ProgramRun run;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(reader.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) run.errors.append(buffer, read);
    WaitForSingleObject(process_handle.get(), 60000);
    GetExitCodeProcess(process_handle.get(), &run.exit_code);
    return run;
}

TEST(Startup, ConversionOfAnUnsupportedFileFailsOnStandardErrorWithoutAWindow) {
    const auto folder = unique_folder("convert");
    const auto run = run_program_file(L"-convert notes.txt out.rc", folder);
    ASSERT_TRUE(run) << "Tavorin.exe is built beside the tests";
    EXPECT_NE(run->exit_code, 0u);
    EXPECT_NE(run->errors.find("notes.txt: The file type is not supported."), std::string::npos) << run->errors;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.rc"));
    std::filesystem::remove_all(folder);
}

TEST(Startup, DeleteRemovesTheNamedFileBeforeTheConversion) {
    const auto folder = unique_folder("delete");
    const auto doomed = folder / "old.tmp";
    { std::ofstream(doomed) << "x"; }
    const auto run = run_program_file(L"-delete old.tmp -convert notes.txt out.rc", folder);
    ASSERT_TRUE(run);
    EXPECT_FALSE(std::filesystem::exists(doomed));
    EXPECT_NE(run->exit_code, 0u);
    std::filesystem::remove_all(folder);
}

// The elevated helper run registers the association for the machine and confirms it in a box,
// which a watcher here reads and closes (the run's own process owns it).
TEST(Startup, TheAssociationHelperRunRegistersForTheMachineAndConfirms) {
    const auto folder = unique_folder("associate");
    std::atomic<bool> running{true};
    std::wstring confirmation;
    std::thread watcher([&] {
        while (running) {
            if (HWND box = FindWindowW(L"#32770", L"Tavorin")) {
                wchar_t text[256] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 256);
                confirmation = text;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(50);
        }
    });
    const auto run = run_program_file(L"-associateFiles 0", folder);
    running = false;
    watcher.join();
    ASSERT_TRUE(run);
    EXPECT_EQ(run->exit_code, 0u);
    EXPECT_TRUE(run->errors.empty());
    EXPECT_EQ(confirmation, L"Resource files are now associated with Tavorin.");

    const auto program = executable_path().parent_path().parent_path() / "Tavorin.exe";
    wchar_t command[512] = {};
    DWORD size = sizeof command;
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\TavorinFile\\shell\\Open\\Command", nullptr,
                           RRF_RT_REG_SZ, nullptr, command, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(command), program.wstring() + L" \"%1\"");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\TavorinFile");
    wchar_t rc_class[64] = {};
    size = sizeof rc_class;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.rc", nullptr, RRF_RT_REG_SZ, nullptr, rc_class, &size) ==
            ERROR_SUCCESS &&
        std::wstring(rc_class) == L"TavorinFile") {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.rc");
    }
    std::filesystem::remove_all(folder);
}

struct FatalBoxVisit {
    bool found = false;
    std::wstring text;
};
FatalBoxVisit fatal_visit;

void CALLBACK read_and_close_error_box(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(L"#32770", L"Error");
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    fatal_visit = FatalBoxVisit{true, text};
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST(Startup, AFatalErrorIsShownEvenThoughTheMainWindowHasAlreadyPostedQuit) {
    ScriptedPlatform platform;
    Session session(platform);
    PostQuitMessage(0);
    fatal_visit = FatalBoxVisit{};
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, read_and_close_error_box);
    EXPECT_EQ(report_fatal_error(session, nullptr, CommandLine::Mode::normal), 0);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(fatal_visit.found);
    EXPECT_EQ(fatal_visit.text, L"An error occurred. Tavorin will exit.");
    drain_messages();
}

}  // namespace
}  // namespace tavorin::testing
