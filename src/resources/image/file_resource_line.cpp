#include "resources/image/file_resource_line.h"

#include "base/escapes.h"

namespace tavorin {

std::u16string escape_file_name(std::u16string_view path) {
    std::u16string escaped;
    escaped.reserve(path.size());
    for (char16_t c : path) {
        const char16_t letter = c < 256 ? escape_letter(c) : 0;
        if (letter != 0) {
            escaped += u'\\';
            escaped += letter;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

void write_file_resource_line(TextWriter& out, std::u16string_view name, std::u16string_view keyword,
                              std::u16string_view file) {
    out.write_padded(name, 19);
    out.write_padded(keyword, 15);
    out.write(u'"');
    out.write(file.empty() ? std::u16string(u"?") : escape_file_name(file));
    out.write(u'"');
}

}  // namespace tavorin
