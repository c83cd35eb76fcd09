#include "ui/script_colouring.h"

#include <algorithm>
#include <array>

namespace tavorin {

namespace {

constexpr std::array<std::u16string_view, 51> keywords = {
    u"AUTO3STATE",   u"LANGUAGE",      u"BLOCK",          u"RCDATA",          u"ALT",
    u"VIRTKEY",      u"SHIFT",         u"VALUE",          u"STRINGTABLE",     u"BUTTON",
    u"SEPARATOR",    u"VERSIONINFO",   u"TOOLBAR",        u"CURSOR",          u"FILEVERSION",
    u"PRODUCTVERSION", u"FILEOS",      u"FILETYPE",       u"FILESUBTYPE",     u"FILEFLAGS",
    u"FILEFLAGSMASK", u"ACCELERATORS", u"DEFPUSHBUTTON",  u"PUSHBUTTON",      u"CTEXT",
    u"LTEXT",        u"RTEXT",         u"CONTROL",        u"GROUPBOX",        u"CHECKBOX",
    u"AUTOCHECKBOX", u"COMBOBOX",      u"LISTBOX",        u"EDITTEXT",        u"SCROLLBAR",
    u"RADIOBUTTON",  u"AUTORADIOBUTTON", u"POPUP",        u"MENUITEM",        u"BITMAP",
    u"ICON",         u"MENU",          u"MENUEX",         u"DIALOG",          u"DIALOGEX",
    u"FONT",         u"CAPTION",       u"STYLE",          u"EXSTYLE",         u"BEGIN",
    u"END",
};

// Longer runs of word characters are never tried as keywords.
constexpr std::size_t longest_keyword_attempt = 30;

constexpr std::string_view document_header =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue255;\\red42\\green0\\blue255;\\red63\\green127\\blue95;"
    "\\red127\\green0\\blue85;}\r\n"
    "\\viewkind4\\uc1\\pard\\tx852\\f0\\fs20\r\n";

constexpr std::string_view bold_keyword_colour = "\\b \\cf4 ";
constexpr std::string_view comment_colour = "\\cf3 ";
constexpr std::string_view literal_colour = "\\cf2 ";
constexpr std::string_view plain_after_bold = "\\b0 \\cf0 ";
constexpr std::string_view plain = "\\cf0 ";

bool is_letter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool is_word_char(char16_t c) { return is_letter(c) || c == u'_'; }

void write_escaped(std::string& out, char16_t c) {
    switch (c) {
        case u'\r': out += "\\par\r"; return;
        case u'{': out += "\\{"; return;
        case u'}': out += "\\}"; return;
        case u'\\': out += "\\\\"; return;
        default: break;
    }
    if (c > 0xFF) {
        out += "\\u";
        out += std::to_string(static_cast<unsigned>(c));
        out += '?';
    } else {
        out += static_cast<char>(c);
    }
}

class Colourer {
public:
    explicit Colourer(std::u16string_view text) : text_(text.substr(0, text.find(u'\0'))) {}

    std::string run() {
        out_ = document_header;
        if (colour_body()) out_ += '}';
        return std::move(out_);
    }

private:
    bool at_end() const { return pos_ >= text_.size(); }
    char16_t peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : u'\0';
    }
    void copy_one() { write_escaped(out_, text_[pos_++]); }

    // False when the text ended inside a block comment or a literal.
    bool colour_body() {
        bool in_word = false;
        while (!at_end()) {
            if (peek() == u'#') {
                copy_directive();
                if (at_end()) break;
            }
            if (!in_word && is_word_char(peek()) && copy_keyword()) continue;

            const char16_t c = peek();
            if (c == u'/' && peek(1) == u'/') {
                copy_line_comment();
                in_word = false;
            } else if (c == u'/' && peek(1) == u'*') {
                if (!copy_block_comment()) return false;
                in_word = false;
            } else if (c == u'"' || c == u'\'' || c == u'<') {
                if (!copy_literal()) return false;
                in_word = false;
            } else {
                copy_one();
                in_word = is_word_char(c);
            }
        }
        return true;
    }

    void copy_directive() {
        out_ += bold_keyword_colour;
        while (!at_end() && peek() != u' ' && peek() != u'\t' && peek() != u'\r' && peek() != u'\n') copy_one();
        out_ += plain_after_bold;
    }

    // A keyword is a whole run of letters and underscores, not followed by a digit: "ID2BUTTON"
    // colours BUTTON, "DIALOGEX1" and "MyDIALOG" colour nothing.
    bool copy_keyword() {
        std::size_t end = pos_;
        while (end < text_.size() && is_word_char(text_[end])) ++end;
        if (end - pos_ > longest_keyword_attempt) return false;
        if (end < text_.size() && is_digit(text_[end])) return false;
        const std::u16string_view word = text_.substr(pos_, end - pos_);
        if (!is_coloured_keyword(word)) return false;
        out_ += bold_keyword_colour;
        for (const char16_t c : word) out_ += static_cast<char>(c);
        out_ += plain_after_bold;
        pos_ = end;
        return true;
    }

    void copy_line_comment() {
        out_ += comment_colour;
        while (!at_end() && peek() != u'\r' && peek() != u'\n') copy_one();
        out_ += plain_after_bold;
    }

    bool copy_block_comment() {
        out_ += comment_colour;
        copy_one();
        copy_one();
        for (;;) {
            if (at_end()) return false;
            if (peek() == u'*' && peek(1) == u'/') break;
            copy_one();
        }
        copy_one();
        copy_one();
        out_ += plain_after_bold;
        return true;
    }

    // Backslashes inside a literal escape nothing; a line end closes it like its closing mark.
    bool copy_literal() {
        const char16_t closing = peek() == u'<' ? u'>' : peek();
        out_ += literal_colour;
        copy_one();
        for (;;) {
            if (at_end()) return false;
            const char16_t c = peek();
            copy_one();
            if (c == closing || c == u'\r' || c == u'\n') break;
        }
        out_ += plain;
        return true;
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
    std::string out_;
};

}  // namespace

bool is_coloured_keyword(std::u16string_view word) {
    return std::find(keywords.begin(), keywords.end(), word) != keywords.end();
}

std::string colour_script(std::u16string_view text) { return Colourer(text).run(); }

}  // namespace tavorin
