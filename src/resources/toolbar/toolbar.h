#pragma once
// A toolbar resource: a row of buttons and separators whose images are cut, left to right, from
// the bitmap with the same name. Compiled files hold it as resource type 241 (toolbar_binary.h),
// which MFC programs load.
//
// Each button's prompt (its tooltip) belongs in the string table of the toolbar's language under
// the button's identifier. Until string tables are part of the model the toolbar keeps the
// prompts itself, keyed by identifier; prompt() and set_prompt() are the only way in, so moving
// them into the string table changes nothing for the callers.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/resource.h"

namespace tavorin {

class Project;
class SymbolTable;
class UiStrings;

struct ToolbarItem {
    // The button's identifier text; empty for a separator.
    std::u16string id;

    bool separator() const { return id.empty(); }
};

class Toolbar : public Resource {
public:
    static constexpr std::uint32_t default_button_width = 16;
    static constexpr std::uint32_t default_button_height = 15;

    // The identifiers of the buttons are registered in `symbols` (the workspace's, which outlives
    // the toolbar) as items of this toolbar.
    explicit Toolbar(SymbolTable& symbols);

    std::uint32_t button_width() const { return button_width_; }
    std::uint32_t button_height() const { return button_height_; }
    void set_button_size(std::uint32_t width, std::uint32_t height);
    // Typed values: decimal digits only, else "Integer value expected.".
    Status set_button_width(std::u16string_view text, const UiStrings& strings);
    Status set_button_height(std::u16string_view text, const UiStrings& strings);

    const std::vector<ToolbarItem>& items() const { return items_; }
    // Appends a button with the identifier, which is registered for this toolbar; a name new to
    // the symbol table takes `value` when one is given (the value a script's macro has).
    void add_button(std::u16string_view id, std::optional<std::int32_t> value = std::nullopt);
    void add_separator();
    // A button with a fresh identifier named from "IDR_COMMAND" (IDR_COMMAND1, ...), inserted
    // before `index` (the end appends).
    void insert_new_button(std::size_t index);
    void insert_separator(std::size_t index);
    // Removing a button releases its identifier.
    void remove_item(std::size_t index);

    // A new identifier for a button, as typed: refused with the identifier's message when it is
    // not an identifier; the prompt goes along to the new identifier.
    Status set_button_id(std::size_t index, std::u16string_view text, const UiStrings& strings);

    // A button's identifier value; 0 for a separator.
    std::int32_t value_of(const ToolbarItem& item) const;

    std::u16string prompt(std::size_t index) const;
    void set_prompt(std::size_t index, std::u16string_view text);

    // The bitmap whose name has the toolbar's identifier value, if the project has one.
    Resource* linked_bitmap(const Project& project) const;
    // Links the toolbar to its bitmap when it is created or renamed (not while a file is read):
    // the items are replaced by buttons cut from the bitmap's width, each with a fresh identifier
    // named from "ID_BUTTON", and the button height becomes the bitmap's height. Relative bitmap
    // files are found from the script's folder. Without a bitmap nothing changes.
    void link_bitmap(const Project& project, const std::filesystem::path& script_folder);

    //     IDR_TOOLBAR1 TOOLBAR 16, 15
    //     BEGIN
    //         BUTTON      ID_BUTTON1
    //         SEPARATOR
    //     END
    void write_script_text(TextWriter& out, const Workspace& workspace) const override;

    Status serialize(BinaryBuffer& out) const override;

    void removing_from(Project& project) override;

private:
    std::u16string register_new_id(std::u16string_view base);
    void clear_items();

    SymbolTable& symbols_;
    std::uint32_t button_width_ = default_button_width;
    std::uint32_t button_height_ = default_button_height;
    std::vector<ToolbarItem> items_;
    std::map<std::u16string, std::u16string, std::less<>> prompts_;
};

inline constexpr std::u16string_view new_toolbar_name = u"IDR_TOOLBAR";

}  // namespace tavorin
