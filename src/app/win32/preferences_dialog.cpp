#include "app/win32/preferences_dialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shlobj.h>

#include <array>
#include <charconv>
#include <vector>

#include "app/config_file.h"
#include "app/win32/code_preview_pane.h"
#include "base/text.h"
#include "base/text_file.h"
#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"
#include "services/ui_strings.h"

namespace tavorin {

namespace {

namespace id = prefs_control;

// Dialog units of the whole dialog and of the page area right of the tree.
constexpr int dialog_width = 430;
constexpr int dialog_height = 268;
constexpr int page_left = 132;
constexpr int page_top = 7;
constexpr int page_width = 291;
// Tree items: the pages of PreferencesPage, then one per kind of control.
constexpr LPARAM control_page_base = 100;

constexpr std::array<str::Id, 8> page_titles{
    str::prefs_page_general,       str::prefs_page_include_paths,        str::prefs_page_code_generation,
    str::prefs_page_files,         str::prefs_page_script_template,      str::prefs_page_dialog_editor,
    str::prefs_page_control_preferences, str::prefs_page_image_editor,
};

std::optional<std::int32_t> parse_int(std::u16string_view text) {
    const std::string ascii = text_to_utf8(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) return std::nullopt;
    return value;
}

class PreferencesDialog {
public:
    PreferencesDialog(App& app, PreferencesPage page, const PreferencesHooks& hooks)
        : app_(app), hooks_(hooks), prefs_(current_preferences(app.session)), start_page_(page), preview_(app) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept {}

private:
    const std::u16string& text(str::Id number) const { return app_.session.text(number); }
    HWND add(int page, const wchar_t* window_class, const std::u16string& label, DWORD style, int control_id, int x,
             int y, int width, int height, DWORD ex_style = 0);
    HWND label(int page, str::Id number, int x, int y, int width, int height = 9) {
        return add(page, L"STATIC", text(number), SS_LEFT, -1, x, y, width, height);
    }
    HWND check(int page, str::Id number, int control_id, int x, int y, int width, bool checked, DWORD style = BS_AUTOCHECKBOX) {
        HWND box = add(page, L"BUTTON", text(number), style | WS_TABSTOP, control_id, x, y, width, 10);
        SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        return box;
    }
    HWND edit(int page, int control_id, const std::u16string& value, int x, int y, int width, DWORD style = 0) {
        HWND box = add(page, L"EDIT", value, ES_AUTOHSCROLL | WS_TABSTOP | style, control_id, x, y, width, 12, WS_EX_CLIENTEDGE);
        return box;
    }
    HWND button(int page, const std::u16string& caption, int control_id, int x, int y, int width, DWORD style = 0) {
        return add(page, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP | style, control_id, x, y, width, 14);
    }
    HWND item(int control_id) const { return GetDlgItem(dialog_, control_id); }
    bool checked(int control_id) const { return SendMessageW(item(control_id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::u16string item_text(int control_id) const;
    void set_item_text(int control_id, std::u16string_view value) { SetWindowTextW(item(control_id), wide(value).c_str()); }
    std::int32_t item_int(int control_id, std::int32_t fallback, std::int32_t low, std::int32_t high) const;

    void on_init();
    void build_tree();
    void build_general();
    void build_include_paths();
    void build_code_generation();
    void build_files();
    void build_script_template();
    void build_dialog_editor();
    void build_control_pages();
    void build_image_editor();
    void show_page(LPARAM page);
    void on_command(int control_id, int code);
    void on_tree_notify(const NMHDR& header);

    void refill_include_list(int selected);
    void add_include_path();
    void browse_include_folder();
    void load_template(int index);
    void refresh_template_preview();
    void show_control_kind(std::size_t index);
    void keep_control_kind();
    void choose_colour(std::uint32_t& colour);
    void draw_colour_button(const DRAWITEMSTRUCT& draw);
    void draw_image_preview(const DRAWITEMSTRUCT& draw);

    void collect();
    bool apply();

    App& app_;
    const PreferencesHooks& hooks_;
    Preferences prefs_;
    PreferencesPage start_page_;
    HWND dialog_ = nullptr;
    HWND tree_ = nullptr;
    std::vector<HTREEITEM> page_items_;
    std::array<std::vector<HWND>, page_titles.size() + 1> page_controls_;  // the last: a kind's page
    int shown_page_ = -1;
    std::vector<std::u16string> languages_;
    std::vector<std::uint16_t> default_languages_;
    std::vector<std::u16string> template_names_;
    CodePreviewPane preview_;
    std::optional<std::size_t> shown_kind_;
    std::array<std::uint32_t, 16> custom_colours_{};
};

HWND PreferencesDialog::add(int page, const wchar_t* window_class, const std::u16string& label, DWORD style,
                            int control_id, int x, int y, int width, int height, DWORD ex_style) {
    const bool on_page = page >= 0;
    RECT box{x + (on_page ? page_left : 0), y + (on_page ? page_top : 0), 0, 0};
    box.right = box.left + width;
    box.bottom = box.top + height;
    MapDialogRect(dialog_, &box);
    HWND window = CreateWindowExW(ex_style, window_class, wide(label).c_str(), WS_CHILD | style, box.left, box.top,
                                  box.right - box.left, box.bottom - box.top, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)), app_.instance, nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    if (on_page) {
        page_controls_[static_cast<std::size_t>(page)].push_back(window);
    } else {
        ShowWindow(window, SW_SHOW);
    }
    return window;
}

std::u16string PreferencesDialog::item_text(int control_id) const {
    HWND window = item(control_id);
    const int length = GetWindowTextLengthW(window);
    std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window, buffer.data(), length + 1);
    buffer.resize(static_cast<std::size_t>(length));
    return from_wide(buffer);
}

std::int32_t PreferencesDialog::item_int(int control_id, std::int32_t fallback, std::int32_t low, std::int32_t high) const {
    const auto value = parse_int(item_text(control_id));
    return value && *value >= low && *value <= high ? *value : fallback;
}

void PreferencesDialog::on_init() {
    SetWindowTextW(dialog_, wide(text(str::preferences_caption)).c_str());
    tree_ = add(-1, WC_TREEVIEWW, u"", WS_BORDER | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                           TVS_SHOWSELALWAYS, id::tree, 7, 7, 118, 232);
    add(-1, L"BUTTON", text(str::button_ok), BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 263, 247, 50, 14);
    add(-1, L"BUTTON", text(str::button_cancel), BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 318, 247, 50, 14);
    add(-1, L"BUTTON", text(str::button_apply), BS_PUSHBUTTON | WS_TABSTOP, id::apply, 373, 247, 50, 14);
    build_general();
    build_include_paths();
    build_code_generation();
    build_files();
    build_script_template();
    build_dialog_editor();
    build_control_pages();
    build_image_editor();
    build_tree();
    TreeView_SelectItem(tree_, page_items_[static_cast<std::size_t>(start_page_)]);
    show_page(static_cast<LPARAM>(start_page_));
}

void PreferencesDialog::build_tree() {
    const auto insert = [this](HTREEITEM parent, const std::u16string& title, LPARAM page) {
        const std::wstring caption = wide(title);
        TVINSERTSTRUCTW insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<wchar_t*>(caption.c_str());
        insert.item.lParam = page;
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    };
    for (std::size_t page = 0; page < page_titles.size(); ++page) {
        // Control preferences sit below the Dialog Editor; each kind of control below them.
        const auto p = static_cast<PreferencesPage>(page);
        const HTREEITEM parent = p == PreferencesPage::control_preferences
                                     ? page_items_[static_cast<std::size_t>(PreferencesPage::dialog_editor)]
                                     : TVI_ROOT;
        page_items_.push_back(insert(parent, text(page_titles[page]), static_cast<LPARAM>(page)));
    }
    const HTREEITEM controls = page_items_[static_cast<std::size_t>(PreferencesPage::control_preferences)];
    for (std::size_t kind = 0; kind < prefs_.controls.size(); ++kind) {
        insert(controls, prefs_.controls[kind].display_name, control_page_base + static_cast<LPARAM>(kind));
    }
    TreeView_Expand(tree_, page_items_[static_cast<std::size_t>(PreferencesPage::dialog_editor)], TVE_EXPAND);
}

void PreferencesDialog::build_general() {
    constexpr int page = static_cast<int>(PreferencesPage::general);
    const Config& config = prefs_.config;
    label(page, str::prefs_interface_language, 0, 0, 200);
    HWND list = add(page, L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id::language, 0, 11, 150, 120);
    languages_ = language_list(app_.paths.languages_folder);
    for (std::size_t i = 0; i < languages_.size(); ++i) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(languages_[i]).c_str()));
        if (equals_ignore_case(languages_[i], config.language)) SendMessageW(list, CB_SETCURSEL, i, 0);
    }
    if (SendMessageW(list, CB_GETCURSEL, 0, 0) == CB_ERR) SendMessageW(list, CB_SETCURSEL, 0, 0);
    label(page, str::prefs_editor_tabs, 0, 32, 200);
    check(page, str::prefs_single_tab, id::single_tab, 8, 43, 200, config.single_tab_mode, BS_AUTORADIOBUTTON | WS_GROUP);
    check(page, str::prefs_multiple_tabs, id::multiple_tabs, 8, 55, 200, !config.single_tab_mode, BS_AUTORADIOBUTTON);
    check(page, str::prefs_auto_save_layout, id::auto_save_layout, 0, 72, 290, config.auto_save_layout, BS_AUTOCHECKBOX | WS_GROUP);
    check(page, str::prefs_auto_check_update, id::auto_check_update, 0, 86, 290, config.auto_check_update);
    label(page, str::prefs_update_server, 0, 103, 80);
    edit(page, id::update_server, config.update_server, 82, 101, 208);
    label(page, str::prefs_web_page, 0, 119, 80);
    edit(page, id::web_page, config.web_page, 82, 117, 208);
    label(page, str::prefs_contact, 0, 135, 80);
    edit(page, id::contact, config.contact_address, 82, 133, 208);
    button(page, text(str::prefs_associate_rc_files), id::associate, 0, 156, 160);
}

void PreferencesDialog::build_include_paths() {
    constexpr int page = static_cast<int>(PreferencesPage::include_paths);
    label(page, str::prefs_include_list, 0, 0, 290);
    add(page, L"LISTBOX", u"", LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP, id::include_list, 0, 11, 226, 128,
        WS_EX_CLIENTEDGE);
    button(page, text(str::prefs_move_up), id::include_up, 230, 11, 60);
    button(page, text(str::prefs_move_down), id::include_down, 230, 28, 60);
    button(page, text(str::prefs_remove), id::include_remove, 230, 45, 60);
    edit(page, id::include_path, u"", 0, 145, 166);
    button(page, text(str::prefs_browse), id::include_browse, 170, 144, 56);
    button(page, text(str::prefs_add), id::include_add, 230, 144, 60);
    check(page, str::prefs_ask_includes, id::ask_includes, 0, 166, 290, prefs_.config.ask_includes);
    refill_include_list(-1);
}

void PreferencesDialog::build_code_generation() {
    constexpr int page = static_cast<int>(PreferencesPage::code_generation);
    const Config& config = prefs_.config;
    label(page, str::prefs_header_name, 0, 2, 90);
    edit(page, id::header_name, config.header_name, 92, 0, 198);
    label(page, str::prefs_header_name_help, 0, 16, 290, 42);
    label(page, str::prefs_header_notation, 0, 62, 90);
    check(page, str::prefs_define_notation, id::define_notation, 92, 61, 198, !config.asm_define, BS_AUTORADIOBUTTON | WS_GROUP);
    check(page, str::prefs_equ_notation, id::equ_notation, 92, 73, 198, config.asm_define, BS_AUTORADIOBUTTON);
    check(page, str::prefs_pascal, id::pascal, 0, 90, 290, config.pascal, BS_AUTOCHECKBOX | WS_GROUP);
    check(page, str::prefs_language_statements, id::language_statements, 0, 102, 290, config.generate_language_statements);
    check(page, str::prefs_dialog_ex, id::dialog_ex, 0, 114, 290, config.dialog_ex);
    check(page, str::prefs_menu_ex, id::menu_ex, 0, 126, 290, config.menu_ex);
    check(page, str::prefs_unicode_support, id::unicode_support, 0, 142, 290, config.unicode_support);
    label(page, str::prefs_unicode_macro, 0, 158, 90);
    edit(page, id::unicode_macro, config.unicode_macro, 92, 156, 100);
    SendMessageW(item(id::unicode_macro), EM_LIMITTEXT, Config::max_unicode_macro, 0);
    label(page, str::prefs_default_language, 0, 176, 90);
    HWND list = add(page, L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id::default_language, 92, 174,
                    198, 140);
    for (const LanguageList::Entry& entry : app_.session.languages().entries()) {
        const auto index = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry.name).c_str()));
        default_languages_.insert(default_languages_.begin() + index, entry.id);
    }
    for (std::size_t i = 0; i < default_languages_.size(); ++i) {
        if (default_languages_[i] == config.default_language) SendMessageW(list, CB_SETCURSEL, i, 0);
    }
}

void PreferencesDialog::build_files() {
    constexpr int page = static_cast<int>(PreferencesPage::files);
    label(page, str::prefs_encoding, 0, 2, 120);
    HWND list = add(page, L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_TABSTOP, id::encoding, 122, 0, 100, 60);
    for (const auto& name : {text(UiStrings::untranslated_first), text(UiStrings::untranslated_first + 1), text(str::prefs_utf8)}) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name).c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(prefs_.config.encoding), 0);
    check(page, str::prefs_insert_bom, id::insert_bom, 0, 20, 290, prefs_.config.insert_bom);
    check(page, str::prefs_generate_dlg_files, id::dlg_files, 0, 34, 290, prefs_.config.generate_dlg_files);
}

void PreferencesDialog::build_script_template() {
    constexpr int page = static_cast<int>(PreferencesPage::script_template);
    label(page, str::prefs_templates, 0, 2, 60);
    HWND list = add(page, L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, id::template_list, 62, 0, 228, 100);
    template_names_ = script_template_names(app_.paths.templates_folder);
    for (const auto& name : template_names_) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(name).c_str()));
    label(page, str::prefs_template_text, 0, 16, 290, 18);
    HWND text_box = add(page, L"EDIT", prefs_.config.resource_header,
                        ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
                        id::template_text, 0, 36, 290, 92, WS_EX_CLIENTEDGE);
    SendMessageW(text_box, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.code_font()), FALSE);
    label(page, str::prefs_preview, 0, 131, 290);
    if (preview_.create(dialog_, id::template_preview)) {
        RECT box{page_left, page_top + 142, page_left + 290, page_top + 232};
        MapDialogRect(dialog_, &box);
        MoveWindow(preview_.window(), box.left, box.top, box.right - box.left, box.bottom - box.top, FALSE);
        MoveWindow(preview_.edit(), 0, 0, box.right - box.left, box.bottom - box.top, FALSE);
        page_controls_[static_cast<std::size_t>(page)].push_back(preview_.window());
        refresh_template_preview();
    }
}

void PreferencesDialog::build_dialog_editor() {
    constexpr int page = static_cast<int>(PreferencesPage::dialog_editor);
    const DesignerSettings& designer = prefs_.designer;
    label(page, str::prefs_auto_resize, 0, 2, 130);
    HWND list = add(page, L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_TABSTOP, id::auto_resize, 132, 0, 158, 80);
    for (str::Id name : {str::prefs_resize_always, str::prefs_resize_upsizing, str::prefs_resize_downsizing,
                         str::prefs_resize_never}) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text(name)).c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(designer.auto_resize), 0);
    add(page, L"BUTTON", text(str::prefs_margin), BS_GROUPBOX, -1, 0, 18, 290, 30);
    label(page, str::prefs_size, 8, 32, 90);
    edit(page, id::margin_size, decimal(designer.margin_size), 100, 30, 40, ES_NUMBER);
    check(page, str::prefs_show_margin, id::show_margin, 150, 31, 135, designer.margin_visible);
    add(page, L"BUTTON", text(str::prefs_grid), BS_GROUPBOX, -1, 0, 52, 290, 46);
    label(page, str::prefs_width, 8, 66, 90);
    edit(page, id::grid_width, decimal(designer.grid_width), 100, 64, 40, ES_NUMBER);
    label(page, str::prefs_height, 8, 81, 90);
    edit(page, id::grid_height, decimal(designer.grid_height), 100, 79, 40, ES_NUMBER);
    check(page, str::prefs_show_grid, id::show_grid, 150, 65, 135, designer.grid_visible);
    add(page, L"BUTTON", text(str::prefs_snap), BS_GROUPBOX, -1, 0, 102, 290, 46);
    label(page, str::prefs_snap_distance, 8, 116, 90);
    edit(page, id::snap_distance, decimal(designer.snap_distance), 100, 114, 40, ES_NUMBER);
    label(page, str::prefs_small_snap_distance, 8, 131, 90);
    edit(page, id::small_snap_distance, decimal(designer.small_snap_distance), 100, 129, 40, ES_NUMBER);
    check(page, str::prefs_show_snap, id::show_snap, 150, 115, 135, designer.snap_on);
    label(page, str::prefs_dialog_units, 0, 154, 290);
}

void PreferencesDialog::build_control_pages() {
    constexpr int intro = static_cast<int>(PreferencesPage::control_preferences);
    label(intro, str::prefs_controls_intro, 0, 0, 290, 30);
    constexpr int page = static_cast<int>(page_titles.size());  // shared by every kind
    label(page, str::prefs_control_identifier, 0, 2, 70);
    edit(page, id::control_identifier, u"", 72, 0, 150);
    label(page, str::prefs_control_text, 0, 18, 70);
    edit(page, id::control_text, u"", 72, 16, 150);
    label(page, str::prefs_width, 0, 34, 70);
    edit(page, id::control_width, u"", 72, 32, 40, ES_NUMBER);
    label(page, str::prefs_height, 0, 50, 70);
    edit(page, id::control_height, u"", 72, 48, 40, ES_NUMBER);
    check(page, str::prefs_force_control, id::control_force, 0, 68, 290, false);
}

void PreferencesDialog::build_image_editor() {
    constexpr int page = static_cast<int>(PreferencesPage::image_editor);
    const ImageEditorSettings& image = prefs_.image_editor;
    check(page, str::prefs_pixel_grid, id::pixel_grid, 0, 0, 290, image.pixel_grid);
    check(page, str::prefs_transparent_colour, id::transparent_colour, 0, 16, 140, !image.texture_grid,
          BS_AUTORADIOBUTTON | WS_GROUP);
    check(page, str::prefs_texture_grid, id::texture_grid, 0, 28, 140, image.texture_grid, BS_AUTORADIOBUTTON);
    label(page, str::prefs_texture_colours, 0, 46, 98);
    button(page, u"", id::grid_colour_1, 100, 43, 28, BS_OWNERDRAW | WS_GROUP);
    button(page, u"", id::grid_colour_2, 132, 43, 28, BS_OWNERDRAW);
    button(page, text(str::prefs_preset_light), id::preset_light, 166, 43, 38);
    button(page, text(str::prefs_preset_medium), id::preset_medium, 208, 43, 40);
    button(page, text(str::prefs_preset_dark), id::preset_dark, 252, 43, 38);
    label(page, str::prefs_grid_size, 0, 66, 98);
    HWND slider = add(page, TRACKBAR_CLASSW, u"", TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, id::grid_size, 98, 62, 100, 16);
    SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(1, 5));
    SendMessageW(slider, TBM_SETPOS, TRUE, image.grid_size);
    label(page, str::prefs_background, 0, 86, 98);
    button(page, u"", id::background, 100, 83, 28, BS_OWNERDRAW);
    label(page, str::prefs_inverted_background, 0, 104, 98);
    button(page, u"", id::inverted_background, 100, 101, 28, BS_OWNERDRAW);
    label(page, str::prefs_preview, 0, 122, 98);
    HWND preview = add(page, L"STATIC", u"", SS_OWNERDRAW, id::image_preview, 0, 133, 10, 10);
    RECT box{page_left, page_top + 133, 0, 0};
    MapDialogRect(dialog_, &box);
    MoveWindow(preview, box.left, box.top, 160, 120, FALSE);  // 160 x 120 pixels
}

void PreferencesDialog::show_page(LPARAM page) {
    const bool kind_page = page >= control_page_base;
    const int shown = kind_page ? static_cast<int>(page_titles.size()) : static_cast<int>(page);
    keep_control_kind();
    if (kind_page) show_control_kind(static_cast<std::size_t>(page - control_page_base));
    if (shown == shown_page_) return;
    if (shown_page_ >= 0) {
        for (HWND window : page_controls_[static_cast<std::size_t>(shown_page_)]) ShowWindow(window, SW_HIDE);
    }
    for (HWND window : page_controls_[static_cast<std::size_t>(shown)]) ShowWindow(window, SW_SHOW);
    shown_page_ = shown;
}

void PreferencesDialog::show_control_kind(std::size_t index) {
    const CatalogEntry& entry = prefs_.controls[index];
    set_item_text(id::control_identifier, entry.default_identifier);
    set_item_text(id::control_text, entry.default_text);
    set_item_text(id::control_width, decimal(entry.default_width));
    set_item_text(id::control_height, decimal(entry.default_height));
    SendMessageW(item(id::control_force), BM_SETCHECK, entry.force_control_statement ? BST_CHECKED : BST_UNCHECKED, 0);
    shown_kind_ = index;
}

void PreferencesDialog::keep_control_kind() {
    if (!shown_kind_) return;
    CatalogEntry& entry = prefs_.controls[*shown_kind_];
    entry.default_identifier = item_text(id::control_identifier);
    entry.default_text = item_text(id::control_text);
    entry.default_width = item_int(id::control_width, entry.default_width, 1, 32767);
    entry.default_height = item_int(id::control_height, entry.default_height, 1, 32767);
    entry.force_control_statement = checked(id::control_force);
}

void PreferencesDialog::refill_include_list(int selected) {
    HWND list = item(id::include_list);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const auto& path : prefs_.config.include_paths) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(path).c_str()));
    }
    if (selected >= 0) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void PreferencesDialog::add_include_path() {
    std::u16string path = item_text(id::include_path);
    while (!path.empty() && path.back() == u' ') path.pop_back();
    if (path.empty()) return;
    auto& paths = prefs_.config.include_paths;
    const auto known = std::find_if(paths.begin(), paths.end(), [&](const auto& p) { return equals_ignore_case(p, path); });
    if (known == paths.end()) paths.push_back(path);
    refill_include_list(static_cast<int>((known == paths.end() ? paths.end() - 1 : known) - paths.begin()));
    set_item_text(id::include_path, u"");
}

void PreferencesDialog::browse_include_folder() {
    const std::wstring title = wide(text(str::prefs_choose_include_folder));
    BROWSEINFOW browse{};
    browse.hwndOwner = dialog_;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE folder = SHBrowseForFolderW(&browse);
    if (folder == nullptr) return;
    wchar_t path[MAX_PATH] = {};
    if (SHGetPathFromIDListW(folder, path)) SetWindowTextW(item(id::include_path), path);
    CoTaskMemFree(folder);
}

void PreferencesDialog::load_template(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= template_names_.size()) return;
    const auto ansi = [this](std::string_view bytes) { return app_.session.platform().ansi_to_text(bytes); };
    const auto file = read_text_file(
        app_.paths.templates_folder / std::filesystem::path(template_names_[static_cast<std::size_t>(index)] + u".txt"), ansi);
    if (!file) return;
    set_item_text(id::template_text, file->text);
    refresh_template_preview();
}

void PreferencesDialog::refresh_template_preview() {
    if (preview_.window() != nullptr) preview_.show(item_text(id::template_text));
}

void PreferencesDialog::choose_colour(std::uint32_t& colour) {
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dialog_;
    choose.rgbResult = colour;
    choose.lpCustColors = reinterpret_cast<COLORREF*>(custom_colours_.data());
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (ChooseColorW(&choose)) colour = choose.rgbResult;
    InvalidateRect(dialog_, nullptr, FALSE);
}

void PreferencesDialog::draw_colour_button(const DRAWITEMSTRUCT& draw) {
    std::uint32_t colour = 0;
    switch (draw.CtlID) {
        case id::grid_colour_1: colour = prefs_.image_editor.texture_color1; break;
        case id::grid_colour_2: colour = prefs_.image_editor.texture_color2; break;
        case id::background: colour = prefs_.image_editor.background; break;
        default: colour = prefs_.image_editor.inverted_background; break;
    }
    RECT box = draw.rcItem;
    DrawEdge(draw.hDC, &box, (draw.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    InflateRect(&box, -2, -2);
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(draw.hDC, &box, brush.get());
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(draw.hDC, &box);
}

// The background with the pixel grid, and a transparent square in the middle shown over the
// texture grid (or the plain colour).
void PreferencesDialog::draw_image_preview(const DRAWITEMSTRUCT& draw) {
    const ImageEditorSettings& image = prefs_.image_editor;
    const RECT all = draw.rcItem;
    UniqueBrush background(CreateSolidBrush(image.background));
    FillRect(draw.hDC, &all, background.get());
    if (image.pixel_grid) {
        UniquePen pen(CreatePen(PS_SOLID, 1, RGB(128, 128, 128)));
        const HGDIOBJ old = SelectObject(draw.hDC, pen.get());
        for (int x = all.left; x < all.right; x += 8) {
            MoveToEx(draw.hDC, x, all.top, nullptr);
            LineTo(draw.hDC, x, all.bottom);
        }
        for (int y = all.top; y < all.bottom; y += 8) {
            MoveToEx(draw.hDC, all.left, y, nullptr);
            LineTo(draw.hDC, all.right, y);
        }
        SelectObject(draw.hDC, old);
    }
    const int cell = 4 * (image.grid_size + 1);
    const RECT square{all.left + 40, all.top + 24, all.right - 40, all.bottom - 24};
    UniqueBrush first(CreateSolidBrush(image.texture_grid ? image.texture_color1 : image.inverted_background));
    UniqueBrush second(CreateSolidBrush(image.texture_grid ? image.texture_color2 : image.inverted_background));
    for (int y = square.top; y < square.bottom; y += cell) {
        for (int x = square.left; x < square.right; x += cell) {
            const RECT one{x, y, std::min<LONG>(x + cell, square.right), std::min<LONG>(y + cell, square.bottom)};
            const bool odd = (((x - square.left) / cell) + ((y - square.top) / cell)) % 2 != 0;
            FillRect(draw.hDC, &one, odd ? second.get() : first.get());
        }
    }
    FrameRect(draw.hDC, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

void PreferencesDialog::collect() {
    keep_control_kind();
    Config& config = prefs_.config;
    const auto language = SendMessageW(item(id::language), CB_GETCURSEL, 0, 0);
    if (language != CB_ERR && static_cast<std::size_t>(language) < languages_.size()) {
        config.language = languages_[static_cast<std::size_t>(language)];
    }
    config.single_tab_mode = checked(id::single_tab);
    config.auto_save_layout = checked(id::auto_save_layout);
    config.auto_check_update = checked(id::auto_check_update);
    config.update_server = item_text(id::update_server);
    config.web_page = item_text(id::web_page);
    config.contact_address = item_text(id::contact);
    config.ask_includes = checked(id::ask_includes);

    config.header_name = item_text(id::header_name);
    config.asm_define = checked(id::equ_notation);
    config.pascal = checked(id::pascal);
    config.generate_language_statements = checked(id::language_statements);
    config.dialog_ex = checked(id::dialog_ex);
    config.menu_ex = checked(id::menu_ex);
    config.unicode_support = checked(id::unicode_support);
    config.unicode_macro = item_text(id::unicode_macro);
    const auto default_language = SendMessageW(item(id::default_language), CB_GETCURSEL, 0, 0);
    if (default_language != CB_ERR && static_cast<std::size_t>(default_language) < default_languages_.size()) {
        config.default_language = default_languages_[static_cast<std::size_t>(default_language)];
    }

    const auto encoding = SendMessageW(item(id::encoding), CB_GETCURSEL, 0, 0);
    if (encoding >= 0 && encoding <= 2) config.encoding = static_cast<TextEncoding>(encoding);
    config.insert_bom = checked(id::insert_bom);
    config.generate_dlg_files = checked(id::dlg_files);

    // The edit control gives CR LF line breaks, as the template keeps them.
    config.resource_header = item_text(id::template_text);

    DesignerSettings& designer = prefs_.designer;
    const auto resize = SendMessageW(item(id::auto_resize), CB_GETCURSEL, 0, 0);
    if (resize >= 0 && resize <= 3) designer.auto_resize = static_cast<AutoResize>(resize);
    designer.margin_size = item_int(id::margin_size, designer.margin_size, 1, 1000);
    designer.margin_visible = checked(id::show_margin);
    designer.grid_width = item_int(id::grid_width, designer.grid_width, 1, 1000);
    designer.grid_height = item_int(id::grid_height, designer.grid_height, 1, 1000);
    designer.snap_distance = item_int(id::snap_distance, designer.snap_distance, 1, 1000);
    designer.small_snap_distance = item_int(id::small_snap_distance, designer.small_snap_distance, 1, 1000);
    designer.set_snap(checked(id::show_snap));
    if (checked(id::show_grid)) designer.set_grid(true);
    if (!checked(id::show_grid)) designer.grid_visible = false;

    ImageEditorSettings& image = prefs_.image_editor;
    image.pixel_grid = checked(id::pixel_grid);
    image.texture_grid = checked(id::texture_grid);
    image.grid_size = static_cast<std::int32_t>(SendMessageW(item(id::grid_size), TBM_GETPOS, 0, 0));
}

bool PreferencesDialog::apply() {
    collect();
    const PreferenceChanges changes = apply_preferences(app_.session, prefs_);
    prefs_ = current_preferences(app_.session);
    (void)write_config(app_.session, app_.paths, app_.session.config_sections());
    if (changes.language) {
        if (!install_language_file(app_.session, app_.paths.languages_folder)) app_.session.strings().reset_to_built_in();
    }
    if (changes.any && hooks_.applied) hooks_.applied(changes);
    if (changes.language) {
        app_.session.ask(text(str::restart_for_changes), AskButtons::ok, AskIcon::information);
    }
    return true;
}

void PreferencesDialog::on_command(int control_id, int code) {
    switch (control_id) {
        case IDOK:
            if (apply()) EndDialog(dialog_, IDOK);
            return;
        case IDCANCEL: EndDialog(dialog_, IDCANCEL); return;
        case id::apply: apply(); return;
        case id::associate:
            if (hooks_.associate) hooks_.associate(dialog_);
            return;
        case id::include_add: add_include_path(); return;
        case id::include_browse: browse_include_folder(); return;
        case id::include_remove:
        case id::include_up:
        case id::include_down: {
            const auto selected = SendMessageW(item(id::include_list), LB_GETCURSEL, 0, 0);
            if (selected == LB_ERR) return;
            auto& paths = prefs_.config.include_paths;
            const auto index = static_cast<std::size_t>(selected);
            if (control_id == id::include_remove) {
                paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(index));
                refill_include_list(paths.empty() ? -1 : static_cast<int>(std::min(index, paths.size() - 1)));
            } else if (move_include_path(paths, index, control_id == id::include_up)) {
                refill_include_list(static_cast<int>(control_id == id::include_up ? index - 1 : index + 1));
            }
            return;
        }
        case id::template_list:
            if (code == CBN_SELCHANGE) load_template(static_cast<int>(SendMessageW(item(id::template_list), CB_GETCURSEL, 0, 0)));
            return;
        case id::template_text:
            if (code == EN_CHANGE) refresh_template_preview();
            return;
        case id::show_grid:
            if (checked(id::show_grid)) SendMessageW(item(id::show_snap), BM_SETCHECK, BST_UNCHECKED, 0);
            return;
        case id::show_snap:
            if (checked(id::show_snap)) SendMessageW(item(id::show_grid), BM_SETCHECK, BST_UNCHECKED, 0);
            return;
        case id::grid_colour_1: choose_colour(prefs_.image_editor.texture_color1); return;
        case id::grid_colour_2: choose_colour(prefs_.image_editor.texture_color2); return;
        case id::background: choose_colour(prefs_.image_editor.background); return;
        case id::inverted_background: choose_colour(prefs_.image_editor.inverted_background); return;
        case id::preset_light:
        case id::preset_medium:
        case id::preset_dark:
            apply_texture_preset(prefs_.image_editor, control_id == id::preset_light    ? TexturePreset::light
                                                      : control_id == id::preset_medium ? TexturePreset::medium
                                                                                        : TexturePreset::dark);
            InvalidateRect(dialog_, nullptr, FALSE);
            return;
        case id::pixel_grid:
        case id::transparent_colour:
        case id::texture_grid:
            prefs_.image_editor.pixel_grid = checked(id::pixel_grid);
            prefs_.image_editor.texture_grid = checked(id::texture_grid);
            InvalidateRect(item(id::image_preview), nullptr, FALSE);
            return;
        default: return;
    }
}

void PreferencesDialog::on_tree_notify(const NMHDR& header) {
    if (header.code != TVN_SELCHANGEDW) return;
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    show_page(change.itemNew.lParam);
}

INT_PTR PreferencesDialog::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            on_init();
            return TRUE;
        case WM_COMMAND:
            on_command(LOWORD(wparam), HIWORD(wparam));
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
            if (header.idFrom == id::tree) on_tree_notify(header);
            return TRUE;
        }
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lparam) == item(id::grid_size)) {
                prefs_.image_editor.grid_size = static_cast<std::int32_t>(SendMessageW(item(id::grid_size), TBM_GETPOS, 0, 0));
                InvalidateRect(item(id::image_preview), nullptr, FALSE);
            }
            return TRUE;
        case WM_DRAWITEM: {
            const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
            if (draw.CtlID == id::image_preview) {
                draw_image_preview(draw);
            } else {
                draw_colour_button(draw);
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

str::Id preferences_page_title(PreferencesPage page) { return page_titles[static_cast<std::size_t>(page)]; }

bool show_preferences(App& app, HWND owner, PreferencesPage page, const PreferencesHooks& hooks) {
    // The tree and the slider, besides the classes the program registers at start-up.
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    PreferencesDialog dialog(app, page, hooks);
    const auto layout =
        empty_dialog_template(dialog_width, dialog_height, app.resources.ui_face(), 0, WS_EX_CONTROLPARENT);
    return run_bound_dialog(app.instance, layout, owner, dialog) == IDOK;
}

}  // namespace tavorin
