// The version information editor in the main window: its fixed fields typed and picked in the
// property list, a German block added through the language choice, values added and removed, a
// block removed; undo and redo keep the list in step, and the saved script carries the result.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/main_window.h"
#include "../../../app/win32/gui_test_support.h"
#include "platform/win32/wide_text.h"
#include "resources/version/version_info.h"
#include "resources/version/win32/version_editor.h"

namespace tavorin::testing {
namespace {

using Kind = VersionEditor::RowTarget::Kind;

class VersionEditorTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        write_text(folder / "app.rc",
                   "LANGUAGE 9, 1\r\n"
                   "1 VERSIONINFO\r\nFILEVERSION 1,0,0,1\r\nPRODUCTVERSION 1,0,0,1\r\nFILEFLAGSMASK 0x3F\r\n"
                   "FILEFLAGS 0x0\r\nFILEOS 0x40004\r\nFILETYPE 0x1\r\nFILESUBTYPE 0x0\r\n"
                   "{\r\n    BLOCK \"StringFileInfo\"\r\n    {\r\n        BLOCK \"040904B0\"\r\n        {\r\n"
                   "            VALUE \"CompanyName\", \"Example Company\"\r\n        }\r\n    }\r\n"
                   "    BLOCK \"VarFileInfo\"\r\n    {\r\n        VALUE \"Translation\", 0x409, 1200\r\n    }\r\n}\r\n");
        window.emplace(app);
        ASSERT_TRUE(window->create());
        // Tall enough for every row of two blocks.
        SetWindowPos(window->handle(), nullptr, 20, 20, 1150, 900, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(window->handle(), SW_SHOWNA);
        window->open_file(folder / "app.rc");
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
        ASSERT_TRUE(window->project_open());
        for (const auto& resource : session.project().resources()) {
            if (auto* found = dynamic_cast<VersionInfo*>(resource.get())) version = found;
        }
        ASSERT_NE(version, nullptr);
        ASSERT_NO_FATAL_FAILURE(open_editor());
    }
    void TearDown() override { window.reset(); }

    void open_editor() {
        HWND tree = window->tree().handle();
        std::vector<HTREEITEM> items{next_item(tree, nullptr, TVGN_ROOT)};
        while (!items.empty()) {
            HTREEITEM item = items.back();
            items.pop_back();
            if (item == nullptr) continue;
            items.push_back(next_item(tree, item, TVGN_NEXT));
            items.push_back(next_item(tree, item, TVGN_CHILD));
            SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
            if (window->tree().selected() != version) continue;
            NMHDR click{tree, main_control::tree, static_cast<UINT>(NM_DBLCLK)};
            SendMessageW(window->handle(), WM_NOTIFY, main_control::tree, reinterpret_cast<LPARAM>(&click));
            editor = dynamic_cast<VersionEditor*>(window->editors().active_editor());
            ASSERT_NE(editor, nullptr);
            return;
        }
        FAIL() << "no tree item for the version resource";
    }
    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    // Types a value into a row of the list and presses Enter, as the user does.
    void type(std::size_t row, const wchar_t* text) {
        PropertyGrid& grid = editor->grid();
        grid.select(row);
        SetWindowTextW(grid.edit_box(), text);
        SendMessageW(grid.edit_box(), WM_KEYDOWN, VK_RETURN, 0);
    }
    // Clicks a link row.
    void press(std::size_t row) {
        PropertyGrid& grid = editor->grid();
        const auto position = grid.model().shown_position(row);
        ASSERT_TRUE(position);
        const int y = static_cast<int>(*position) * property_row_height + 5;
        SendMessageW(grid.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, y));
        SendMessageW(grid.handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, y));
    }
    const PropertyRow& row(std::size_t index) { return editor->grid().model().rows().at(index); }
    std::size_t row_of(Kind kind, std::size_t block = 0, std::u16string_view key = {}) {
        const auto found = editor->row_of(kind, block, key);
        EXPECT_TRUE(found);
        return found.value_or(0);
    }

    std::optional<MainWindow> window;
    VersionInfo* version = nullptr;
    VersionEditor* editor = nullptr;
};

TEST_F(VersionEditorTest, FixedFieldsAreTypedAndPickedAndUndone) {
    EXPECT_EQ(row(0).name, u"General Information");
    const std::size_t file_version = row_of(Kind::file_version);
    EXPECT_EQ(row(file_version).name, u"File Version");
    EXPECT_EQ(row(file_version).value, u"1,0,0,1");
    EXPECT_EQ(row(row_of(Kind::file_os)).value, u"VOS_NT_WINDOWS32");
    EXPECT_EQ(row(row_of(Kind::file_flags_mask)).value, u"0x0000003F");
    EXPECT_EQ(row(row_of(Kind::file_type)).value, u"VFT_APP");

    type(file_version, L"2, 5");
    EXPECT_EQ(version->fixed().file_version, (VersionNumber{2, 5, 0, 0}));
    EXPECT_EQ(row(file_version).value, u"2,5,0,0");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"File Version");
    type(file_version, L"1.2.3.4");
    ASSERT_FALSE(platform.questions.empty());
    EXPECT_EQ(platform.questions.back().text, u"Version number must be w1,w2,w3,w4");
    EXPECT_EQ(version->fixed().file_version, (VersionNumber{2, 5, 0, 0}));

    type(row_of(Kind::file_flags), L"0x2");
    EXPECT_EQ(version->fixed().file_flags, 2u);
    EXPECT_EQ(row(row_of(Kind::file_flags)).value, u"0x00000002");

    // The file type picked from its list; the subtype list becomes the drivers'.
    PropertyGrid& grid = editor->grid();
    grid.select(row_of(Kind::file_type));
    grid.open_drop_down();
    ASSERT_NE(grid.drop_list(), nullptr);
    SendMessageW(grid.drop_list(), LB_SETCURSEL, 3, 0);  // VFT_DRV
    SendMessageW(grid.drop_list(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(version->fixed().file_type, 3u);
    EXPECT_EQ(row(row_of(Kind::file_subtype)).choices.size(), 12u);
    EXPECT_EQ(window->undo_history().undo_names().front(), u"File Type");

    command(cmd::undo);
    EXPECT_EQ(version->fixed().file_type, 1u);
    EXPECT_EQ(row(row_of(Kind::file_type)).value, u"VFT_APP") << "the list follows the undo";
    command(cmd::undo);
    command(cmd::undo);
    EXPECT_EQ(row(file_version).value, u"1,0,0,1");
    command(cmd::redo);
    EXPECT_EQ(row(file_version).value, u"2,5,0,0");
}

TEST_F(VersionEditorTest, AGermanBlockIsAddedFilledRemovedAndSaved) {
    app.dialog_answers.version_block = [] { return std::optional(VersionLanguageChoice{0x0407, 1200}); };
    press(row_of(Kind::add_block));
    ASSERT_EQ(version->blocks().size(), 2u);
    EXPECT_EQ(version->translations(), (std::vector<std::uint32_t>{0x040704B0, 0x040904B0}));
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Add Block");
    const std::size_t title = row_of(Kind::remove_block, 1) - 14;
    EXPECT_EQ(row(title).name.substr(0, 18), u"File Information [");
    EXPECT_EQ(row(title).name.substr(row(title).name.size() - 10), u"] 040704B0");

    // The same language again is refused.
    press(row_of(Kind::add_block));
    EXPECT_EQ(platform.questions.back().text, u"A block is already defined for this language.");
    EXPECT_EQ(version->blocks().size(), 2u);

    type(row_of(Kind::value, 1, u"CompanyName"), L"Beispielfirma");
    type(row_of(Kind::add_value, 1), L"Build");
    type(row_of(Kind::value, 1, u"Build"), L"Nacht");
    EXPECT_EQ(version->blocks()[1].strings.back(), (VersionString{u"Build", u"Nacht"}));
    wait_for_screenshot(window->handle(), "version");
    EXPECT_EQ(window->undo_history().undo_names()[0], u"Value");
    EXPECT_EQ(window->undo_history().undo_names()[1], u"Add Value");
    type(row_of(Kind::value, 1, u"Build"), L"");
    EXPECT_FALSE(editor->row_of(Kind::value, 1, u"Build")) << "a value of one's own goes when emptied";

    command(cmd::undo);
    EXPECT_TRUE(editor->row_of(Kind::value, 1, u"Build"));
    for (int i = 0; i < 4; ++i) command(cmd::undo);
    EXPECT_EQ(version->blocks().size(), 1u) << "the block is undone with the translation";
    EXPECT_FALSE(editor->row_of(Kind::remove_block, 1));
    for (int i = 0; i < 4; ++i) command(cmd::redo);
    ASSERT_EQ(version->blocks().size(), 2u);
    EXPECT_EQ(row(row_of(Kind::value, 1, u"Build")).value, u"Nacht");

    // Removing the English block asks first.
    platform.answers.push_back(Answer::no);
    press(row_of(Kind::remove_block, 0));
    EXPECT_EQ(platform.questions.back().text, u"Do you really want to remove this block?");
    EXPECT_EQ(version->blocks().size(), 2u);
    platform.answers.push_back(Answer::yes);
    press(row_of(Kind::remove_block, 0));
    ASSERT_EQ(version->blocks().size(), 1u);
    EXPECT_EQ(version->translations(), std::vector<std::uint32_t>{0x040704B0});

    platform.chosen_files = {folder / "saved.rc"};
    command(cmd::save_as);
    const auto saved = read_file_bytes(folder / "saved.rc");
    ASSERT_TRUE(saved.ok());
    const std::string script(saved->begin(), saved->end());
    EXPECT_NE(script.find("BLOCK \"040704B0\""), std::string::npos) << script;
    EXPECT_EQ(script.find("040904B0"), std::string::npos) << script;
    EXPECT_NE(script.find("VALUE \"Build\", \"Nacht\""), std::string::npos) << script;
    EXPECT_NE(script.find("VALUE \"Translation\", 0x0407, 0x04B0"), std::string::npos) << script;
}

}  // namespace
}  // namespace tavorin::testing
