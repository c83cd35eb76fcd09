#include "script/file_statement.h"

#include <array>
#include <memory>
#include <optional>

#include "base/file_io.h"
#include "base/text.h"
#include "imaging/bitmap_file_header.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_file.h"
#include "resources/image/icon_group.h"
#include "resources/image/resource_file_path.h"
#include "resources/rawdata/raw_data_resource.h"
#include "script/inline_data.h"
#include "script/lexer.h"
#include "script/reader_messages.h"
#include "script/statement_reader.h"

namespace tavorin {

namespace {

std::unique_ptr<FileResource> make_file_resource(StatementLoop& loop, ResourceKind kind,
                                                 std::u16string custom_type_name) {
    switch (kind) {
        case kind::bitmap: return std::make_unique<BitmapResource>();
        case kind::icon: return std::make_unique<IconGroup>(IconType::icon, loop.image_numbers());
        case kind::cursor: return std::make_unique<IconGroup>(IconType::cursor, loop.image_numbers());
        default: return std::make_unique<RawDataResource>(kind, std::move(custom_type_name));
    }
}

bool is_name_end(char16_t c) { return c == 0 || c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// A file name written without quotes (app.ico, res\app.ico, ../icons/x.ico): everything up to
// the next white space, taken as written. Nothing when a quoted name or a block comes.
std::optional<Scanned<std::u16string>> unquoted_file_name(Lexer& lexer, std::size_t pos) {
    pos = lexer.skip_blanks(pos);
    const char16_t first = lexer.at(pos);
    if (is_name_end(first) || first == u'"' || first == u'{' || (first == u'L' && lexer.at(pos + 1) == u'"') ||
        lexer.keyword(pos, u"BEGIN")) {
        return std::nullopt;
    }
    std::size_t end = pos;
    while (!is_name_end(lexer.at(end))) ++end;
    return Scanned<std::u16string>{std::u16string(lexer.text().substr(pos, end - pos)), end};
}

// The group's images are numbered when its file is loaded, which may be long after, in another
// order; the numbers are taken now, in script order. A file that cannot be read takes none and
// fails later, when it is loaded.
Status reserve_image_numbers(IconGroup& group, std::u16string_view file_name, StatementLoop& loop) {
    auto file = open_regular_file(resolve_resource_path(file_name, loop.script_folder()));
    if (!file) return success();
    std::array<std::uint8_t, 6> header{};
    file->read(reinterpret_cast<char*>(header.data()), header.size());
    if (file->gcount() != static_cast<std::streamsize>(header.size())) return success();
    if (const auto count = icon_file_image_count(header, group.icon_type())) return group.reserve_numbers(*count);
    return success();
}

// Compilers refuse a bitmap file too short to hold its file header; one that is only the header
// would give a bitmap without data. A file that cannot be opened fails later, when it is loaded.
bool is_truncated_bitmap_file(std::u16string_view file_name, StatementLoop& loop) {
    auto file = open_regular_file(resolve_resource_path(file_name, loop.script_folder()));
    if (!file) return false;
    std::array<std::uint8_t, bitmap_file_header_size + 1> start{};
    file->read(reinterpret_cast<char*>(start.data()), start.size());
    const auto size = static_cast<std::size_t>(file->gcount());
    return size < bitmap_file_header_size || (size == bitmap_file_header_size && has_bitmap_file_header(start));
}

bool is_raw_kind(ResourceKind kind) { return kind != kind::bitmap && kind != kind::icon && kind != kind::cursor; }

}  // namespace

Result<std::size_t> read_inline_statement(StatementLoop& loop, std::size_t pos, ResourceKind kind,
                                          std::u16string custom_type_name) {
    Platform& platform = loop.workspace().platform();
    auto data = read_inline_data(loop.lexer(), pos, [&](std::u16string_view text) { return platform.text_to_ansi(text); });
    if (!data) return Error{data.error()};
    auto resource = RawDataResource::decode(data->value, kind, std::move(custom_type_name));
    resource->set_inline(true);
    loop.start_resource(std::move(resource));
    return data->end;
}

Result<std::size_t> read_file_statement(StatementLoop& loop, std::size_t pos, ResourceKind kind,
                                        std::u16string custom_type_name) {
    auto after_languages = loop.read_language_statements(pos);
    if (!after_languages) return after_languages;
    if (is_raw_kind(kind) && inline_data_follows(loop.lexer(), *after_languages)) {
        return read_inline_statement(loop, *after_languages, kind, std::move(custom_type_name));
    }
    auto unquoted = unquoted_file_name(loop.lexer(), *after_languages);
    // Escapes are on, so that the doubled backslashes of a written path are single again.
    auto file_name = unquoted ? Result<Scanned<std::u16string>>(std::move(*unquoted))
                              : loop.lexer().quoted_text(*after_languages, u'"', u'"', true);
    if (!file_name) return Error{file_name.error()};

    if (kind == kind::bitmap && is_truncated_bitmap_file(file_name->value, loop)) {
        return loop.fail(*after_languages, truncated_bitmap_file(file_name->value));
    }
    FileResource& resource = loop.start_resource(make_file_resource(loop, kind, std::move(custom_type_name)));
    if (auto* group = dynamic_cast<IconGroup*>(&resource)) {
        if (const Status reserved = reserve_image_numbers(*group, file_name->value, loop); !reserved) {
            return loop.fail(*after_languages, reserved.error());
        }
    }
    resource.refer_to_file(std::move(file_name->value));
    resource.set_script_place(display_path(loop.file()) + u"(" +
                              decimal(loop.lexer().line_of(*after_languages)) + u")");
    return file_name->end;
}

}  // namespace tavorin
