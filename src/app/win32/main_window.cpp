#include "app/win32/main_window.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "app/config_file.h"
#include "app/layout_file.h"
#include "app/new_resources.h"
#include "app/shortcut_map.h"
#include "app/win32/app_messages.h"
#include "app/win32/custom_resource_dialog.h"
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

bool is_add_command(cmd::Id id) {
    return (id >= cmd::add_user_defined && id <= cmd::add_toolbar) || id == cmd::add_manifest || id == cmd::add_cursor;
}

}  // namespace

MainWindow::MainWindow(App& app) : app_(app), document_(app.session, document_hooks()), previews_(app) {
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
                       PropertyPanel::Texts{session.text(str::panel_properties), session.text(str::property_column),
                                            session.text(str::value_column)});
    tabs_.create(editor_area_, app_.instance, font, app_.resources.code_font());
    previews_.create(editor_area_);
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
            document_.save();
            break;
        case cmd::save_as:
            document_.save_as();
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

void MainWindow::open_editor(Resource& resource) {
    Session& session = app_.session;
    session.project().set_current_resource(&resource);
    TextWriter text(session.config().pascal);
    write_resource_text(text, resource, session.workspace());
    tabs_.open(resource, session.project().tree_label(resource), text.take(), session.config().single_tab_mode);
    show_properties_of(&resource);
}

void MainWindow::remove_resource(Resource& resource) {
    if (!app_.session.project().remove(resource)) return;
    document_.mark_modified();
    refresh_tree();
}

void MainWindow::show_properties_of(const Resource* resource) {
    if (resource == nullptr) {
        properties_.show({});
        return;
    }
    Session& session = app_.session;
    properties_.show({{session.text(str::property_name), resource->tree_name()},
                      {session.text(str::property_type), type_caption(*resource)},
                      {session.text(str::property_language), session.languages().label_of(resource->identity().language)}});
}

void MainWindow::resource_added(Resource&, bool) {}

void MainWindow::resource_changed(Resource& resource) {
    if (loading()) return;
    tabs_.set_title(resource, app_.session.project().tree_label(resource));
    refresh_tree();
}

void MainWindow::resource_removing(Resource& resource) {
    if (loading()) return;
    tabs_.close(resource);
    if (tree_.selected() == &resource) show_properties_of(nullptr);
}

void MainWindow::project_clearing() {
    if (loading()) return;
    tabs_.close_all();
    show_properties_of(nullptr);
}

void MainWindow::refresh_state() {
    if (!window_) return;
    const ShellState& state = document_.state();
    SetWindowTextW(handle(), wide(window_title(state)).c_str());
    enable_project_items(menu_bar(), state.project_open);
    if (toolbar_ != nullptr) enable_project_buttons(toolbar_, state.project_open);
    DrawMenuBar(handle());
    if (!state.busy) refresh_tree();
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
