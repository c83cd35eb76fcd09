// A whole session in the designer as a user has it, on the sample's IDD_SETTINGS: one control of
// every kind placed from the toolbox, moved and resized with mouse and keys, a selection aligned,
// spaced and sized, the z-order changed, a copy pasted and a caption set; then every step undone
// back to the dialog as it was read and redone, and the project saved as a script and as a .res
// file, both of which read back as the designed dialog. With TAVORIN_KEEP_OUTPUT naming a folder
// the saved files are copied there, for a resource compiler to compile the script.

#include "platform/win32/windows_api.h"

#include <optional>
#include <string_view>
#include <vector>

#include "../../app/win32/main_window_test_support.h"
#include "app/command_ids.h"
#include "base/binary_buffer.h"
#include "base/text.h"
#include "dialog/designer_commands.h"
#include "dialog/dialog.h"
#include "dialog/dialog_template.h"
#include "dialog/win32/dialog_designer.h"
#include "dialog/win32/designer_canvas_input.h"

namespace tavorin::testing {
namespace {

class DesignerWalkthroughTest : public SampleProjectTest {
protected:
    // By its symbol in a script, by its number in a .res file.
    Dialog* settings_dialog(std::u16string_view name = u"IDD_SETTINGS") const {
        for (const auto& resource : session.project().resources()) {
            if (resource->name_text() == name) return dynamic_cast<Dialog*>(resource.get());
        }
        return nullptr;
    }
    static std::vector<std::uint8_t> template_of(const Dialog& dialog) {
        BinaryBuffer bytes;
        encode_dialog_template(dialog, bytes);
        return std::vector<std::uint8_t>(bytes.bytes().begin(), bytes.bytes().end());
    }
    POINT canvas_point(int x, int y) const {
        const POINT origin = designer->client_origin();
        return POINT{origin.x + horizontal_pixels(x, dialog->base_units()), origin.y + vertical_pixels(y, dialog->base_units())};
    }
    POINT centre_of(const Control& control) const {
        const DialogRect rect = control.rect();
        return canvas_point(rect.x + rect.width / 2, rect.y + rect.height / 2);
    }
    void mouse(UINT message, POINT at, WPARAM keys = 0) { canvas_mouse(*designer, message, at, keys); }
    void click(POINT at, WPARAM keys = 0) { canvas_click(*designer, at, keys); }
    void key(WPARAM code) { canvas_key(*designer, code); }
    void choose_from_toolbox(ControlKind kind) {
        SendMessageW(designer->toolbox(), LB_SETCURSEL, static_cast<WPARAM>(kind), 0);
        SendMessageW(designer->window(), WM_COMMAND, MAKEWPARAM(1, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(designer->toolbox()));
    }
    void set_row(std::u16string_view name, const std::u16string& text) {
        const auto rows = designer->properties();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].name == name) return designer->set_property(i, text, -1);
        }
        ADD_FAILURE() << "no property row of that name";
    }
    Control& last_control() const { return *dialog->controls().back(); }

    struct ControlState {
        ControlKind kind;
        DialogRect rect;
        std::uint32_t style, extended_style;
        std::int32_t identifier;
        std::u16string text;
        bool operator==(const ControlState&) const = default;
    };
    static std::vector<ControlState> states_of(const Dialog& dialog) {
        std::vector<ControlState> states;
        for (const auto& control : dialog.controls()) {
            states.push_back({control->kind(), control->rect(), control->style(), control->extended_style() & ~0x4u,
                              control->identifier_value(), control->text()});
        }
        return states;
    }

    DialogDesigner* designer = nullptr;
    Dialog* dialog = nullptr;
};

TEST_F(DesignerWalkthroughTest, EveryKindPlacedLaidOutUndoneRedoneAndSavedAsScriptAndRes) {
    designer = dynamic_cast<DialogDesigner*>(open_in_tree(*window, u"IDD_SETTINGS"));
    ASSERT_NE(designer, nullptr);
    dialog = settings_dialog();
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::uint8_t> as_read = template_of(*dialog);
    const std::size_t controls_read = dialog->controls().size();

    // Room for the new controls beside the old ones.
    click(canvas_point(1, 1));
    set_row(u"Width", u"480");
    set_row(u"Height", u"300");
    ASSERT_EQ(dialog->rect().width, 480);

    for (int kind = 1; kind <= control_kind_count; ++kind) {
        choose_from_toolbox(static_cast<ControlKind>(kind));
        ASSERT_EQ(designer->tool(), static_cast<ControlKind>(kind));
        const int column = (kind - 1) % 4, row = (kind - 1) / 4;
        click(canvas_point(240 + column * 60, 25 + row * 45));
        ASSERT_EQ(dialog->controls().size(), controls_read + static_cast<std::size_t>(kind)) << "kind " << kind;
        EXPECT_EQ(last_control().kind(), static_cast<ControlKind>(kind));
        EXPECT_NE(designer->preview_of(last_control().unique_key()), nullptr) << "kind " << kind;
    }

    // The last one placed moves 10 units to the left with the mouse, then one more with a key;
    // Shift+Down makes it a unit taller.
    Control& moved = last_control();
    const DialogRect placed = moved.rect();
    const POINT grip = centre_of(moved);
    mouse(WM_LBUTTONDOWN, grip, MK_LBUTTON);
    const POINT dropped{grip.x - horizontal_pixels(10, dialog->base_units()), grip.y};
    mouse(WM_MOUSEMOVE, dropped, MK_LBUTTON);
    mouse(WM_LBUTTONUP, dropped);
    key(VK_LEFT);
    {
        HeldKeys shift({VK_SHIFT});
        key(VK_DOWN);
    }
    EXPECT_EQ(moved.rect(), (DialogRect{placed.x - 11, placed.y, placed.width, placed.height + 1}));

    // Three controls of the first column made the size of the primary one, aligned on its right
    // edge and spaced; the primary one brought to the front.
    const auto key_of = [this](std::size_t index) { return dialog->controls()[index]->unique_key(); };
    const std::vector<std::int32_t> column{key_of(controls_read), key_of(controls_read + 4), key_of(controls_read + 12)};
    designer->select(column);
    ASSERT_EQ(designer->selection().size(), 3u);
    for (const std::uint16_t command : {designer_command::same_size, designer_command::align_rights,
                                        designer_command::space_vertically, designer_command::bring_to_front}) {
        ASSERT_TRUE(designer->command_enabled(command)) << command;
        designer->run_command(command);
    }
    const std::int32_t primary_key = *designer->selection().primary();
    EXPECT_EQ(last_control().unique_key(), primary_key);
    const DialogRect primary = last_control().rect();
    for (const std::int32_t key : column) {
        const DialogRect rect = dialog->find_control(key)->rect();
        EXPECT_EQ(rect.width, primary.width);
        EXPECT_EQ(rect.height, primary.height);
        EXPECT_EQ(rect.x, primary.x);
    }

    // A copy of the first button pasted, and its caption set in the grid.
    designer->select({column.front()});
    command(cmd::copy);
    command(cmd::paste);
    ASSERT_EQ(dialog->controls().size(), controls_read + control_kind_count + 1);
    set_row(u"Caption", u"Pasted");
    EXPECT_EQ(last_control().text(), u"Pasted");

    const std::vector<std::uint8_t> designed = template_of(*dialog);
    const DialogRect dialog_rect = dialog->rect();
    const std::size_t steps = window->undo_history().undo_names().size();
    ASSERT_GE(steps, static_cast<std::size_t>(control_kind_count) + 8);

    while (!window->undo_history().undo_names().empty()) command(cmd::undo);
    EXPECT_EQ(template_of(*dialog), as_read) << "every step undone gives the dialog as it was read";
    EXPECT_EQ(dialog->controls().size(), controls_read);
    while (!window->undo_history().redo_names().empty()) command(cmd::redo);
    EXPECT_EQ(window->undo_history().undo_names().size(), steps);
    ASSERT_EQ(template_of(*dialog), designed) << "every step redone gives the designed dialog";

    for (const char* target : {"designed.rc", "designed.res"}) {
        platform.chosen_files = {folder / "sample" / target};
        // The dialog's statement holds a conditional line: saving the script asks before it
        // writes the statement anew with the old text in a comment.
        if (std::string_view(target).ends_with(".rc")) platform.answers = {Answer::yes};
        command(cmd::save_as);
        keep(target);
    }
    keep("resource.h");
    const std::u16string number = decimal(session.symbols().value_of(u"IDD_SETTINGS"));
    const std::vector<ControlState> designed_controls = states_of(*dialog);
    command(cmd::close_project);
    ASSERT_NO_FATAL_FAILURE(open_project(folder / "sample" / "designed.res"));
    ASSERT_NE(settings_dialog(number), nullptr);
    EXPECT_EQ(template_of(*settings_dialog(number)), designed) << "the .res file holds the designed template";

    // The script text implies WS_EX_NOPARENTNOTIFY, which placed controls start with (the dialog
    // manager gives it to every control), so a compiled script leaves that bit out.
    command(cmd::close_project);
    ASSERT_NO_FATAL_FAILURE(open_project(folder / "sample" / "designed.rc"));
    const Dialog* from_script = settings_dialog();
    ASSERT_NE(from_script, nullptr);
    EXPECT_EQ(from_script->rect(), dialog_rect);
    EXPECT_EQ(states_of(*from_script), designed_controls);
}

}  // namespace
}  // namespace tavorin::testing
