#include "checks/shortcut_text.h"

#include <array>
#include <string>

#include "base/text.h"
#include "resources/accelerator/accelerator_table.h"

namespace tavorin {

namespace {

struct KeyName {
    std::u16string_view name;
    std::uint16_t code;
};

// Key names as menus write them, in English and in the languages that name keys their own way.
constexpr std::array key_names{
    KeyName{u"del", 0x2E},       KeyName{u"delete", 0x2E},   KeyName{u"entf", 0x2E},      KeyName{u"suppr", 0x2E},
    KeyName{u"supr", 0x2E},      KeyName{u"canc", 0x2E},     KeyName{u"ins", 0x2D},       KeyName{u"insert", 0x2D},
    KeyName{u"einfg", 0x2D},     KeyName{u"inser", 0x2D},    KeyName{u"home", 0x24},      KeyName{u"pos1", 0x24},
    KeyName{u"end", 0x23},       KeyName{u"ende", 0x23},     KeyName{u"fin", 0x23},       KeyName{u"pgup", 0x21},
    KeyName{u"page up", 0x21},   KeyName{u"pageup", 0x21},   KeyName{u"bild auf", 0x21},  KeyName{u"pgdn", 0x22},
    KeyName{u"page down", 0x22}, KeyName{u"pagedown", 0x22}, KeyName{u"bild ab", 0x22},   KeyName{u"tab", 0x09},
    KeyName{u"enter", 0x0D},     KeyName{u"return", 0x0D},   KeyName{u"eingabe", 0x0D},   KeyName{u"entrée", 0x0D},
    KeyName{u"esc", 0x1B},       KeyName{u"escape", 0x1B},   KeyName{u"space", 0x20},     KeyName{u"leertaste", 0x20},
    KeyName{u"backspace", 0x08}, KeyName{u"bksp", 0x08},     KeyName{u"rücktaste", 0x08}, KeyName{u"left", 0x25},
    KeyName{u"up", 0x26},        KeyName{u"right", 0x27},    KeyName{u"down", 0x28},      KeyName{u"pause", 0x13},
    KeyName{u"break", 0x03},
};

constexpr std::array control_names{u"ctrl", u"control", u"strg", u"ctl"};
constexpr std::array shift_names{u"shift", u"umschalt", u"maj", u"maiusc", u"mayús", u"umsch"};
constexpr std::array alt_names{u"alt"};

template <std::size_t N>
bool is_one_of(std::u16string_view word, const std::array<const char16_t*, N>& names) {
    for (const char16_t* name : names) {
        if (word == name) return true;
    }
    return false;
}

std::u16string lower(std::u16string_view text) {
    std::u16string result(text);
    for (char16_t& c : result) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        // The Latin-1 capitals with accents fold as ASCII letters do.
        else if (c >= 0xC0 && c <= 0xDE && c != 0xD7) c = static_cast<char16_t>(c + 0x20);
    }
    return result;
}

std::u16string_view trimmed(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

std::optional<std::uint16_t> key_code(std::u16string_view word) {
    if (word.size() == 1) {
        const char16_t c = word[0];
        if (c >= u'a' && c <= u'z') return static_cast<std::uint16_t>(c - u'a' + u'A');
        if (c >= u'0' && c <= u'9') return static_cast<std::uint16_t>(c);
        return std::nullopt;
    }
    if (word.size() <= 3 && word[0] == u'f') {
        int number = 0;
        for (std::size_t i = 1; i < word.size(); ++i) {
            if (word[i] < u'0' || word[i] > u'9') return std::nullopt;
            number = number * 10 + (word[i] - u'0');
        }
        if (number >= 1 && number <= 24) return static_cast<std::uint16_t>(0x70 + number - 1);
        return std::nullopt;
    }
    for (const KeyName& name : key_names) {
        if (word == name.name) return name.code;
    }
    return std::nullopt;
}

}  // namespace

std::optional<KeyChord> parse_shortcut(std::u16string_view text) {
    const std::u16string folded = lower(trimmed(text));
    std::u16string_view rest = folded;
    if (rest.empty()) return std::nullopt;
    KeyChord chord;
    while (true) {
        const std::size_t plus = rest.find(u'+');
        // A last part that is empty is the plus key itself ("Ctrl++"), which is not checked.
        if (plus == std::u16string_view::npos) break;
        const std::u16string_view word = trimmed(rest.substr(0, plus));
        if (is_one_of(word, control_names)) {
            chord.control = true;
        } else if (is_one_of(word, shift_names)) {
            chord.shift = true;
        } else if (is_one_of(word, alt_names)) {
            chord.alt = true;
        } else {
            return std::nullopt;
        }
        rest.remove_prefix(plus + 1);
    }
    const auto key = key_code(trimmed(rest));
    if (!key) return std::nullopt;
    chord.key = *key;
    return chord;
}

KeyChord chord_of(const AcceleratorEntry& entry) {
    KeyChord chord{entry.key.code, entry.control, entry.shift, entry.alt};
    if (entry.key.is_virtual()) return chord;
    const std::uint16_t c = entry.key.code;
    const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (entry.control && letter) {
        // "^O": the control character, whichever case the letter is written in.
        chord.key = static_cast<std::uint16_t>(c >= u'a' ? c - u'a' + u'A' : c);
        chord.shift = false;
    } else if (c >= 1 && c <= 26) {
        chord.key = static_cast<std::uint16_t>(c + u'A' - 1);
        chord.control = true;
    } else if (c >= u'a' && c <= u'z') {
        chord.key = static_cast<std::uint16_t>(c - u'a' + u'A');
    } else if (c >= u'A' && c <= u'Z') {
        chord.shift = true;
    }
    return chord;
}

}  // namespace tavorin
