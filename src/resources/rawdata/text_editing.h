#pragma once
// Editing the text of a manifest or HTML page: a change as a replaced range, how consecutive
// typing gathers into one undo entry, the undo action, and the XML check of a manifest.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "model/undo_action.h"
#include "resources/rawdata/text_view.h"

namespace tavorin {

// At `position`, `removed` was replaced by `inserted`.
struct TextEdit {
    std::size_t position = 0;
    std::u16string removed;
    std::u16string inserted;
    bool operator==(const TextEdit&) const = default;
};

// The change that turns `before` into `after`, given the caret after it (an edit control says
// where the caret is, which settles where a character was typed into a run of equal ones).
TextEdit text_difference(std::u16string_view before, std::u16string_view after, std::size_t caret_after);

// Typing gathers: characters typed one after the other (a line break starts a new entry),
// Backspaces one before the other and Deletes at one place each make one entry. True when
// `next` was taken into `group`.
bool extend_typing(TextEdit& group, const TextEdit& next);

// Applies a text change in the editor: replace `length` characters at `position` with `text`,
// then put the caret at `caret`.
using TextReplacer = std::function<void(std::size_t position, std::size_t length, const std::u16string& text,
                                        std::size_t caret)>;

class TextEditAction : public Action {
public:
    TextEditAction(std::u16string name, const void* owner, TextReplacer replace, TextEdit edit)
        : name_(std::move(name)), owner_(owner), replace_(std::move(replace)), edit_(std::move(edit)) {}

    std::u16string name() const override { return name_; }
    void redo() override;
    void undo() override;

    // The editor whose text this is: typing only extends its own last entry.
    const void* owner() const { return owner_; }
    // False when the entry is closed (the caret moved away) or `next` does not continue it.
    bool extend(const TextEdit& next);
    void close() { closed_ = true; }

private:
    std::u16string name_;
    const void* owner_;
    TextReplacer replace_;
    TextEdit edit_;
    bool closed_ = false;
};

// The text an edit box shows: line feeds without a carriage return become CR LF (an edit box
// breaks lines only there).
std::u16string crlf_line_breaks(std::u16string_view text);
// The text of stored bytes as the editor shows it, with the charset they are stored in.
TextViewContent shown_text_of(std::span<const std::uint8_t> bytes, const AnsiDecoder& ansi);
// The stored bytes with one change of their shown text applied, kept in their charset.
std::vector<std::uint8_t> edit_stored_text(std::span<const std::uint8_t> bytes, std::size_t position,
                                           std::size_t length, std::u16string_view with, const AnsiDecoder& decode,
                                           const AnsiEncoder& encode);

// Where the XML of a manifest is malformed: the line (from 1) and what is wrong.
struct XmlProblem {
    int line = 0;
    std::u16string message;
};
std::optional<XmlProblem> check_xml(std::u16string_view text);

}  // namespace tavorin
