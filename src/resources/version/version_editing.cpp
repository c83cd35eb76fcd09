#include "resources/version/version_editing.h"

#include <algorithm>

#include "model/undo_history.h"
#include "model/workspace.h"
#include "base/text.h"
#include "resources/version/version_names.h"

namespace tavorin {

namespace {

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
    return text;
}

std::optional<std::uint16_t> version_part(std::u16string_view text) {
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + static_cast<std::uint32_t>(c - u'0');
        if (value > 0xFFFF) return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

}  // namespace

Result<VersionNumber> parse_version_number(std::u16string_view text) {
    VersionNumber version{};
    std::size_t part = 0;
    while (true) {
        if (part == version.size()) return Error{std::u16string(version_number_message)};
        const std::size_t comma = text.find(u',');
        const auto value = version_part(text.substr(0, comma));
        if (!value) return Error{std::u16string(version_number_message)};
        version[part++] = *value;
        if (comma == std::u16string_view::npos) return version;
        text.remove_prefix(comma + 1);
    }
}

std::u16string version_block_title(const VersionStringBlock& block, std::u16string_view language_name) {
    return u"File Information [" + std::u16string(language_name) + u"] " + block.key_text();
}

void VersionEditing::modified() { workspace_.project().set_modified(version_, true); }

void VersionEditing::record(std::u16string_view name, State before) {
    if (history_ == nullptr) return;
    VersionInfo& version = version_;
    Project& project = workspace_.project();
    UndoListener listener = undo_listener_;
    const auto put = [&version, &project, listener](const State& state) {
        version.fixed() = state.fixed;
        version.set_blocks(state.blocks);
        project.set_modified(version, true);
        if (listener) listener();
    };
    history_->record(std::make_unique<CallbackAction>(
        std::u16string(name), [put, after = state()] { put(after); }, [put, before = std::move(before)] { put(before); }));
}

Status VersionEditing::refuse(std::u16string_view message) {
    workspace_.ask(message, workspace_.text(str::error_caption), AskButtons::ok, AskIcon::error);
    return Error{std::u16string(message)};
}

Status VersionEditing::set_version(VersionNumber FixedVersionInfo::*field, std::u16string_view text) {
    const auto version = parse_version_number(text);
    if (!version) return refuse(version.error());
    if (version_.fixed().*field != *version) {
        State before = state();
        version_.fixed().*field = *version;
        modified();
        record(field == &FixedVersionInfo::file_version ? version_undo::file_version : version_undo::product_version,
               std::move(before));
    }
    return success();
}

Status VersionEditing::set_file_version(std::u16string_view text) {
    return set_version(&FixedVersionInfo::file_version, text);
}
Status VersionEditing::set_product_version(std::u16string_view text) {
    return set_version(&FixedVersionInfo::product_version, text);
}

void VersionEditing::set_field(std::uint32_t FixedVersionInfo::*field, std::uint32_t value) {
    if (version_.fixed().*field == value) return;
    State before = state();
    version_.fixed().*field = value;
    modified();
    std::u16string_view name = version_undo::file_flags;
    if (field == &FixedVersionInfo::file_os) name = version_undo::file_os;
    if (field == &FixedVersionInfo::file_subtype) name = version_undo::file_subtype;
    if (field == &FixedVersionInfo::file_flags_mask) name = version_undo::file_flags_mask;
    record(name, std::move(before));
}

void VersionEditing::set_file_os(std::uint32_t value) { set_field(&FixedVersionInfo::file_os, value); }
void VersionEditing::set_file_subtype(std::uint32_t value) { set_field(&FixedVersionInfo::file_subtype, value); }
void VersionEditing::set_file_flags_mask(std::uint32_t value) { set_field(&FixedVersionInfo::file_flags_mask, value); }
void VersionEditing::set_file_flags(std::uint32_t value) { set_field(&FixedVersionInfo::file_flags, value); }

void VersionEditing::set_file_type(std::uint32_t value) {
    if (version_.fixed().file_type == value) return;
    State before = state();
    version_.fixed().file_type = value;
    version_.fixed().file_subtype = file_subtype_names(value).front().value;
    modified();
    record(version_undo::file_type, std::move(before));
}

Status VersionEditing::add_block(std::uint16_t language, std::uint16_t code_page) {
    VersionStringBlock block{language, code_page, {}, {}};
    for (std::u16string_view key : standard_version_keys) block.strings.push_back({std::u16string(key), std::nullopt});
    State before = state();
    if (!version_.add_block(std::move(block))) return refuse(block_exists_message);
    modified();
    record(version_undo::add_block, std::move(before));
    return success();
}

bool VersionEditing::remove_block(std::size_t index) {
    if (index >= version_.blocks().size()) return false;
    if (workspace_.ask(remove_block_question, AskButtons::yes_no, AskIcon::question) != Answer::yes) return false;
    State before = state();
    version_.remove_block(index);
    modified();
    record(version_undo::remove_block, std::move(before));
    return true;
}

void VersionEditing::set_string(std::size_t block, std::u16string_view key, std::u16string value) {
    if (block >= version_.blocks().size()) return;
    State before = state();
    const bool standard = std::find(standard_version_keys.begin(), standard_version_keys.end(), key) !=
                          standard_version_keys.end();
    if (value.empty() && !standard) {
        std::vector<VersionStringBlock> blocks = version_.blocks();
        std::erase_if(blocks[block].strings, [key](const VersionString& s) { return s.key == key; });
        version_.set_blocks(std::move(blocks));
    } else {
        version_.set_string(block, key, std::move(value));
    }
    if (version_.blocks() == before.blocks) return;
    modified();
    record(version_undo::value, std::move(before));
}

Status VersionEditing::add_key(std::size_t block, std::u16string_view key) {
    if (block >= version_.blocks().size()) return Error{std::u16string()};
    key = trimmed(key);
    if (key.empty()) return Error{std::u16string()};
    const auto& strings = version_.blocks()[block].strings;
    if (std::any_of(strings.begin(), strings.end(), [key](const VersionString& s) { return s.key == key; })) {
        return refuse(key_exists_message);
    }
    State before = state();
    std::vector<VersionStringBlock> blocks = version_.blocks();
    blocks[block].strings.push_back({std::u16string(key), std::nullopt});
    version_.set_blocks(std::move(blocks));
    modified();
    record(version_undo::add_value, std::move(before));
    return success();
}

}  // namespace tavorin
