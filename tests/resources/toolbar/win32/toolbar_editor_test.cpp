// The toolbar editor with real messages: a click chooses a cell, the context menu's commands
// insert and remove items, the grid's rows change the identifier, the prompt and the size, and a
// size that is no number is refused with its message.

#include "platform/win32/windows_api.h"

#include <gtest/gtest.h>

#include "app/win32/gui_test_support.h"
#include "model/project.h"
#include "model/undo_history.h"
#include "resources/image/bitmap_resource.h"
#include "resources/toolbar/win32/toolbar_editor.h"

namespace tavorin::testing {
namespace {

struct QuietSite : EditorSite {
    explicit QuietSite(Platform& platform) : undo(platform) {}
    UndoHistory& history(const Resource&) override { return undo; }
    void content_changed(Resource&, std::size_t) override { ++changes; }
    void editor_state_changed() override {}
    void properties_changed() override {}
    void show_editor_status(std::u16string_view) override {}
    UndoHistory undo;
    int changes = 0;
};

class ToolbarEditorTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 300, nullptr, nullptr,
                                 instance, nullptr);
        ASSERT_NE(parent, nullptr);
        auto name = session.symbols().register_resource_name(u"IDR_TOOLBAR1", kind::toolbar, false, std::nullopt, 0);
        auto made = std::make_unique<Toolbar>(session.symbols());
        made->identity().name = name ? *name : u"IDR_TOOLBAR1";
        toolbar = static_cast<Toolbar*>(session.project().add_resource(std::move(made)));
        toolbar->add_button(u"ID_ONE");
        toolbar->add_button(u"ID_TWO");
        editor = ToolbarEditor::create(*toolbar, session.workspace(), site, parent, instance, resources.regular_font(),
                                       folder, [this](std::u16string_view message) { told.emplace_back(message); });
        ASSERT_NE(editor, nullptr);
        MoveWindow(editor->window(), 0, 0, 580, 260, TRUE);
        ShowWindow(editor->window(), SW_SHOW);
    }
    void TearDown() override {
        editor.reset();
        DestroyWindow(parent);
    }
    void click_item(std::size_t index) {
        const ToolbarCell cell = toolbar_cells(*toolbar)[index];
        SendMessageW(editor->window(), WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(cell.left + cell.width / 2, ToolbarEditor::strip_top + 3));
    }

    HWND parent = nullptr;
    QuietSite site{platform};
    Toolbar* toolbar = nullptr;
    std::unique_ptr<ToolbarEditor> editor;
    std::vector<std::u16string> told;
};

TEST_F(ToolbarEditorTest, OpeningGivesTheToolbarABitmapAndClicksChooseCells) {
    bool has_bitmap = false;
    for (const auto& resource : session.project().resources()) has_bitmap |= resource->kind() == kind::bitmap;
    EXPECT_TRUE(has_bitmap);
    click_item(1);
    EXPECT_EQ(editor->selected(), 1u);
    SendMessageW(editor->window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, ToolbarEditor::strip_top + 3));
    EXPECT_EQ(editor->selected(), std::nullopt);
    EXPECT_EQ(GetMenuItemCount(editor->context_menu(std::nullopt).get()), 2);
    EXPECT_EQ(GetMenuItemCount(editor->context_menu(0).get()), 5);
}

TEST_F(ToolbarEditorTest, ContextCommandsInsertAndRemoveWithoutUndoSteps) {
    click_item(0);
    editor->run_context_command(ToolbarEditor::separator_after_command);
    editor->run_context_command(ToolbarEditor::button_before_command);  // before the new separator
    ASSERT_EQ(toolbar->items().size(), 4u);
    EXPECT_EQ(toolbar->items()[0].id, u"ID_ONE");
    EXPECT_EQ(toolbar->items()[1].id, u"IDR_COMMAND1");
    EXPECT_TRUE(toolbar->items()[2].separator());
    editor->run_context_command(ToolbarEditor::remove_command);
    EXPECT_EQ(toolbar->items().size(), 3u);
    EXPECT_FALSE(session.symbols().has_symbol(u"IDR_COMMAND1"));
    EXPECT_EQ(site.undo.size(), 0u);
    EXPECT_TRUE(toolbar->identity().modified);
}

TEST_F(ToolbarEditorTest, GridRowsSetPromptIdentifierAndSizeAndRefuseNonNumbers) {
    click_item(0);
    editor->set_property(1, u"Open a file", -1);
    editor->set_property(2, u"ID_FILE_OPEN", -1);
    EXPECT_EQ(toolbar->items()[0].id, u"ID_FILE_OPEN");
    EXPECT_EQ(editor->properties()[1].value, u"Open a file");
    editor->set_property(4, u"24", -1);
    EXPECT_EQ(toolbar->button_width(), 24u);
    editor->set_property(5, u"2x", -1);
    EXPECT_EQ(toolbar->button_height(), 15u);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], u"Integer value expected.");
    click_item(0);
    EXPECT_EQ(toolbar_cells(*toolbar)[1].left, 10 + 24 + 6);
}

}  // namespace
}  // namespace tavorin::testing
