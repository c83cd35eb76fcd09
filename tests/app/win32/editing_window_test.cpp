// Editing in the main window: a resource renamed in the property grid, a manifest's text typed
// into its editor, a byte of raw data changed in the hex view; all three undone through the
// Undo drop-down in one step and redone, then saved as a script, a compiled file and a module,
// each read back with the three changes.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/app_messages.h"
#include "app/win32/main_window.h"
#include "base/file_io.h"
#include "base/text.h"
#include "main_window_test_support.h"
#include "platform/win32/wide_text.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/rawdata/win32/hex_editor.h"
#include "resources/rawdata/win32/text_editor.h"

namespace tavorin::testing {
namespace {

constexpr std::string_view manifest_text =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
    "</assembly>\r\n";

class EditingWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previous_folder = std::filesystem::current_path();
        write_text(folder / "resource.h", "#define IDR_LEVEL1 109\r\n");
        write_text(folder / "app.manifest", manifest_text);
        write_text(folder / "level1.dat", std::string_view("SAMPLE\0\1\2", 9));
        write_text(folder / "app.rc",
                   "#include \"resource.h\"\r\n"
                   "LANGUAGE 9, 1\r\n"
                   "1 RT_MANIFEST \"app.manifest\"\r\n"
                   "IDR_LEVEL1 LEVELDATA \"level1.dat\"\r\n");
        window.emplace(app);
        ASSERT_TRUE(window->create());
        open(folder / "app.rc");
    }
    void TearDown() override {
        window.reset();
        std::filesystem::current_path(previous_folder);
    }

    void open(const std::filesystem::path& path) {
        window->open_file(path);
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
        ASSERT_TRUE(window->project_open());
    }
    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }

    Resource* find(std::u16string_view name) {
        for (const auto& resource : session.project().resources()) {
            if (resource->name_text() == name) return resource.get();
        }
        return nullptr;
    }
    // Selects the resource in the tree and opens it as a double click does.
    void open_in_tree(std::u16string_view name) { testing::open_in_tree(*window, name); }
    std::u16string menu_text(cmd::Id id) {
        wchar_t text[128] = {};
        GetMenuStringW(window->menu_bar(), static_cast<UINT>(id), text, 128, MF_BYCOMMAND);
        return from_wide(text);
    }
    std::vector<std::uint8_t> bytes_of(std::u16string_view name) {
        auto* raw = dynamic_cast<RawDataResource*>(find(name));
        if (raw == nullptr) return {};
        if (!raw->in_memory()) (void)raw->load_content(std::filesystem::current_path());
        return raw->bytes();
    }
    int first_byte(std::u16string_view name) {
        const auto bytes = bytes_of(name);
        return bytes.empty() ? -1 : bytes[0];
    }
    std::string file_text(const char* name) {
        const auto bytes = read_file_bytes(folder / name);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }

    // Renames IDR_LEVEL1, types into the manifest, changes the first byte of the level data.
    void make_three_edits() {
        open_in_tree(u"IDR_LEVEL1");
        PropertyGrid& grid = window->properties().grid();
        ASSERT_EQ(window->properties_resource(), find(u"IDR_LEVEL1"));
        const int y = 1 * property_row_height + 5;  // the Name row, under its category
        SendMessageW(grid.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grid.splitter() + 20, y));
        SendMessageW(grid.handle(), WM_LBUTTONUP, 0, MAKELPARAM(grid.splitter() + 20, y));
        ASSERT_EQ(window_text(grid.edit_box()), L"IDR_LEVEL1");
        SetWindowTextW(grid.edit_box(), L"IDR_LEVEL2");
        SendMessageW(grid.edit_box(), WM_KEYDOWN, VK_RETURN, 0);
        ASSERT_NE(find(u"IDR_LEVEL2"), nullptr);
        EXPECT_EQ(menu_text(cmd::undo), u"Undo Rename\tCtrl+Z");

        open_in_tree(u"1");
        auto* text_editor = dynamic_cast<TextResourceEditor*>(window->editors().active_editor());
        ASSERT_NE(text_editor, nullptr);
        HWND edit = text_editor->window();
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, 0);
        for (const wchar_t c : std::wstring(L"<!--x-->")) SendMessageW(edit, WM_CHAR, c, 0);
        EXPECT_EQ(menu_text(cmd::undo), u"Undo Typing\tCtrl+Z");

        open_in_tree(u"IDR_LEVEL2");
        auto* hex = dynamic_cast<HexResourceEditor*>(window->editors().active_editor());
        ASSERT_NE(hex, nullptr);
        const POINT cell = hex->cell_position(0, false);
        SendMessageW(hex->window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.x + 1, cell.y + 2));
        SendMessageW(hex->window(), WM_CHAR, L'7', 0);
        SendMessageW(hex->window(), WM_CHAR, L'a', 0);
        pause_for_screenshot(window->handle(), "hex-view");
    }

    std::filesystem::path previous_folder;
    std::optional<MainWindow> window;
};

TEST_F(EditingWindowTest, ThreeEditsUndoneInOneStepRedoneAndSavedAsEveryKind) {
    ASSERT_NO_FATAL_FAILURE(make_three_edits());
    const std::string edited_manifest = "<!--x-->" + std::string(manifest_text);
    EXPECT_EQ(first_byte(u"IDR_LEVEL2"), 0x7A);
    EXPECT_EQ(window->undo_history().undo_names(),
              (std::vector<std::u16string>{u"Edit Byte", u"Typing", u"Rename"}));
    EXPECT_NE(window_text(window->handle()).find(L" *"), std::wstring::npos) << "the title marks unsaved changes";
    EXPECT_TRUE(SendMessageW(window->toolbar(), TB_ISBUTTONENABLED, cmd::undo, 0));
    EXPECT_FALSE(SendMessageW(window->toolbar(), TB_ISBUTTONENABLED, cmd::redo, 0));

    // The drop-down: pointing at the third entry picks three, the click undoes them.
    window->open_undo_list(false);
    HWND list = window->undo_list().handle();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(10, 2 * 13 + 4));
    EXPECT_EQ(window->undo_list().picked(), 3);
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 2 * 13 + 4));
    EXPECT_FALSE(window->undo_list().is_open());
    EXPECT_NE(find(u"IDR_LEVEL1"), nullptr);
    EXPECT_EQ(first_byte(u"IDR_LEVEL1"), 'S');
    const auto manifest_now = bytes_of(u"1");
    EXPECT_EQ(std::string(manifest_now.begin(), manifest_now.end()).substr(0, 5), "<?xml");
    EXPECT_FALSE(window->undo_history().can_undo());
    EXPECT_EQ(menu_text(cmd::redo), u"Redo Rename\tCtrl+Y");
    EXPECT_TRUE(GetMenuState(window->menu_bar(), cmd::undo, MF_BYCOMMAND) & MF_GRAYED);

    window->open_undo_list(true);
    list = window->undo_list().handle();
    ASSERT_NE(list, nullptr);
    SendMessageW(window->handle(), app_message::key_down, VK_DOWN, 0);
    SendMessageW(window->handle(), app_message::key_down, VK_DOWN, 0);
    EXPECT_EQ(window->undo_list().picked(), 3);
    SendMessageW(window->handle(), app_message::key_down, VK_RETURN, 0);
    ASSERT_NE(find(u"IDR_LEVEL2"), nullptr);
    EXPECT_EQ(first_byte(u"IDR_LEVEL2"), 0x7A);

    // Saved as the script it came from: the header, the script and both files carry the edits.
    command(cmd::save);
    EXPECT_NE(file_text("app.rc").find("IDR_LEVEL2"), std::string::npos) << file_text("app.rc");
    EXPECT_NE(file_text("resource.h").find("IDR_LEVEL2"), std::string::npos);
    EXPECT_NE(file_text("app.rc").find("\"level1.dat\""), std::string::npos) << "the data keeps its file";
    EXPECT_EQ(file_text("level1.dat").substr(0, 1), "z") << "0x7A";
    EXPECT_EQ(file_text("app.manifest").substr(0, edited_manifest.size()), edited_manifest);
    EXPECT_EQ(window_text(window->handle()).find(L" *"), std::wstring::npos);

    for (const char* target : {"copy.res", "copy.dll"}) {
        platform.chosen_files = {folder / target};
        command(cmd::save_as);
    }
    // Compiled files keep the name's value: the new one, not IDR_LEVEL1's 109.
    const std::u16string renamed_value = decimal(session.symbols().value_of(u"IDR_LEVEL2"));
    ASSERT_NE(renamed_value, u"109");
    for (const char* saved : {"app.rc", "copy.res", "copy.dll"}) {
        command(cmd::close_project);
        open(folder / saved);
        const std::u16string name = std::string_view(saved) == "app.rc" ? u"IDR_LEVEL2" : renamed_value;
        ASSERT_NE(find(name), nullptr) << saved;
        EXPECT_EQ(find(u"109"), nullptr) << saved;
        EXPECT_EQ(first_byte(name), 0x7A) << saved;
        const auto manifest = bytes_of(u"1");
        EXPECT_EQ(std::string(manifest.begin(), manifest.end()).substr(0, 8), "<!--x-->") << saved;
    }
}

TEST_F(EditingWindowTest, ARefusedRenameIsShownAndLeavesNothingToUndo) {
    open_in_tree(u"IDR_LEVEL1");
    PropertyGrid& grid = window->properties().grid();
    const int y = 1 * property_row_height + 5;
    SendMessageW(grid.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(grid.splitter() + 20, y));
    SetWindowTextW(grid.edit_box(), L"65536");
    SendMessageW(grid.edit_box(), WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"Number is too big (WORD value expected).");
    EXPECT_NE(find(u"IDR_LEVEL1"), nullptr);
    EXPECT_EQ(window_text(grid.edit_box()), L"IDR_LEVEL1") << "the grid shows the name in force";
    EXPECT_FALSE(window->undo_history().can_undo());
    EXPECT_EQ(menu_text(cmd::undo), u"Undo\tCtrl+Z");
}

TEST_F(EditingWindowTest, TheManifestEditorChecksItsXmlAndShowsTheCaretsPlace) {
    open_in_tree(u"1");
    auto* editor = dynamic_cast<TextResourceEditor*>(window->editors().active_editor());
    ASSERT_NE(editor, nullptr);
    HWND edit = editor->window();
    SetFocus(edit);
    // The grid's rows of the manifest: its charset, and the XML check as a link.
    const auto& rows = window->properties().grid().model().rows();
    ASSERT_GE(rows.size(), 7u);
    EXPECT_EQ(rows[5].name, u"Charset");
    EXPECT_EQ(rows[5].value, u"ANSI");
    EXPECT_EQ(rows[6].name, u"Check XML");
    pause_for_screenshot(window->handle(), "text-editor");
    editor->check_xml_now();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"The XML of the manifest is well formed.");

    // Breaking the end tag on line 3.
    const LRESULT line3 = SendMessageW(edit, EM_LINEINDEX, 2, 0);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(line3 + 2), line3 + 2);
    SendMessageW(edit, WM_CHAR, L'X', 0);
    editor->check_xml_now();
    ASSERT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(platform.questions[1].text,
              u"Malformed XML at line 2: The element opened on this line is closed by a different end tag.");
    wchar_t status[64] = {};
    SendMessageW(window->status_line(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(status));
    EXPECT_EQ(std::wstring(status), L"Line 2, Column 1") << "the caret went to the faulty line";

    // Charset UNICODE stores the byte-order mark and UTF-16; one undo step brings ANSI back.
    window->properties().grid().select(5);
    window->properties().grid().open_drop_down();
    HWND list = window->properties().grid().drop_list();
    ASSERT_NE(list, nullptr);
    pause_for_screenshot(window->handle(), "grid-drop-down");
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(editor->charset(), TextCharset::unicode);
    const auto stored = bytes_of(u"1");
    ASSERT_GE(stored.size(), 2u);
    EXPECT_EQ(stored[0], 0xFF);
    EXPECT_EQ(stored[1], 0xFE);
    command(cmd::undo);
    EXPECT_EQ(editor->charset(), TextCharset::ansi);
    EXPECT_EQ(first_byte(u"1"), '<');
}

TEST_F(EditingWindowTest, TheTextEditorFindsAndReplacesAsUndoableSteps) {
    open_in_tree(u"1");
    auto* editor = dynamic_cast<TextResourceEditor*>(window->editors().active_editor());
    ASSERT_NE(editor, nullptr);
    HWND edit = editor->window();
    SetFocus(edit);
    {
        HeldKeys control{VK_CONTROL};
        SendMessageW(edit, WM_KEYDOWN, 'F', 0);
    }
    ASSERT_NE(editor->find_dialog(), nullptr);
    DWORD start = 0;
    DWORD end = 0;
    const auto selection = [&] {
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return std::u16string(editor->text().substr(start, end - start));
    };
    const auto stored_text = [&] {
        const auto bytes = bytes_of(u"1");
        return std::string(bytes.begin(), bytes.end());
    };
    const std::size_t first = editor->text().find(u"assembly");

    FindRequest request{FindRequest::Action::find_next, u"ASSEMBLY", u"", false, true};
    SendMessageW(edit, EM_SETSEL, 0, 0);
    editor->carry_out(request);
    EXPECT_EQ(selection(), u"assembly");
    EXPECT_EQ(start, first);
    editor->carry_out(request);
    EXPECT_EQ(selection(), u"assembly");
    EXPECT_GT(start, first) << "the next one";
    request.match_case = true;
    const std::size_t questions = platform.questions.size();
    editor->carry_out(request);
    ASSERT_EQ(platform.questions.size(), questions + 1);
    EXPECT_EQ(platform.questions.back().text, u"Cannot find \"ASSEMBLY\".");

    request = FindRequest{FindRequest::Action::replace_all, u"assembly", u"Assembly", true, true};
    editor->carry_out(request);
    EXPECT_EQ(editor->text().find(u"<assembly"), std::u16string::npos);
    EXPECT_NE(editor->text().find(u"</Assembly>"), std::u16string::npos);
    EXPECT_NE(stored_text().find("</Assembly>"), std::string::npos);
    EXPECT_EQ(menu_text(cmd::undo), u"Undo Replace All\tCtrl+Z");
    command(cmd::undo);
    EXPECT_NE(editor->text().find(u"<assembly"), std::u16string::npos);
    EXPECT_NE(stored_text().find("</assembly>"), std::string::npos);

    // Replace: the found occurrence, then on to the next one.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    request = FindRequest{FindRequest::Action::find_next, u"assembly", u"", true, true};
    editor->carry_out(request);
    request.action = FindRequest::Action::replace;
    request.with = u"x";
    editor->carry_out(request);
    EXPECT_NE(editor->text().find(u"<x xmlns"), std::u16string::npos);
    EXPECT_EQ(selection(), u"assembly");
    EXPECT_EQ(menu_text(cmd::undo), u"Undo Replace\tCtrl+Z");
}

TEST_F(EditingWindowTest, ANarrowHexViewScrollsAcrossToTheCaret) {
    open_in_tree(u"IDR_LEVEL1");
    auto* hex = dynamic_cast<HexResourceEditor*>(window->editors().active_editor());
    ASSERT_NE(hex, nullptr);
    HWND view = hex->window();
    SetWindowPos(window->handle(), nullptr, 0, 0, 520, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window->handle(), WM_SIZE, 0, 0);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(view, SB_HORZ, &info));
    ASSERT_LT(static_cast<int>(info.nPage), info.nMax + 1) << "the rows are wider than the view";
    EXPECT_EQ(hex->first_column(), 0);
    SetFocus(view);
    SendMessageW(view, WM_KEYDOWN, VK_TAB, 0);  // to the characters, at the right end of the row
    SendMessageW(view, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_GT(hex->first_column(), 0) << "the caret's column came into sight";
    const POINT cell = hex->cell_position(1, true);
    RECT client{};
    GetClientRect(view, &client);
    EXPECT_LT(cell.x, client.right);
    SendMessageW(view, WM_HSCROLL, SB_LEFT, 0);
    EXPECT_EQ(hex->first_column(), 0);
}

TEST_F(EditingWindowTest, AScreenOfAnotherResolutionGivesNewFontsAndSizes) {
    open_in_tree(u"1");
    const int side_width = window->panels().side_width;
    const auto font_height = [](HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
        return font.lfHeight;
    };
    const LONG tree_font = font_height(window->tree().handle());
    RECT suggested{30, 40, 30 + 1000, 40 + 700};
    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(font_height(window->tree().handle()), -MulDiv(8, 144, 72));
    EXPECT_NE(font_height(window->tree().handle()), tree_font);
    EXPECT_EQ(window->properties().grid().row_height(), 26);
    EXPECT_EQ(window->panels().side_width, side_width * 3 / 2);
    const RECT placed = normal_rect(window->handle());
    EXPECT_EQ(placed.left, 30);
    EXPECT_EQ(placed.right - placed.left, 1000);
    auto* editor = dynamic_cast<TextResourceEditor*>(window->editors().active_editor());
    ASSERT_NE(editor, nullptr) << "the editor was opened again";
    EXPECT_EQ(font_height(editor->window()), -MulDiv(10, 144, 72));
    pause_for_screenshot(window->handle(), "dpi-144");

    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(window->panels().side_width, side_width);
    EXPECT_EQ(window->properties().grid().row_height(), property_row_height);
}

}  // namespace
}  // namespace tavorin::testing
