#include "app/win32/main_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "app/config_file.h"
#include "app/image_users.h"
#include "app/layout_file.h"
#include "ui/dpi_scale.h"
#include "app/new_resources.h"
#include "app/shortcut_map.h"
#include "app/win32/app_messages.h"
#include "app/win32/association_registry.h"
#include "app/win32/custom_resource_dialog.h"
#include "app/win32/help_commands.h"
#include "app/win32/language_dialog.h"
#include "app/win32/main_toolbar.h"
#include "app/win32/menu_bar.h"
#include "app/win32/messages_window.h"
#include "app/win32/parse_error_dialog.h"
#include "app/win32/window_classes.h"
#include "base/file_io.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/text_writer.h"
#include "formats/script_writer.h"
#include "formats/win32/screen_font.h"
#include "model/resource_rename.h"
#include "resources/accelerator/win32/accelerator_editor.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"
#include "resources/image/win32/image_editor.h"
#include "resources/image/win32/image_options_dialog.h"
#include "resources/menu/win32/menu_editor.h"
#include "resources/toolbar/win32/toolbar_editor.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/rawdata/win32/hex_editor.h"
#include "resources/rawdata/win32/text_editor.h"
#include "resources/stringtable/win32/string_table_editor.h"
#include "dialog/win32/dialog_designer.h"
#include "resources/version/win32/version_editor.h"
#include "platform/win32/bound_window.h"
#include "script/open_script.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"
#include "ui/resource_tree_model.h"

namespace tavorin {

namespace {

constexpr UINT_PTR hover_timer = 1;
constexpr UINT hover_timer_period_ms = 10;
constexpr UINT_PTR watch_timer = 2;
constexpr UINT watch_timer_period_ms = 1000;

// The gap between the side column and the editor area, which drags to resize the column.
constexpr int splitter_width = 5;
constexpr int min_editor_width = 100;

bool key_held(int virtual_key) { return (GetAsyncKeyState(virtual_key) & 0x8000) != 0; }

WindowRect to_window_rect(const RECT& rect) { return WindowRect{rect.left, rect.top, rect.right, rect.bottom}; }

RECT to_rect(const WindowRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

ResourceKind kind_of_command(cmd::Id id) {
    switch (id) {
        case cmd::add_accelerator: return kind::accelerator;
        case cmd::add_bitmap: return kind::bitmap;
        case cmd::add_cursor: return kind::cursor;
        case cmd::add_dialog: return kind::dialog;
        case cmd::add_icon: return kind::icon;
        case cmd::add_manifest: return kind::manifest;
        case cmd::add_menu: return kind::menu;
        case cmd::add_string_table: return kind::string_table;
        case cmd::add_toolbar: return kind::toolbar;
        case cmd::add_version: return kind::version;
        default: return kind::user_defined;
    }
}

// A file-based resource that the next save writes into a script refers to its file; one saved
// into a compiled file or module holds its bytes. The project's file decides, not the file it was
// opened from.
bool saves_as_script(const ShellState& state) {
    return file_kind_of(display_path(state.current_path)) == FileKind::script;
}

// The Undo and Redo items name the step they would take: "Undo\tCtrl+Z" becomes
// "Undo Rename\tCtrl+Z".
std::u16string named_step(const std::u16string& menu_text, const std::vector<std::u16string>& names) {
    if (names.empty() || names.front().empty()) return menu_text;
    const std::size_t tab = menu_text.find(u'\t');
    const std::u16string base = menu_text.substr(0, tab);
    const std::u16string shortcut = tab == std::u16string::npos ? std::u16string() : menu_text.substr(tab);
    return base + u" " + names.front() + shortcut;
}

void set_menu_text(HMENU menu, cmd::Id id, const std::u16string& text) {
    std::wstring shown = wide(text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = shown.data();
    SetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &info);
}

std::optional<EditorCommand> editor_command_of(cmd::Id id) {
    switch (id) {
        case cmd::cut: return EditorCommand::cut;
        case cmd::copy: return EditorCommand::copy;
        case cmd::paste: return EditorCommand::paste;
        case cmd::delete_selection: return EditorCommand::clear;
        case cmd::select_all: return EditorCommand::select_all;
        default: return std::nullopt;
    }
}

// The grid's rows of every resource: its name, type and language.
enum ResourceRow : std::size_t { resource_category_row, name_row, type_row, language_row, resource_row_count };

bool is_add_command(cmd::Id id) {
    return (id >= cmd::add_user_defined && id <= cmd::add_toolbar) || id == cmd::add_manifest || id == cmd::add_cursor;
}

}  // namespace

MainWindow::MainWindow(App& app)
    : app_(app),
      document_(app.session, document_hooks()),
      previews_(app),
      history_(app.session.platform(), this),
      updates_(app) {
    app_.session.project().add_observer(*this);
}

MainWindow::~MainWindow() {
    if (loader_.joinable()) loader_.join();
    app_.session.project().remove_observer(*this);
    window_.reset();
}

DocumentHooks MainWindow::document_hooks() {
    DocumentHooks hooks;
    hooks.close_editors = [this] {
        tabs_.close_all();
        return true;
    };
    hooks.commit_edits = [this] { commit_edits(); };
    hooks.add_recent_document = [](const std::filesystem::path& path) {
        SHAddToRecentDocs(SHARD_PATHW, path.wstring().c_str());
    };
    hooks.state_changed = [this] { refresh_state(); };
    hooks.code_context = [this] { return screen_code_context(app_.session.config()); };
    return hooks;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<MainWindow>(window, message, wparam, lparam);
}

bool MainWindow::create() {
    UniqueMenu menu = create_menu_bar(app_.session.strings());
    if (!menu) return false;
    WindowRect placement_rect = default_window_rect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::error_code no_file;
    if (!std::filesystem::exists(app_.paths.layout_file, no_file)) {
        RECT work_area{};
        if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work_area, 0)) {
            placement_rect = first_start_window_rect(to_window_rect(work_area));
        }
    }
    if (auto layout = read_layout(app_.paths.layout_file)) {
        placement_rect = layout->window;
        panels_ = panel_layout_from_bytes(layout->panels);
    }
    HWND window = CreateWindowExW(WS_EX_ACCEPTFILES, window_class::main, L"Tavorin",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu.get(), app_.instance, this);
    if (window == nullptr) return false;
    menu.release();  // the window destroys its menu bar

    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_HIDE;
    placement.rcNormalPosition = to_rect(placement_rect);
    SetWindowPlacement(window, &placement);

    CheckMenuItem(menu_bar(), cmd::auto_save_layout,
                  MF_BYCOMMAND | (app_.session.config().auto_save_layout ? MF_CHECKED : MF_UNCHECKED));
    tree_.on_open = [this](Resource& resource) { open_editor(resource); };
    tree_.on_remove = [this](Resource& resource) { remove_resource(resource); };
    tree_.on_select = [this](Resource* resource) { show_properties_of(resource); };
    tabs_.on_activated = [this] {
        if (Resource* active = tabs_.active()) show_properties_of(active);
        else if (grid_resource_ != nullptr && tabs_.editor_of(*grid_resource_) != nullptr) show_properties_of(nullptr);
        refresh_edit_commands();
    };
    PropertyGrid& grid = properties_.grid();
    grid.callbacks.text_committed = [this](std::size_t row, const std::u16string& text) { on_property_text(row, text); };
    grid.callbacks.choice_picked = [this](std::size_t row, int choice, const std::u16string&) {
        on_property_choice(row, choice);
    };
    grid.callbacks.button_pressed = [this](std::size_t row) { on_property_button(row); };
    refresh_undo_commands();
    refresh_state();
    arrange();
    return true;
}

void MainWindow::show() {
    ShowWindow(handle(), app_.session.config().maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(handle());
}

LRESULT MainWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            on_create();
            return 0;
        case WM_COMMAND:
            // Menu items and shortcuts come without a window; the toolbar's buttons with it.
            if (lparam == 0 || reinterpret_cast<HWND>(lparam) == toolbar_) on_command(LOWORD(wparam));
            return 0;
        case WM_NOTIFY:
            return on_notify(*reinterpret_cast<const NMHDR*>(lparam));
        case WM_CONTEXTMENU:
            if (reinterpret_cast<HWND>(wparam) == tree_.handle()) {
                on_tree_context_menu(lparam);
                return 0;
            }
            return DefWindowProcW(handle(), message, wparam, lparam);
        case WM_SIZE:
            on_size(wparam, LOWORD(lparam), HIWORD(lparam));
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wparam) == handle() && LOWORD(lparam) == HTCLIENT && on_set_cursor()) return TRUE;
            return DefWindowProcW(handle(), message, wparam, lparam);
        case WM_LBUTTONDOWN:
            on_mouse_down(static_cast<short>(LOWORD(lparam)));
            return 0;
        case WM_MOUSEMOVE:
            on_mouse_move(static_cast<short>(LOWORD(lparam)));
            return 0;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            dragging_splitter_ = false;
            if (message == WM_LBUTTONUP && GetCapture() == handle()) ReleaseCapture();
            return 0;
        case app_message::key_down:
            on_key_down(wparam, lparam);
            return 0;
        case WM_DPICHANGED: {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
            apply_dpi(HIWORD(wparam));
            SetWindowPos(handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            arrange();
            return 0;
        }
        case app_message::character:
            on_character(wparam, lparam);
            return 0;
        case app_message::load_finished:
            on_load_finished();
            return 0;
        case WM_TIMER:
            if (wparam == hover_timer) on_hover_timer();
            if (wparam == watch_timer) on_watch_timer();
            return 0;
        case WM_DROPFILES:
            on_drop_files(reinterpret_cast<HDROP>(wparam));
            return 0;
        case WM_CLIPBOARDUPDATE:
            if (HWND editor = tabs_.active_view()) SendMessageW(editor, app_message::clipboard_changed, 0, 0);
            refresh_edit_commands();  // Paste follows the clipboard
            return 0;
        case WM_ACTIVATE:
            // A message box or dialog that closed may leave no window with the focus, and
            // the shortcuts would wait for a click.
            if (LOWORD(wparam) != WA_INACTIVE && HIWORD(wparam) == 0) {
                PostMessageW(handle(), app_message::restore_focus, 0, 0);
            }
            return DefWindowProcW(handle(), message, wparam, lparam);
        case app_message::restore_focus:
            restore_focus();
            return 0;
        case WM_CLOSE:
            quit();
            return 0;
        case WM_DESTROY:
            RemoveClipboardFormatListener(handle());
            KillTimer(handle(), hover_timer);
            KillTimer(handle(), watch_timer);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(handle(), message, wparam, lparam);
    }
}

void MainWindow::on_create() {
    HFONT font = app_.resources.regular_font();
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    editor_area_ = CreateWindowExW(WS_EX_CLIENTEDGE, window_class::editor_area, nullptr,
                                   WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, handle(),
                                   nullptr, app_.instance, nullptr);
    toolbar_ = create_main_toolbar(handle(), app_.instance, app_.session.strings());
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(main_control::status)), app_.instance,
                              nullptr);
    SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    tree_.create(handle(), app_.instance, main_control::tree);
    SendMessageW(tree_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const Session& session = app_.session;
    properties_.create(handle(), app_.instance, font,
                       PropertyPanel::Texts{session.text(str::panel_properties), session.text(str::no_available_information)});
    tabs_.create(editor_area_, app_.instance, font, app_.resources.code_font());
    previews_.create(editor_area_);
    // A window opened on a screen of another resolution than the main screen's follows its screen.
    using DpiForWindow = UINT(WINAPI*)(HWND);
    if (const auto dpi_for_window = reinterpret_cast<DpiForWindow>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")))) {
        apply_dpi(static_cast<int>(dpi_for_window(handle())));
    }
    SetTimer(handle(), hover_timer, hover_timer_period_ms, nullptr);
    SetTimer(handle(), watch_timer, watch_timer_period_ms, nullptr);
    // A format listener rather than a place in the clipboard viewer chain: nothing to pass on,
    // and no chain left broken when a program ends without leaving it.
    AddClipboardFormatListener(handle());
}

void MainWindow::on_command(cmd::Id id) {
    // The window is disabled while a load runs; a command arriving anyway waits for the end.
    if (loading()) return;
    if (is_add_command(id)) {
        add_resource(kind_of_command(id));
        return;
    }
    switch (id) {
        case cmd::new_project:
            if (document_.begin_new_project()) start_load();
            break;
        case cmd::open_project:
            if (document_.begin_open()) start_load();
            break;
        case cmd::save:
            commit_edits();
            document_.save();
            break;
        case cmd::save_as:
            commit_edits();
            document_.save_as();
            break;
        case cmd::rewrite_script:
            properties_.grid().commit_edit();
            document_.rewrite_script();
            break;
        case cmd::close_project:
            document_.close();
            break;
        case cmd::quit:
            quit();
            break;
        case cmd::auto_save_layout:
            toggle_auto_save_layout();
            break;
        case cmd::messages:
            show_messages_window(app_, handle());
            break;
        case cmd::show_resource_tree:
        case cmd::show_properties:
            toggle_panel(id);
            break;
        case cmd::copy:
        case cmd::cut:
        case cmd::paste:
        case cmd::delete_selection:
        case cmd::select_all:
            forward_to_editor(id);
            break;
        case cmd::undo:
        case cmd::redo:
            if (!project_open()) break;
            commit_edits();
            if (id == cmd::undo) {
                history_.undo();
            } else {
                history_.redo();
            }
            break;
        case cmd::preview_resource_script:
            if (project_open()) previews_.show_script(tabs_, document_.state().header_name);
            break;
        case cmd::preview_c_source:
        case cmd::c_code:
            if (project_open()) previews_.show_code(tabs_);
            break;
        case cmd::preview_one_resource:
            // The resource chosen in the tree.
            if (const Resource* resource = tree_.selected(); project_open() && resource != nullptr) {
                previews_.show_resource(tabs_, *resource);
            }
            break;
        case cmd::preferences:
            show_preferences_at(PreferencesPage::general);
            break;
        case cmd::help:
            open_help(app_);
            break;
        case cmd::web_page:
            open_address(app_, app_.session.config().web_page);
            break;
        case cmd::contact_author:
            open_address(app_, app_.session.config().contact_address);
            break;
        case cmd::about:
            show_about(app_, handle());
            break;
        case cmd::check_update:
            updates_.start(handle(), true);
            break;
        case cmd::new_instance:
            ShellExecuteW(nullptr, L"open", executable_path().wstring().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
            break;
        default:
            // The remaining commands belong to editors and dialogs that are not part of the
            // program yet.
            break;
    }
}

// The clipboard commands reach the open editor when it has the focus; the read-only script views
// take Copy and Select All.
void MainWindow::forward_to_editor(cmd::Id id) {
    if (ResourceEditor* editor = tabs_.active_editor(); editor != nullptr && project_open()) {
        HWND focus = GetFocus();
        const auto command = editor_command_of(id);
        if (command && (focus == editor->window() || IsChild(editor->window(), focus))) {
            editor->execute(*command);
            rebind_properties();
        }
        return;
    }
    HWND view = tabs_.active_view();
    if (!project_open() || view == nullptr || GetFocus() != view) return;
    switch (id) {
        case cmd::copy: SendMessageW(view, WM_COPY, 0, 0); break;
        case cmd::cut: SendMessageW(view, WM_CUT, 0, 0); break;
        case cmd::paste: SendMessageW(view, WM_PASTE, 0, 0); break;
        case cmd::delete_selection: SendMessageW(view, WM_CLEAR, 0, 0); break;
        case cmd::select_all: SendMessageW(view, EM_SETSEL, 0, -1); break;
        default: break;
    }
}

void MainWindow::on_size(WPARAM kind, int, int) {
    // Sizes the window takes while still hidden (creation, placement) are not the user's choice.
    if (kind != SIZE_MINIMIZED && IsWindowVisible(handle())) app_.session.config().maximized = kind == SIZE_MAXIMIZED;
    if (kind != SIZE_MINIMIZED) arrange();
}

LRESULT MainWindow::on_notify(const NMHDR& header) {
    if (header.hwndFrom == tree_.handle()) return tree_.on_notify(header);
    if (header.hwndFrom == toolbar_ && header.code == TBN_DROPDOWN) {
        const auto& drop = reinterpret_cast<const NMTOOLBARW&>(header);
        if (drop.iItem == cmd::undo || drop.iItem == cmd::redo) open_undo_list(drop.iItem == cmd::redo);
        return TBDDRET_DEFAULT;
    }
    if (header.hwndFrom == tabs_.tab_control()) tabs_.on_notify(header);
    return 0;
}

// A right click on a resource selects it and offers its script text in a code view.
void MainWindow::on_tree_context_menu(LPARAM position) {
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    const HWND tree = tree_.handle();
    if (position == -1) {  // from the keyboard: at the selected item
        // TVM_GETITEMRECT takes the item in the rectangle it fills.
        RECT item_rect{};
        const HTREEITEM selected = TreeView_GetSelection(tree);
        std::memcpy(&item_rect, &selected, sizeof selected);
        if (!SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&item_rect))) return;
        point = POINT{item_rect.left, item_rect.bottom};
        ClientToScreen(tree, &point);
    } else {
        TVHITTESTINFO hit{};
        hit.pt = point;
        ScreenToClient(tree, &hit.pt);
        const HTREEITEM item = TreeView_HitTest(tree, &hit);
        if (item == nullptr || (hit.flags & TVHT_ONITEM) == 0) return;
        TreeView_SelectItem(tree, item);
    }
    if (!project_open() || tree_.selected() == nullptr) return;
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    AppendMenuW(menu.get(), MF_STRING, cmd::preview_one_resource,
                wide(app_.session.text(str::menu_code_preview)).c_str());
    const auto chosen = static_cast<cmd::Id>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, handle(), nullptr));
    if (chosen != 0) on_command(chosen);
}

void MainWindow::arrange() {
    if (status_ == nullptr) return;
    SendMessageW(status_, WM_SIZE, 0, 0);
    {
        // The shell's messages, then the editor's caret.
        RECT client_rect{};
        GetClientRect(handle(), &client_rect);
        const int parts[2] = {std::max(0, static_cast<int>(client_rect.right) - 220), -1};
        SendMessageW(status_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    }
    RECT status_rect{};
    GetWindowRect(status_, &status_rect);
    RECT client{};
    GetClientRect(handle(), &client);
    int top = 0;
    if (toolbar_ != nullptr) {
        SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
        RECT toolbar_rect{};
        GetWindowRect(toolbar_, &toolbar_rect);
        top = toolbar_rect.bottom - toolbar_rect.top;
    }
    const int height = std::max(0, static_cast<int>(client.bottom - (status_rect.bottom - status_rect.top)) - top);
    const int width = client.right;

    const bool side = panels_.tree_visible || panels_.properties_visible;
    const int side_width = side ? std::clamp(panels_.side_width, 0, std::max(0, width - min_editor_width)) : 0;
    const int tree_height = !panels_.properties_visible ? height
                            : !panels_.tree_visible    ? 0
                                                       : height * panels_.tree_percent / 100;
    ShowWindow(tree_.handle(), panels_.tree_visible ? SW_SHOW : SW_HIDE);
    properties_.set_visible(panels_.properties_visible);
    if (panels_.tree_visible) MoveWindow(tree_.handle(), 0, top, side_width, tree_height, TRUE);
    if (panels_.properties_visible) properties_.move(0, top + tree_height, side_width, height - tree_height);

    const int editor_left = side ? side_width + splitter_width : 0;
    MoveWindow(editor_area_, editor_left, top, std::max(0, width - editor_left), height, TRUE);
    RECT area{};
    GetClientRect(editor_area_, &area);
    tabs_.resize(area.right, area.bottom);

    CheckMenuItem(menu_bar(), cmd::show_resource_tree, MF_BYCOMMAND | (panels_.tree_visible ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu_bar(), cmd::show_properties,
                  MF_BYCOMMAND | (panels_.properties_visible ? MF_CHECKED : MF_UNCHECKED));
}

bool MainWindow::on_set_cursor() {
    if (!(panels_.tree_visible || panels_.properties_visible)) return false;
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(handle(), &cursor);
    if (!dragging_splitter_ && (cursor.x < panels_.side_width || cursor.x >= panels_.side_width + splitter_width)) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    return true;
}

void MainWindow::on_mouse_down(int x) {
    if (!(panels_.tree_visible || panels_.properties_visible)) return;
    if (x < panels_.side_width || x >= panels_.side_width + splitter_width) return;
    dragging_splitter_ = true;
    SetCapture(handle());
}

void MainWindow::on_mouse_move(int x) {
    if (!dragging_splitter_) return;
    panels_.side_width = std::clamp(x, PanelLayout::min_side_width, PanelLayout::max_side_width);
    arrange();
}

void MainWindow::toggle_panel(cmd::Id id) {
    bool& visible = id == cmd::show_resource_tree ? panels_.tree_visible : panels_.properties_visible;
    visible = !visible;
    arrange();
}

// Every key stroke comes here first: a shortcut becomes its command, anything else goes on to
// the window that has the mouse captured.
void MainWindow::on_key_down(WPARAM wparam, LPARAM lparam) {
    if (undo_list_.is_open()) {
        app_.input.shortcut_taken = true;
        undo_list_.key(wparam);
        return;
    }
    if (const ResourceEditor* editor = tabs_.active_editor(); editor != nullptr && editor->takes_every_key()) {
        app_.input.shortcut_taken = false;
        return;
    }
    const ShortcutKey key =
        shortcut_key(key_held(VK_CONTROL), key_held(VK_MENU), key_held(VK_SHIFT), static_cast<ShortcutKey>(wparam));
    if (const auto command = find_shortcut(key)) {
        app_.input.shortcut_taken = true;
        SendMessageW(handle(), WM_COMMAND, static_cast<WPARAM>(*command), 0);
        return;
    }
    app_.input.shortcut_taken = false;
    HWND target = GetCapture();
    if (target != nullptr && target != handle()) PostMessageW(target, app_message::key_down, wparam, lparam);
}

void MainWindow::on_character(WPARAM wparam, LPARAM lparam) {
    if (app_.input.shortcut_taken) return;
    if (GetForegroundWindow() != handle()) return;
    HWND target = GetCapture();
    if (target != nullptr && target != handle()) PostMessageW(target, app_message::character, wparam, lparam);
}

// The active editor's window takes the focus, else the tree; only when nothing of this window
// has it.
void MainWindow::restore_focus() {
    if (GetActiveWindow() != handle()) return;
    HWND focus = GetFocus();
    if (focus != nullptr && focus != handle() && IsChild(handle(), focus)) return;
    if (const ResourceEditor* editor = tabs_.active_editor()) {
        SetFocus(editor->focus_window());
    } else if (HWND view = tabs_.active_view()) {
        SetFocus(view);
    } else if (tree_.handle() != nullptr && IsWindowVisible(tree_.handle())) {
        SetFocus(tree_.handle());
    } else {
        SetFocus(handle());
    }
}

void MainWindow::on_hover_timer() {
    HWND hovered = app_.input.hover_window;
    if (hovered == nullptr) return;
    POINT cursor{};
    RECT area{};
    const bool inside = IsWindow(hovered) && GetCursorPos(&cursor) && GetWindowRect(hovered, &area) &&
                        PtInRect(&area, cursor);
    if (inside) return;
    app_.input.hover_window = nullptr;
    if (IsWindow(hovered)) SendMessageW(hovered, app_message::hover_ended, 0, 0);
}

void MainWindow::on_watch_timer() {
    // Not while a question or dialog is up: the change is noticed when it has gone.
    if (asking_reload_ || loading() || GetLastActivePopup(handle()) != handle()) return;
    if (!document_.file_changed_on_disk()) return;
    FlashWindow(handle(), TRUE);
    asking_reload_ = true;
    const Answer answer =
        app_.session.ask(app_.session.text(str::file_modified_reload), AskButtons::yes_no, AskIcon::question);
    asking_reload_ = false;
    if (answer == Answer::yes && document_.begin_reload()) start_load();
}

void MainWindow::on_drop_files(HDROP drop) {
    std::optional<std::filesystem::path> first;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(drop, 0, path.data(), length + 1);
        path.resize(length);
        first = std::filesystem::path(path);
    }
    DragFinish(drop);
    // Only the first of several dropped files is opened.
    if (first) open_file(*first);
}

void MainWindow::open_file(const std::filesystem::path& path) {
    if (loading()) return;
    if (document_.begin_open(path)) start_load();
}

void MainWindow::start_load() {
    EnableWindow(handle(), FALSE);
    if (loader_.joinable()) loader_.join();
    const HWND window = handle();
    loader_ = std::thread([this, window] {
        loaded_ = document_.read_file();
        PostMessageW(window, app_message::load_finished, 0, 0);
    });
}

void MainWindow::on_load_finished() {
    if (loader_.joinable()) loader_.join();
    EnableWindow(handle(), TRUE);
    history_.clear();
    const LoadEnd end = document_.end_load(loaded_);
    refresh_state();
    if (end.loaded) {
        show_status(fill_placeholders(app_.session.text(str::file_opened), document_.state().current_path.u16string()));
    }
    if (end.script_error) report_script_error(*end.script_error);
    if (end.open_messages) PostMessageW(handle(), WM_COMMAND, cmd::messages, 0);
}

void MainWindow::report_script_error(const ReadFailure& failure) {
    ParseErrorReport report;
    report.report = error_report_text(app_.session.workspace(), failure);
    Platform& platform = app_.session.platform();
    if (auto text = read_text_file(failure.file, [&](std::string_view bytes) { return platform.ansi_to_text(bytes); })) {
        report.file_text = std::move(text->text);
    }
    report.line = failure.line;
    show_parse_error_dialog(app_, handle(), report);
}

void MainWindow::add_resource(ResourceKind kind) {
    if (!project_open()) return;
    Session& session = app_.session;
    if (kind == kind::user_defined) {
        if (Resource* added = add_user_defined_resource()) show_new_resource(*added);
        return;
    }
    if (!can_add_kind(kind)) {
        show_status(session.text(str::kind_cannot_be_added));
        return;
    }
    const ShellState& state = document_.state();
    Resource* added = nullptr;
    const std::u16string filter = new_resource_filter(kind);
    if (kind == kind::manifest) {
        const auto result = add_manifest(session, state.project_folder, saves_as_script(state));
        if (!result) {
            session.ask(result.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
            return;
        }
        added = *result;
    } else if (!filter.empty()) {
        const auto file = session.choose_file_to_open(FileChoice{filter, 1, {}, {}});
        if (!file) return;
        const auto result = add_resource_from_file(session, document_.tables().image_numbers, kind, *file,
                                                   state.project_folder, saves_as_script(state));
        if (!result) {
            session.ask(result.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
            return;
        }
        added = *result;
    } else {
        std::uint16_t language = session.project().current_language();
        if (kind == kind::string_table) {
            const auto chosen = ask_language(app_, handle(), language);
            if (!chosen) return;
            language = *chosen;
        }
        added = add_new_resource(session, kind, language, state.project_folder);
    }
    if (added != nullptr) show_new_resource(*added);
}

// A custom resource: its type from the "Custom Resource" dialog, then its file.
Resource* MainWindow::add_user_defined_resource() {
    Session& session = app_.session;
    const auto type = ask_custom_type(app_, handle());
    if (!type) return nullptr;
    if (const Status checked = check_custom_type(session, *type); !checked) {
        session.ask(checked.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        return nullptr;
    }
    const auto file = session.choose_file_to_open(FileChoice{custom_resource_filter(), 1, {}, {}});
    if (!file) return nullptr;
    const ShellState& state = document_.state();
    const auto added =
        add_custom_resource(session, *type, *file, state.project_folder, saves_as_script(state));
    if (!added) {
        session.ask(added.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        return nullptr;
    }
    return *added;
}

void MainWindow::show_new_resource(Resource& resource) {
    document_.mark_modified();
    refresh_tree();
    tree_.select(&resource);
    open_editor(resource);
}

// Fonts and sizes for a screen of `dpi` dots per inch; the open editors are opened again with
// the new fonts.
void MainWindow::apply_dpi(int dpi) {
    const int old_dpi = app_.resources.dpi();
    if (dpi <= 0 || dpi == old_dpi) return;
    app_.resources.set_dpi(dpi);
    panels_ = rescaled_panels(panels_, old_dpi, dpi);
    HFONT font = app_.resources.regular_font();
    for (HWND window : {handle(), status_, tree_.handle()}) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    properties_.set_font(font, dpi);
    tabs_.set_fonts(font, app_.resources.code_font());
    ResourceEditor* active = tabs_.active_editor();
    Resource* active_resource = active != nullptr ? &active->resource() : nullptr;
    // Closing an editor, or opening one in single-tab mode, destroys editors: only the resources,
    // which outlive them, are held over the loop.
    std::vector<Resource*> edited;
    for (ResourceEditor* editor : tabs_.editors()) edited.push_back(&editor->resource());
    for (Resource* resource : edited) {
        tabs_.close(*resource);
        if (resource != active_resource) open_editor(*resource);
    }
    if (active_resource != nullptr) open_editor(*active_resource);
}

void MainWindow::open_editor(Resource& resource) {
    Session& session = app_.session;
    session.project().set_current_resource(&resource);
    const std::u16string title = session.project().tree_label(resource);
    if (tabs_.editor_of(resource) == nullptr) {
        if (auto editor = create_editor(resource)) {
            tabs_.open_editor(resource, title, std::move(editor), session.config().single_tab_mode);
            show_properties_of(&resource);
            return;
        }
    } else {
        tabs_.open_editor(resource, title, nullptr, session.config().single_tab_mode);
        show_properties_of(&resource);
        return;
    }
    TextWriter text(session.config().pascal);
    write_resource_text(text, resource, session.workspace());
    tabs_.open(resource, title, text.take(), session.config().single_tab_mode);
    show_properties_of(&resource);
}

// Dialogs open in the designer; accelerator tables, menus, string tables and version information
// in their editors,
// manifests and HTML pages as text, other raw data in the hex view; the kinds without an editor
// yet keep their script view (none).
std::unique_ptr<ResourceEditor> MainWindow::create_editor(Resource& resource) {
    Session& session = app_.session;
    if (auto* table = dynamic_cast<AcceleratorTable*>(&resource)) {
        return AcceleratorResourceEditor::create(*table, session.workspace(), document_.tables().script.virtual_keys,
                                                 *this, editor_area_, app_.instance, app_.resources.regular_font());
    }
    if (auto* dialog = dynamic_cast<Dialog*>(&resource)) {
        auto designer = DialogDesigner::create(*dialog, session.workspace(), session.designer_settings(),
                                               control_clipboard_, *this, editor_area_, app_.instance,
                                               app_.resources.regular_font());
        // The canvas draws the dialog at the resolution of the screen the window is on.
        if (designer) designer->set_dpi(app_.resources.dpi());
        return designer;
    }
    if (auto* menu = dynamic_cast<Menu*>(&resource)) {
        return MenuResourceEditor::create(*menu, session.workspace(), *this, editor_area_, app_.instance,
                                          app_.resources.regular_font());
    }
    if (auto* table = dynamic_cast<StringTable*>(&resource)) {
        return StringTableEditor::create(*table, session.workspace(), *this, editor_area_, app_.instance,
                                         app_.resources.regular_font(), app_.clipboard.string_table);
    }
    if (auto* version = dynamic_cast<VersionInfo*>(&resource)) {
        VersionEditor::BlockChooser chooser = [this]() -> std::optional<VersionLanguageChoice> {
            if (app_.dialog_answers.version_block) return app_.dialog_answers.version_block();
            return choose_version_language(app_.session.workspace(), handle(), app_.instance, app_.resources.ui_face(),
                                           app_.resources.regular_font(), VersionLanguageChoice{0x0409, 1200});
        };
        return VersionEditor::create(*version, session.workspace(), *this, editor_area_, app_.instance,
                                     app_.resources.regular_font(), std::move(chooser));
    }
    if (auto* toolbar = dynamic_cast<Toolbar*>(&resource)) {
        auto tell = [&session](std::u16string_view message) {
            session.ask(message, session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        };
        const std::size_t resources_before = session.project().resources().size();
        auto editor = ToolbarEditor::create(*toolbar, session.workspace(), *this, editor_area_, app_.instance,
                                            app_.resources.regular_font(), document_.state().content_folder,
                                            std::move(tell));
        // Opening it may have given the toolbar a bitmap.
        if (session.project().resources().size() != resources_before) {
            document_.mark_modified();
            refresh_tree();
        }
        return editor;
    }
    auto* bitmap = dynamic_cast<BitmapResource*>(&resource);
    auto* group = dynamic_cast<IconGroup*>(&resource);
    if (bitmap != nullptr || group != nullptr) return create_image_editor(*static_cast<FileResource*>(&resource));
    auto* raw = dynamic_cast<RawDataResource*>(&resource);
    if (raw == nullptr) return nullptr;
    if (const Status loaded = raw->edit_in_memory(document_.state().content_folder); !loaded) {
        session.ask(loaded.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        return nullptr;
    }
    Platform& platform = session.platform();
    RawEditorServices services;
    services.ansi_decode = [&platform](std::string_view bytes) { return platform.ansi_to_text(bytes); };
    services.ansi_encode = [&platform](std::u16string_view text) { return platform.text_to_ansi(text); };
    services.text = [&session](std::uint32_t id) { return session.text(id); };
    services.tell = [&session](std::u16string_view message, bool error) {
        if (error) {
            session.ask(message, session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        } else {
            session.ask(message, AskButtons::ok, AskIcon::information);
        }
    };
    services.choose_file_to_open = [&session] {
        return session.choose_file_to_open(FileChoice{custom_resource_filter(), 1, {}, {}});
    };
    services.choose_file_to_save = [&session] {
        return session.choose_file_to_save(FileChoice{custom_resource_filter(), 1, {}, {}});
    };
    HWND area = editor_area_;
    if (resource.kind() == kind::manifest || resource.kind() == kind::html) {
        return TextResourceEditor::create(*raw, *this, area, app_.instance, app_.resources.code_font(),
                                          std::move(services));
    }
    return HexResourceEditor::create(*raw, *this, area, app_.instance, app_.resources.code_font(), std::move(services));
}

// Bitmaps, icon groups and cursor groups: their content is brought into memory for good, as
// the pixel editor changes it there.
std::unique_ptr<ResourceEditor> MainWindow::create_image_editor(FileResource& resource) {
    Session& session = app_.session;
    if (const Status loaded = resource.edit_in_memory(document_.state().content_folder); !loaded) {
        session.ask(loaded.error(), session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        return nullptr;
    }
    ImageEditorServices services;
    services.content_folder = document_.state().content_folder;
    services.tell = [&session](std::u16string_view message, bool error) {
        if (error) {
            session.ask(message, session.text(str::error_caption), AskButtons::ok, AskIcon::error);
        } else {
            session.ask(message, AskButtons::ok, AskIcon::information);
        }
    };
    services.choose_file_to_open = [&session](const std::u16string& filter) {
        return session.choose_file_to_open(FileChoice{filter, 1, {}, {}});
    };
    services.choose_file_to_save = [&session](const std::u16string& filter, const std::u16string& name) {
        return session.choose_file_to_save(FileChoice{filter, 1, {}, name});
    };
    services.choose_color = [this](std::uint32_t initial) -> std::optional<std::uint32_t> {
        if (app_.dialog_answers.color) return app_.dialog_answers.color(initial);
        static COLORREF custom[16]{};
        CHOOSECOLORW choice{};
        choice.lStructSize = sizeof(choice);
        choice.hwndOwner = handle();
        choice.rgbResult = initial;
        choice.lpCustColors = custom;
        choice.Flags = CC_FULLOPEN | CC_RGBINIT;
        if (!ChooseColorW(&choice)) return std::nullopt;
        return static_cast<std::uint32_t>(choice.rgbResult);
    };
    services.edit_options = [this](ImageEditorSettings& settings) {
        return edit_image_options(app_.session.workspace(), handle(), app_.instance, app_.resources.ui_face(),
                                  app_.resources.regular_font(), settings);
    };
    ImageEditorSettings& settings = session.image_editor_settings();
    if (auto* bitmap = dynamic_cast<BitmapResource*>(&resource)) {
        return ImageResourceEditor::create(*bitmap, session.workspace(), *this, editor_area_, app_.instance,
                                           app_.resources.regular_font(), settings, std::move(services));
    }
    return ImageResourceEditor::create(static_cast<IconGroup&>(resource), session.workspace(), *this, editor_area_,
                                       app_.instance, app_.resources.regular_font(), settings, std::move(services));
}

void MainWindow::remove_resource(Resource& resource) {
    if (const auto refusal = removal_refusal(resource, app_.session.project())) {
        app_.session.ask(app_.session.text(*refusal), AskButtons::ok, AskIcon::error);
        return;
    }
    if (!app_.session.project().remove(resource)) return;
    document_.mark_modified();
    refresh_tree();
}

void MainWindow::show_properties_of(const Resource* resource) {
    // A value typed for the resource shown so far is its own, not the next one's.
    if (resource != grid_resource_) properties_.grid().commit_edit();
    grid_resource_ = nullptr;
    grid_languages_.clear();
    if (resource == nullptr) {
        properties_.grid().set_rows({});
        return;
    }
    // The tree and the tabs hand out the project's own resources.
    grid_resource_ = const_cast<Resource*>(resource);
    Session& session = app_.session;
    std::vector<PropertyRow> rows(resource_row_count);
    rows[resource_category_row].name = session.text(str::category_resource);
    rows[resource_category_row].flags = property_flag::category | property_flag::expanded;
    rows[name_row].name = session.text(str::property_name);
    rows[name_row].help = session.text(str::name_help);
    rows[name_row].value = resource->tree_name();
    rows[name_row].flags = resource->is_named() ? property_flag::free_text : property_flag::disabled;
    rows[type_row].name = session.text(str::property_type);
    rows[type_row].value = type_caption(*resource);
    rows[type_row].flags = property_flag::disabled;
    PropertyRow& language = rows[language_row];
    language.name = session.text(str::property_language);
    language.help = session.text(str::language_help);
    language.flags = property_flag::fixed_choices;
    const std::uint16_t id = resource->identity().language;
    for (const LanguageList::Entry& entry : session.languages().entries()) {
        if (entry.id == id) language.choice = static_cast<int>(grid_languages_.size());
        grid_languages_.push_back(entry.id);
        language.choices.push_back(entry.name);
    }
    if (language.choice < 0) {  // a language the system has no name for
        language.choice = static_cast<int>(grid_languages_.size());
        grid_languages_.push_back(id);
        language.choices.push_back(session.languages().label_of(id));
    }
    language.value = language.choices[static_cast<std::size_t>(language.choice)];
    editor_first_row_ = rows.size();
    if (const ResourceEditor* editor = tabs_.editor_of(*resource)) {
        for (PropertyRow& row : editor->properties()) rows.push_back(std::move(row));
    }
    properties_.grid().set_rows(std::move(rows));
}

void MainWindow::on_property_text(std::size_t row, const std::u16string& text) {
    Resource* resource = grid_resource_;
    if (resource == nullptr) return;
    if (row == name_row) {
        (void)rename_resource(app_.session.project(), history(*resource), *resource, text, app_.session.text(str::action_rename));
        show_properties_of(resource);
        return;
    }
    if (ResourceEditor* editor = tabs_.editor_of(*resource); editor != nullptr && row >= editor_first_row_) {
        editor->set_property(row - editor_first_row_, text, -1);
    }
}

void MainWindow::on_property_choice(std::size_t row, int choice) {
    Resource* resource = grid_resource_;
    if (resource == nullptr) return;
    if (row == language_row) {
        if (choice >= 0 && static_cast<std::size_t>(choice) < grid_languages_.size()) {
            (void)change_resource_language(app_.session.project(), history(*resource), *resource,
                                           grid_languages_[static_cast<std::size_t>(choice)],
                                           app_.session.text(str::action_change_language));
        }
        show_properties_of(resource);
        return;
    }
    if (ResourceEditor* editor = tabs_.editor_of(*resource); editor != nullptr && row >= editor_first_row_) {
        editor->set_property(row - editor_first_row_, {}, choice);
        show_properties_of(resource);
    }
}

void MainWindow::on_property_button(std::size_t row) {
    Resource* resource = grid_resource_;
    if (resource == nullptr) return;
    if (ResourceEditor* editor = tabs_.editor_of(*resource); editor != nullptr && row >= editor_first_row_) {
        editor->property_button(row - editor_first_row_);
    }
}

// Every edit marks its resource and the project modified; an undo or redo also brings the open
// editor of that resource up to date, with its caret at the change.
void MainWindow::content_changed(Resource& resource, std::size_t where) {
    if (!resource.identity().modified) app_.session.project().set_modified(resource, true);
    if (document_.state().saved) document_.mark_modified();
    if (history_.undoing()) {
        if (ResourceEditor* editor = tabs_.editor_of(resource)) editor->reload(where);
    }
}

UndoHistory& MainWindow::history(const Resource& resource) {
    std::unique_ptr<UndoHistory>& own = editor_histories_[&resource];
    if (!own) own = std::make_unique<UndoHistory>(history_, &resource);
    return *own;
}

void MainWindow::editor_state_changed() { refresh_edit_commands(); }

// The grid's edit box first: its value may belong to an editor's row.
void MainWindow::commit_edits() {
    properties_.grid().commit_edit();
    for (ResourceEditor* editor : tabs_.editors()) editor->commit_edits();
}

void MainWindow::properties_changed() { rebind_properties(); }

// The grid shows the active editor's selection; a resource chosen in the tree keeps its rows
// until its editor (or another one) reports a change.
void MainWindow::rebind_properties() {
    if (ResourceEditor* active = tabs_.active_editor()) {
        show_properties_of(&active->resource());
    } else if (grid_resource_ != nullptr && tabs_.editor_of(*grid_resource_) != nullptr) {
        show_properties_of(grid_resource_);
    }
}

void MainWindow::show_editor_status(std::u16string_view text) {
    if (status_ == nullptr) return;
    SendMessageW(status_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void MainWindow::undo_state_changed() { refresh_undo_commands(); }

// A rename or language change undone moves the resource in the tree; the grid shows it anew.
void MainWindow::after_undo() {
    for (ResourceEditor* editor : tabs_.editors()) editor->after_undo();
    if (tabs_.active_editor() != nullptr) {
        rebind_properties();
    } else if (grid_resource_ != nullptr) {
        show_properties_of(grid_resource_);
    }
    refresh_edit_commands();
}

void MainWindow::refresh_undo_commands() {
    if (!window_) return;
    const Session& session = app_.session;
    const bool can_undo = project_open() && history_.can_undo();
    const bool can_redo = project_open() && history_.can_redo();
    set_menu_text(menu_bar(), cmd::undo, named_step(session.text(str::menu_undo), can_undo ? history_.undo_names() : std::vector<std::u16string>{}));
    set_menu_text(menu_bar(), cmd::redo, named_step(session.text(str::menu_redo), can_redo ? history_.redo_names() : std::vector<std::u16string>{}));
    EnableMenuItem(menu_bar(), cmd::undo, MF_BYCOMMAND | (can_undo ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu_bar(), cmd::redo, MF_BYCOMMAND | (can_redo ? MF_ENABLED : MF_GRAYED));
    if (toolbar_ != nullptr) {
        SendMessageW(toolbar_, TB_ENABLEBUTTON, cmd::undo, can_undo);
        SendMessageW(toolbar_, TB_ENABLEBUTTON, cmd::redo, can_redo);
    }
}

// Cut, Copy, Paste, Delete and Select All follow the active editor; without one the read-only
// views offer Copy and Select All.
void MainWindow::refresh_edit_commands() {
    if (!window_) return;
    EditorCommands commands;
    if (const ResourceEditor* editor = tabs_.active_editor(); editor != nullptr && project_open()) {
        commands = editor->commands();
    } else if (tabs_.active_view() != nullptr) {
        commands.copy = true;
        commands.select_all = true;
    }
    const auto enable = [this](cmd::Id id, bool enabled) {
        EnableMenuItem(menu_bar(), static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        if (toolbar_ != nullptr && (id == cmd::cut || id == cmd::copy || id == cmd::paste)) {
            SendMessageW(toolbar_, TB_ENABLEBUTTON, static_cast<WPARAM>(id), enabled);
        }
    };
    enable(cmd::cut, commands.cut);
    enable(cmd::copy, commands.copy);
    enable(cmd::paste, commands.paste);
    enable(cmd::delete_selection, commands.clear);
    enable(cmd::select_all, commands.select_all);
}

void MainWindow::open_undo_list(bool redo) {
    if (!project_open() || toolbar_ == nullptr) return;
    const std::vector<std::u16string> names = redo ? history_.redo_names() : history_.undo_names();
    if (names.empty()) return;
    RECT button{};
    SendMessageW(toolbar_, TB_GETRECT, static_cast<WPARAM>(redo ? cmd::redo : cmd::undo), reinterpret_cast<LPARAM>(&button));
    POINT corner{button.left, button.bottom};
    ClientToScreen(toolbar_, &corner);
    undo_list_.open(handle(), app_.instance, app_.resources.regular_font(), corner, names, [this, redo](int steps) {
        commit_edits();
        if (redo) {
            history_.redo(steps);
        } else {
            history_.undo(steps);
        }
    });
}

void MainWindow::resource_added(Resource&, bool) {}

void MainWindow::resource_changed(Resource& resource) {
    if (loading()) return;
    tabs_.set_title(resource, app_.session.project().tree_label(resource));
    refresh_state();
}

// The history's actions refer to resources; with one gone, its steps could not be taken. The
// steps of the others stay. The editor goes first: it may still record what was typed into it.
void MainWindow::resource_removing(Resource& resource) {
    if (loading()) return;
    tabs_.close(resource);
    history_.remove_steps_of(&resource);
    editor_histories_.erase(&resource);
    if (tree_.selected() == &resource || grid_resource_ == &resource) show_properties_of(nullptr);
}

void MainWindow::project_clearing() {
    if (loading()) return;
    tabs_.close_all();
    history_.clear();
    editor_histories_.clear();
    show_properties_of(nullptr);
}

void MainWindow::refresh_state() {
    if (!window_) return;
    const ShellState& state = document_.state();
    // A trailing "*" while there are unsaved changes, as in the tree.
    const std::u16string title = window_title(state) + (state.project_open && document_.has_unsaved_changes() ? u" *" : u"");
    SetWindowTextW(handle(), wide(title).c_str());
    enable_project_items(menu_bar(), state.project_open);
    if (toolbar_ != nullptr) enable_project_buttons(toolbar_, state.project_open);
    DrawMenuBar(handle());
    if (!state.busy) refresh_tree();
    refresh_undo_commands();
    refresh_edit_commands();
}

void MainWindow::refresh_tree() {
    if (tree_.handle() == nullptr) return;
    tree_.fill(app_.session.project());
}

void MainWindow::show_status(std::u16string_view text) {
    if (status_ == nullptr) return;
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void MainWindow::toggle_auto_save_layout() {
    bool& auto_save = app_.session.config().auto_save_layout;
    auto_save = !auto_save;
    CheckMenuItem(menu_bar(), cmd::auto_save_layout, MF_BYCOMMAND | (auto_save ? MF_CHECKED : MF_UNCHECKED));
}

// The settings file is written even when the layout is not; a settings file that cannot be
// written is not worth stopping the exit for.
bool MainWindow::show_preferences_at(PreferencesPage page) {
    PreferencesHooks hooks;
    hooks.applied = [this](const PreferenceChanges& changes) {
        if (changes.language) rebuild_menu_bar();
    };
    hooks.associate = [this](HWND) {
        const bool written = write_file_association(AssociationScope::user, executable_path());
        app_.session.ask(app_.session.text(written ? str::files_associated : str::association_failed), AskButtons::ok,
                         written ? AskIcon::information : AskIcon::error);
    };
    return show_preferences(app_, handle(), page, hooks);
}

void MainWindow::rebuild_menu_bar() {
    UniqueMenu menu = create_menu_bar(app_.session.strings());
    if (!menu) return;
    const HMENU old = menu_bar();
    if (!SetMenu(handle(), menu.get())) return;
    menu.release();  // the window destroys its menu bar
    if (old != nullptr) DestroyMenu(old);
    CheckMenuItem(menu_bar(), cmd::auto_save_layout,
                  MF_BYCOMMAND | (app_.session.config().auto_save_layout ? MF_CHECKED : MF_UNCHECKED));
    arrange();
    refresh_state();
}

void MainWindow::quit() {
    if (loading()) return;
    if (!document_.close()) return;
    (void)write_config(app_.session, app_.paths, app_.session.config_sections());
    if (app_.session.config().auto_save_layout) save_layout();
    window_.reset();
}

void MainWindow::save_layout() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(handle(), &placement)) return;
    const Status written = write_layout(app_.paths.layout_file,
                                        Layout{to_window_rect(placement.rcNormalPosition), panel_layout_to_bytes(panels_)});
    if (!written) app_.session.ask(written.error(), AskButtons::ok, AskIcon::error);
}

}  // namespace tavorin
