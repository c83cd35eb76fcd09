#pragma once
// What the version editor (a property list) does to its resource. Each change marks the resource
// modified and, with a history, is recorded there under the name of what changed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "resources/version/version_info.h"

namespace tavorin {

class UndoHistory;
class Workspace;

namespace version_undo {
inline constexpr std::u16string_view file_version = u"File Version";
inline constexpr std::u16string_view product_version = u"Product Version";
inline constexpr std::u16string_view file_os = u"Operating System";
inline constexpr std::u16string_view file_flags_mask = u"File Flags Mask";
inline constexpr std::u16string_view file_flags = u"File Flags";
inline constexpr std::u16string_view file_type = u"File Type";
inline constexpr std::u16string_view file_subtype = u"File Subtype";
inline constexpr std::u16string_view add_block = u"Add Block";
inline constexpr std::u16string_view remove_block = u"Remove Block";
inline constexpr std::u16string_view add_value = u"Add Value";
inline constexpr std::u16string_view value = u"Value";
}  // namespace version_undo

inline constexpr std::u16string_view key_exists_message = u"This block already has a value of that name.";

inline constexpr std::u16string_view version_number_message = u"Version number must be w1,w2,w3,w4";
inline constexpr std::u16string_view block_exists_message = u"A block is already defined for this language.";
inline constexpr std::u16string_view remove_block_question = u"Do you really want to remove this block?";

// Up to four numbers of 0 to 65535 separated by commas, blanks allowed around them; missing
// trailing numbers are 0. Anything else is refused with "Version number must be w1,w2,w3,w4".
Result<VersionNumber> parse_version_number(std::u16string_view text);

// The title of a block's group: "File Information [", the language's display name, "] " and the
// block's eight-digit key.
std::u16string version_block_title(const VersionStringBlock& block, std::u16string_view language_name);

class VersionEditing {
public:
    // Told after every undo and redo, so that an open editor shows the resource again.
    using UndoListener = std::function<void()>;

    VersionEditing(VersionInfo& version, Workspace& workspace, UndoHistory* history = nullptr,
                   UndoListener undo_listener = {})
        : version_(version), workspace_(workspace), history_(history), undo_listener_(std::move(undo_listener)) {}

    // Refusals are shown (caption "Error") and returned.
    Status set_file_version(std::u16string_view text);
    Status set_product_version(std::u16string_view text);

    void set_file_os(std::uint32_t value);
    // A new file type switches the subtype list: the subtype becomes its first entry.
    void set_file_type(std::uint32_t value);
    void set_file_subtype(std::uint32_t value);
    void set_file_flags_mask(std::uint32_t value);
    void set_file_flags(std::uint32_t value);

    // A new block holding the twelve standard keys without values. A language and code page that
    // already have a block are refused with "A block is already defined for this language.".
    Status add_block(std::uint16_t language, std::uint16_t code_page);
    // Asks "Do you really want to remove this block?" (Yes/No) and removes the block on Yes.
    bool remove_block(std::size_t index);
    // An empty value leaves the key without a value (it is not written); a key that is not one of
    // the twelve standard keys goes with its value.
    void set_string(std::size_t block, std::u16string_view key, std::u16string value);
    // A key of the user's own, still without a value. An empty or blank name, and a name the
    // block already has, are refused.
    Status add_key(std::size_t block, std::u16string_view key);

private:
    struct State {
        FixedVersionInfo fixed;
        std::vector<VersionStringBlock> blocks;
    };
    State state() const { return {version_.fixed(), version_.blocks()}; }
    // Records the change from `before` to the resource's state now.
    void record(std::u16string_view name, State before);
    Status set_version(VersionNumber FixedVersionInfo::*field, std::u16string_view text);
    void set_field(std::uint32_t FixedVersionInfo::*field, std::uint32_t value);
    Status refuse(std::u16string_view message);
    void modified();

    VersionInfo& version_;
    Workspace& workspace_;
    UndoHistory* history_;
    UndoListener undo_listener_;
};

}  // namespace tavorin
