#include "dialog/win32/control_icon.h"

#include <filesystem>

#include "base/text.h"
#include "dialog/control.h"
#include "model/project.h"
#include "platform/win32/wide_text.h"
#include "resources/image/icon_group.h"

namespace tavorin {

namespace {

bool shows_icon(const Control& control) {
    return control.kind() == ControlKind::picture && (control.style() & SS_TYPEMASK) == SS_ICON;
}

bool names_resource(const Control& control, const Resource& resource) {
    const ResourceIdentity& identity = resource.identity();
    if (control.text_ordinal() && !identity.string_name) return identity.ordinal == *control.text_ordinal();
    return equals_ignore_case(resource.name_text(), control.text());
}

// The largest image of the group that fits 32 by 32 pixels (else the first), as the system
// would pick for a dialog.
HICON icon_from_group(const IconGroup& group) {
    const IconImage* chosen = nullptr;
    for (const IconImage& image : group.images()) {
        const bool fits = image.width <= 32 && image.height <= 32;
        if (chosen == nullptr || (fits && image.width > chosen->width)) chosen = &image;
    }
    if (chosen == nullptr || chosen->bytes.empty()) return nullptr;
    auto* bits = const_cast<BYTE*>(reinterpret_cast<const BYTE*>(chosen->bytes.data()));
    return CreateIconFromResourceEx(bits, static_cast<DWORD>(chosen->bytes.size()), TRUE, 0x00030000, 0, 0,
                                    LR_DEFAULTCOLOR | LR_DEFAULTSIZE);
}

}  // namespace

UniqueIcon control_icon(const Control& control, const Project& project) {
    if (!shows_icon(control)) return UniqueIcon();
    for (Resource* resource : project.resources_of_kind(kind::icon)) {
        const auto* group = dynamic_cast<const IconGroup*>(resource);
        if (group == nullptr || !names_resource(control, *resource)) continue;
        if (HICON icon = icon_from_group(*group)) return UniqueIcon(icon);
        // A group still naming its file: relative names start from the project's folder, the
        // current one while a project is open.
        const std::wstring file = wide(group->content_file());
        if (!file.empty()) {
            if (auto* loaded = static_cast<HICON>(
                    LoadImageW(nullptr, file.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE))) {
                return UniqueIcon(loaded);
            }
        }
    }
    // Shared system icons must not be destroyed: a copy is.
    return UniqueIcon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)));
}

void show_control_icon(HWND window, HICON icon, const RECT& box) {
    if (window == nullptr || icon == nullptr) return;
    // An ICON statement's size is commonly left out (0 by 0): the control then takes the icon's
    // size, as it does in the program that loads the dialog. A size given is kept, and the icon
    // fitted into it.
    const bool sized = box.right > box.left && box.bottom > box.top;
    if (sized) SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) | SS_REALSIZECONTROL);
    SendMessageW(window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (sized) {
        SetWindowPos(window, nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace tavorin
