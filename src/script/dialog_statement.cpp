// DIALOG and DIALOGEX statements: the header with its optional statements, then the body.

#include <memory>
#include <optional>

#include "base/text.h"
#include "model/workspace.h"
#include "dialog/dialog.h"
#include "dialog/window_styles.h"
#include "script/control_statement.h"
#include "script/lexer.h"
#include "script/statement_hooks.h"

namespace tavorin {

namespace {

// Without a STYLE statement a dialog is a popup window with a border and a window menu, as
// every resource compiler makes it.
constexpr std::uint32_t default_dialog_style = ws::popup | ws::border | ws::sys_menu;

struct DialogHeader {
    DialogRect rect;
    std::uint32_t style = default_dialog_style;
    // What STYLE statements build on: the styles named so far, with WS_CAPTION once a caption
    // came. The last STYLE statement sets the dialog's style to it; a CAPTION after it adds
    // WS_CAPTION again.
    std::uint32_t named_style = 0;
    std::uint32_t extended_style = 0;
    std::optional<std::u16string> caption;
    std::u16string class_name;
    std::optional<DialogFont> font;
    std::optional<MenuLinkRequest> menu;
};

bool at_body(Lexer& lexer, std::size_t pos) {
    return lexer.at(lexer.skip_blanks(pos)) == u'{' || lexer.keyword(pos, u"BEGIN").has_value();
}

// x, y, width, height: four expressions separated by commas.
Result<std::size_t> read_rectangle(Lexer& lexer, std::size_t pos, DialogRect& rect) {
    std::int32_t* fields[] = {&rect.x, &rect.y, &rect.width, &rect.height};
    for (std::size_t i = 0; i < 4; ++i) {
        if (i > 0) {
            auto comma = lexer.expect(pos, u',');
            if (!comma) return Error{comma.error()};
            pos = *comma;
        }
        auto value = lexer.expression(pos);
        if (!value) return Error{value.error()};
        *fields[i] = static_cast<std::int32_t>(value->value.value);
        pos = value->end;
    }
    return pos;
}

// FONT size, "face" [, weight [, italic [, character set]]]; the three last in DIALOGEX only.
Result<std::size_t> read_font(Lexer& lexer, std::size_t pos, bool extended, DialogFont& font) {
    auto size = lexer.expression(pos);
    if (!size) return Error{size.error()};
    auto comma = lexer.expect(size->end, u',');
    if (!comma) return Error{comma.error()};
    auto face = lexer.quoted_text(*comma);
    if (!face) return Error{face.error()};
    font = DialogFont{static_cast<std::uint16_t>(size->value.value), std::move(face->value), 0, 0, 1};
    pos = face->end;
    if (!extended) return pos;

    for (int field = 0; field < 3; ++field) {
        const std::size_t next = lexer.skip_blanks(pos);
        if (lexer.at(next) != u',') break;
        auto value = lexer.expression(next + 1);
        if (!value) return Error{value.error()};
        const std::uint32_t v = value->value.value;
        if (field == 0) font.weight = static_cast<std::uint16_t>(v);
        if (field == 1) font.italic = static_cast<std::uint8_t>(v);
        if (field == 2) font.character_set = static_cast<std::uint8_t>(v);
        pos = value->end;
    }
    return pos;
}

// MENU name-or-number: a number or a macro links by value, any other name by name.
Result<std::size_t> read_menu(Lexer& lexer, std::size_t pos, DialogHeader& header) {
    MenuLinkRequest request;
    if (auto value = lexer.expression(pos)) {
        request.menu_text = std::u16string(value->value.text);
        if (value->value.value >= 1) request.menu_number = static_cast<std::uint16_t>(value->value.value);
        pos = value->end;
    } else {
        auto name = lexer.identifier(pos);
        if (!name) return Error{name.error()};
        request.menu_text = std::u16string(name->value);
        pos = name->end;
    }
    header.menu = std::move(request);
    return pos;
}

Result<std::size_t> read_header_statement(StatementContext& context, std::size_t pos, DialogHeader& header) {
    Lexer& lexer = context.lexer();
    const Workspace& workspace = context.workspace();
    const std::size_t start = lexer.skip_blanks(pos);
    if (auto after = lexer.keyword(pos, u"CAPTION")) {
        auto caption = lexer.string(*after);
        if (!caption) return Error{caption.error()};
        header.caption = std::move(caption->value);
        header.style |= ws::caption;
        header.named_style |= ws::caption;
        return caption->end;
    }
    if (auto after = lexer.keyword(pos, u"CHARACTERISTICS")) {
        auto value = lexer.expression(*after);
        if (!value) return Error{value.error()};
        return value->end;
    }
    if (auto after = lexer.keyword(pos, u"CLASS")) {
        auto name = lexer.quoted_text(*after);
        if (!name) return Error{name.error()};
        // Stored in capitals, as resource compilers store it.
        header.class_name = to_ascii_upper(name->value);
        return name->end;
    }
    if (auto after = lexer.keyword(pos, u"EXSTYLE")) {
        auto value = lexer.style_expression(*after);
        if (!value) return Error{value.error()};
        header.extended_style = (header.extended_style | value->value) & ~lexer.not_mask();
        return value->end;
    }
    if (auto after = lexer.keyword(pos, u"FONT")) {
        DialogFont font;
        auto end = read_font(lexer, *after, context.extended(), font);
        if (!end) return end;
        header.font = std::move(font);
        return end;
    }
    if (lexer.keyword(pos, u"LANGUAGE")) return context.read_language_statements(start);
    if (auto after = lexer.keyword(pos, u"MENU")) return read_menu(lexer, *after, header);
    if (auto after = lexer.keyword(pos, u"STYLE")) {
        auto value = lexer.style_expression(*after);
        if (!value) return Error{value.error()};
        header.named_style = (header.named_style | value->value) & ~lexer.not_mask();
        header.style = header.named_style;
        return value->end;
    }
    if (lexer.keyword(pos, u"VERSION")) return context.fail(start, workspace.text(str::version_not_supported));
    return context.fail(start, workspace.text(str::statement_expected));
}

}  // namespace

// name DIALOG[EX] [LANGUAGE ...] x, y, width, height
//     [CAPTION "text"] [CHARACTERISTICS n] [CLASS "name"] [EXSTYLE style] [FONT ...]
//     [LANGUAGE p, s] [MENU name] [STYLE style]
// BEGIN controls END
Result<std::size_t> read_dialog(StatementContext& context, std::size_t pos) {
    Lexer& lexer = context.lexer();
    auto after_languages = context.read_language_statements(pos);
    if (!after_languages) return after_languages;
    DialogHeader header;
    auto after_rect = read_rectangle(lexer, *after_languages, header.rect);
    if (!after_rect) return after_rect;
    pos = *after_rect;

    while (!at_body(lexer, pos)) {
        auto next = read_header_statement(context, pos, header);
        if (!next) return next;
        pos = *next;
    }

    // A dialog without FONT statement uses the system font: the style cannot ask for another.
    if (header.font) {
        header.style |= ws::ds_set_font;
    } else {
        header.style &= ~ws::ds_shell_font;
    }

    Workspace& workspace = context.workspace();
    Dialog& dialog = context.start_resource(std::make_unique<Dialog>(workspace, context.extended()));
    dialog.set_rect(header.rect);
    dialog.set_style(header.style, header.extended_style);
    dialog.set_caption(header.caption.value_or(u""));
    dialog.set_class_name(std::move(header.class_name));
    dialog.set_font(header.font.value_or(font_without_statement()));
    if (header.menu) {
        dialog.set_menu(header.menu->menu_text);
        header.menu->set_menu_name = [&dialog](std::u16string_view name) { dialog.set_menu(std::u16string(name)); };
        context.request_menu_link(std::move(*header.menu));
    }

    const std::size_t body_keyword = lexer.skip_blanks(pos);
    context.note_statement_part(body_keyword, body_keyword);
    auto body = lexer.begin(pos);
    if (!body) return body;
    return read_control_statements(context, dialog, *body);
}

}  // namespace tavorin
