#include "resources/toolbar/toolbar.h"

#include <limits>

#include "services/ui_strings.h"
#include "services/string_ids.h"
#include "base/file_io.h"
#include "base/text.h"
#include "model/identifier_validation.h"
#include "model/project.h"
#include "model/symbol_table.h"
#include "resources/image/bitmap_resource.h"
#include "resources/image/resource_file_path.h"
#include "resources/toolbar/toolbar_binary.h"

namespace tavorin {
namespace {

// Largest button side accepted from the user; a bitmap is never wider than this many buttons.
constexpr std::uint32_t max_button_side = 32767;

Result<std::uint32_t> parse_button_side(std::u16string_view text, const UiStrings& strings) {
    const Error refused{strings.text(str::integer_value_expected)};
    if (text.empty()) return refused;
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return refused;
        value = value * 10 + static_cast<std::uint32_t>(c - u'0');
        if (value > max_button_side) return refused;
    }
    return value;
}

bool same_identifier(const ResourceIdentity& a, const ResourceIdentity& b) {
    if (a.string_name || b.string_name) return a.string_name == b.string_name && equals_ignore_case(a.name, b.name);
    return a.ordinal == b.ordinal;
}

// The bitmap's size from the bytes in memory, or from its file.
Result<BitmapSize> size_of(const BitmapResource& bitmap, const std::filesystem::path& script_folder) {
    if (bitmap.in_memory()) return bitmap.size();
    const auto bytes = read_file_bytes(resolve_resource_path(bitmap.content_file(), script_folder));
    if (!bytes) return Error{bytes.error()};
    return bitmap_size(*bytes);
}

}  // namespace

Toolbar::Toolbar(SymbolTable& symbols) : Resource(kind::toolbar), symbols_(symbols) {}

void Toolbar::set_button_size(std::uint32_t width, std::uint32_t height) {
    button_width_ = width;
    button_height_ = height;
}

Status Toolbar::set_button_width(std::u16string_view text, const UiStrings& strings) {
    const auto value = parse_button_side(text, strings);
    if (!value) return Error{value.error()};
    button_width_ = *value;
    return success();
}

Status Toolbar::set_button_height(std::u16string_view text, const UiStrings& strings) {
    const auto value = parse_button_side(text, strings);
    if (!value) return Error{value.error()};
    button_height_ = *value;
    return success();
}

void Toolbar::add_button(std::u16string_view id, std::optional<std::int32_t> value) {
    symbols_.register_item_id(id, *this, value);
    items_.push_back(ToolbarItem{std::u16string(id)});
}

void Toolbar::add_separator() { items_.push_back(ToolbarItem{}); }

std::u16string Toolbar::register_new_id(std::u16string_view base) {
    std::u16string id = symbols_.free_name(base);
    symbols_.register_item_id(id, *this);
    return id;
}

void Toolbar::insert_new_button(std::size_t index) {
    index = std::min(index, items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), ToolbarItem{register_new_id(u"IDR_COMMAND")});
}

void Toolbar::insert_separator(std::size_t index) {
    index = std::min(index, items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), ToolbarItem{});
}

void Toolbar::remove_item(std::size_t index) {
    if (index >= items_.size()) return;
    if (!items_[index].separator()) symbols_.release_item_id(items_[index].id, *this);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

Status Toolbar::set_button_id(std::size_t index, std::u16string_view text, const UiStrings& strings) {
    if (index >= items_.size() || items_[index].separator()) return Error{u"No such button"};
    if (const auto refusal = identifier_refusal(classify_identifier(text), false, strings)) return Error{*refusal};
    ToolbarItem& item = items_[index];
    if (item.id == text) return success();
    const std::u16string old_prompt = prompt(index);
    symbols_.register_item_id(text, *this);
    symbols_.release_item_id(item.id, *this);
    item.id = std::u16string(text);
    if (!old_prompt.empty()) set_prompt(index, old_prompt);
    return success();
}

std::u16string Toolbar::prompt(std::size_t index) const {
    if (index >= items_.size()) return {};
    const auto found = prompts_.find(items_[index].id);
    return found == prompts_.end() ? std::u16string() : found->second;
}

void Toolbar::set_prompt(std::size_t index, std::u16string_view text) {
    if (index >= items_.size() || items_[index].separator()) return;
    prompts_[items_[index].id] = std::u16string(text);
}

Resource* Toolbar::linked_bitmap(const Project& project) const {
    for (Resource* bitmap : project.resources_of_kind(kind::bitmap)) {
        if (same_identifier(bitmap->identity(), identity())) return bitmap;
    }
    return nullptr;
}

void Toolbar::link_bitmap(const Project& project, const std::filesystem::path& script_folder) {
    const auto* bitmap = dynamic_cast<const BitmapResource*>(linked_bitmap(project));
    if (bitmap == nullptr) return;
    const auto size = size_of(*bitmap, script_folder);
    if (!size) return;
    clear_items();
    button_height_ = size->height;
    if (button_width_ == 0) return;
    for (std::uint32_t remaining = size->width; remaining >= button_width_; remaining -= button_width_) {
        items_.push_back(ToolbarItem{register_new_id(u"ID_BUTTON")});
    }
}

void Toolbar::clear_items() {
    for (const ToolbarItem& item : items_) {
        if (!item.separator()) symbols_.release_item_id(item.id, *this);
    }
    items_.clear();
}

void Toolbar::write_script_text(TextWriter& out, const Workspace&) const {
    out.write(name_text());
    out.write(u" TOOLBAR ");
    out.write(decimal(button_width_));
    out.write(u", ");
    out.write(decimal(button_height_));
    out.line_break();
    out.open_block();
    for (const ToolbarItem& item : items_) {
        out.line_break();
        if (item.separator()) {
            out.write(u"SEPARATOR");
        } else {
            out.write(u"BUTTON      ");
            out.write(item.id);
        }
    }
    out.close_block();
}

Status Toolbar::serialize(BinaryBuffer& out) const {
    encode_toolbar(*this, out);
    return success();
}

std::int32_t Toolbar::value_of(const ToolbarItem& item) const {
    return item.separator() ? 0 : symbols_.value_of(item.id);
}

void Toolbar::removing_from(Project&) { clear_items(); }

}  // namespace tavorin
