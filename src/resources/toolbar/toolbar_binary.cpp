#include "resources/toolbar/toolbar_binary.h"

#include <vector>

#include "base/binary_reader.h"
#include "base/text.h"
#include "model/symbol_table.h"

namespace tavorin {

namespace {

constexpr std::size_t wide_header_size = 12;  // width, height, count: 32 bits each
constexpr std::size_t narrow_header_size = 8;  // version, width, height, count: 16 bits each
constexpr std::uint16_t narrow_version = 1;

struct DecodedItems {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint32_t> values;
};

std::optional<DecodedItems> read_wide(std::span<const std::uint8_t> data) {
    if (data.size() < wide_header_size) return std::nullopt;
    BinaryReader reader(data);
    DecodedItems items;
    items.width = reader.read_u32();
    items.height = reader.read_u32();
    const std::uint32_t count = reader.read_u32();
    // The count must account for the rest exactly (a compiled file may pad to four, which the
    // 32-bit items already are).
    if ((data.size() - wide_header_size) / 4 != count || items.width > 0xFFFF || items.height > 0xFFFF) {
        return std::nullopt;
    }
    items.values.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) items.values.push_back(reader.read_u32());
    return items;
}

std::optional<DecodedItems> read_narrow(std::span<const std::uint8_t> data) {
    if (data.size() < narrow_header_size) return std::nullopt;
    BinaryReader reader(data);
    if (reader.read_u16() != narrow_version) return std::nullopt;
    DecodedItems items;
    items.width = reader.read_u16();
    items.height = reader.read_u16();
    const std::uint16_t count = reader.read_u16();
    // Padding to four bytes may follow the items.
    if (data.size() < narrow_header_size + 2u * count || data.size() > narrow_header_size + 2u * count + 3) {
        return std::nullopt;
    }
    items.values.reserve(count);
    for (std::uint16_t i = 0; i < count; ++i) items.values.push_back(reader.read_u16());
    return items;
}

}  // namespace

void encode_toolbar(const Toolbar& toolbar, BinaryBuffer& out) {
    out.write_u32(toolbar.button_width());
    out.write_u32(toolbar.button_height());
    out.write_u32(static_cast<std::uint32_t>(toolbar.items().size()));
    for (const ToolbarItem& item : toolbar.items()) {
        out.write_u32(item.separator() ? 0 : static_cast<std::uint32_t>(toolbar.value_of(item)));
    }
}

Result<std::unique_ptr<Toolbar>> decode_toolbar(std::span<const std::uint8_t> data, SymbolTable& symbols) {
    // A version word of 1 followed by a width cannot start the wide layout, whose width would
    // then be at least 65,537 pixels.
    std::optional<DecodedItems> items = read_wide(data);
    if (!items) items = read_narrow(data);
    if (!items) return Error{u"The toolbar data has neither known layout"};
    auto toolbar = std::make_unique<Toolbar>(symbols);
    toolbar->set_button_size(items->width, items->height);
    for (const std::uint32_t value : items->values) {
        if (value == 0) {
            toolbar->add_separator();
            continue;
        }
        const auto signed_value = static_cast<std::int32_t>(value);
        const Symbol* symbol = symbols.find_by_value(signed_value);
        toolbar->add_button(symbol != nullptr ? symbol->name : decimal(value), signed_value);
    }
    return toolbar;
}

}  // namespace tavorin
