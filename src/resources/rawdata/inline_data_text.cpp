#include "resources/rawdata/inline_data_text.h"

#include "base/data_words_text.h"

namespace tavorin {

void write_inline_data(TextWriter& out, std::u16string_view name, std::u16string_view keyword,
                       std::span<const std::uint8_t> bytes) {
    out.write_padded(name, 19);
    out.write(keyword);
    out.line_break();
    out.open_block();
    write_data_words(out, bytes);
    out.close_block();
}

}  // namespace tavorin
