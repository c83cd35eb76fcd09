#include "dialog/win32/dialog_designer.h"

// The designer's toolbar and menus: the commands they run and when each is enabled.

#include <commctrl.h>

#include "dialog/win32/designer_dialogs.h"
#include "dialog/win32/test_dialog.h"
#include "model/workspace.h"
#include "platform/win32/wide_text.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

constexpr int toolbar_id = 2;

struct CommandText {
    std::uint16_t command;
    str::Id text;
    bool check = false;
    bool drop_down = false;
};

// The toolbar, in its order.
constexpr CommandText toolbar_commands[] = {
    {designer_command::test_dialog, str::designer_test_dialog},
    {designer_command::toggle_grid, str::designer_toggle_grid, true},
    {designer_command::toggle_margin, str::designer_toggle_margin, true},
    {designer_command::snap, str::designer_snap, true},
    {designer_command::align_lefts, str::designer_align_lefts, false, true},
    {designer_command::align_rights, str::designer_align_rights, false, true},
    {designer_command::align_tops, str::designer_align_tops, false, true},
    {designer_command::align_bottoms, str::designer_align_bottoms, false, true},
    {designer_command::center_vertically, str::designer_center_vertically, false, true},
    {designer_command::center_horizontally, str::designer_center_horizontally, false, true},
    {designer_command::space_horizontally, str::designer_space_horizontally},
    {designer_command::space_vertically, str::designer_space_vertically},
    {designer_command::same_width, str::designer_same_width},
    {designer_command::same_height, str::designer_same_height},
    {designer_command::same_size, str::designer_same_size},
    {designer_command::bring_to_front, str::designer_bring_to_front},
    {designer_command::send_to_back, str::designer_send_to_back},
    {designer_command::grid_settings, str::designer_grid_settings},
    {designer_command::tab_order, str::designer_tab_order},
};

}  // namespace

void DialogDesigner::create_toolbar(HINSTANCE instance) {
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_WRAPABLE |
                                   TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER | CCS_NORESIZE,
                               0, 0, 0, 0, window_.get(), reinterpret_cast<HMENU>(toolbar_id), instance, nullptr);
    if (toolbar_ != nullptr) {
        SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_font_), FALSE);
        SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
        for (const CommandText& entry : toolbar_commands) {
            const std::wstring text = wide(workspace_.text(entry.text));
            const auto string = SendMessageW(toolbar_, TB_ADDSTRINGW, 0,
                                             reinterpret_cast<LPARAM>((text + L'\0').c_str()));
            TBBUTTON button{};
            button.iBitmap = I_IMAGENONE;
            button.idCommand = entry.command;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = static_cast<BYTE>(BTNS_AUTOSIZE | BTNS_SHOWTEXT | (entry.check ? BTNS_CHECK : 0) |
                                               (entry.drop_down ? BTNS_DROPDOWN : 0));
            button.iString = string;
            SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
        }
    }
}

bool DialogDesigner::command_enabled(std::uint16_t command) const {
    return designer_command::enabled(command, selection_.size(), clipboard_.empty());
}

void DialogDesigner::update_toolbar() {
    if (toolbar_ == nullptr) return;
    for (const CommandText& entry : toolbar_commands) {
        SendMessageW(toolbar_, TB_ENABLEBUTTON, entry.command, MAKELPARAM(command_enabled(entry.command), 0));
    }
    SendMessageW(toolbar_, TB_CHECKBUTTON, designer_command::toggle_grid, MAKELPARAM(settings_.grid_visible, 0));
    SendMessageW(toolbar_, TB_CHECKBUTTON, designer_command::toggle_margin, MAKELPARAM(settings_.margin_visible, 0));
    SendMessageW(toolbar_, TB_CHECKBUTTON, designer_command::snap, MAKELPARAM(settings_.snap_on, 0));
}

EditorCommands DialogDesigner::commands() const {
    EditorCommands commands;
    commands.cut = !selection_.empty();
    commands.copy = !selection_.empty();
    commands.clear = !selection_.empty();
    commands.paste = !clipboard_.empty();
    commands.select_all = !dialog_.controls().empty();
    return commands;
}

void DialogDesigner::execute(EditorCommand command) {
    switch (command) {
        case EditorCommand::cut: run_command(designer_command::cut); break;
        case EditorCommand::copy: run_command(designer_command::copy); break;
        case EditorCommand::paste: run_command(designer_command::paste); break;
        case EditorCommand::clear: run_command(designer_command::clear); break;
        case EditorCommand::select_all: run_command(designer_command::select_all); break;
        case EditorCommand::find: break;
    }
}

void DialogDesigner::run_command(std::uint16_t command, LayoutMode mode) {
    namespace dc = designer_command;
    if (!command_enabled(command)) return;
    if (const auto layout = dc::layout_of(command)) {
        if (editing_.layout(*layout, mode)) changed();
        return;
    }
    if (const auto order = dc::z_order_of(command)) {
        if (editing_.z_order(*order)) changed();
        return;
    }
    switch (command) {
        case dc::copy:
            clipboard_ = editing_.copy();
            selection_changed();
            break;
        case dc::cut:
            clipboard_ = editing_.copy();
            if (editing_.delete_selection()) changed();
            break;
        case dc::clear:
            if (editing_.delete_selection()) changed();
            break;
        case dc::paste:
        case dc::paste_here: {
            std::optional<std::pair<std::int32_t, std::int32_t>> here;
            if (command == dc::paste_here) {
                const BaseUnits& base = dialog_.base_units();
                here = std::pair{horizontal_units(drag_start_.x - origin_.x, base),
                                 vertical_units(drag_start_.y - origin_.y, base)};
            }
            auto pasted = editing_.paste(clipboard_, here);
            if (!pasted) refused(Error{pasted.error()});
            changed();
            break;
        }
        case dc::select_all:
            selection_.select_all(dialog_);
            selection_changed();
            break;
        case dc::test_dialog: run_test_dialog(); break;
        case dc::toggle_grid:
            settings_.set_grid(!settings_.grid_visible);
            selection_changed();
            break;
        case dc::toggle_margin:
            settings_.margin_visible = !settings_.margin_visible;
            selection_changed();
            break;
        case dc::snap:
            settings_.set_snap(!settings_.snap_on);
            selection_changed();
            break;
        case dc::fit_to_contents:
            if (editing_.fit_to_contents(workspace_.platform())) changed();
            break;
        case dc::grid_settings:
            if (edit_grid_settings(window_.get(), workspace_, settings_)) selection_changed();
            break;
        case dc::tab_order:
            if (edit_tab_order(window_.get(), workspace_, editing_)) changed();
            break;
        case dc::properties: site_.properties_changed(); break;
        default: break;
    }
}

void DialogDesigner::show_layout_menu(std::uint16_t command, const RECT& button) {
    const auto layout = designer_command::layout_of(command);
    if (!layout) return;
    UniqueMenu menu(CreatePopupMenu());
    const std::size_t count = selection_.size();
    const auto add = [&](LayoutMode mode, str::Id text) {
        const UINT flags = MF_STRING | (layout_mode_enabled(*layout, mode, count) ? 0 : MF_GRAYED);
        AppendMenuW(menu.get(), flags, static_cast<UINT_PTR>(mode) + 1, wide(workspace_.text(text)).c_str());
    };
    add(LayoutMode::individually, str::designer_individually);
    add(LayoutMode::as_group, str::designer_as_group);
    if (*layout == LayoutCommand::center_vertically || *layout == LayoutCommand::center_horizontally) {
        add(LayoutMode::control, str::designer_center_control);
    }
    const int chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                                      button.left, button.bottom, 0, window_.get(), nullptr);
    if (chosen > 0) run_command(command, static_cast<LayoutMode>(chosen - 1));
}

void DialogDesigner::show_context_menu(POINT screen) {
    namespace dc = designer_command;
    UniqueMenu menu(CreatePopupMenu());
    const auto add = [&](HMENU target, std::uint16_t command, str::Id text) {
        AppendMenuW(target, MF_STRING | (command_enabled(command) ? 0 : MF_GRAYED), command,
                    wide(workspace_.text(text)).c_str());
    };
    if (!selection_.empty()) {
        HMENU order = CreatePopupMenu();
        add(order, dc::bring_to_front, str::designer_bring_to_front);
        add(order, dc::send_to_back, str::designer_send_to_back);
        add(order, dc::bring_forward, str::designer_bring_forward);
        add(order, dc::send_backward, str::designer_send_backward);
        AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(order), wide(workspace_.text(str::designer_order)).c_str());
        add(menu.get(), dc::cut, str::designer_cut);
        add(menu.get(), dc::copy, str::designer_copy);
        add(menu.get(), dc::paste_here, str::designer_paste_here);
        add(menu.get(), dc::clear, str::designer_delete);
        add(menu.get(), dc::fit_to_contents, str::designer_fit_to_contents);
        add(menu.get(), dc::test_dialog, str::designer_preview);
        add(menu.get(), dc::properties, str::designer_properties);
    } else {
        add(menu.get(), dc::paste_here, str::designer_paste_here);
        add(menu.get(), dc::select_all, str::designer_select_all);
        add(menu.get(), dc::test_dialog, str::designer_preview);
        add(menu.get(), dc::grid_settings, str::designer_grid_settings);
        add(menu.get(), dc::properties, str::designer_properties);
    }
    const int chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY, screen.x, screen.y, 0, window_.get(),
                                      nullptr);
    if (chosen > 0) run_command(static_cast<std::uint16_t>(chosen));
}


void DialogDesigner::run_test_dialog() {
    running_test_ = nullptr;
    run_dialog_test(window_.get(), dialog_, workspace_, [](HWND test) { running_test_ = test; });
    running_test_ = nullptr;
}

}  // namespace tavorin
