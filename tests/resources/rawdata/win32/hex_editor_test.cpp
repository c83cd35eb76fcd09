// The hex view driven with real messages: clicks place the caret on a digit, typed digits change
// bytes as undoable steps, arrows move, a large resource draws only the rows in sight, and the
// bytes go out to a file and come back from one.

#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "app/win32/gui_test_support.h"
#include "base/file_io.h"
#include "model/undo_history.h"
#include "resources/rawdata/win32/hex_editor.h"

namespace tavorin::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A site that keeps the history and counts what the editor reports.
struct RecordingSite : EditorSite {
    explicit RecordingSite(Platform& platform) : undo(platform) {}
    UndoHistory& history(const Resource&) override { return undo; }
    void content_changed(Resource&, std::size_t where) override {
        ++changes;
        last_change = where;
    }
    void editor_state_changed() override {}
    void properties_changed() override {}
    void show_editor_status(std::u16string_view text) override { status = std::u16string(text); }

    UndoHistory undo;
    int changes = 0;
    std::size_t last_change = 0;
    std::u16string status;
};

class HexEditorTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 400, nullptr, nullptr,
                                 instance, nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override {
        editor.reset();
        DestroyWindow(parent);
    }

    void open(Bytes bytes) {
        resource.set_bytes(std::move(bytes));
        RawEditorServices services;
        services.text = [this](std::uint32_t id) { return session.text(id); };
        services.tell = [this](std::u16string_view message, bool) { told.emplace_back(message); };
        editor = HexResourceEditor::create(resource, site, parent, instance, resources.code_font(), services);
        ASSERT_NE(editor, nullptr);
        MoveWindow(editor->window(), 0, 0, 660, 300, TRUE);
        ShowWindow(editor->window(), SW_SHOW);
        UpdateWindow(editor->window());
    }
    void click(std::size_t offset, bool low_digit = false) {
        POINT cell = editor->cell_position(offset, false);
        // A byte takes three character columns.
        const int char_width = (editor->cell_position(1, false).x - editor->cell_position(0, false).x) / 3;
        if (low_digit) cell.x += char_width;
        SendMessageW(editor->window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.x + 2, cell.y + 3));
    }
    void type(const wchar_t* text) {
        for (; *text != 0; ++text) SendMessageW(editor->window(), WM_CHAR, *text, 0);
    }

    HWND parent = nullptr;
    RawDataResource resource{numeric_custom_kind(10)};
    RecordingSite site{platform};
    std::unique_ptr<HexResourceEditor> editor;
    std::vector<std::u16string> told;
};

TEST_F(HexEditorTest, TypedDigitsChangeBytesAndUndoAsOneStepPerByte) {
    open(Bytes(40, 0));
    click(17);
    EXPECT_EQ(editor->caret(), (HexCaret{17, false}));
    type(L"4g1");  // the g is not a digit
    EXPECT_EQ(resource.bytes()[17], 0x41);
    EXPECT_EQ(editor->caret(), (HexCaret{18, false}));
    type(L"F");
    EXPECT_EQ(resource.bytes()[18], 0xF0);
    EXPECT_EQ(site.undo.undo_names(), (std::vector<std::u16string>{u"Edit Byte", u"Edit Byte"}));
    site.undo.undo(2);
    EXPECT_EQ(resource.bytes(), Bytes(40, 0));
    site.undo.redo();
    EXPECT_EQ(resource.bytes()[17], 0x41);
    EXPECT_EQ(site.last_change, 17u);

    click(3, true);
    EXPECT_EQ(editor->caret(), (HexCaret{3, true}));
    SendMessageW(editor->window(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(editor->caret(), (HexCaret{19, false}));
    SendMessageW(editor->window(), WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(editor->caret().offset, 39u);
    EXPECT_EQ(site.status, u"0x00000027");
}

TEST_F(HexEditorTest, FiftyMegabytesOpenAtOnceAndOnlyTheRowsInSightAreDrawn) {
    const DWORD start = GetTickCount();
    open(Bytes(50u * 1024 * 1024, 0xAB));
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_GT(editor->rows_painted(), 0u);
    EXPECT_LE(editor->rows_painted(), editor->rows_in_sight() + 2);
    SendMessageW(editor->window(), WM_KEYDOWN, VK_END, 0);
    UpdateWindow(editor->window());
    EXPECT_EQ(editor->first_row(), 50u * 1024 * 1024 / 16 - editor->rows_in_sight());
    EXPECT_LE(editor->rows_painted(), editor->rows_in_sight() + 2);
}

TEST_F(HexEditorTest, BytesGoOutToAFileAndAnImportIsOneUndoStep) {
    open(Bytes{1, 2, 3});
    ASSERT_TRUE(editor->export_to(folder / "out.bin"));
    EXPECT_EQ(*read_file_bytes(folder / "out.bin"), (Bytes{1, 2, 3}));
    write_text(folder / "in.bin", "ABCD");
    ASSERT_TRUE(editor->import_from(folder / "in.bin"));
    EXPECT_EQ(resource.bytes(), (Bytes{'A', 'B', 'C', 'D'}));
    site.undo.undo();
    EXPECT_EQ(resource.bytes(), (Bytes{1, 2, 3}));
    EXPECT_FALSE(editor->import_from(folder / "missing.bin"));
    EXPECT_EQ(told.size(), 1u);
}

}  // namespace
}  // namespace tavorin::testing
