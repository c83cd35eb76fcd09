#include "resources/rawdata/raw_data_resource.h"

#include "resources/rawdata/default_manifest.h"
#include "resources/rawdata/inline_data_text.h"
#include "resources/rawdata/raw_data_traits.h"

namespace tavorin {

FileResourceTraits raw_kind_traits(ResourceKind resource_kind, std::u16string_view custom_type_name) {
    if (resource_kind == kind::manifest) return manifest_traits();
    if (resource_kind == kind::html) return html_traits();
    if (is_named_custom_kind(resource_kind)) return named_raw_traits(custom_type_name);
    return numeric_raw_traits(standard_type_of(resource_kind));
}

RawDataResource::RawDataResource(ResourceKind resource_kind, std::u16string custom_type_name)
    : FileResource(resource_kind, raw_kind_traits(resource_kind, custom_type_name), custom_type_name) {}

std::unique_ptr<RawDataResource> RawDataResource::decode(std::span<const std::uint8_t> data, ResourceKind resource_kind,
                                                         std::u16string custom_type_name) {
    auto resource = std::make_unique<RawDataResource>(resource_kind, std::move(custom_type_name));
    resource->bytes_.assign(data.begin(), data.end());
    // Scripts have no file form for the initial data of dialogs.
    resource->inline_ = resource_kind == numeric_custom_kind(dialog_init_type);
    return resource;
}

std::unique_ptr<RawDataResource> RawDataResource::default_manifest() {
    return decode(default_manifest_bytes(), kind::manifest);
}

void RawDataResource::write_script_text(TextWriter& out, const Workspace& workspace) const {
    if (!inline_) {
        FileResource::write_script_text(out, workspace);
        return;
    }
    write_inline_data(out, name_text(), traits().keyword, bytes_);
}

Status RawDataResource::export_content(CompanionFiles& files) {
    if (inline_) return success();
    return FileResource::export_content(files);
}

std::optional<std::span<const std::uint8_t>> RawDataResource::held_bytes() const {
    if (!in_memory()) return std::nullopt;
    return bytes_;
}

Status RawDataResource::serialize(BinaryBuffer& out) const {
    const Status loaded = require_in_memory();
    if (!loaded) return loaded;
    out.write_bytes(bytes_);
    return success();
}

Status RawDataResource::take_file_bytes(std::span<const std::uint8_t> bytes) {
    bytes_.assign(bytes.begin(), bytes.end());
    return success();
}

}  // namespace tavorin
