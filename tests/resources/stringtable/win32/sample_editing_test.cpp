// The sample project edited as a user would: three strings copied from its English string table
// and pasted into a new French one, a German block added to its version information, each undone
// and redone, and the project saved as a script and as a module, both read back with the edits.
// With TAVORIN_KEEP_OUTPUT naming a folder the saved files are copied there, for comparing the
// script compiled by other resource compilers with the module.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "../../../app/win32/main_window_test_support.h"
#include "resources/stringtable/string_table.h"
#include "resources/stringtable/win32/string_table_editor.h"
#include "resources/version/version_info.h"
#include "resources/version/win32/version_editor.h"

namespace tavorin::testing {
namespace {

class SampleEditingTest : public SampleProjectTest {
protected:
    StringTable* table(std::uint16_t language) {
        return dynamic_cast<StringTable*>(session.project().string_table(language));
    }
    VersionInfo* version() {
        for (const auto& resource : session.project().resources()) {
            if (auto* found = dynamic_cast<VersionInfo*>(resource.get())) return found;
        }
        return nullptr;
    }
    static POINT row_point(HWND list, int row) {
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
        return POINT{rect.left + 200, (rect.top + rect.bottom) / 2};
    }
    static void click(HWND list, POINT at, WPARAM keys = 0) {
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(at.x, at.y));
        SendMessageW(list, WM_LBUTTONUP, keys, MAKELPARAM(at.x, at.y));
    }
};

TEST_F(SampleEditingTest, StringsPastedIntoFrenchAndAGermanVersionBlockAreUndoneRedoneAndSaved) {
    ASSERT_NE(table(0x409), nullptr);
    auto* english = dynamic_cast<StringTableEditor*>(open(*table(0x409)));
    ASSERT_NE(english, nullptr);
    HWND list = english->list();
    SetFocus(list);
    click(list, row_point(list, 0));
    click(list, row_point(list, 2), MK_SHIFT);
    ASSERT_EQ(english->selected_rows(), (std::vector<std::size_t>{0, 1, 2}));
    command(cmd::copy);

    app.dialog_answers.language = [](std::uint16_t) { return std::optional<std::uint16_t>(0x040C); };
    command(cmd::add_string_table);
    ASSERT_NE(table(0x040C), nullptr);
    auto* french = dynamic_cast<StringTableEditor*>(window->editors().active_editor());
    ASSERT_NE(french, nullptr);
    SetFocus(french->list());
    command(cmd::paste);
    ASSERT_EQ(table(0x040C)->size(), 3u);
    EXPECT_EQ(table(0x040C)->entry(0).identifier, u"IDS_APP_TITLE1");
    EXPECT_EQ(table(0x040C)->entry(2).text, table(0x409)->entry(2).text);
    wait_for_screenshot(window->handle(), "sample-strings");
    command(cmd::undo);
    EXPECT_EQ(SendMessageW(french->list(), LVM_GETITEMCOUNT, 0, 0), 0);
    command(cmd::redo);
    EXPECT_EQ(SendMessageW(french->list(), LVM_GETITEMCOUNT, 0, 0), 3);

    ASSERT_NE(version(), nullptr);
    auto* version_editor = dynamic_cast<VersionEditor*>(open(*version()));
    ASSERT_NE(version_editor, nullptr);
    app.dialog_answers.version_block = [] { return std::optional(VersionLanguageChoice{0x0407, 1200}); };
    const auto add_row = version_editor->row_of(VersionEditor::RowTarget::Kind::add_block);
    ASSERT_TRUE(add_row);
    PropertyGrid& grid = version_editor->grid();
    const int y = static_cast<int>(*grid.model().shown_position(*add_row)) * property_row_height + 5;
    SendMessageW(grid.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, y));
    SendMessageW(grid.handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, y));
    ASSERT_EQ(version()->blocks().size(), 2u);
    const auto company = version_editor->row_of(VersionEditor::RowTarget::Kind::value, 1, u"CompanyName");
    ASSERT_TRUE(company);
    grid.select(*company);
    SetWindowTextW(grid.edit_box(), L"Beispielfirma");
    SendMessageW(grid.edit_box(), WM_KEYDOWN, VK_RETURN, 0);
    wait_for_screenshot(window->handle(), "sample-version");
    command(cmd::undo);
    command(cmd::undo);
    EXPECT_EQ(version()->blocks().size(), 1u);
    command(cmd::redo);
    command(cmd::redo);
    ASSERT_EQ(version()->blocks().size(), 2u);
    EXPECT_EQ(version()->blocks()[1].strings[1].value, u"Beispielfirma");

    for (const char* target : {"saved.rc", "saved.dll", "saved.res"}) {
        platform.chosen_files = {folder / "sample" / target};
        command(cmd::save_as);
        keep(target);
    }
    keep("resource.h");
    for (const char* saved : {"saved.rc", "saved.dll"}) {
        command(cmd::close_project);
        ASSERT_NO_FATAL_FAILURE(open_project(folder / "sample" / saved));
        ASSERT_NE(table(0x040C), nullptr) << saved;
        ASSERT_EQ(table(0x040C)->size(), 3u) << saved;
        EXPECT_EQ(table(0x040C)->entry(1).text, u"Ready") << saved;
        ASSERT_NE(version(), nullptr) << saved;
        ASSERT_EQ(version()->blocks().size(), 2u) << saved;
        EXPECT_EQ(version()->translations(), (std::vector<std::uint32_t>{0x040704B0, 0x040904B0})) << saved;
    }
}

}  // namespace
}  // namespace tavorin::testing
