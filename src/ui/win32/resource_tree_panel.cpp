#include "ui/win32/resource_tree_panel.h"

#include "model/project.h"
#include "platform/win32/wide_text.h"
#include "ui/resource_tree_model.h"

namespace tavorin {

namespace {

HTREEITEM insert_item(HWND tree, HTREEITEM parent, const std::u16string& text, int image, LPARAM data) {
    std::wstring label = wide(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = label.data();
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.lParam = data;
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

bool ResourceTreePanel::create(HWND parent, HINSTANCE instance, int id) {
    tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr,
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                TVS_SHOWSELALWAYS,
                            0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (tree_ == nullptr) return false;
    SendMessageW(tree_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons_.list()));
    return true;
}

void ResourceTreePanel::fill(Project& project) {
    // The old items may name resources that are gone: nothing reads them while they go.
    filling_ = true;
    const Resource* keep = selected();
    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    for (const TreeBranch& branch : resource_tree(project)) {
        const int image = static_cast<int>(branch.icon);
        HTREEITEM parent = insert_item(tree_, TVI_ROOT, branch.caption, image, 0);
        for (std::size_t i = 0; i < branch.resources.size(); ++i) {
            insert_item(tree_, parent, branch.labels[i], image, reinterpret_cast<LPARAM>(branch.resources[i]));
        }
        SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    }
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
    select(keep);
    filling_ = false;
    if (on_select) on_select(selected());
}

Resource* ResourceTreePanel::resource_of(HTREEITEM item) const {
    if (item == nullptr) return nullptr;
    TVITEMW info{};
    info.mask = TVIF_PARAM;
    info.hItem = item;
    if (!SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info))) return nullptr;
    return reinterpret_cast<Resource*>(info.lParam);
}

Resource* ResourceTreePanel::selected() const {
    if (tree_ == nullptr) return nullptr;
    return resource_of(reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void ResourceTreePanel::select(const Resource* resource) {
    if (resource == nullptr) return;
    for (auto branch = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0)); branch;
         branch = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(branch)))) {
        for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(branch)));
             item; item = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
            if (resource_of(item) == resource) {
                SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
                return;
            }
        }
    }
}

void ResourceTreePanel::open_selected() {
    if (Resource* resource = selected(); resource != nullptr && on_open) on_open(*resource);
}

LRESULT ResourceTreePanel::on_notify(const NMHDR& header) {
    switch (header.code) {
        case NM_DBLCLK:
            open_selected();
            return 1;
        case TVN_KEYDOWN: {
            const auto& key = reinterpret_cast<const NMTVKEYDOWN&>(header);
            if (key.wVKey == VK_RETURN) {
                open_selected();
            } else if (key.wVKey == VK_DELETE) {
                if (Resource* resource = selected(); resource != nullptr && on_remove) on_remove(*resource);
            }
            return 0;
        }
        case TVN_SELCHANGEDW:
            if (!filling_ && on_select) on_select(selected());
            return 0;
        default:
            return 0;
    }
}

}  // namespace tavorin
