#include "dialog/win32/designer_dialogs.h"

#include <string>
#include <vector>

#include "base/escapes.h"
#include "base/text.h"
#include "dialog/designer_editing.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

// What both dialogs share: children placed in dialog units, in the dialog's font.
class SmallDialog {
public:
    explicit SmallDialog(Workspace& workspace) : workspace_(workspace) {}
    void attach(HWND window) noexcept { window_ = window; }
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept {}

protected:
    HWND child(const wchar_t* window_class, const std::u16string& text, DWORD style, int id, int x, int y, int width,
               int height) {
        RECT box{x, y, x + width, y + height};
        MapDialogRect(window_, &box);
        HWND window = CreateWindowExW(window_class == std::wstring(L"EDIT") || window_class == std::wstring(L"LISTBOX")
                                          ? WS_EX_CLIENTEDGE
                                          : 0,
                                      window_class, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, box.left,
                                      box.top, box.right - box.left, box.bottom - box.top, window_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
        SendMessageW(window, WM_SETFONT, SendMessageW(window_, WM_GETFONT, 0, 0), FALSE);
        return window;
    }
    const std::u16string& text(str::Id id) const { return workspace_.text(id); }

    Workspace& workspace_;
    HWND window_ = nullptr;
};

class GridDialog : public SmallDialog {
public:
    GridDialog(Workspace& workspace, DesignerSettings& settings) : SmallDialog(workspace), settings_(settings) {}
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM) {
        switch (message) {
            case WM_INITDIALOG: on_init(); return TRUE;
            case WM_COMMAND:
                if (LOWORD(wparam) == IDOK) confirm();
                if (LOWORD(wparam) == IDCANCEL) EndDialog(window_, IDCANCEL);
                return TRUE;
            default: return FALSE;
        }
    }

private:
    void number_row(str::Id label, int id, int value, int y) {
        child(L"STATIC", text(label), SS_LEFT, -1, 14, y + 2, 90, 8);
        child(L"EDIT", decimal(value), ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, id, 106, y, 30, 12);
        child(L"STATIC", text(str::dialog_units_label), SS_LEFT, -1, 140, y + 2, 50, 8);
    }
    void on_init() {
        SetWindowTextW(window_, wide(text(str::designer_grid_settings)).c_str());
        child(L"BUTTON", text(str::grid_margin_group), BS_GROUPBOX, -1, 7, 4, 186, 26);
        number_row(str::designer_grid_size_label, grid_control::margin, settings_.margin_size, 14);
        child(L"BUTTON", text(str::grid_group), BS_GROUPBOX, -1, 7, 34, 186, 40);
        number_row(str::grid_width_label, grid_control::grid_width, settings_.grid_width, 44);
        number_row(str::grid_height_label, grid_control::grid_height, settings_.grid_height, 58);
        child(L"BUTTON", text(str::snap_preferences_group), BS_GROUPBOX, -1, 7, 78, 186, 40);
        number_row(str::default_snap_distance_label, grid_control::snap, settings_.snap_distance, 88);
        number_row(str::reduced_snap_distance_label, grid_control::small_snap, settings_.small_snap_distance, 102);
        child(L"BUTTON", text(str::designer_ok), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 89, 124, 50, 14);
        child(L"BUTTON", text(str::designer_cancel), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 143, 124, 50, 14);
    }
    void take(int id, std::int32_t& target) {
        BOOL ok = FALSE;
        const UINT value = GetDlgItemInt(window_, id, &ok, FALSE);
        if (ok && value >= 1 && value <= 1000) target = static_cast<std::int32_t>(value);
    }
    void confirm() {
        take(grid_control::margin, settings_.margin_size);
        take(grid_control::grid_width, settings_.grid_width);
        take(grid_control::grid_height, settings_.grid_height);
        take(grid_control::snap, settings_.snap_distance);
        take(grid_control::small_snap, settings_.small_snap_distance);
        EndDialog(window_, IDOK);
    }

    DesignerSettings& settings_;
};

class TabOrderDialog : public SmallDialog {
public:
    TabOrderDialog(Workspace& workspace, DesignerEditing& editing) : SmallDialog(workspace), editing_(editing) {}
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM) {
        switch (message) {
            case WM_INITDIALOG: on_init(); return TRUE;
            case WM_COMMAND:
                if (LOWORD(wparam) == tab_order_control::up) move(-1);
                if (LOWORD(wparam) == tab_order_control::down) move(1);
                if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) EndDialog(window_, IDOK);
                return TRUE;
            default: return FALSE;
        }
    }
    bool moved() const { return moved_; }

private:
    void on_init() {
        SetWindowTextW(window_, wide(text(str::designer_tab_order_caption)).c_str());
        list_ = child(L"LISTBOX", {}, WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, tab_order_control::list, 7, 7,
                      130, 130);
        child(L"BUTTON", text(str::designer_move_up), BS_PUSHBUTTON | WS_TABSTOP, tab_order_control::up, 143, 7, 50, 14);
        child(L"BUTTON", text(str::designer_move_down), BS_PUSHBUTTON | WS_TABSTOP, tab_order_control::down, 143, 24,
              50, 14);
        child(L"BUTTON", text(str::designer_ok), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 143, 123, 50, 14);
        fill(0);
    }
    void fill(int selected) {
        SendMessageW(list_, LB_RESETCONTENT, 0, 0);
        for (const auto& control : editing_.dialog().controls()) {
            std::u16string line = control->identifier();
            if (control->has_caption() && !control->text().empty()) line += u" \"" + control->text() + u"\"";
            SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(line).c_str()));
        }
        SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
    void move(int step) {
        const auto index = static_cast<int>(SendMessageW(list_, LB_GETCURSEL, 0, 0));
        const auto& controls = editing_.dialog().controls();
        const int target = index + step;
        if (index < 0 || target < 0 || target >= static_cast<int>(controls.size())) return;
        if (editing_.set_control_order(controls[static_cast<std::size_t>(index)]->unique_key(),
                                       static_cast<std::size_t>(target))) {
            moved_ = true;
        }
        fill(target);
    }

    DesignerEditing& editing_;
    HWND list_ = nullptr;
    bool moved_ = false;
};

HINSTANCE instance_of(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)); }

}  // namespace

bool edit_grid_settings(HWND owner, Workspace& workspace, DesignerSettings& settings) {
    GridDialog dialog(workspace, settings);
    const auto layout = empty_dialog_template(200, 145, u"MS Shell Dlg");
    return run_bound_dialog(instance_of(owner), layout, owner, dialog) == IDOK;
}

bool edit_tab_order(HWND owner, Workspace& workspace, DesignerEditing& editing) {
    TabOrderDialog dialog(workspace, editing);
    run_bound_dialog(instance_of(owner), empty_dialog_template(200, 144, u"MS Shell Dlg"), owner, dialog);
    return dialog.moved();
}

}  // namespace tavorin
