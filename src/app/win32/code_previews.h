#pragma once
// The code views of the main window: the whole project's script, its generated C/C++ code and
// the script text of one resource, each in a coloured pane of its own that opens as a page of the
// editor area and is refilled whenever the user asks for it again.

#include "platform/win32/windows_api.h"

#include <string>
#include <string_view>

#include "app/win32/app_context.h"
#include "app/win32/code_preview_pane.h"
#include "ui/win32/editor_tabs.h"

namespace tavorin {

class Resource;

class CodePreviews {
public:
    explicit CodePreviews(App& app) : app_(app), script_(app), code_(app), resource_(app) {}
    CodePreviews(const CodePreviews&) = delete;
    CodePreviews& operator=(const CodePreviews&) = delete;

    // The panes, hidden, as children of the editor area. False when the system refused.
    bool create(HWND area);

    // The script as it would be saved (preview mode: no other file is written), with the
    // header name the script includes.
    void show_script(EditorTabs& tabs, std::u16string_view header_name);
    // The C/C++ code, with the pixel geometry of this screen's dialog fonts.
    void show_code(EditorTabs& tabs);
    // The resource's LANGUAGE statement and script text.
    void show_resource(EditorTabs& tabs, const Resource& resource);

private:
    void show(EditorTabs& tabs, CodePreviewPane& pane, const std::u16string& title, std::u16string_view text);

    App& app_;
    CodePreviewPane script_;
    CodePreviewPane code_;
    CodePreviewPane resource_;
};

}  // namespace tavorin
