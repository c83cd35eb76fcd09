#include "dialog/win32/test_dialog.h"

#include <cstring>
#include <vector>

#include "base/binary_buffer.h"
#include "base/escapes.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/dialog_template.h"
#include "dialog/win32/control_icon.h"
#include "model/workspace.h"
#include "model/resource_kind.h"
#include "platform/win32/bound_window.h"
#include "resources/menu/menu.h"
#include "platform/win32/wide_text.h"
#include "resources/menu/win32/live_menu_builder.h"

namespace tavorin {

namespace {

// The style the test window runs with: a visible popup whatever the dialog says.
std::uint32_t test_style(std::uint32_t style) {
    style &= ~static_cast<std::uint32_t>(WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | WS_POPUP);
    return style | WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS;
}

class TestDialog {
public:
    TestDialog(const Dialog& dialog, Workspace& workspace, const std::function<void(HWND)>& started)
        : dialog_(dialog), workspace_(workspace), started_(started) {}

    void attach(HWND window) noexcept { window_ = window; }
    INT_PTR on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept {}

private:
    void on_init();
    void end(int result);

    const Dialog& dialog_;
    Workspace& workspace_;
    const std::function<void(HWND)>& started_;
    HWND window_ = nullptr;
    std::vector<UniqueIcon> icons_;  // the ICON controls' images, kept until the test ends
};

void TestDialog::on_init() {
    if (!dialog_.menu().empty()) {
        for (Resource* resource : workspace_.project().resources_of_kind(kind::menu)) {
            if (!equals_ignore_case(resource->name_text(), dialog_.menu())) continue;
            if (const auto* menu = dynamic_cast<const Menu*>(resource)) {
                UniqueMenu bar = build_live_menu(*menu, true);
                // The window destroys its menu with itself.
                if (SetMenu(window_, bar.get())) bar.release();
            }
            break;
        }
    }
    SetWindowTextW(window_, wide(unescape_stored_text(dialog_.caption())).c_str());
    const auto font = SendMessageW(window_, WM_GETFONT, 0, 0);
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    for (const auto& control : dialog_.controls()) {
        const DialogRect& units = control->rect();
        RECT box{units.x, units.y, units.x + units.width, units.y + units.height};
        MapDialogRect(window_, &box);
        DWORD style = control->style();
        DWORD extended = control->extended_style();
        if ((style & WS_BORDER) != 0) {
            style &= ~static_cast<DWORD>(WS_BORDER);
            extended |= WS_EX_CLIENTEDGE;
        }
        const std::wstring caption =
            control->caption_is_reference() ? std::wstring() : wide(unescape_stored_text(control->text()));
        HWND child = CreateWindowExW(extended, wide(control->window_class()).c_str(), caption.c_str(),
                                     style | WS_CHILD, box.left, box.top, box.right - box.left, box.bottom - box.top,
                                     window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->identifier_value() & 0xFFFF)),
                                     instance, nullptr);
        if (child != nullptr) SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
        if (UniqueIcon icon = control_icon(*control, workspace_.project())) {
            show_control_icon(child, icon.get(), box);
            icons_.push_back(std::move(icon));
        }
    }
    if (started_) started_(window_);
}

BOOL CALLBACK restore_font(HWND child, LPARAM) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return TRUE;
}

void TestDialog::end(int result) {
    // The dialog's font goes with the dialog; the children must not keep it.
    EnumChildWindows(window_, restore_font, 0);
    EndDialog(window_, result);
}

INT_PTR TestDialog::on_message(UINT message, WPARAM wparam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: on_init(); return TRUE;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) end(LOWORD(wparam));
            return TRUE;
        case WM_CLOSE: end(IDCANCEL); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

void run_dialog_test(HWND owner, const Dialog& dialog, Workspace& workspace,
                     const std::function<void(HWND)>& started) {
    BinaryBuffer buffer;
    encode_dialog_template(dialog, buffer, TemplateContent{false, false});
    std::vector<std::uint8_t> bytes(buffer.bytes().begin(), buffer.bytes().end());
    // DIALOGEX: version, signature, help id, extended style, then the style; DIALOG: the style first.
    const std::size_t offset = dialog.extended() ? 12 : 0;
    if (bytes.size() < offset + 4) return;
    const std::uint32_t style = test_style(dialog.style());
    for (int i = 0; i < 4; ++i) bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(style >> (8 * i));
    TestDialog test(dialog, workspace, started);
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    run_bound_dialog(instance, bytes, owner, test);
}

}  // namespace tavorin
