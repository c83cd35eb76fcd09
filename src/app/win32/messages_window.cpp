#include "app/win32/messages_window.h"

#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/bound_window.h"
#include "platform/win32/empty_dialog_template.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

// Initial size in dialog units; the window then keeps whatever size the user gives it.
constexpr short initial_width = 320;
constexpr short initial_height = 200;
constexpr LONG minimum_size = 200;

constexpr int icon_column_width = 20;
constexpr int time_column_width = 50;

struct LevelButton {
    LogLevel level;
    int id;
    str::Id text;
};

constexpr std::array<LevelButton, 3> level_buttons{{
    {LogLevel::error, messages_control::show_errors, str::messages_errors},
    {LogLevel::warning, messages_control::show_warnings, str::messages_warnings},
    {LogLevel::information, messages_control::show_informations, str::messages_informations},
}};

class ImageList {
public:
    explicit ImageList(HIMAGELIST list) : list_(list) {}
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;
    ~ImageList() {
        if (list_ != nullptr) ImageList_Destroy(list_);
    }
    HIMAGELIST get() const { return list_; }

private:
    HIMAGELIST list_;
};

// The three level icons, in level order (error, warning, information).
HIMAGELIST create_level_icons() {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
    if (list == nullptr) return nullptr;
    for (LPCWSTR icon : {IDI_ERROR, IDI_WARNING, IDI_INFORMATION}) {
        auto handle = static_cast<HICON>(LoadImageW(nullptr, icon, IMAGE_ICON, 16, 16, LR_SHARED));
        if (handle == nullptr) handle = LoadIconW(nullptr, icon);
        ImageList_AddIcon(list, handle);
    }
    return list;
}

class MessagesWindow {
public:
    MessagesWindow(App& app, bool modal) : app_(app), modal_(modal), icons_(create_level_icons()) {}

    void attach(HWND dialog) noexcept { dialog_ = dialog; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr failure) noexcept { app_.failure = failure; }
    void detach() noexcept {
        if (owned_by_window_) delete this;
    }
    // A modeless window frees its object when it is destroyed.
    void give_to_window() { owned_by_window_ = true; }

private:
    void on_init();
    void on_command(int id);
    void create_toolbar();
    void create_list();
    HWND create_button(int id, str::Id text);
    void restore_size();
    void arrange(int width, int height);
    void fill_list();
    void toggle(const LevelButton& button);
    void clear();
    void close();

    App& app_;
    const bool modal_;
    bool owned_by_window_ = false;
    ImageList icons_;
    HWND dialog_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND list_ = nullptr;
    HWND clear_button_ = nullptr;
    HWND close_button_ = nullptr;
    std::array<std::wstring, 3> button_texts_;
};

INT_PTR MessagesWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            on_init();
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED) on_command(LOWORD(wparam));
            return TRUE;
        case WM_SIZE:
            arrange(LOWORD(lparam), HIWORD(lparam));
            return TRUE;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
            limits->ptMinTrackSize = POINT{minimum_size, minimum_size};
            return TRUE;
        }
        case WM_DESTROY: {
            RECT frame{};
            if (GetWindowRect(dialog_, &frame)) app_.messages.size = SIZE{frame.right - frame.left, frame.bottom - frame.top};
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void MessagesWindow::on_init() {
    SetWindowTextW(dialog_, wide(app_.session.text(str::messages_title)).c_str());
    create_toolbar();
    create_list();
    clear_button_ = create_button(messages_control::clear, str::messages_clear);
    close_button_ = create_button(messages_control::close, str::messages_close);
    restore_size();
    RECT client{};
    GetClientRect(dialog_, &client);
    arrange(client.right, client.bottom);
    fill_list();
}

void MessagesWindow::on_command(int id) {
    if (id == messages_control::clear) return clear();
    if (id == messages_control::close || id == IDOK) return close();
    for (const auto& button : level_buttons) {
        if (button.id == id) return toggle(button);
    }
}

void MessagesWindow::create_toolbar() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | CCS_TOP | CCS_NODIVIDER, 0, 0, 0,
                               0, dialog_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(messages_control::toolbar)),
                               app_.instance, nullptr);
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons_.get()));

    std::array<TBBUTTON, 3> buttons{};
    for (std::size_t i = 0; i < level_buttons.size(); ++i) {
        const auto& level = level_buttons[i];
        button_texts_[i] = wide(app_.session.text(level.text));
        const bool shown = app_.messages.filter[static_cast<std::size_t>(level.level)];
        buttons[i].iBitmap = static_cast<int>(level.level);
        buttons[i].idCommand = level.id;
        buttons[i].fsState = static_cast<BYTE>(TBSTATE_ENABLED | (shown ? TBSTATE_CHECKED : 0));
        buttons[i].fsStyle = BTNS_CHECK | BTNS_AUTOSIZE;
        buttons[i].iString = reinterpret_cast<INT_PTR>(button_texts_[i].c_str());
    }
    SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

void MessagesWindow::create_list() {
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER, 0,
                            0, 200, 100, dialog_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(messages_control::list)), app_.instance,
                            nullptr);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons_.get()));

    const std::wstring time = wide(app_.session.text(str::messages_time));
    const std::wstring text = wide(app_.session.text(str::messages_message));
    const std::array<std::pair<const wchar_t*, int>, 3> columns{{
        {L"", icon_column_width}, {time.c_str(), time_column_width}, {text.c_str(), 0}}};
    for (int index = 0; index < 3; ++index) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[static_cast<std::size_t>(index)].first);
        column.cx = columns[static_cast<std::size_t>(index)].second;
        column.iSubItem = index;
        SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }
}

HWND MessagesWindow::create_button(int id, str::Id text) {
    HWND button = CreateWindowExW(0, L"BUTTON", wide(app_.session.text(text)).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, dialog_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(app_.resources.regular_font()), FALSE);
    return button;
}

// The window opens at the size it had when last closed, over the middle of its owner.
void MessagesWindow::restore_size() {
    if (!app_.messages.size) return;
    const SIZE size = *app_.messages.size;
    RECT area{};
    HWND owner = GetWindow(dialog_, GW_OWNER);
    if (owner == nullptr || !GetWindowRect(owner, &area)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int left = area.left + (area.right - area.left - size.cx) / 2;
    const int top = area.top + (area.bottom - area.top - size.cy) / 2;
    SetWindowPos(dialog_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Toolbar on top, the list below it, "Clear" bottom left and "Close" bottom right.
void MessagesWindow::arrange(int width, int height) {
    if (toolbar_ == nullptr || list_ == nullptr) return;
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    RECT toolbar_frame{};
    GetWindowRect(toolbar_, &toolbar_frame);
    const int toolbar_height = toolbar_frame.bottom - toolbar_frame.top;

    RECT units{4, 0, 50, 14};  // margin, -, button width, button height in dialog units
    MapDialogRect(dialog_, &units);
    const int margin = units.left;
    const int button_width = units.right;
    const int button_height = units.bottom;

    const int buttons_top = height - margin - button_height;
    MoveWindow(clear_button_, margin, buttons_top, button_width, button_height, TRUE);
    MoveWindow(close_button_, width - margin - button_width, buttons_top, button_width, button_height, TRUE);
    MoveWindow(list_, margin, toolbar_height, width - 2 * margin, buttons_top - margin - toolbar_height, TRUE);

    RECT list_client{};
    GetClientRect(list_, &list_client);
    const int message_width = list_client.right - icon_column_width - time_column_width - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, 2, message_width > 0 ? message_width : 0);
}

void MessagesWindow::fill_list() {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    const auto& entries = app_.session.log().entries();
    int row = 0;
    for (const LogEntry* entry : app_.session.log().visible(app_.messages.filter)) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE | LVIF_PARAM | LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(L"");
        item.iImage = static_cast<int>(entry->level);
        item.lParam = static_cast<LPARAM>(entry - entries.data());
        SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));

        std::wstring time = wide(entry->time);
        std::wstring text = wide(entry->text);
        for (auto [column, value] : {std::pair{1, &time}, std::pair{2, &text}}) {
            LVITEMW cell{};
            cell.iSubItem = column;
            cell.pszText = value->data();
            SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
        }
        ++row;
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void MessagesWindow::toggle(const LevelButton& button) {
    bool& shown = app_.messages.filter[static_cast<std::size_t>(button.level)];
    shown = !shown;
    SendMessageW(toolbar_, TB_CHECKBUTTON, static_cast<WPARAM>(button.id), MAKELPARAM(shown ? TRUE : FALSE, 0));
    fill_list();
}

void MessagesWindow::clear() {
    const Answer answer =
        app_.session.ask(app_.session.text(str::messages_clear_question), AskButtons::yes_no, AskIcon::question);
    if (answer != Answer::yes) return;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    app_.session.log().clear();
}

void MessagesWindow::close() {
    if (modal_) {
        EndDialog(dialog_, 0);
    } else {
        DestroyWindow(dialog_);
    }
}

}  // namespace

void show_messages_window(App& app, HWND owner) {
    const auto layout =
        empty_dialog_template(initial_width, initial_height, app.resources.ui_face(), WS_THICKFRAME | WS_CLIPCHILDREN);
    MessagesWindow window(app, true);
    DialogBoxIndirectParamW(app.instance, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                            bound_dialog_procedure<MessagesWindow>, reinterpret_cast<LPARAM>(&window));
}

HWND open_messages_window(App& app, HWND owner) {
    const auto layout =
        empty_dialog_template(initial_width, initial_height, app.resources.ui_face(), WS_THICKFRAME | WS_CLIPCHILDREN);
    auto window = std::make_unique<MessagesWindow>(app, false);
    HWND dialog = CreateDialogIndirectParamW(app.instance, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                                             bound_dialog_procedure<MessagesWindow>,
                                             reinterpret_cast<LPARAM>(window.get()));
    if (dialog == nullptr) return nullptr;
    window.release()->give_to_window();
    ShowWindow(dialog, SW_SHOW);
    return dialog;
}

}  // namespace tavorin
