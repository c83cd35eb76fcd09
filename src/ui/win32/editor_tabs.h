#pragma once
// The editor area: a tab per open resource (or a single tab that the next resource takes over,
// by `singleTabMode`) above the open editor. Kinds whose editor is not part of the program yet
// open a read-only view of their script text. Windows that live beyond their tab (the code
// views) can be shown as pages too.

#include "platform/win32/windows_api.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/win32/resource_editor.h"

namespace tavorin {

class Resource;

class EditorTabs {
public:
    EditorTabs() = default;
    EditorTabs(const EditorTabs&) = delete;
    EditorTabs& operator=(const EditorTabs&) = delete;

    // The tab control inside `area`, whose WM_NOTIFY the area passes to on_notify().
    bool create(HWND area, HINSTANCE instance, HFONT ui_font, HFONT code_font);
    // New fonts for the tabs and the script views (editors are opened again by their owner).
    void set_fonts(HFONT ui_font, HFONT code_font);
    HWND tab_control() const { return tabs_; }

    // Shows the resource's page, making one when it has none: in single-tab mode the one page
    // is reused. `title` is the tab's text, `text` the view's content.
    void open(Resource& resource, const std::u16string& title, const std::u16string& text, bool single_tab);
    // Shows the resource's editor, a window of the area that the editor owns, the same way.
    void open_editor(Resource& resource, const std::u16string& title, std::unique_ptr<ResourceEditor> editor,
                     bool single_tab);
    // A page of text that belongs to no resource (the previews of the whole project), known by
    // its key; it has a tab of its own in either mode.
    void open_text(const void* key, const std::u16string& title, const std::u16string& text);
    // A page showing `window`, a child of the area that its maker owns, known by its key; it has
    // a tab of its own in either mode and takes `title` each time. `content` is the window
    // inside it that takes the focus and the clipboard commands. Closing the page hides the
    // window instead of destroying it.
    void open_window(const void* key, const std::u16string& title, HWND window, HWND content);
    void close(const Resource& resource);
    void close_all();
    // Tab texts follow renames and the modified mark.
    void set_title(const Resource& resource, const std::u16string& title);

    Resource* active() const;
    // The editor of the active page, none for a script view or a text page.
    ResourceEditor* active_editor() const;
    ResourceEditor* editor_of(const Resource& resource) const;
    std::vector<ResourceEditor*> editors() const;
    // The window of the active page that takes the focus and the clipboard commands.
    HWND active_view() const;
    std::size_t count() const { return pages_.size(); }

    void resize(int width, int height);
    void on_notify(const NMHDR& header);

    // Another page became the visible one (or the last one closed).
    std::function<void()> on_activated;

private:
    struct Page {
        const void* key;     // the resource, or the key of a text or window page
        Resource* resource;  // null for a text or window page
        HWND view;           // shown, hidden and placed with the tab
        HWND content;        // view itself, or the window inside a hosted view
        bool owned;          // destroyed when its tab closes (else only hidden)
        std::shared_ptr<ResourceEditor> editor;  // owns view when set
    };

    void activate(std::size_t index);
    std::size_t index_of(const void* key) const;
    void add_page(const void* key, Resource* resource, const std::u16string& title, const std::u16string& text);
    void insert_page(const Page& page, const std::u16string& title);
    void remove_page(Page& page);
    void close_single_resource_page(const Resource& keep);
    void show_page(std::size_t index);
    HWND create_view(const std::u16string& text);

    HWND area_ = nullptr;
    HWND tabs_ = nullptr;
    HINSTANCE instance_ = nullptr;
    HFONT code_font_ = nullptr;
    std::vector<Page> pages_;
    std::size_t active_ = 0;
};

}  // namespace tavorin
