#pragma once
// Manifests (RT_MANIFEST), HTML pages (RT_HTML) and resources of every other type, numeric or
// named, that this program keeps as opaque bytes; also whatever a type's decoder refused.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "resources/image/file_resource.h"

namespace tavorin {

class RawDataResource : public FileResource {
public:
    // `resource_kind`: kind::manifest, kind::html, a numeric custom kind, or a named custom kind whose
    // name is `custom_type_name`.
    RawDataResource(ResourceKind resource_kind, std::u16string custom_type_name = {});

    // Bytes of a compiled file: type 24 makes a manifest, 23 an HTML page, anything else raw
    // data of that type.
    static std::unique_ptr<RawDataResource> decode(std::span<const std::uint8_t> data, ResourceKind resource_kind,
                                                   std::u16string custom_type_name = {});

    // A manifest holding the built-in default manifest.
    static std::unique_ptr<RawDataResource> default_manifest();

    // Empty while the resource refers to its file.
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    void set_bytes(std::vector<std::uint8_t> bytes) { bytes_ = std::move(bytes); }
    // One byte in place (the hex view's edits), without copying a large content.
    void set_byte(std::size_t offset, std::uint8_t value) {
        if (offset < bytes_.size()) bytes_[offset] = value;
    }

    // Data written in the script itself (BEGIN ... END) is written back there, not to a file.
    bool is_inline() const { return inline_; }
    void set_inline(bool written_inline) { inline_ = written_inline; }

    void write_script_text(TextWriter& out, const Workspace& workspace) const override;
    using FileResource::export_content;
    Status export_content(CompanionFiles& files) override;
    Status serialize(BinaryBuffer& out) const override;
    std::optional<std::span<const std::uint8_t>> held_bytes() const override;

protected:
    Result<std::vector<std::uint8_t>> file_bytes() const override { return bytes_; }
    Status take_file_bytes(std::span<const std::uint8_t> bytes) override;
    void drop_memory_content() override { bytes_.clear(); }

private:
    std::vector<std::uint8_t> bytes_;
    bool inline_ = false;
};

// The type of the initial data of dialog controls, which scripts write only inline.
inline constexpr std::uint16_t dialog_init_type = 240;

// The texts of a raw kind: manifest, HTML, or a custom type by name or number.
FileResourceTraits raw_kind_traits(ResourceKind resource_kind, std::u16string_view custom_type_name);

}  // namespace tavorin
