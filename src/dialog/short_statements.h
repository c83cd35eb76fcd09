#pragma once
// The fifteen short control statements (and ICON, SCROLLBAR): the kind each makes, the style it
// starts from, whether it has a text, and which type bits its keyword stands for. The script
// reader reads them, the writer chooses one for a control and leaves out what it implies.

#include <cstdint>
#include <span>
#include <string_view>

#include "dialog/control_kind.h"

namespace tavorin {

// A statement without a style list gets its default style. A style list is added to a smaller
// base for some keywords: the default's WS_TABSTOP or WS_GROUP is then dropped (LTEXT "a", 1,
// 0, 0, 10, 10, SS_NOTIFY has no WS_GROUP), as compilers do.
struct ShortStatement {
    std::u16string_view keyword;
    ControlKind kind;
    std::uint32_t default_style;
    std::uint32_t style_with_list;
    bool has_text;
    // The type field the keyword fixes (BS_ or SS_ type), part of what it implies.
    std::uint32_t type_mask;

    std::uint32_t implied_mask() const { return default_style | type_mask; }
    std::uint32_t implied_mask_with_list() const { return style_with_list | type_mask; }
};

// In the order the reader compares the keywords.
std::span<const ShortStatement> short_statements();

// Only for keywords of the table.
const ShortStatement& short_statement(std::u16string_view keyword);

}  // namespace tavorin
