#include "script/file_statement.h"

#include <memory>

#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"
#include "resources/rawdata/raw_data_resource.h"
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

}  // namespace

Result<std::size_t> read_file_statement(StatementLoop& loop, std::size_t pos, ResourceKind kind,
                                        std::u16string custom_type_name) {
    auto after_languages = loop.read_language_statements(pos);
    if (!after_languages) return after_languages;
    // Escapes are on, so that the doubled backslashes of a written path are single again.
    auto file_name = loop.lexer().quoted_text(*after_languages, u'"', u'"', true);
    if (!file_name) return Error{file_name.error()};

    FileResource& resource = loop.start_resource(make_file_resource(loop, kind, std::move(custom_type_name)));
    resource.refer_to_file(std::move(file_name->value));
    return file_name->end;
}

}  // namespace tavorin
