// The dialog designer in the main window, driven by mouse and key messages on its canvas: the
// previews of the controls, selecting and moving with mouse and arrows, placing a control from the
// toolbox, a property set in the grid, the test run, each change undone and redone through the
// main window, and the result saved as a script.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>

#include "app/command_ids.h"
#include "app/win32/main_window_test_support.h"
#include "app/win32/main_window.h"
#include "dialog/dialog.h"
#include "dialog/win32/dialog_designer.h"
#include "dialog/win32/designer_canvas_input.h"
#include "platform/win32/wide_text.h"

namespace tavorin::testing {
namespace {

class DialogDesignerTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        write_text(folder / "resource.h",
                   "#define IDD_SETTINGS 100\r\n#define IDR_MAINMENU 101\r\n#define IDC_SMALL_ICONS 1001\r\n"
                   "#define IDC_NAME 1002\r\n#define IDM_OPEN 40001\r\n");
        write_text(folder / "app.rc",
                   "#include \"resource.h\"\r\n"
                   "LANGUAGE 9, 1\r\n"
                   "IDR_MAINMENU MENU\r\n{\r\n    POPUP \"&File\"\r\n    {\r\n        MENUITEM \"&Open\", IDM_OPEN\r\n"
                   "    }\r\n}\r\n"
                   "IDD_SETTINGS DIALOG 0, 0, 200, 120\r\n"
                   "STYLE 0x80C80080\r\n"  // DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
                   "CAPTION \"Settings\"\r\n"
                   "MENU IDR_MAINMENU\r\n"
                   "FONT 8, \"MS Shell Dlg\"\r\n"
                   "{\r\n"
                   "    GROUPBOX        \"Display\", -1, 7, 7, 186, 50\r\n"
                   "    AUTORADIOBUTTON \"&Small icons\", IDC_SMALL_ICONS, 14, 20, 80, 10, 0x20000\r\n"
                   "    EDITTEXT        IDC_NAME, 40, 64, 153, 14, 0x80\r\n"
                   "    DEFPUSHBUTTON   \"OK\", 1, 89, 100, 50, 14\r\n"
                   "    PUSHBUTTON      \"Cancel\", 2, 143, 100, 50, 14\r\n"
                   "}\r\n");
        window.emplace(app);
        ASSERT_TRUE(window->create());
        ShowWindow(window->handle(), SW_SHOWNORMAL);
        window->open_file(folder / "app.rc");
        ASSERT_TRUE(pump_until([this] { return !window->loading(); }));
        ASSERT_TRUE(window->project_open());
        designer = open(u"IDD_SETTINGS");
        ASSERT_NE(designer, nullptr);
        dialog = static_cast<Dialog*>(&designer->resource());
    }
    void TearDown() override { window.reset(); }

    void command(cmd::Id id) { SendMessageW(window->handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    DialogDesigner* open(std::u16string_view name) { return dynamic_cast<DialogDesigner*>(open_in_tree(*window, name)); }
    Control& control(std::size_t index) const { return *dialog->controls()[index]; }
    // The canvas point in the middle of a control.
    POINT centre_of(const Control& target) const {
        const DialogRect pixels = to_pixels(target.rect(), dialog->base_units());
        const POINT origin = designer->client_origin();
        return POINT{origin.x + pixels.x + pixels.width / 2, origin.y + pixels.y + pixels.height / 2};
    }
    void mouse(UINT message, POINT at, WPARAM keys = 0) { canvas_mouse(*designer, message, at, keys); }
    void click(POINT at, WPARAM keys = 0) { canvas_click(*designer, at, keys); }
    void key(WPARAM code) { canvas_key(*designer, code); }
    RECT preview_box(const Control& target) const {
        RECT box{};
        HWND preview = designer->preview_of(target.unique_key());
        GetWindowRect(preview, &box);
        MapWindowPoints(nullptr, designer->canvas(), reinterpret_cast<POINT*>(&box), 2);
        return box;
    }
    std::optional<std::size_t> row_named(std::u16string_view name) const {
        const auto rows = designer->properties();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].name == name) return i;
        }
        return std::nullopt;
    }

    std::optional<MainWindow> window;
    DialogDesigner* designer = nullptr;
    Dialog* dialog = nullptr;
};

TEST_F(DialogDesignerTest, EveryControlHasAPreviewOfItsClassWhereTheModelPutsIt) {
    ASSERT_EQ(dialog->controls().size(), 5u);
    const wchar_t* classes[] = {L"Button", L"Button", L"Edit", L"Button", L"Button"};
    for (std::size_t i = 0; i < 5; ++i) {
        HWND preview = designer->preview_of(control(i).unique_key());
        ASSERT_NE(preview, nullptr) << i;
        wchar_t name[64] = {};
        GetClassNameW(preview, name, 64);
        EXPECT_EQ(_wcsicmp(name, classes[i]), 0) << i;
        const DialogRect pixels = to_pixels(control(i).rect(), dialog->base_units());
        const RECT box = preview_box(control(i));
        EXPECT_EQ(box.left, designer->client_origin().x + pixels.x) << i;
        EXPECT_EQ(box.bottom - box.top, pixels.height) << i;
    }
    EXPECT_EQ(window_text(designer->preview_of(control(1).unique_key())), L"&Small icons");
    // The base units come from the dialog's font as the screen draws it.
    EXPECT_GT(dialog->base_units().x, 0);
    EXPECT_GT(dialog->base_units().y, 0);
    // 24 kinds and the pointer.
    EXPECT_EQ(SendMessageW(designer->toolbox(), LB_GETCOUNT, 0, 0), 25);
}

TEST_F(DialogDesignerTest, ClickSelectsArrowsMoveAndUndoPutsItBack) {
    Control& edit = control(2);
    click(centre_of(edit));
    ASSERT_EQ(designer->selection().primary(), edit.unique_key());
    key(VK_RIGHT);
    key(VK_DOWN);
    EXPECT_EQ(edit.rect(), (DialogRect{41, 65, 153, 14}));
    EXPECT_EQ(preview_box(edit).left,
              designer->client_origin().x + horizontal_pixels(41, dialog->base_units()));
    EXPECT_TRUE(dialog->identity().modified);
    command(cmd::undo);
    command(cmd::undo);
    EXPECT_EQ(edit.rect(), (DialogRect{40, 64, 153, 14}));
    EXPECT_EQ(preview_box(edit).left, designer->client_origin().x + horizontal_pixels(40, dialog->base_units()));
    EXPECT_EQ(designer->selection().primary(), edit.unique_key()) << "the selection survives the undo";
    command(cmd::redo);
    EXPECT_EQ(edit.rect().x, 41);
}

TEST_F(DialogDesignerTest, TabWalksTheControlsAndDeleteRemovesTheSelection) {
    click(POINT{designer->client_origin().x + 2, designer->client_origin().y + 2});  // empty canvas
    EXPECT_TRUE(designer->selection().empty());
    key(VK_TAB);
    EXPECT_EQ(designer->selection().primary(), control(0).unique_key());
    key(VK_TAB);
    EXPECT_EQ(designer->selection().primary(), control(1).unique_key());
    const std::int32_t removed = control(1).unique_key();
    key(VK_DELETE);
    EXPECT_EQ(dialog->controls().size(), 4u);
    EXPECT_EQ(designer->preview_of(removed), nullptr);
    command(cmd::undo);
    ASSERT_EQ(dialog->controls().size(), 5u);
    EXPECT_EQ(control(1).unique_key(), removed);
    EXPECT_NE(designer->preview_of(removed), nullptr);
}

TEST_F(DialogDesignerTest, DraggingTheMouseMovesTheSelectionByDialogUnits) {
    Control& ok = control(3);
    Control& cancel = control(4);
    click(centre_of(ok));
    click(centre_of(cancel), MK_CONTROL);
    ASSERT_EQ(designer->selection().size(), 2u);
    const POINT start = centre_of(cancel);
    const BaseUnits units = dialog->base_units();
    const int dx = horizontal_pixels(-20, units);
    const int dy = vertical_pixels(-10, units);
    mouse(WM_LBUTTONDOWN, start, MK_LBUTTON);
    mouse(WM_MOUSEMOVE, POINT{start.x + dx / 2, start.y + dy / 2}, MK_LBUTTON);
    mouse(WM_MOUSEMOVE, POINT{start.x + dx, start.y + dy}, MK_LBUTTON);
    mouse(WM_LBUTTONUP, POINT{start.x + dx, start.y + dy});
    EXPECT_EQ(ok.rect(), (DialogRect{69, 90, 50, 14}));
    EXPECT_EQ(cancel.rect(), (DialogRect{123, 90, 50, 14}));
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Move Control");
    command(cmd::undo);
    EXPECT_EQ(ok.rect().x, 89);
    EXPECT_EQ(cancel.rect().x, 143);
}

TEST_F(DialogDesignerTest, AHandleResizesAndTheToolboxPlacesAControl) {
    Control& edit = control(2);
    click(centre_of(edit));
    const DialogRect pixels = to_pixels(edit.rect(), dialog->base_units());
    const POINT origin = designer->client_origin();
    // The bottom-right handle, 3 pixels outside the corner.
    const POINT handle{origin.x + pixels.x + pixels.width + 3, origin.y + pixels.y + pixels.height + 3};
    mouse(WM_LBUTTONDOWN, handle, MK_LBUTTON);
    mouse(WM_MOUSEMOVE, POINT{handle.x - horizontal_pixels(30, dialog->base_units()), handle.y}, MK_LBUTTON);
    mouse(WM_LBUTTONUP, POINT{handle.x - horizontal_pixels(30, dialog->base_units()), handle.y});
    EXPECT_EQ(edit.rect(), (DialogRect{40, 64, 123, 14}));
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Resize Control");

    // The toolbox's Check Box, by the list's notification.
    SendMessageW(designer->toolbox(), LB_SETCURSEL, 2, 0);
    SendMessageW(designer->window(), WM_COMMAND, MAKEWPARAM(1, LBN_SELCHANGE), reinterpret_cast<LPARAM>(designer->toolbox()));
    ASSERT_EQ(designer->tool(), ControlKind::check_box);
    click(POINT{origin.x + horizontal_pixels(100, dialog->base_units()), origin.y + vertical_pixels(90, dialog->base_units())});
    ASSERT_EQ(dialog->controls().size(), 6u);
    const Control& placed = *dialog->controls().back();
    EXPECT_EQ(placed.kind(), ControlKind::check_box);
    EXPECT_EQ(placed.identifier(), u"IDC_CHECKBOX1");
    EXPECT_EQ(designer->selection().primary(), placed.unique_key());
    EXPECT_FALSE(designer->tool()) << "without Ctrl the toolbox returns to the pointer";
    EXPECT_NE(designer->preview_of(placed.unique_key()), nullptr);
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Create Control");
    command(cmd::undo);
    EXPECT_EQ(dialog->controls().size(), 5u);
}

TEST_F(DialogDesignerTest, PropertiesOfTheSelectionAndOfTheDialogChangeWithUndo) {
    Control& cancel = control(4);
    click(centre_of(cancel));
    const auto disabled = row_named(u"Disabled");
    ASSERT_TRUE(disabled);
    designer->set_property(*disabled, {}, 1);
    EXPECT_NE(cancel.style() & WS_DISABLED, 0u);
    EXPECT_NE(GetWindowLongW(designer->preview_of(cancel.unique_key()), GWL_STYLE) & WS_DISABLED, 0);
    const auto caption = row_named(u"Caption");
    ASSERT_TRUE(caption);
    designer->set_property(*caption, u"Close", -1);
    EXPECT_EQ(cancel.text(), u"Close");
    EXPECT_EQ(window_text(designer->preview_of(cancel.unique_key())), L"Close");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Name change");
    command(cmd::undo);
    command(cmd::undo);
    EXPECT_EQ(cancel.text(), u"Cancel");
    EXPECT_EQ(cancel.style() & WS_DISABLED, 0u);

    // With nothing selected the rows are the dialog's.
    key(VK_ESCAPE);
    click(POINT{designer->client_origin().x + 2, designer->client_origin().y + 2});
    const auto dialog_caption = row_named(u"Caption");
    ASSERT_TRUE(dialog_caption);
    designer->set_property(*dialog_caption, u"Options", -1);
    EXPECT_EQ(dialog->caption(), u"Options");
    const auto width = row_named(u"Width");
    ASSERT_TRUE(width);
    designer->set_property(*width, u"240", -1);
    EXPECT_EQ(dialog->rect().width, 240);
    command(cmd::undo);
    EXPECT_EQ(dialog->rect().width, 200);
}

TEST_F(DialogDesignerTest, LayoutAndOrderCommandsRunFromTheToolbar) {
    click(centre_of(control(3)));
    click(centre_of(control(2)), MK_CONTROL);
    ASSERT_TRUE(designer->command_enabled(designer_command::align_lefts));
    SendMessageW(designer->window(), WM_COMMAND, designer_command::align_lefts, reinterpret_cast<LPARAM>(designer->toolbar()));
    EXPECT_EQ(control(3).rect().x, 40);
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Layout");
    EXPECT_FALSE(designer->command_enabled(designer_command::space_horizontally));
    designer->run_command(designer_command::bring_to_front);
    EXPECT_EQ(dialog->controls().back()->identifier(), u"IDC_NAME");
    command(cmd::undo);
    command(cmd::undo);
    EXPECT_EQ(control(3).rect().x, 89);
    EXPECT_EQ(control(2).identifier(), u"IDC_NAME");
}

TEST_F(DialogDesignerTest, CopyAndPasteCascadeInTheDesigner) {
    click(centre_of(control(2)));
    command(cmd::copy);
    command(cmd::paste);
    command(cmd::paste);
    ASSERT_EQ(dialog->controls().size(), 7u);
    EXPECT_EQ(control(5).rect(), (DialogRect{45, 69, 153, 14}));
    EXPECT_EQ(control(6).rect(), (DialogRect{0, 74, 153, 14})) << "past the right edge: at the hidden margin";
    EXPECT_NE(designer->preview_of(control(6).unique_key()), nullptr);
}

HWND test_window = nullptr;
int test_children = 0;
bool test_menu = false;
std::wstring test_caption;

void CALLBACK close_test(HWND, UINT, UINT_PTR id, DWORD) {
    HWND running = DialogDesigner::running_test();
    if (running == nullptr) return;
    KillTimer(nullptr, id);
    test_window = running;
    test_children = 0;
    for (HWND child = GetWindow(running, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) ++test_children;
    test_menu = GetMenu(running) != nullptr;
    test_caption = window_text(running);
    PostMessageW(running, WM_COMMAND, IDOK, 0);
}

TEST_F(DialogDesignerTest, TestDialogRunsTheDialogWithItsControlsAndMenuUntilOk) {
    SetTimer(nullptr, 0, 50, close_test);
    key(VK_F5);
    EXPECT_NE(test_window, nullptr);
    EXPECT_EQ(test_children, 5);
    EXPECT_TRUE(test_menu);
    EXPECT_EQ(test_caption, L"Settings");
    EXPECT_EQ(DialogDesigner::running_test(), nullptr);
    EXPECT_EQ(dialog->style() & WS_VISIBLE, 0u) << "the model's style is left as it was";
}

TEST_F(DialogDesignerTest, SavingWritesTheMovedControl) {
    click(centre_of(control(2)));
    key(VK_LEFT);
    pause_for_screenshot(window->handle(), "designer");
    command(cmd::save);
    const auto bytes = read_file_bytes(folder / "app.rc");
    ASSERT_TRUE(bytes);
    const std::string text(bytes->begin(), bytes->end());
    EXPECT_NE(text.find("IDC_NAME, 39, 64, 153, 14"), std::string::npos) << text;
}

TEST_F(DialogDesignerTest, TheCanvasStartsRightUnderTheToolbarsLastRowAtEveryWidth) {
    for (const int width : {1260, 900, 640}) {
        SetWindowPos(window->handle(), nullptr, 0, 0, width, 760, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        HWND bar = designer->toolbar();
        const auto count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
        RECT last{};
        SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&last));
        MapWindowPoints(bar, designer->window(), reinterpret_cast<POINT*>(&last), 2);
        RECT canvas{};
        GetWindowRect(designer->canvas(), &canvas);
        MapWindowPoints(nullptr, designer->window(), reinterpret_cast<POINT*>(&canvas), 2);
        EXPECT_GE(canvas.top, last.bottom) << width;
        EXPECT_LE(canvas.top - last.bottom, 4) << width;
    }
}

TEST_F(DialogDesignerTest, ToolboxTipsNameTheKindsAndAKindDraggedOntoTheCanvasIsPlacedWhereItIsDropped) {
    HWND box = designer->toolbox();
    HWND tips = designer->toolbox_tips();
    ASSERT_NE(tips, nullptr);
    ASSERT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 25);
    const std::pair<int, const wchar_t*> named[] = {{0, L"Pointer"}, {2, L"CheckBox"}, {24, L"Custom Control"}};
    for (const auto& [item, name] : named) {
        wchar_t text[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = box;
        tool.uId = static_cast<UINT_PTR>(item);
        tool.lpszText = text;
        ASSERT_TRUE(SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) << item;
        RECT row{};
        SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
        EXPECT_TRUE(EqualRect(&tool.rect, &row)) << item;
        EXPECT_STREQ(text, name);
    }

    // Radio Button (item 7) dragged onto the canvas: placed centred on the drop point.
    const BaseUnits units = dialog->base_units();
    const auto drag_to = [&](int item, POINT canvas_point, WPARAM keys) {
        RECT row{};
        SendMessageW(box, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&row));
        const POINT press{(row.left + row.right) / 2, (row.top + row.bottom) / 2};
        POINT drop = canvas_point;
        MapWindowPoints(designer->canvas(), box, &drop, 1);
        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
        SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON | keys, MAKELPARAM(press.x + 20, press.y));
        SendMessageW(box, WM_MOUSEMOVE, MK_LBUTTON | keys, MAKELPARAM(drop.x, drop.y));
        SendMessageW(box, WM_LBUTTONUP, keys, MAKELPARAM(drop.x, drop.y));
    };
    const POINT origin = designer->client_origin();
    drag_to(7, POINT{origin.x + horizontal_pixels(120, units), origin.y + vertical_pixels(88, units)}, MK_CONTROL);
    ASSERT_EQ(dialog->controls().size(), 6u);
    const Control& radio = *dialog->controls().back();
    EXPECT_EQ(radio.kind(), ControlKind::radio_button);
    EXPECT_NEAR(radio.rect().x + radio.rect().width / 2, 120, 1);
    EXPECT_NEAR(radio.rect().y + radio.rect().height / 2, 88, 1);
    EXPECT_EQ(designer->tool(), ControlKind::radio_button) << "Ctrl keeps the kind";
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Create Control");

    drag_to(3, POINT{origin.x + horizontal_pixels(60, units), origin.y + vertical_pixels(30, units)}, 0);
    ASSERT_EQ(dialog->controls().size(), 7u);
    EXPECT_EQ(dialog->controls().back()->kind(), ControlKind::edit);
    EXPECT_FALSE(designer->tool()) << "without Ctrl the toolbox returns to the pointer";
    // Dropped back on the toolbox: nothing is placed.
    drag_to(2, POINT{-40, 40}, 0);
    EXPECT_EQ(dialog->controls().size(), 7u);
    designer->run_command(designer_command::select_all);
    pause_for_screenshot(window->handle(), "designer-toolbox");
    command(cmd::undo);
    command(cmd::undo);
    EXPECT_EQ(dialog->controls().size(), 5u);
}

TEST_F(DialogDesignerTest, TheIdRowRenamesTheControlAndUndoGivesTheOldNameBack) {
    Control& edit = control(2);
    click(centre_of(edit));
    const auto id = row_named(u"ID");
    ASSERT_TRUE(id);
    designer->set_property(*id, u"IDC_USER_NAME", -1);
    EXPECT_EQ(edit.identifier(), u"IDC_USER_NAME");
    EXPECT_EQ(designer->properties()[*id].value, u"IDC_USER_NAME");
    EXPECT_EQ(window->undo_history().undo_names().front(), u"Property");
    designer->set_property(*id, u"IDC_SMALL_ICONS", -1);  // the radio button's
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0].text, u"This ID is already used by another control of this dialog resource.");
    EXPECT_EQ(edit.identifier(), u"IDC_USER_NAME");
    command(cmd::undo);
    EXPECT_EQ(edit.identifier(), u"IDC_NAME");
    EXPECT_EQ(edit.identifier_value(), 1002);
    command(cmd::redo);
    command(cmd::save);
    const auto script = read_file_bytes(folder / "app.rc");
    const auto header = read_file_bytes(folder / "resource.h");
    ASSERT_TRUE(script && header);
    EXPECT_NE(std::string(script->begin(), script->end()).find("EDITTEXT        IDC_USER_NAME, 40, 64"), std::string::npos);
    EXPECT_NE(std::string(header->begin(), header->end()).find("IDC_USER_NAME"), std::string::npos);
}

TEST_F(DialogDesignerTest, TheSameMouseMoveGivesTheSameDialogUnitsAt96And144And192Dpi) {
    Control& edit = control(2);
    std::vector<DialogRect> moved;
    std::vector<BaseUnits> bases;
    for (const int dpi : {96, 144, 192}) {
        designer->set_dpi(dpi);
        bases.push_back(dialog->base_units());
        EXPECT_EQ(preview_box(edit).right - preview_box(edit).left, horizontal_pixels(153, dialog->base_units())) << dpi;
        click(centre_of(edit));
        // The same distance on the screen: more pixels at more dots per inch.
        const POINT start = centre_of(edit);
        const POINT end{start.x - MulDiv(48, dpi, 96), start.y - MulDiv(26, dpi, 96)};
        mouse(WM_LBUTTONDOWN, start, MK_LBUTTON);
        mouse(WM_MOUSEMOVE, end, MK_LBUTTON);
        mouse(WM_LBUTTONUP, end);
        moved.push_back(edit.rect());
        command(cmd::undo);
        ASSERT_EQ(edit.rect(), (DialogRect{40, 64, 153, 14})) << dpi;
    }
    // Font heights are whole pixels, so the base units grow a little unevenly with the dots per
    // inch: a move may land one dialog unit apart, never more.
    EXPECT_NE(moved[0], (DialogRect{40, 64, 153, 14}));
    for (std::size_t i = 1; i < moved.size(); ++i) {
        EXPECT_NEAR(moved[i].x, moved[0].x, 1) << i << ": base units " << bases[i].x << " x " << bases[i].y;
        EXPECT_NEAR(moved[i].y, moved[0].y, 1) << i << ": base units " << bases[i].x << " x " << bases[i].y;
    }
    // The font, and with it the base units, grows with the dots per inch.
    EXPECT_NEAR(bases[1].x * 2, bases[0].x * 3, 2);
    EXPECT_NEAR(bases[2].y, bases[0].y * 2, 2);

    // The main window moved to a screen of 144 dpi opens the designer again at that resolution.
    RECT suggested{20, 20, 1020, 720};
    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    auto* reopened = dynamic_cast<DialogDesigner*>(window->editors().active_editor());
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->dpi(), 144);
    EXPECT_EQ(dialog->base_units().x, bases[1].x);
    EXPECT_EQ(dialog->base_units().y, bases[1].y);
    SendMessageW(window->handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace
}  // namespace tavorin::testing
