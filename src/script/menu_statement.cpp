// MENU and MENUEX statements:
//
//     name MENU [LANGUAGE ...]                 name MENUEX [LANGUAGE ...]
//     BEGIN                                    BEGIN
//         POPUP "text" [, option ...]              POPUP "text" [, id [, type [, state [, help]]]]
//         BEGIN                                    BEGIN
//             MENUITEM "text", id [, option ...]       MENUITEM "text", id [, type [, state]]
//             MENUITEM SEPARATOR                       MENUITEM SEPARATOR
//         END                                      END
//     END                                      END
//
// Options of the classic form end at the end of their line.

#include "model/workspace.h"
#include "base/nesting_limit.h"
#include "base/text.h"
#include "resources/menu/menu.h"
#include "resources/menu/menu_template.h"
#include "script/item_id_name.h"
#include "script/lexer.h"
#include "script/reader_messages.h"
#include "script/statement_hooks.h"

namespace tavorin {

namespace {

template <typename T>
using Read = Result<Scanned<T>>;

class MenuStatement {
public:
    MenuStatement(StatementContext& context, Menu& menu)
        : context_(context), lexer_(context.lexer()), menu_(menu), extended_(menu.extended()) {}

    // The items of the menu bar, up to and including the closing END.
    Result<std::size_t> read_body(std::size_t pos) {
        auto begun = lexer_.begin(pos);
        if (!begun) return begun;
        pos = *begun;
        while (true) {
            pos = lexer_.skip_blanks(pos);
            if (at_end_keyword(pos)) return lexer_.end(pos);
            auto item = read_item(pos, 0);
            if (!item) return Error{item.error()};
            if (!item->value) {
                return context_.fail(pos, context_.workspace().text(str::item_or_end_expected));
            }
            menu_.insert_item({menu_.items().size()}, std::move(item->value->item), item->value->values);
            pos = item->end;
        }
    }

private:
    struct ReadItem {
        MenuItem item;
        IdentifierValues values;
    };

    bool at_end_keyword(std::size_t pos) const { return lexer_.at(pos) == u'}' || lexer_.keyword(pos, u"END"); }

    // A MENUITEM or POPUP statement in a list `depth` popups deep; nothing (without error) when
    // the word at `pos` is neither.
    Read<std::optional<ReadItem>> read_item(std::size_t pos, int depth) {
        if (const auto after = lexer_.keyword(pos, u"MENUITEM")) return wrap(read_menu_item(*after));
        if (const auto after = lexer_.keyword(pos, u"POPUP")) {
            // The compiled form refuses deeper menus; so does the script.
            if (depth + 1 > max_nesting_depth) return context_.fail(lexer_.skip_blanks(pos), menus_too_deep());
            return wrap(read_popup(*after, depth + 1));
        }
        return Scanned<std::optional<ReadItem>>{std::nullopt, pos};
    }

    static Read<std::optional<ReadItem>> wrap(Read<ReadItem> read) {
        if (!read) return Error{read.error()};
        return Scanned<std::optional<ReadItem>>{std::move(read->value), read->end};
    }

    Result<std::size_t> read_caption(std::size_t pos, MenuItem& item) {
        auto text = lexer_.quoted_text(pos);
        if (!text) return Error{text.error()};
        SplitCaption caption = split_caption(text->value);
        item.text = std::move(caption.text);
        item.shortcut = std::move(caption.shortcut);
        return text->end;
    }

    // The command id, and whether a comma followed it.
    struct ReadId {
        std::size_t end = 0;
        bool comma = false;
    };
    Result<ReadId> read_id(std::size_t pos, ReadItem& read) {
        auto id = extended_ ? lexer_.item_id(pos) : lexer_.word_item_id(pos);
        if (!id) return Error{id.error()};
        const std::uint32_t value = id->value.value;
        std::u16string name = item_id_name(id->value, value);
        // "0" is what the writers put for an item without identifier.
        if (name != u"0") {
            read.values.emplace(name, static_cast<std::int32_t>(value));
            read.item.identifier = std::move(name);
        }
        return ReadId{id->end, comma_before(lexer_, id->end)};
    }

    Read<ReadItem> read_menu_item(std::size_t pos) {
        ReadItem read;
        if (const auto after = lexer_.keyword(pos, u"SEPARATOR")) {
            read.item.set(menu_flag::separator, true);
            return Scanned<ReadItem>{std::move(read), *after};
        }
        auto caption = read_caption(pos, read.item);
        if (!caption) return Error{caption.error()};
        auto comma = lexer_.expect(*caption, u',');
        if (!comma) return Error{comma.error()};
        auto id = read_id(*comma, read);
        if (!id) return Error{id.error()};
        pos = id->end;
        if (id->comma) {
            auto options = extended_ ? read_extended_fields(pos, read.item, 2) : read_options(pos, read.item);
            if (!options) return Error{options.error()};
            pos = *options;
        }
        return Scanned<ReadItem>{std::move(read), pos};
    }

    Read<ReadItem> read_popup(std::size_t pos, int depth) {
        ReadItem read;
        read.item.set(menu_flag::popup, true);
        auto caption = read_caption(pos, read.item);
        if (!caption) return Error{caption.error()};
        pos = *caption;
        if (extended_) {
            // id, type, state and help id, each after a comma; the help id has no place in the model.
            if (lexer_.at(lexer_.skip_blanks(pos)) == u',') {
                auto id = read_id(lexer_.skip_blanks(pos) + 1, read);
                if (!id) return Error{id.error()};
                pos = id->end;
                if (id->comma) {
                    auto fields = read_extended_fields(pos, read.item, 3);
                    if (!fields) return Error{fields.error()};
                    pos = *fields;
                }
            }
        } else if (lexer_.at(lexer_.skip_blanks(pos)) == u',') {
            auto options = read_options(lexer_.skip_blanks(pos), read.item);
            if (!options) return Error{options.error()};
            pos = *options;
        }
        read.item.set(menu_flag::separator, false);

        auto begun = lexer_.begin(pos);
        if (!begun) return Error{begun.error()};
        pos = *begun;
        while (true) {
            auto child = read_item(pos, depth);
            if (!child) return Error{child.error()};
            if (!child->value) break;
            read.values.merge(child->value->values);
            read.item.submenu.push_back(std::move(child->value->item));
            pos = child->end;
        }
        auto ended = lexer_.end(pos);
        if (!ended) return Error{ended.error()};
        return Scanned<ReadItem>{std::move(read), *ended};
    }

    // Type, state (and a popup's help id): up to `count` expressions, the first one right at `pos`
    // (its comma has been read), each further one after a comma.
    Result<std::size_t> read_extended_fields(std::size_t pos, MenuItem& item, int count) {
        std::uint32_t fields[3] = {0, 0, 0};
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                const std::size_t comma = lexer_.skip_blanks(pos);
                if (lexer_.at(comma) != u',') break;
                pos = comma + 1;
            }
            auto value = lexer_.expression(pos);
            if (!value) return Error{value.error()};
            fields[i] = value->value.value;
            pos = value->end;
        }
        item.flags |= menu_flags_from_extended(fields[0], fields[1]);
        return pos;
    }

    // Classic options, separated by commas or blanks, up to the end of the line.
    Result<std::size_t> read_options(std::size_t pos, MenuItem& item) {
        while (true) {
            pos = skip_line_blanks(lexer_, pos);
            const char16_t c = lexer_.at(pos);
            if (c == u',') {
                ++pos;
                continue;
            }
            if (c == u'\n' || lexer_.at_end(pos)) return pos;
            const auto option = read_option(pos, item);
            if (!option) return context_.fail(pos, context_.workspace().text(str::menu_option_expected));
            pos = *option;
        }
    }

    std::optional<std::size_t> read_option(std::size_t pos, MenuItem& item) {
        if (const auto after = lexer_.keyword(pos, u"MENUBARBREAK")) {
            item.set_break(MenuBreak::bar);
            return after;
        }
        if (const auto after = lexer_.keyword(pos, u"MENUBREAK")) {
            item.set_break(MenuBreak::column);
            return after;
        }
        constexpr std::pair<std::u16string_view, std::uint32_t> flags[] = {
            {u"CHECKED", menu_flag::checked},   {u"GRAYED", menu_flag::grayed}, {u"INACTIVE", menu_flag::inactive},
            {u"HELP", menu_flag::help},         {u"OWNERDRAW", menu_flag::owner_draw},
            {u"BITMAP", menu_flag::bitmap},
        };
        for (const auto& [word, flag] : flags) {
            if (const auto after = lexer_.keyword(pos, word)) {
                item.set(flag, true);
                return after;
            }
        }
        return std::nullopt;
    }

    StatementContext& context_;
    Lexer& lexer_;
    Menu& menu_;
    bool extended_;
};

}  // namespace

Result<std::size_t> read_menu(StatementContext& context, std::size_t pos) {
    auto after_languages = context.read_language_statements(pos);
    if (!after_languages) return after_languages;
    Menu& menu = context.start_resource(std::make_unique<Menu>(context.workspace().symbols(), context.extended()));
    return MenuStatement(context, menu).read_body(*after_languages);
}

}  // namespace tavorin
