#pragma once
// The resource tree: one branch per type, one item per resource labelled as the project says.
// Double click or Enter on an item asks for its editor, Delete for its removal; the window that
// owns the panel decides what happens.

#include "platform/win32/windows_api.h"
#include <commctrl.h>

#include <functional>

#include "ui/win32/kind_icons.h"

namespace tavorin {

class Project;
class Resource;

class ResourceTreePanel {
public:
    std::function<void(Resource&)> on_open;
    std::function<void(Resource&)> on_remove;
    std::function<void(Resource*)> on_select;

    // A child of `parent` with this control id.
    bool create(HWND parent, HINSTANCE instance, int id);
    HWND handle() const { return tree_; }

    // Rebuilds the items from the project; the selected resource stays selected.
    void fill(Project& project);
    Resource* selected() const;
    // Selects the resource's item, if it has one.
    void select(const Resource* resource);

    // WM_NOTIFY from the tree, passed on by the parent.
    LRESULT on_notify(const NMHDR& header);

private:
    Resource* resource_of(HTREEITEM item) const;
    void open_selected();

    HWND tree_ = nullptr;  // destroyed with its parent
    bool filling_ = false;
    KindIcons icons_;
};

}  // namespace tavorin
