#include "resources/menu/menu_template.h"

#include <algorithm>

#include "base/binary_reader.h"
#include "base/escapes.h"
#include "base/nesting_limit.h"
#include "base/text.h"

namespace tavorin {

namespace {

using namespace menu_template;

std::u16string binary_caption(const MenuItem& item) {
    return unescape_stored_text(joined_caption(item, u"\t"));
}

// An empty popup is compiled as a plain item: nothing could mark where its child list ends.
bool writes_children(const MenuItem& item) { return item.is_popup() && !item.submenu.empty(); }

void write_classic_items(const Menu& menu, const MenuItems& items, BinaryBuffer& out) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        std::uint16_t flags = classic_item_flags(item);
        if (writes_children(item)) flags |= popup;
        if (i + 1 == items.size()) flags |= last;
        out.write_u16(flags);
        if (!writes_children(item)) {
            out.write_u16(item.is_separator() ? 0 : static_cast<std::uint16_t>(menu.value_of(item)));
        }
        out.write_text(item.is_separator() ? std::u16string() : binary_caption(item));
        if (writes_children(item)) write_classic_items(menu, item.submenu, out);
    }
}

void write_extended_items(const Menu& menu, const MenuItems& items, BinaryBuffer& out) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const ExtendedItemFlags flags = extended_item_flags(item);
        out.write_u32(flags.type);
        out.write_u32(flags.state);
        out.write_u32(static_cast<std::uint32_t>(menu.value_of(item)));
        std::uint16_t word = writes_children(item) ? extended_popup : 0;
        if (i + 1 == items.size()) word |= last;
        out.write_u16(word);
        out.write_text(binary_caption(item));
        if (writes_children(item)) {
            out.write_u32(0);  // the popup's help id
            write_extended_items(menu, item.submenu, out);
        }
    }
}

class TemplateReader {
public:
    TemplateReader(std::span<const std::uint8_t> data, SymbolTable& symbols) : reader_(data), symbols_(symbols) {}

    std::unique_ptr<Menu> read() {
        const std::uint16_t version = reader_.read_u16();
        const std::uint16_t offset = reader_.read_u16();
        reader_.skip(std::min<std::size_t>(offset, reader_.remaining()));
        extended_ = version == 1;
        auto menu = std::make_unique<Menu>(symbols_, extended_);
        // An empty template is a menu without items.
        if (reader_.at_end()) return menu;
        for (MenuItem& item : read_list(0)) menu->append_item(std::move(item));
        return menu;
    }

private:
    MenuItems read_list(int depth) {
        if (depth > max_nesting_depth) throw BinaryReadError("menu nested too deeply");
        MenuItems items;
        bool end = false;
        while (!end) items.push_back(extended_ ? read_extended(depth, end) : read_classic(depth, end));
        return items;
    }

    MenuItem read_classic(int depth, bool& end) {
        const std::uint16_t word = reader_.read_u16();
        end = (word & last) != 0;
        MenuItem item;
        item.flags = menu_flags_from_classic(word);
        const bool is_popup = (word & popup) != 0;
        if (!is_popup) item.identifier = identifier_of(reader_.read_u16());
        read_caption(item);
        // A separator is compiled as an item with no flags, no identifier and no text; an item
        // that has only one of them missing stays an item.
        if (!is_popup && (word & ~last) == 0 && item.identifier.empty() && item.text.empty() && item.shortcut.empty()) {
            item.set(menu_flag::separator, true);
        }
        if (is_popup) make_popup(item, depth);
        return item;
    }

    MenuItem read_extended(int depth, bool& end) {
        reader_.align_to(4);
        const std::uint32_t type = reader_.read_u32();
        const std::uint32_t state = reader_.read_u32();
        const std::uint32_t value = reader_.read_u32();
        const std::uint16_t word = reader_.read_u16();
        end = (word & last) != 0;
        MenuItem item;
        item.flags = menu_flags_from_extended(type, state);
        item.identifier = identifier_of(static_cast<std::int32_t>(value));
        read_caption(item);
        if (word & extended_popup) {
            reader_.align_to(4);
            reader_.read_u32();  // help id
            make_popup(item, depth);
        }
        return item;
    }

    // Extended items are separators by their type alone.
    void read_caption(MenuItem& item) {
        SplitCaption caption = split_caption(reader_.read_text(true));
        item.text = std::move(caption.text);
        item.shortcut = std::move(caption.shortcut);
    }

    void make_popup(MenuItem& item, int depth) {
        item.set(menu_flag::popup, true);
        item.set(menu_flag::separator, false);
        item.submenu = read_list(depth + 1);
    }

    // 0 stands for "no identifier": separators and popups carry it.
    std::u16string identifier_of(std::int32_t value) const {
        if (value == 0) return {};
        const Symbol* symbol = symbols_.find_by_value(value);
        return symbol != nullptr && !symbol->string_name ? symbol->name : decimal(value);
    }

    BinaryReader reader_;
    SymbolTable& symbols_;
    bool extended_ = false;
};

}  // namespace

std::uint16_t classic_item_flags(const MenuItem& item) {
    std::uint16_t word = 0;
    if (item.has(menu_flag::grayed)) word |= grayed;
    if (item.has(menu_flag::inactive)) word |= disabled;
    if (item.has(menu_flag::checked)) word |= checked;
    if (item.break_kind() == MenuBreak::bar) word |= bar_break;
    if (item.break_kind() == MenuBreak::column) word |= column_break;
    if (item.has(menu_flag::help)) word |= help;
    if (item.has(menu_flag::owner_draw)) word |= owner_draw;
    if (item.has(menu_flag::bitmap)) word |= bitmap;
    return word;
}

std::uint32_t menu_flags_from_classic(std::uint16_t word) {
    std::uint32_t flags = 0;
    if (word & checked) flags |= menu_flag::checked;
    if (word & grayed) flags |= menu_flag::grayed;
    if (word & disabled) flags |= menu_flag::inactive;
    if (word & bar_break) {
        flags |= menu_flag::bar_break;
    } else if (word & column_break) {
        flags |= menu_flag::column_break;
    }
    if (word & help) flags |= menu_flag::help;
    if (word & owner_draw) flags |= menu_flag::owner_draw;
    if (word & bitmap) flags |= menu_flag::bitmap;
    return flags;
}

ExtendedItemFlags extended_item_flags(const MenuItem& item) {
    ExtendedItemFlags flags;
    if (item.is_separator()) flags.type |= type_separator;
    if (item.has(menu_flag::owner_draw)) flags.type |= type_owner_draw;
    if (item.has(menu_flag::bitmap)) flags.type |= type_bitmap;
    if (item.break_kind() == MenuBreak::bar) flags.type |= type_bar_break;
    if (item.break_kind() == MenuBreak::column) flags.type |= type_column_break;
    if (item.has(menu_flag::help)) flags.type |= type_right_justify;
    if (item.has(menu_flag::checked)) flags.state |= state_checked;
    if (item.has(menu_flag::grayed) || item.has(menu_flag::inactive)) flags.state |= state_grayed;
    if (item.has(menu_flag::default_item)) flags.state |= state_default;
    return flags;
}

std::uint32_t menu_flags_from_extended(std::uint32_t type, std::uint32_t state) {
    std::uint32_t flags = 0;
    if (type & type_separator) flags |= menu_flag::separator;
    if (type & type_owner_draw) flags |= menu_flag::owner_draw;
    if (type & type_bitmap) flags |= menu_flag::bitmap;
    if (type & type_bar_break) {
        flags |= menu_flag::bar_break;
    } else if (type & type_column_break) {
        flags |= menu_flag::column_break;
    }
    if (type & type_right_justify) flags |= menu_flag::help;
    if (state & state_checked) flags |= menu_flag::checked;
    if (state & state_grayed) flags |= menu_flag::grayed;
    if (state & state_default) flags |= menu_flag::default_item;
    return flags;
}

void encode_menu_template(const Menu& menu, BinaryBuffer& out) {
    if (menu.extended()) {
        out.write_u16(1);
        out.write_u16(4);
        out.write_u32(0);  // the menu's help id
        write_extended_items(menu, menu.items(), out);
    } else {
        out.write_u16(0);
        out.write_u16(0);
        write_classic_items(menu, menu.items(), out);
    }
}

Result<std::unique_ptr<Menu>> decode_menu_template(std::span<const std::uint8_t> data, SymbolTable& symbols) {
    try {
        return TemplateReader(data, symbols).read();
    } catch (const BinaryReadError&) {
        return Error{u"The menu template ends early or is damaged."};
    }
}

}  // namespace tavorin
