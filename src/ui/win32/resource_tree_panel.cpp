#include "ui/win32/resource_tree_panel.h"

#include <optional>
#include <vector>

#include "imaging/dib_decoder.h"
#include "imaging/icon_image_codec.h"
#include "model/project.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"
#include "resources/image/zoomed_image_view.h"
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

constexpr int preview_side = 16;

// The picture of a bitmap or an icon or cursor group whose content is in memory (a resource
// that names its file is not read just to fill the tree): its first image, shrunk over white.
std::optional<Pixels> preview_of(const Resource& resource) {
    Result<Pixels> decoded = Error{};
    if (const auto* bitmap = dynamic_cast<const BitmapResource*>(&resource)) {
        if (bitmap->dib().empty()) return std::nullopt;
        decoded = decode_dib(bitmap->dib());
    } else if (const auto* group = dynamic_cast<const IconGroup*>(&resource)) {
        if (group->images().empty()) return std::nullopt;
        decoded = decode_icon_image(group->images().front().bytes);
    } else {
        return std::nullopt;
    }
    if (!decoded) return std::nullopt;
    const Pixels shrunk = fit_preview(*decoded, preview_side, 0x00FFFFFF);
    // Centred on a white tile of the list's size.
    Pixels tile(preview_side, preview_side, 0xFFFFFFFFu);
    const std::uint32_t left = (preview_side - shrunk.width) / 2;
    const std::uint32_t top = (preview_side - shrunk.height) / 2;
    for (std::uint32_t y = 0; y < shrunk.height; ++y) {
        for (std::uint32_t x = 0; x < shrunk.width; ++x) tile.at(left + x, top + y) = shrunk.at(x, y);
    }
    return tile;
}

// Appends the picture to the image list; its index, or none.
std::optional<int> add_preview(HIMAGELIST list, const Pixels& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(pixels.width);
    info.bmiHeader.biHeight = -static_cast<LONG>(pixels.height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    UniqueBitmap bitmap(CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, pixels.argb.data(), &info,
                                       DIB_RGB_COLORS));
    if (!bitmap) return std::nullopt;
    const int index = ImageList_Add(list, bitmap.get(), nullptr);
    if (index < 0) return std::nullopt;
    return index;
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
    // The previews of the last filling go; the kinds' pictures stay.
    ImageList_SetImageCount(icons_.list(), kind_icon_count);
    for (const TreeBranch& branch : resource_tree(project)) {
        const int image = static_cast<int>(branch.icon);
        HTREEITEM parent = insert_item(tree_, TVI_ROOT, branch.caption, image, 0);
        for (std::size_t i = 0; i < branch.resources.size(); ++i) {
            int item_image = image;
            if (const auto preview = preview_of(*branch.resources[i])) {
                item_image = add_preview(icons_.list(), *preview).value_or(image);
            }
            insert_item(tree_, parent, branch.labels[i], item_image, reinterpret_cast<LPARAM>(branch.resources[i]));
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
