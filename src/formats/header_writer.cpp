#include "formats/header_writer.h"

#include <algorithm>
#include <vector>

#include "base/text.h"

namespace tavorin {

namespace {

constexpr std::size_t define_name_width = 40;
constexpr std::size_t assembler_name_width = 39;

}  // namespace

bool is_written_symbol(const Symbol& symbol) {
    if (symbol.system || symbol.string_name || symbol.name.empty()) return false;
    const char16_t first = symbol.name.front();
    return first != u'-' && !(first >= u'0' && first <= u'9');
}

void write_header(TextWriter& out, const SymbolTable& symbols, HeaderNotation notation) {
    if (notation == HeaderNotation::define) {
        out.write(u"#ifndef IDC_STATIC");
        out.line_break();
        out.write(u"#define IDC_STATIC (-1)");
        out.line_break();
        out.write(u"#endif");
    } else {
        out.write(u"IDC_STATIC equ -1");
    }
    out.line_break();
    out.line_break();

    // The table iterates in name order; the stable sort keeps it among equal values.
    std::vector<const Symbol*> written;
    for (const auto& [name, symbol] : symbols.symbols()) {
        if (is_written_symbol(symbol)) written.push_back(&symbol);
    }
    std::stable_sort(written.begin(), written.end(),
                     [](const Symbol* a, const Symbol* b) { return a->value < b->value; });

    for (const Symbol* symbol : written) {
        if (notation == HeaderNotation::define) {
            out.write(u"#define ");
            out.write_padded(symbol->name, define_name_width);
        } else {
            out.write_padded(symbol->name, assembler_name_width);
            out.write(u" equ ");
        }
        out.write(decimal(symbol->value));
        out.line_break();
    }
}

}  // namespace tavorin
