#include "resources/menu/win32/menu_editor.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "base/escapes.h"
#include "base/text.h"
#include "base/text_search.h"
#include "model/workspace.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_class.h"
#include "resources/menu/menu_navigation.h"
#include "resources/menu/menu_search.h"
#include "resources/menu/win32/live_menu_builder.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

constexpr UINT_PTR edit_subclass = 1;
constexpr UINT commit_message = WM_APP + 1;

enum Row : std::size_t {
    menu_category,
    extended_row,
    preview_row,
    appearance_category,
    caption_row,
    shortcut_row,
    checked_row,
    default_row,
    inactive_row,
    grayed_row,
    popup_row,
    separator_row,
    break_row,
    ownerdraw_row,
    help_row,
    misc_category,
    id_row,
};

bool register_classes(HINSTANCE instance) {
    if (!register_window_class(instance, {MenuResourceEditor::class_name, MenuResourceEditor::procedure, CS_DBLCLKS})) {
        return false;
    }
    WindowClass preview{MenuResourceEditor::preview_class_name, DefWindowProcW};
    preview.background = GetSysColorBrush(COLOR_WINDOW);
    return register_window_class(instance, preview);
}

PropertyRow boolean_row(const Workspace& workspace, str::Id name, bool value, bool enabled = true) {
    PropertyRow row;
    row.name = workspace.text(name);
    row.flags = property_flag::fixed_choices | (enabled ? 0 : property_flag::disabled);
    row.choices = {workspace.text(str::false_text), workspace.text(str::true_text)};
    row.choice = value ? 1 : 0;
    row.value = row.choices[static_cast<std::size_t>(row.choice)];
    return row;
}

PropertyRow text_row(const Workspace& workspace, str::Id name, str::Id help, std::u16string value, bool enabled) {
    PropertyRow row;
    row.name = workspace.text(name);
    row.help = help != 0 ? workspace.text(help) : std::u16string();
    row.value = std::move(value);
    row.flags = enabled ? property_flag::free_text : property_flag::disabled;
    return row;
}

std::u16string window_text_of(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return from_wide(text);
}

// What a caption shows: its escapes resolved.
std::wstring shown_text(std::u16string_view stored) { return wide(unescape_stored_text(stored)); }

bool key_down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

MenuResourceEditor::MenuResourceEditor(Menu& menu, Workspace& workspace, EditorSite& site, HFONT font)
    : menu_(menu), workspace_(workspace), site_(site), editing_(menu, workspace, site.history(menu)), font_(font) {}

MenuResourceEditor::~MenuResourceEditor() {
    // The box's own commit is posted on losing the focus, which comes too late for a window that
    // is being destroyed: what was typed is taken here, while the window still stands.
    try {
        commit_edit();
    } catch (...) {
        cancel_edit();
    }
    if (caption_editor_ != nullptr) RemoveWindowSubclass(caption_editor_, edit_procedure, edit_subclass);
    if (preview_window() != nullptr) {
        SetMenu(preview_.get(), nullptr);
    } else {
        // Closed by the user: the system has destroyed the window and its menu.
        preview_.release();
        preview_menu_.release();
    }
}

LRESULT CALLBACK MenuResourceEditor::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    return bound_window_procedure<MenuResourceEditor>(window, message, wparam, lparam);
}

std::unique_ptr<MenuResourceEditor> MenuResourceEditor::create(Menu& menu, Workspace& workspace, EditorSite& site,
                                                               HWND area, HINSTANCE instance, HFONT font) {
    if (!register_classes(instance)) return nullptr;
    std::unique_ptr<MenuResourceEditor> editor(new MenuResourceEditor(menu, workspace, site, font));
    LOGFONTW bold{};
    GetObjectW(font, sizeof(bold), &bold);
    bold.lfWeight = FW_BOLD;
    editor->bold_font_.reset(CreateFontIndirectW(&bold));
    if (CreateWindowExW(WS_EX_CLIENTEDGE, class_name, nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, area, nullptr,
                        instance, editor.get()) == nullptr) {
        return nullptr;
    }
    editor->relayout();
    return editor;
}

// ---------------------------------------------------------------------------------------------
// Selection and layout

void MenuResourceEditor::relayout() {
    WindowDc dc(window_.get());
    SelectedObject selected(dc.get(), font_);
    const auto width = [&dc](std::u16string_view text) {
        std::wstring shown = shown_text(text);
        RECT box{0, 0, 0, 0};
        DrawTextW(dc.get(), shown.c_str(), static_cast<int>(shown.size()), &box, DT_SINGLELINE | DT_CALCRECT);
        return static_cast<int>(box.right);
    };
    layout_ = layout_menu(menu_, selected_, workspace_.text(str::type_here), width);
    for (MenuBox& box : layout_.boxes) {
        box.rect = MenuRect{box.rect.left + margin, box.rect.top + margin, box.rect.right + margin,
                            box.rect.bottom + margin};
    }
    for (MenuRect& list : layout_.lists) {
        list = MenuRect{list.left + margin, list.top + margin, list.right + margin, list.bottom + margin};
    }
    InvalidateRect(window_.get(), nullptr, FALSE);
}

void MenuResourceEditor::select(MenuPath path) {
    if (!menu_.can_insert_at(path)) return;
    if (caption_editor_ != nullptr) commit_edit();
    if (!menu_.can_insert_at(path)) return;
    selected_ = std::move(path);
    relayout();
    site_.properties_changed();
    site_.editor_state_changed();
}

// After a change the selection stays where it was if that place still exists, else it goes to
// the nearest place up the tree.
void MenuResourceEditor::changed(const MenuPath& where) {
    while (selected_.size() > 1 && !menu_.can_insert_at(selected_)) selected_.pop_back();
    if (!menu_.can_insert_at(selected_)) selected_ = {menu_.items().size()};
    relayout();
    refresh_preview();
    site_.content_changed(menu_, where.empty() ? 0 : where.front());
    site_.properties_changed();
    site_.editor_state_changed();
}

void MenuResourceEditor::reload(std::size_t) {
    changed({});
}

void MenuResourceEditor::after_undo() {
    cancel_edit();
    while (selected_.size() > 1 && !menu_.can_insert_at(selected_)) selected_.pop_back();
    if (!menu_.can_insert_at(selected_)) selected_ = {menu_.items().size()};
    relayout();
    refresh_preview();
}

EditorCommands MenuResourceEditor::commands() const {
    EditorCommands commands;
    commands.clear = item_selected();
    commands.find = true;
    return commands;
}

void MenuResourceEditor::execute(EditorCommand command) {
    if (command == EditorCommand::clear && item_selected()) {
        const MenuPath where = selected_;
        if (editing_.delete_item(where)) changed(where);
    } else if (command == EditorCommand::find) {
        open_find_dialog(false);
    }
}

// ---------------------------------------------------------------------------------------------
// In-place editing

void MenuResourceEditor::begin_edit(std::u16string initial, bool inserting) {
    cancel_edit();
    const MenuBox* box = menu_box_of(layout_, selected_);
    if (box == nullptr) return;
    inserting_ = inserting && item_selected();
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_.get(), GWLP_HINSTANCE));
    const int width = std::max(box->rect.right - box->rect.left, 120);
    caption_editor_ = CreateWindowExW(0, WC_EDITW, wide(initial).c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                      box->rect.left, box->rect.top, width, box->rect.bottom - box->rect.top,
                                      window_.get(), nullptr, instance, nullptr);
    if (caption_editor_ == nullptr) return;
    SendMessageW(caption_editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    SendMessageW(caption_editor_, EM_LIMITTEXT, max_menu_caption_length, 0);
    SetWindowSubclass(caption_editor_, edit_procedure, edit_subclass, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(caption_editor_);
    const auto end = static_cast<LPARAM>(initial.size());
    SendMessageW(caption_editor_, EM_SETSEL, end, end);
}

void MenuResourceEditor::cancel_edit() {
    if (caption_editor_ == nullptr) return;
    HWND edit = caption_editor_;
    RemoveWindowSubclass(edit, edit_procedure, edit_subclass);
    caption_editor_ = nullptr;
    const bool had_focus = GetFocus() == edit;
    DestroyWindow(edit);
    if (had_focus) SetFocus(window_.get());
}

void MenuResourceEditor::commit_edit() {
    if (caption_editor_ == nullptr) return;
    const std::u16string text = window_text_of(caption_editor_);
    const bool inserting = inserting_;
    cancel_edit();
    const MenuPath where = selected_;
    if (inserting) {
        if (editing_.insert_typed_item(where, text)) changed(where);
        return;
    }
    if (!menu_.contains(where)) {
        // Typed into a "Type here" box: a new item, and the selection moves on to where the next
        // one would be typed (into a new top-level popup's list).
        if (const auto made = editing_.type_into_placeholder(where, text)) {
            selected_ = *made;
            if (made->size() == 1) selected_.push_back(0);
            else ++selected_.back();
            changed(*made);
        }
        return;
    }
    editing_.set_text(where, text);
    changed(where);
}

LRESULT CALLBACK MenuResourceEditor::edit_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                                    DWORD_PTR data) noexcept {
    auto* editor = reinterpret_cast<MenuResourceEditor*>(data);
    try {
        switch (message) {
            case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
            case WM_KEYDOWN:
                if (wparam == VK_RETURN) {
                    editor->commit_edit();
                    return 0;
                }
                if (wparam == VK_ESCAPE) {
                    editor->cancel_edit();
                    return 0;
                }
                break;
            case WM_CHAR:
                if (wparam == L'\r' || wparam == 0x1B) return 0;
                break;
            case WM_KILLFOCUS:
                // Committing here would destroy the box inside its own focus change.
                if (HWND parent = GetParent(window); parent != nullptr && IsWindow(parent)) {
                    PostMessageW(parent, commit_message, 0, 0);
                }
                break;
            default: break;
        }
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

// ---------------------------------------------------------------------------------------------
// Keys and mouse

void MenuResourceEditor::on_key(WPARAM key) {
    const bool control = key_down(VK_CONTROL);
    if (control && (key == 'F' || key == 'H')) {
        open_find_dialog(key == 'H');
        return;
    }
    if (control) {
        std::optional<MenuMove> move;
        if (key == VK_UP) move = MenuMove::up;
        if (key == VK_DOWN) move = MenuMove::down;
        if (key == VK_LEFT) move = MenuMove::out;
        if (key == VK_RIGHT) move = MenuMove::in;
        if (move) {
            if (const auto target = menu_move_target(menu_, selected_, *move);
                target && editing_.move_item(selected_, *target)) {
                selected_ = *target;
                changed(*target);
            }
            return;
        }
    }
    std::optional<MenuKey> step;
    switch (key) {
        case VK_HOME: step = MenuKey::home; break;
        case VK_END: step = MenuKey::end; break;
        case VK_UP: step = MenuKey::up; break;
        case VK_DOWN: step = MenuKey::down; break;
        case VK_RIGHT: step = MenuKey::right; break;
        case VK_LEFT: step = MenuKey::left; break;
        case VK_DELETE:
            if (!key_down(VK_SHIFT)) execute(EditorCommand::clear);  // Shift+Delete comes as the command
            return;
        case VK_INSERT:
            if (!control && !key_down(VK_SHIFT) && item_selected()) begin_edit(u"", true);
            return;
        case VK_RETURN:
        case VK_F2:
            begin_edit(item_selected() ? joined_caption(menu_.item(selected_), u"\\t") : u"");
            return;
        default: return;
    }
    auto target = menu_key_target(menu_, selected_, *step);
    // Along the menu bar, Left and Right step to the neighbour where they have nothing to open.
    if (!target && selected_.size() == 1 && (*step == MenuKey::left || *step == MenuKey::right)) {
        target = menu_key_target(menu_, selected_, *step == MenuKey::left ? MenuKey::up : MenuKey::down);
    }
    if (target) select(*target);
}

void MenuResourceEditor::on_character(wchar_t character) {
    if (character < 0x20 || key_down(VK_CONTROL)) return;
    // A character typed on a box starts editing its caption afresh with that character.
    begin_edit(std::u16string(1, static_cast<char16_t>(character)));
}

void MenuResourceEditor::on_click(int x, int y, bool twice) {
    // A caption being edited is committed first: the boxes may move with it.
    if (caption_editor_ != nullptr) commit_edit();
    SetFocus(window_.get());
    const MenuBox* box = menu_box_at(layout_, x, y);
    if (box == nullptr) return;
    const MenuPath path = box->path;
    select(path);
    if (twice) begin_edit(item_selected() ? joined_caption(menu_.item(selected_), u"\\t") : u"");
}

// ---------------------------------------------------------------------------------------------
// Drawing

void MenuResourceEditor::draw_box(HDC dc, const MenuBox& box, bool in_bar) {
    RECT rect{box.rect.left, box.rect.top, box.rect.right, box.rect.bottom};
    const bool selected = box.path == selected_;
    if (box.placeholder) {
        if (selected) FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        RECT frame = rect;
        InflateRect(&frame, -2, -2);
        HBRUSH gray = GetSysColorBrush(COLOR_GRAYTEXT);
        FrameRect(dc, &frame, gray);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
        RECT text = rect;
        text.left += 8;
        const std::wstring shown = wide(workspace_.text(str::type_here));
        DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return;
    }
    const MenuItem& item = menu_.item(box.path);
    // The popups on the way to the selection are shown open, in the highlight colour too.
    const bool on_the_way = box.path.size() < selected_.size() &&
                            std::equal(box.path.begin(), box.path.end(), selected_.begin());
    if (selected || on_the_way) FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
    if (item.is_separator() && !in_bar) {
        const int middle = (rect.top + rect.bottom) / 2;
        RECT line{rect.left + 4, middle, rect.right - 4, middle + 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_GRAYTEXT));
        return;
    }
    const bool gray = item.has(menu_flag::grayed) || item.has(menu_flag::inactive);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : gray ? COLOR_GRAYTEXT : COLOR_MENUTEXT));
    SelectedObject font(dc, item.has(menu_flag::default_item) ? bold_font_.get() : font_);
    RECT text = rect;
    text.left += 8;
    text.right -= 8;
    const std::wstring caption = shown_text(item.text);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_VCENTER);
    if (!item.shortcut.empty() && !in_bar) {
        const std::wstring shortcut = shown_text(item.shortcut);
        DrawTextW(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
    if (item.has(menu_flag::checked)) {
        // A small tick in the margin left of the caption.
        const int mid = (rect.top + rect.bottom) / 2;
        const POINT tick[] = {{rect.left + 1, mid}, {rect.left + 3, mid + 3}, {rect.left + 7, mid - 3}};
        Polyline(dc, tick, 3);
    }
    if (item.is_popup() && !in_bar) {
        const int mid = (rect.top + rect.bottom) / 2;
        const POINT arrow[] = {{rect.right - 7, mid - 4}, {rect.right - 3, mid}, {rect.right - 7, mid + 4}};
        Polygon(dc, arrow, 3);
    }
}

void MenuResourceEditor::paint(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, font_);
    SelectedObject pen(dc, GetStockObject(BLACK_PEN));
    SelectedObject brush(dc, GetStockObject(BLACK_BRUSH));
    // The bar across the editor's width, as a window's menu bar is.
    RECT bar{margin, margin, client.right - margin, margin + MenuMetrics{}.bar_height};
    for (const MenuBox& box : layout_.boxes) {
        if (box.path.size() == 1) bar.right = std::max<LONG>(bar.right, box.rect.right);
    }
    FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
    std::size_t list_index = 0;
    for (const MenuBox& box : layout_.boxes) {
        if (box.path.size() == 1) draw_box(dc, box, true);
    }
    for (const MenuRect& list : layout_.lists) {
        RECT frame{list.left, list.top, list.right, list.bottom};
        RECT shadow{frame.left + 3, frame.top + 3, frame.right + 3, frame.bottom + 3};
        FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
        FillRect(dc, &frame, GetSysColorBrush(COLOR_MENU));
        const std::size_t depth = ++list_index + 1;  // the lists open at depth 2, 3, ...
        for (const MenuBox& box : layout_.boxes) {
            if (box.path.size() == depth) draw_box(dc, box, false);
        }
        FrameRect(dc, &frame, GetSysColorBrush(COLOR_WINDOWFRAME));
    }
}

// ---------------------------------------------------------------------------------------------
// Preview

HWND MenuResourceEditor::preview_window() const {
    return preview_ && IsWindow(preview_.get()) ? preview_.get() : nullptr;
}

void MenuResourceEditor::show_preview() {
    if (preview_window() == nullptr) {
        // Closed by the user: the system has destroyed the window and its menu.
        preview_.release();
        preview_menu_.release();
        const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_.get(), GWLP_HINSTANCE));
        const std::u16string title = workspace_.text(str::menu_preview_caption) + u" - " + menu_.name_text();
        preview_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, preview_class_name, wide(title).c_str(),
                                       WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, CW_USEDEFAULT,
                                       CW_USEDEFAULT, 420, 180, GetAncestor(window_.get(), GA_ROOT), nullptr,
                                       instance, nullptr));
        if (!preview_) return;
    }
    refresh_preview();
    ShowWindow(preview_.get(), SW_SHOWNORMAL);
}

// The preview's menu is made again from the model after every change.
void MenuResourceEditor::refresh_preview() {
    HWND preview = preview_window();
    if (preview == nullptr) return;
    UniqueMenu fresh = build_live_menu(menu_, true);
    SetMenu(preview, fresh.get());
    preview_menu_ = std::move(fresh);
    DrawMenuBar(preview);
}

// ---------------------------------------------------------------------------------------------
// Find and replace

void MenuResourceEditor::open_find_dialog(bool replace) { find_box_.open(window_.get(), replace); }

bool MenuResourceEditor::find_next(const std::u16string& text, bool match_case) {
    const auto found =
        find_in_captions(menu_, item_selected() ? std::optional(selected_) : std::nullopt, text, match_case);
    if (!found) {
        workspace_.ask(fill_placeholders(workspace_.text(str::text_not_found), text), AskButtons::ok,
                       AskIcon::information);
        return false;
    }
    select(*found);
    return true;
}

std::size_t MenuResourceEditor::replace_everywhere(const std::u16string& text, const std::u16string& replacement,
                                                   bool match_case) {
    cancel_edit();
    const std::size_t count = editing_.replace_in_captions(text, replacement, match_case);
    if (count > 0) changed(selected_);
    site_.show_editor_status(fill_placeholders(workspace_.text(str::captions_replaced), decimal(static_cast<std::int64_t>(count))));
    return count;
}

void MenuResourceEditor::on_find_request(const FindRequest& request) {
    switch (request.action) {
        case FindRequest::Action::replace_all:
            replace_everywhere(request.what, request.with, request.match_case);
            break;
        case FindRequest::Action::replace:
            // Replace: the selected item when it holds the text, then on to the next one.
            if (item_selected()) {
                const MenuItem& item = menu_.item(selected_);
                std::u16string caption = replace_in_text(item.text, request.what, request.with, request.match_case).text;
                if (caption != item.text) {
                    if (!item.shortcut.empty()) caption += u"\\t" + item.shortcut;
                    editing_.set_text(selected_, caption);
                    changed(selected_);
                }
            }
            find_next(request.what, request.match_case);
            break;
        case FindRequest::Action::find_next:
            find_next(request.what, request.match_case);
            break;
    }
}

// ---------------------------------------------------------------------------------------------
// Properties

std::vector<PropertyRow> MenuResourceEditor::properties() const {
    std::vector<PropertyRow> rows;
    rows.push_back(expanded_category(workspace_.text(str::category_menu)));
    PropertyRow extended = boolean_row(workspace_, str::property_extended, menu_.extended());
    extended.help = workspace_.text(str::extended_help);
    rows.push_back(extended);
    PropertyRow preview;
    preview.name = workspace_.text(str::preview_menu);
    preview.flags = property_flag::link;
    rows.push_back(preview);
    if (!item_selected()) return rows;

    const MenuItem& item = menu_.item(selected_);
    const bool top = selected_.size() == 1;
    rows.push_back(expanded_category(workspace_.text(str::category_appearance)));
    rows.push_back(text_row(workspace_, str::property_caption, str::caption_help, item.text, true));
    rows.push_back(text_row(workspace_, str::property_shortcut, str::shortcut_help, item.shortcut, !item.is_popup()));
    rows.push_back(boolean_row(workspace_, str::property_checked, item.has(menu_flag::checked)));
    rows.push_back(boolean_row(workspace_, str::property_default, item.has(menu_flag::default_item)));
    rows.push_back(boolean_row(workspace_, str::property_inactive, item.has(menu_flag::inactive)));
    rows.push_back(boolean_row(workspace_, str::property_grayed, item.has(menu_flag::grayed)));
    rows.push_back(boolean_row(workspace_, str::property_popup, item.is_popup()));
    rows.push_back(boolean_row(workspace_, str::property_separator, item.has(menu_flag::separator), !item.is_popup()));
    if (top) {
        PropertyRow menu_break = boolean_row(workspace_, str::property_menu_break, item.break_kind() != MenuBreak::none);
        menu_break.help = workspace_.text(str::break_help);
        rows.push_back(menu_break);
    } else {
        PropertyRow menu_break;
        menu_break.name = workspace_.text(str::property_break);
        menu_break.help = workspace_.text(str::break_help);
        menu_break.flags = property_flag::fixed_choices;
        menu_break.choices = {workspace_.text(str::break_none), workspace_.text(str::break_column),
                              workspace_.text(str::break_bar)};
        menu_break.choice = static_cast<int>(item.break_kind()) % 3;
        menu_break.value = menu_break.choices[static_cast<std::size_t>(menu_break.choice)];
        rows.push_back(menu_break);
    }
    rows.push_back(boolean_row(workspace_, str::property_ownerdraw, item.has(menu_flag::owner_draw)));
    rows.push_back(boolean_row(workspace_, str::property_help, item.has(menu_flag::help)));
    rows.push_back(expanded_category(workspace_.text(str::category_misc)));
    rows.push_back(text_row(workspace_, str::property_id, str::menu_id_help, item.identifier, !item.is_popup()));
    return rows;
}

void MenuResourceEditor::set_property(std::size_t index, const std::u16string& text, int choice) {
    const bool on = choice == 1;
    const bool picked = choice >= 0;
    if (index == extended_row) {
        if (picked) editing_.set_extended(on);
        changed(selected_);
        return;
    }
    if (!item_selected()) return;
    const MenuPath path = selected_;
    const MenuItem& item = menu_.item(path);
    switch (index) {
        case caption_row:
            if (!picked) {
                // The caption row leaves the shortcut as it is, unless the text brings its own.
                const bool own_shortcut = !split_caption(text).shortcut.empty();
                editing_.set_text(path, own_shortcut || item.shortcut.empty() ? text : text + u"\\t" + item.shortcut);
            }
            break;
        case shortcut_row:
            if (!picked) editing_.set_text(path, text.empty() ? item.text : item.text + u"\\t" + text);
            break;
        case checked_row: if (picked) editing_.set_checked(path, on); break;
        case default_row: if (picked) editing_.set_default(path, on); break;
        case inactive_row: if (picked) editing_.set_inactive(path, on); break;
        case grayed_row: if (picked) editing_.set_grayed(path, on); break;
        case popup_row: if (picked) editing_.set_popup(path, on); break;
        case separator_row: if (picked) editing_.set_separator(path, on); break;
        case break_row:
            if (picked) {
                const bool top = path.size() == 1;
                editing_.set_break(path, top ? (on ? MenuBreak::column : MenuBreak::none) : static_cast<MenuBreak>(choice));
            }
            break;
        case ownerdraw_row: if (picked) editing_.set_owner_draw(path, on); break;
        case help_row: if (picked) editing_.set_help(path, on); break;
        case id_row:
            if (!picked) (void)editing_.set_identifier(path, text);
            break;
        default: return;
    }
    changed(path);
}

void MenuResourceEditor::property_button(std::size_t index) {
    if (index == preview_row) show_preview();
}

// ---------------------------------------------------------------------------------------------
// Messages

LRESULT MenuResourceEditor::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND window = window_.get();
    if (find_box_.is_box_message(message)) {
        if (const auto request = find_box_.take(lparam)) on_find_request(*request);
        return 0;
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint_info{};
            HDC dc = BeginPaint(window, &paint_info);
            RECT client{};
            GetClientRect(window, &client);
            UniqueMemoryDc memory(CreateCompatibleDC(dc));
            UniqueBitmap bitmap(CreateCompatibleBitmap(dc, std::max(1L, client.right), std::max(1L, client.bottom)));
            {
                SelectedObject selected_bitmap(memory.get(), bitmap.get());
                paint(memory.get(), client);
                BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
            }
            EndPaint(window, &paint_info);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_LBUTTONDOWN:
            on_click(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), false);
            return 0;
        case WM_LBUTTONDBLCLK:
            on_click(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), true);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            on_key(wparam);
            return 0;
        case WM_CHAR:
            on_character(static_cast<wchar_t>(wparam));
            return 0;
        case commit_message:
            // The edit box lost the focus; a click elsewhere in the editor has committed already.
            if (caption_editor_ != nullptr && GetFocus() != caption_editor_) commit_edit();
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace tavorin
