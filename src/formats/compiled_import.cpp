#include "formats/compiled_import.h"

#include <array>
#include <stdexcept>

#include "model/workspace.h"
#include "base/binary_reader.h"
#include "base/text.h"
#include "dialog/dialog.h"
#include "dialog/dialog_template.h"
#include "resources/accelerator/accelerator_binary.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/icon_group.h"
#include "resources/menu/menu.h"
#include "resources/menu/menu_template.h"
#include "resources/rawdata/raw_data_resource.h"
#include "resources/stringtable/string_block.h"
#include "resources/toolbar/toolbar_binary.h"
#include "resources/version/version_block.h"
#include "resources/version/version_info.h"

namespace tavorin {

namespace {

struct StandardType {
    std::uint16_t ordinal;
    std::u16string_view name;
};

constexpr std::array<StandardType, 20> standard_types{{
    {1, u"RT_CURSOR"},        {2, u"RT_BITMAP"},       {3, u"RT_ICON"},       {4, u"RT_MENU"},
    {5, u"RT_DIALOG"},        {6, u"RT_STRING"},       {7, u"RT_FONTDIR"},    {8, u"RT_FONT"},
    {9, u"RT_ACCELERATOR"},   {10, u"RT_RCDATA"},      {11, u"RT_MESSAGETABLE"}, {12, u"RT_GROUP_CURSOR"},
    {14, u"RT_GROUP_ICON"},   {16, u"RT_VERSION"},     {17, u"RT_DLGINCLUDE"}, {19, u"RT_PLUGPLAY"},
    {20, u"RT_VXD"},          {21, u"RT_ANICURSOR"},   {22, u"RT_ANIICON"},   {23, u"RT_HTML"},
}};

}  // namespace

std::u16string standard_type_name(std::uint16_t ordinal) {
    for (const StandardType& type : standard_types) {
        if (type.ordinal == ordinal) return std::u16string(type.name);
    }
    return decimal(ordinal);
}

std::u16string record_name_text(const NameOrOrdinal& name) {
    return name.is_text ? name.text : decimal(name.ordinal);
}

std::u16string CompiledImport::place_of(const CompiledRecord& record) const {
    if (source_.empty()) return {};
    return source_ + u", offset 0x" + hexadecimal(static_cast<std::uint32_t>(record.offset)) + u": ";
}

Status CompiledImport::import(const CompiledRecord& record) {
    workspace_.project().set_current_language(record.language);
    duplicate_.reset();
    bool imported = false;
    try {
        imported = import_typed(record);
    } catch (const BinaryReadError&) {
        imported = false;
    } catch (const std::out_of_range&) {
        imported = false;
    }
    if (!imported) {
        const std::u16string type = record.type.is_text ? record.type.text : standard_type_name(record.type.ordinal);
        workspace_.log().warning(place_of(record) + fill_placeholders(workspace_.text(str::invalid_resource_format),
                                                                      type, record_name_text(record.name)));
        import_raw(record);
    }
    if (duplicate_) return *duplicate_;
    return success();
}

bool CompiledImport::import_typed(const CompiledRecord& record) {
    if (record.type.is_text) {
        import_raw(record);
        return true;
    }
    switch (record.type.ordinal) {
        case resource_type::cursor: return import_image(record, IconType::cursor);
        case resource_type::icon: return import_image(record, IconType::icon);
        case resource_type::group_cursor: return import_group(record, IconType::cursor);
        case resource_type::group_icon: return import_group(record, IconType::icon);
        case resource_type::bitmap: return add_decoded(BitmapResource::decode(record.data), record);
        case resource_type::menu: return add_decoded(decode_menu_template(record.data, workspace_.symbols()), record);
        case resource_type::dialog: return add_decoded(decode_dialog_template(record.data, workspace_), record);
        case resource_type::version: return add_decoded(decode_version_info(record.data), record);
        case resource_type::toolbar: return add_decoded(decode_toolbar(record.data, workspace_.symbols()), record);
        case resource_type::string: {
            if (record.name.is_text) return false;
            return read_string_block(workspace_, record.data, record.name.ordinal, record.language, origin_of(record))
                .ok();
        }
        case resource_type::accelerator: {
            auto table = std::make_unique<AcceleratorTable>(workspace_.symbols());
            read_accelerators(*table, record.data, tables_.virtual_keys);
            add(std::move(table), record);
            return true;
        }
        default: import_raw(record); return true;
    }
}

bool CompiledImport::import_image(const CompiledRecord& record, IconType type) {
    if (record.name.is_text) return false;
    IconImageMap& images = type == IconType::icon ? icon_images_ : cursor_images_;
    const auto read_image = type == IconType::icon ? read_icon_image : read_cursor_image;
    const Status read = read_image(images, record.name.ordinal, record.data, tables_.image_numbers, record.block);
    if (!read) return false;
    // An image is its bytes; only the record's place and header fields need keeping.
    images[record.name.ordinal].fields.origin =
        CompiledOrigin{std::nullopt, record.fields, record.position, record.language};

    // Kept as they came, in case no group lists the image.
    read_images_[{type, record.name.ordinal}] = ReadImage{record, false};
    return true;
}

bool CompiledImport::import_group(const CompiledRecord& record, IconType type) {
    const IconImageMap& images = type == IconType::icon ? icon_images_ : cursor_images_;
    auto group = IconGroup::decode(record.data, type, images, tables_.image_numbers);
    if (!group) return false;
    for (const IconImage& image : (*group)->images()) {
        const auto kept = read_images_.find({type, image.number});
        if (kept != read_images_.end()) kept->second.claimed = true;
    }
    add(std::move(*group), record);
    return true;
}

void CompiledImport::finish() {
    for (auto& [key, image] : read_images_) {
        if (image.claimed) continue;
        workspace_.project().set_current_language(image.record.language);
        import_raw(image.record);
    }
    read_images_.clear();
    icon_images_.clear();
    cursor_images_.clear();
}

void CompiledImport::import_raw(const CompiledRecord& record) {
    if (record.type.is_text) {
        const ResourceKind custom = workspace_.custom_types().kind_for(record.type.text);
        add(RawDataResource::decode(record.data, custom, record.type.text), record, false);
        return;
    }
    ResourceKind raw_kind = numeric_custom_kind(record.type.ordinal);
    // A project edits one manifest; further ones (other names or languages) stay raw data of
    // their type, so that nothing read is lost.
    if (record.type.ordinal == resource_type::manifest && workspace_.project().manifest() == nullptr) {
        raw_kind = kind::manifest;
    }
    if (record.type.ordinal == resource_type::html) raw_kind = kind::html;
    add(RawDataResource::decode(record.data, raw_kind), record, false);
}

CompiledOrigin origin_of(const CompiledRecord& record) {
    SharedBytes data = record.block ? SharedBytes(record.block, record.data) : SharedBytes::copy_of(record.data);
    return CompiledOrigin{std::move(data), record.fields, record.position, record.language};
}

void CompiledImport::add(std::unique_ptr<Resource> resource, const CompiledRecord& record, bool keep_data) {
    CompiledOrigin origin = keep_data ? origin_of(record)
                                      : CompiledOrigin{std::nullopt, record.fields, record.position, record.language};
    resource->set_origin(std::move(origin));
    ResourceIdentity& identity = resource->identity();
    const std::u16string name = record_name_text(record.name);
    const std::optional<std::int32_t> wanted =
        record.name.is_text ? std::nullopt : std::optional<std::int32_t>(record.name.ordinal);
    const auto stored =
        workspace_.symbols().register_resource_name(name, identity.kind, record.name.is_text, wanted, record.language);
    if (!stored) {
        const std::u16string type = record.type.is_text ? record.type.text : standard_type_name(record.type.ordinal);
        duplicate_ = Error{place_of(record) + u"Duplicate resource: type " + type + u", name " + name + u", language " +
                           decimal(record.language) + u"."};
        return;
    }
    identity.name = *stored;
    identity.string_name = record.name.is_text;
    const ResourceKind resource_kind = identity.kind;
    // A refused resource (a second manifest) gives its name back.
    if (workspace_.project().add_resource(std::move(resource)) == nullptr) {
        workspace_.symbols().release_resource_name(*stored, resource_kind, record.language);
    }
}

}  // namespace tavorin
