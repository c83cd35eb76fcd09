#pragma once
// The editor of manifests and HTML pages: the resource's bytes as text in an edit box. Every
// change is stored back into the resource at once and recorded in the site's history, typing
// gathered into one entry; the caret's line and column go to the status line. The grid shows the
// Charset (ANSI or UNICODE) and, for manifests, a link that checks the XML. Ctrl+F and Ctrl+H
// find and replace text, F3 finds the next occurrence again.

#include "platform/win32/windows_api.h"

#include <memory>
#include <optional>
#include <string>

#include "platform/win32/handles.h"
#include "resources/rawdata/hex_editing.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/rawdata/text_editing.h"
#include "resources/rawdata/win32/raw_editor_services.h"
#include "ui/win32/find_replace_box.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class TextResourceEditor : public ResourceEditor {
public:
    // The edit box is created as a child of `area`.
    static std::unique_ptr<TextResourceEditor> create(RawDataResource& resource, EditorSite& site, HWND area,
                                                      HINSTANCE instance, HFONT font, RawEditorServices services);
    ~TextResourceEditor() override;

    Resource& resource() const override { return resource_; }
    HWND window() const override { return edit_.get(); }
    HWND focus_window() const override { return edit_.get(); }
    EditorCommands commands() const override;
    void execute(EditorCommand command) override;
    std::vector<PropertyRow> properties() const override;
    void set_property(std::size_t index, const std::u16string& text, int choice) override;
    void property_button(std::size_t index) override;
    void reload(std::size_t where) override;
    void activated() override { show_caret_position(); }

    TextCharset charset() const { return charset_; }
    const std::u16string& text() const { return text_; }
    // Checks the XML and tells the user what it found.
    void check_xml_now();

    HWND find_dialog() const { return find_box_.window(); }
    void carry_out(const FindRequest& request);

private:
    TextResourceEditor(RawDataResource& resource, EditorSite& site, RawEditorServices services);
    static LRESULT CALLBACK edit_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                           DWORD_PTR data) noexcept;
    LRESULT on_edit_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void take_change();
    void record_change(std::u16string name, bool typing);
    void replace_selection(const std::u16string& with, std::uint32_t action_name);
    bool find_next(const FindRequest& request);
    void close_typing();
    void show_caret_position();
    std::size_t caret() const;
    void set_charset(TextCharset charset);

    RawDataResource& resource_;
    EditorSite& site_;
    RawEditorServices services_;
    UniqueWindow edit_;
    std::u16string text_;  // what the edit box shows, line breaks as CR LF
    TextCharset charset_ = TextCharset::ansi;
    bool updating_ = false;
    FindReplaceBox find_box_{0};
    std::optional<FindRequest> last_search_;
};

}  // namespace tavorin
