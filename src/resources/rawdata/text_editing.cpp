#include "resources/rawdata/text_editing.h"

#include <tinyxml2.h>

#include <algorithm>

#include "base/text.h"

namespace tavorin {

namespace {

bool is_line_break(char16_t c) { return c == u'\r' || c == u'\n'; }

std::u16string xml_error_text(tinyxml2::XMLError error) {
    using tinyxml2::XMLError;
    switch (error) {
        case XMLError::XML_ERROR_MISMATCHED_ELEMENT: return u"The element opened on this line is closed by a different end tag.";
        case XMLError::XML_ERROR_PARSING_ELEMENT: return u"An element is malformed or not closed.";
        case XMLError::XML_ERROR_PARSING_ATTRIBUTE: return u"An attribute is malformed.";
        case XMLError::XML_ERROR_PARSING_TEXT: return u"Text outside any element, or a bad character.";
        case XMLError::XML_ERROR_PARSING_CDATA: return u"A CDATA section is not closed.";
        case XMLError::XML_ERROR_PARSING_COMMENT: return u"A comment is not closed.";
        case XMLError::XML_ERROR_PARSING_DECLARATION: return u"The XML declaration is malformed.";
        case XMLError::XML_ERROR_PARSING_UNKNOWN: return u"Unknown markup.";
        case XMLError::XML_ERROR_EMPTY_DOCUMENT: return u"The document has no element.";
        default: return ascii_to_text(tinyxml2::XMLDocument::ErrorIDToName(error));
    }
}

}  // namespace

TextEdit text_difference(std::u16string_view before, std::u16string_view after, std::size_t caret_after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    // Among the places that give the same result, the one that ends at the caret.
    const std::size_t grown = after.size() > before.size() ? after.size() - before.size() : 0;
    if (caret_after >= grown) prefix = std::min(prefix, caret_after - grown);
    std::size_t suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
    TextEdit edit;
    edit.position = prefix;
    edit.removed = std::u16string(before.substr(prefix, before.size() - prefix - suffix));
    edit.inserted = std::u16string(after.substr(prefix, after.size() - prefix - suffix));
    return edit;
}

bool extend_typing(TextEdit& group, const TextEdit& next) {
    const bool typed_character = next.removed.empty() && next.inserted.size() == 1 && !is_line_break(next.inserted[0]);
    if (typed_character && !group.inserted.empty() && !is_line_break(group.inserted.back()) &&
        next.position == group.position + group.inserted.size()) {
        group.inserted += next.inserted;
        return true;
    }
    const bool one_removed = next.inserted.empty() && next.removed.size() == 1;
    if (!one_removed || !group.inserted.empty() || group.removed.empty()) return false;
    if (next.position + 1 == group.position) {  // Backspace
        group.position = next.position;
        group.removed.insert(0, next.removed);
        return true;
    }
    if (next.position == group.position) {  // Delete
        group.removed += next.removed;
        return true;
    }
    return false;
}

void TextEditAction::redo() {
    replace_(edit_.position, edit_.removed.size(), edit_.inserted, edit_.position + edit_.inserted.size());
    closed_ = true;
}

void TextEditAction::undo() {
    replace_(edit_.position, edit_.inserted.size(), edit_.removed, edit_.position + edit_.removed.size());
    closed_ = true;
}

bool TextEditAction::extend(const TextEdit& next) { return !closed_ && extend_typing(edit_, next); }

std::u16string crlf_line_breaks(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r')) shown.push_back(u'\r');
        shown.push_back(text[i]);
    }
    return shown;
}

TextViewContent shown_text_of(std::span<const std::uint8_t> bytes, const AnsiDecoder& ansi) {
    TextViewContent content = text_view_of(bytes, ansi);
    content.text = crlf_line_breaks(content.text);
    return content;
}

std::vector<std::uint8_t> edit_stored_text(std::span<const std::uint8_t> bytes, std::size_t position,
                                           std::size_t length, std::u16string_view with, const AnsiDecoder& decode,
                                           const AnsiEncoder& encode) {
    TextViewContent content = shown_text_of(bytes, decode);
    position = std::min(position, content.text.size());
    content.text.replace(position, std::min(length, content.text.size() - position), with);
    return store_text_view(content.text, content.charset, encode);
}

std::optional<XmlProblem> check_xml(std::u16string_view text) {
    const std::string utf8 = text_to_utf8(text);
    tinyxml2::XMLDocument document;
    const tinyxml2::XMLError error = document.Parse(utf8.data(), utf8.size());
    if (error == tinyxml2::XML_SUCCESS) return std::nullopt;
    return XmlProblem{std::max(1, document.ErrorLineNum()), xml_error_text(error)};
}

}  // namespace tavorin
