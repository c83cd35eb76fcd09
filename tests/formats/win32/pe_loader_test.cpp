// Modules written by the PE writer, loaded by the Windows loader: a new module from the built-in
// template and a project written into a mingw-built DLL (whose relocation section follows its
// resources) are mapped as data files, and the system's resource functions find what we wrote:
// raw bytes, strings, a menu and a dialog.

#include <gtest/gtest.h>

#include "dialog/dialog.h"
#include "formats/compiled_test_support.h"
#include "formats/pe_file.h"
#include "resources/menu/menu.h"
#include "resources/stringtable/string_table.h"

// After the core's headers: <windows.h> defines words such as `pascal` as macros.
#include <windows.h>

namespace tavorin {
namespace {

using testing::Bytes;
using testing::id;

constexpr std::uint16_t english = 0x0409;

class PeLoaderTest : public ::testing::Test, public testing::CompiledSession {
protected:
    PeLoaderTest() {
        session.project().set_current_language(english);
        add(id(10), id(7), english, raw);
        add(id(u"CUSTOM"), id(u"DATA"), english, Bytes{1, 2, 3});
        StringTable& strings = string_table_for(session.workspace(), english);
        strings.add_entry(u"1", u"first");
        strings.add_entry(u"17", u"seventeen\\tth");
        Menu& menu = add_new_menu(session.workspace());
        menu_name = menu.identity().ordinal;
        MenuItem file{u"&File", u"", u"", menu_flag::popup, {}};
        file.submenu.push_back(MenuItem{u"&Open", u"", u"301", 0, {}});
        file.submenu.push_back(MenuItem{u"E&xit", u"", u"302", 0, {}});
        menu.append_item(file);
        Dialog& dialog = add_new_dialog(session.workspace());
        dialog.set_caption(u"Loaded by Windows");
        dialog_name = dialog.identity().ordinal;
    }

    // Loads the module as a data file and checks every resource of the project through the
    // system's resource functions.
    void expect_loader_finds_resources(const std::filesystem::path& path) {
        HMODULE module = LoadLibraryExW(path.wstring().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << GetLastError();

        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(7), MAKEINTRESOURCEW(10));
        ASSERT_NE(found, nullptr);
        ASSERT_EQ(SizeofResource(module, found), raw.size());
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
        ASSERT_NE(bytes, nullptr);
        EXPECT_TRUE(std::equal(raw.begin(), raw.end(), bytes));
        HRSRC custom = FindResourceW(module, L"DATA", L"CUSTOM");
        ASSERT_NE(custom, nullptr);
        EXPECT_EQ(SizeofResource(module, custom), 3u);

        wchar_t text[64] = {};
        EXPECT_EQ(LoadStringW(module, 17, text, 64), 12);
        EXPECT_STREQ(text, L"seventeen\tth");
        EXPECT_EQ(LoadStringW(module, 1, text, 64), 5);
        EXPECT_STREQ(text, L"first");

        HRSRC menu_resource = FindResourceW(module, MAKEINTRESOURCEW(menu_name), MAKEINTRESOURCEW(4));
        ASSERT_NE(menu_resource, nullptr);
        HMENU menu = LoadMenuIndirectW(LockResource(LoadResource(module, menu_resource)));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(GetMenuItemCount(menu), 1);
        HMENU file = GetSubMenu(menu, 0);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(GetMenuItemCount(file), 2);
        EXPECT_EQ(GetMenuItemID(file, 1), 302u);
        EXPECT_EQ(GetMenuStringW(file, 0, text, 64, MF_BYPOSITION), 5);
        EXPECT_STREQ(text, L"&Open");
        DestroyMenu(menu);

        HRSRC dialog_resource = FindResourceW(module, MAKEINTRESOURCEW(dialog_name), MAKEINTRESOURCEW(5));
        ASSERT_NE(dialog_resource, nullptr);
        const auto* dialog_template =
            static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, dialog_resource)));
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog_template, nullptr,
                                                 [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ASSERT_NE(dialog, nullptr) << GetLastError();
        EXPECT_EQ(GetWindowTextW(dialog, text, 64), 17);
        EXPECT_STREQ(text, L"Loaded by Windows");
        HWND ok = GetDlgItem(dialog, IDOK);
        ASSERT_NE(ok, nullptr);
        GetWindowTextW(ok, text, 64);
        EXPECT_STREQ(text, L"OK");
        DestroyWindow(dialog);

        FreeLibrary(module);
    }

    const Bytes raw{'r', 'a', 'w', 0, 1, 2, 3};
    std::uint16_t menu_name = 0;
    std::uint16_t dialog_name = 0;
};

TEST_F(PeLoaderTest, NewModuleFromTheTemplateLoads) {
    const auto target = folder / "new.dll";
    ASSERT_TRUE(write_pe_file(session.workspace(), target));
    expect_loader_finds_resources(target);
}

TEST_F(PeLoaderTest, ProjectWrittenIntoALinkedDllLoadsAndTheDllStillRuns) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const auto built = std::filesystem::path(program).parent_path() / "tavorin_test_module.dll";
    ASSERT_TRUE(std::filesystem::exists(built)) << built.string();
    const auto target = folder / "copy.dll";
    std::filesystem::copy_file(built, target);
    ASSERT_TRUE(write_pe_file(session.workspace(), target));
    expect_loader_finds_resources(target);

    // Loaded as code, the moved relocation section still applies and the export still answers.
    HMODULE module = LoadLibraryW(target.wstring().c_str());
    ASSERT_NE(module, nullptr) << GetLastError();
    using Answer = int (*)();
    const auto answer = reinterpret_cast<Answer>(reinterpret_cast<void*>(GetProcAddress(module, "tavorin_test_answer")));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    FreeLibrary(module);
}

}  // namespace
}  // namespace tavorin
