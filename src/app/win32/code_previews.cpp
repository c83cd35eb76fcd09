#include "app/win32/code_previews.h"

#include "base/text_writer.h"
#include "formats/code_generation.h"
#include "formats/script_writer.h"
#include "formats/win32/screen_font.h"
#include "model/resource.h"

namespace tavorin {

namespace {

// Child ids of the panes inside the editor area.
constexpr int script_pane_id = 1;
constexpr int code_pane_id = 2;
constexpr int resource_pane_id = 3;

}  // namespace

bool CodePreviews::create(HWND area) {
    return script_.create(area, script_pane_id) && code_.create(area, code_pane_id) &&
           resource_.create(area, resource_pane_id);
}

void CodePreviews::show(EditorTabs& tabs, CodePreviewPane& pane, const std::u16string& title,
                        std::u16string_view text) {
    if (pane.window() == nullptr) return;
    pane.show(text);
    tabs.open_window(&pane, title, pane.window(), pane.edit());
}

void CodePreviews::show_script(EditorTabs& tabs, std::u16string_view header_name) {
    Session& session = app_.session;
    show(tabs, script_, session.text(str::preview_resource_script_tab), script_preview(session.workspace(), header_name));
}

void CodePreviews::show_code(EditorTabs& tabs) {
    const Session& session = app_.session;
    show(tabs, code_, session.text(str::menu_preview_c_source),
         c_code_preview(session.workspace(), screen_code_context(session.config())));
}

void CodePreviews::show_resource(EditorTabs& tabs, const Resource& resource) {
    const Session& session = app_.session;
    TextWriter out(session.config().pascal);
    write_resource_text(out, resource, session.workspace());
    show(tabs, resource_, session.text(str::menu_code_preview) + u": " + resource.tree_name(), out.take());
}

}  // namespace tavorin
