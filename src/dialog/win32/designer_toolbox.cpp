#include "dialog/win32/dialog_designer.h"

// The designer's toolbox: the pointer and the 24 kinds of control to place.

#include <commctrl.h>

#include "model/workspace.h"
#include "platform/win32/wide_text.h"
#include "services/string_ids.h"

namespace tavorin {

namespace {

constexpr int toolbox_id = 1;

}  // namespace

void DialogDesigner::create_toolbox(HINSTANCE instance) {
    toolbox_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTBOXW, nullptr,
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 0, 0,
                               window_.get(), reinterpret_cast<HMENU>(toolbox_id), instance, nullptr);
    if (toolbox_ != nullptr) {
        SendMessageW(toolbox_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_font_), FALSE);
        SendMessageW(toolbox_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide(workspace_.text(str::toolbox_pointer)).c_str()));
        for (const CatalogEntry& entry : workspace_.control_catalog().entries()) {
            SendMessageW(toolbox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry.display_name).c_str()));
        }
        SendMessageW(toolbox_, LB_SETCURSEL, 0, 0);
    }
}

void DialogDesigner::choose_tool(std::optional<ControlKind> kind) {
    tool_ = kind;
    if (toolbox_ != nullptr) SendMessageW(toolbox_, LB_SETCURSEL, kind ? kind_number(*kind) : 0, 0);
}

}  // namespace tavorin
