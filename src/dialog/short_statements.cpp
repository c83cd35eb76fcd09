#include "dialog/short_statements.h"

#include <array>
#include <stdexcept>

namespace tavorin {

namespace {

using K = ControlKind;

constexpr std::array<ShortStatement, 17> table = {{
    {u"RADIOBUTTON", K::radio_button, 0x50010004, 0x50000004, true, 0x0F},
    {u"AUTORADIOBUTTON", K::radio_button, 0x50010009, 0x50000009, true, 0x0F},
    // A push button's type is 0; other types without a keyword stay in the list.
    {u"PUSHBUTTON", K::button, 0x50010000, 0x50010000, true, 0},
    {u"DEFPUSHBUTTON", K::button, 0x50010001, 0x50010001, true, 0x0F},
    {u"GROUPBOX", K::group_box, 0x50000007, 0x50000007, true, 0x0F},
    {u"AUTO3STATE", K::check_box, 0x50010006, 0x50000006, true, 0x0F},
    {u"AUTOCHECKBOX", K::check_box, 0x50010003, 0x50010003, true, 0x0F},
    {u"STATE3", K::check_box, 0x50010005, 0x50000005, true, 0x0F},
    {u"CHECKBOX", K::check_box, 0x50010002, 0x50010002, true, 0x0F},
    {u"EDITTEXT", K::edit, 0x50810000, 0x50810000, false, 0},
    {u"COMBOBOX", K::combo_box, 0x50010001, 0x50000000, false, 0},
    {u"LISTBOX", K::list_box, 0x50800001, 0x50800001, false, 0},
    {u"LTEXT", K::static_text, 0x50020000, 0x50000000, true, 0x1F},
    {u"CTEXT", K::static_text, 0x50020001, 0x50000001, true, 0x1F},
    {u"RTEXT", K::static_text, 0x50020002, 0x50000002, true, 0x1F},
    {u"ICON", K::picture, 0x50000003, 0x50000003, true, 0x1F},
    {u"SCROLLBAR", K::scroll_bar, 0x50000000, 0x50000000, false, 0},
}};

}  // namespace

std::span<const ShortStatement> short_statements() { return table; }

const ShortStatement& short_statement(std::u16string_view keyword) {
    for (const ShortStatement& statement : table) {
        if (statement.keyword == keyword) return statement;
    }
    throw std::logic_error("not a short control statement");
}

}  // namespace tavorin
