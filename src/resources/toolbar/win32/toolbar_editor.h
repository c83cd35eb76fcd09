#pragma once
// The editor of a toolbar: the strip of buttons, whose images are cut from the toolbar's bitmap,
// and separators; a click chooses an item, whose identifier and prompt the grid shows with the
// button size. The context menu inserts buttons and separators and removes items. Toolbar edits
// are not recorded in the undo history.

#include "platform/win32/windows_api.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "platform/win32/handles.h"
#include "resources/toolbar/toolbar_strip.h"
#include "ui/win32/resource_editor.h"

namespace tavorin {

class BitmapResource;
class Workspace;

class ToolbarEditor : public ResourceEditor {
public:
    static constexpr const wchar_t* class_name = L"TavorinToolbarEditor";
    enum ContextCommand : UINT {
        separator_before_command = 1,
        separator_after_command,
        button_before_command,
        button_after_command,
        remove_command,
        separator_at_end_command,
        button_at_end_command,
    };
    // Refusals for the user (caption "Error").
    using Tell = std::function<void(std::u16string_view message)>;

    // Opening the editor gives the toolbar its bitmap when it has none; a bitmap that names its
    // file (relative to `content_folder`) is read to show the buttons.
    static std::unique_ptr<ToolbarEditor> create(Toolbar& toolbar, Workspace& workspace, EditorSite& site, HWND area,
                                                 HINSTANCE instance, HFONT font, const std::filesystem::path& content_folder,
                                                 Tell tell);
    ~ToolbarEditor() override = default;

    Resource& resource() const override { return toolbar_; }
    HWND window() const override { return window_.get(); }
    HWND focus_window() const override { return window_.get(); }
    EditorCommands commands() const override { return {}; }
    void execute(EditorCommand) override {}
    std::vector<PropertyRow> properties() const override;
    void set_property(std::size_t index, const std::u16string& text, int choice) override;
    void reload(std::size_t) override { InvalidateRect(window_.get(), nullptr, TRUE); }

    std::optional<std::size_t> selected() const { return selected_; }
    void select(std::optional<std::size_t> item);
    // The strip's top, in client pixels; cells are toolbar_cells() across from there.
    static constexpr int strip_top = 10;
    // The context menu for the item (none: empty space), and what its commands do.
    UniqueMenu context_menu(std::optional<std::size_t> item) const;
    void run_context_command(UINT command);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept;
    void attach(HWND window) noexcept { window_.reset(window); }
    LRESULT on_message(UINT message, WPARAM wparam, LPARAM lparam);
    void on_exception(std::exception_ptr) noexcept {}
    void detach() noexcept { window_.release(); }

private:
    ToolbarEditor(Toolbar& toolbar, Workspace& workspace, EditorSite& site, Tell tell)
        : toolbar_(toolbar), workspace_(workspace), site_(site), tell_(std::move(tell)) {}
    void paint(HDC dc);
    void changed();

    Toolbar& toolbar_;
    Workspace& workspace_;
    EditorSite& site_;
    Tell tell_;
    UniqueWindow window_;
    HFONT font_ = nullptr;
    BitmapResource* bitmap_ = nullptr;
    std::optional<std::size_t> selected_;
    std::optional<std::size_t> menu_item_;
};

}  // namespace tavorin
