#include "ui/win32/editor_tabs.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

void set_tab_text(HWND tabs, std::size_t index, const std::u16string& title) {
    std::wstring text = wide(title);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

bool EditorTabs::create(HWND area, HINSTANCE instance, HFONT ui_font, HFONT code_font) {
    area_ = area;
    instance_ = instance;
    code_font_ = code_font;
    tabs_ = CreateWindowExW(0, WC_TABCONTROLW, nullptr, WS_CHILD | WS_CLIPSIBLINGS | TCS_FOCUSNEVER, 0, 0, 0, 0, area,
                            nullptr, instance, nullptr);
    if (tabs_ == nullptr) return false;
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_font), FALSE);
    return true;
}

void EditorTabs::set_fonts(HFONT ui_font, HFONT code_font) {
    code_font_ = code_font;
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(ui_font), TRUE);
    for (const Page& page : pages_) {
        if (page.editor == nullptr && page.owned) {  // a script or text view of our own
            SendMessageW(page.view, WM_SETFONT, reinterpret_cast<WPARAM>(code_font), TRUE);
        }
    }
}

HWND EditorTabs::create_view(const std::u16string& text) {
    HWND view = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                                WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                                    ES_AUTOHSCROLL | ES_NOHIDESEL,
                                0, 0, 0, 0, area_, nullptr, instance_, nullptr);
    if (view == nullptr) return nullptr;
    SendMessageW(view, WM_SETFONT, reinterpret_cast<WPARAM>(code_font_), FALSE);
    SetWindowTextW(view, wide(text).c_str());
    return view;
}

std::size_t EditorTabs::index_of(const void* key) const {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        if (pages_[i].key == key) return i;
    }
    return pages_.size();
}

void EditorTabs::add_page(const void* key, Resource* resource, const std::u16string& title, const std::u16string& text) {
    HWND view = create_view(text);
    if (view == nullptr) return;
    insert_page(Page{key, resource, view, view, true, nullptr}, title);
}

void EditorTabs::insert_page(const Page& page, const std::u16string& title) {
    const std::size_t index = pages_.size();
    pages_.push_back(page);
    std::wstring label = wide(title);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = label.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

void EditorTabs::remove_page(Page& page) {
    if (page.editor) {
        page.editor.reset();
    } else if (page.owned) {
        DestroyWindow(page.view);
    } else {
        ShowWindow(page.view, SW_HIDE);
    }
}

void EditorTabs::open(Resource& resource, const std::u16string& title, const std::u16string& text, bool single_tab) {
    if (single_tab) close_single_resource_page(resource);
    if (index_of(&resource) == pages_.size()) add_page(&resource, &resource, title, text);
    show_page(index_of(&resource));
}

void EditorTabs::open_editor(Resource& resource, const std::u16string& title, std::unique_ptr<ResourceEditor> editor,
                             bool single_tab) {
    if (single_tab) close_single_resource_page(resource);
    if (index_of(&resource) == pages_.size()) {
        HWND view = editor->window();
        insert_page(Page{&resource, &resource, view, editor->focus_window(), true, std::move(editor)}, title);
    }
    show_page(index_of(&resource));
}

// In single-tab mode the one resource page goes when another resource opens.
void EditorTabs::close_single_resource_page(const Resource& keep) {
    for (const Page& page : pages_) {
        if (page.resource != nullptr && page.resource != &keep) {
            close(*page.resource);
            return;
        }
    }
}

void EditorTabs::open_text(const void* key, const std::u16string& title, const std::u16string& text) {
    const std::size_t index = index_of(key);
    if (index == pages_.size()) {
        add_page(key, nullptr, title, text);
    } else {
        SetWindowTextW(pages_[index].view, wide(text).c_str());
    }
    show_page(index_of(key));
}

void EditorTabs::open_window(const void* key, const std::u16string& title, HWND window, HWND content) {
    const std::size_t index = index_of(key);
    if (index == pages_.size()) {
        insert_page(Page{key, nullptr, window, content, false, nullptr}, title);
    } else {
        set_tab_text(tabs_, index, title);
    }
    show_page(index_of(key));
}

void EditorTabs::show_page(std::size_t index) {
    ShowWindow(tabs_, SW_SHOW);
    activate(index);
    RECT area{};
    GetClientRect(area_, &area);
    resize(area.right, area.bottom);
}

void EditorTabs::activate(std::size_t index) {
    if (index >= pages_.size()) return;
    // What was typed on the page being left belongs to its resource, not to the next page.
    if (index != active_ && active_ < pages_.size() && pages_[active_].editor) pages_[active_].editor->commit_edits();
    active_ = index;
    SendMessageW(tabs_, TCM_SETCURSEL, index, 0);
    for (std::size_t i = 0; i < pages_.size(); ++i) ShowWindow(pages_[i].view, i == index ? SW_SHOW : SW_HIDE);
    if (pages_[index].editor) pages_[index].editor->activated();
    if (on_activated) on_activated();
}

void EditorTabs::close(const Resource& resource) {
    std::size_t index = index_of(&resource);
    if (index == pages_.size()) return;
    // Committing reaches the main window, which may look at the pages: the page is still one.
    if (pages_[index].editor) pages_[index].editor->commit_edits();
    index = index_of(&resource);
    if (index == pages_.size()) return;
    const bool was_active = active_ == index;
    Page closing = std::move(pages_[index]);
    pages_.erase(pages_.begin() + static_cast<std::ptrdiff_t>(index));
    SendMessageW(tabs_, TCM_DELETEITEM, index, 0);
    // The active index stays on its page (or a valid one) while the closed editor goes.
    if (active_ > index || active_ >= pages_.size()) active_ = active_ > 0 ? active_ - 1 : 0;
    remove_page(closing);
    if (pages_.empty()) {
        ShowWindow(tabs_, SW_HIDE);
        active_ = 0;
        if (on_activated) on_activated();
        return;
    }
    if (was_active) {
        // Its neighbour takes the place, which is not a page being left.
        active_ = std::min(index, pages_.size() - 1);
        activate(active_);
    } else {
        activate(active_);
    }
}

void EditorTabs::close_all() {
    for (ResourceEditor* editor : editors()) editor->commit_edits();
    std::vector<Page> closing = std::move(pages_);
    pages_.clear();
    for (Page& page : closing) remove_page(page);
    SendMessageW(tabs_, TCM_DELETEALLITEMS, 0, 0);
    ShowWindow(tabs_, SW_HIDE);
    active_ = 0;
}

void EditorTabs::set_title(const Resource& resource, const std::u16string& title) {
    const std::size_t index = index_of(&resource);
    if (index < pages_.size()) set_tab_text(tabs_, index, title);
}

Resource* EditorTabs::active() const { return active_ < pages_.size() ? pages_[active_].resource : nullptr; }

ResourceEditor* EditorTabs::active_editor() const {
    return active_ < pages_.size() ? pages_[active_].editor.get() : nullptr;
}

std::vector<ResourceEditor*> EditorTabs::editors() const {
    std::vector<ResourceEditor*> open;
    for (const Page& page : pages_) {
        if (page.editor) open.push_back(page.editor.get());
    }
    return open;
}

ResourceEditor* EditorTabs::editor_of(const Resource& resource) const {
    const std::size_t index = index_of(&resource);
    return index < pages_.size() ? pages_[index].editor.get() : nullptr;
}

HWND EditorTabs::active_view() const { return active_ < pages_.size() ? pages_[active_].content : nullptr; }

void EditorTabs::resize(int width, int height) {
    if (tabs_ == nullptr) return;
    MoveWindow(tabs_, 0, 0, width, height, TRUE);
    RECT page{0, 0, width, height};
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    for (const Page& each : pages_) {
        MoveWindow(each.view, page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
    }
    // The views lie on top of the tab control.
    for (const Page& each : pages_) SetWindowPos(each.view, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void EditorTabs::on_notify(const NMHDR& header) {
    if (header.hwndFrom != tabs_ || header.code != TCN_SELCHANGE) return;
    const auto index = static_cast<std::size_t>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    activate(index);
}

}  // namespace tavorin
