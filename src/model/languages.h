#pragma once
// Language ids and their names: the `LANG_`/`SUBLANG_` macro names read from headers (for the
// LANGUAGE statement the script writer emits) and the display names of the user interface.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavorin {

class Platform;
class UiStrings;

// A language id is (sublanguage shl 10) or primary language.
constexpr std::uint16_t primary_language(std::uint16_t id) { return id & 0x3FF; }
constexpr std::uint16_t sub_language(std::uint16_t id) { return id >> 10; }
constexpr std::uint16_t make_language_id(std::uint16_t primary, std::uint16_t sub) {
    return static_cast<std::uint16_t>((sub << 10) | (primary & 0x3FF));
}

// The `LANG_` and `SUBLANG_` names defined by the headers read so far. They grow with every
// header and live as long as the process.
class LanguageMacros {
public:
    // Takes a macro definition the preprocessor met; names not starting with "LANG_" or
    // "SUBLANG_" are ignored. The first `LANG_` name of a value is kept; `SUBLANG_` names keep
    // their reading order.
    void note_definition(std::u16string_view name, std::int64_t value);

    // The text of the LANGUAGE statement for a language id, e.g. "LANGUAGE LANG_ENGLISH,
    // SUBLANG_ENGLISH_US", or "LANGUAGE 9, SUBLANG_DEFAULT" when no names are known.
    std::u16string statement_text(std::uint16_t language_id) const;

    std::u16string primary_name(std::uint16_t language_id) const;
    std::u16string sub_name(std::uint16_t language_id) const;

private:
    std::map<std::int64_t, std::u16string> primary_names_;
    std::vector<std::pair<std::int64_t, std::u16string>> sub_names_;
};

// The display names of the language ids the system knows, built once at start-up for the tree
// labels and the language lists of the user interface. The neutral ids 0, 0x400 and 0x800 carry
// the (translated) word "Neutral".
class LanguageList {
public:
    struct Entry {
        std::uint16_t id = 0;
        std::u16string name;
    };

    void build(Platform& platform, std::u16string_view neutral_name);
    bool built() const { return built_; }

    // Nothing for an id the system has no name for.
    const std::u16string* name_of(std::uint16_t id) const;
    // The name, or "?" for an id without one. A primary language with sublanguage 0 (how many
    // modules mark their translations) is labelled with the primary language's name: "Arabic"
    // from "Arabic (Saudi Arabia)", so that the translations of one resource can be told apart.
    std::u16string label_of(std::uint16_t id) const;
    // Every named id, ascending.
    std::vector<Entry> entries() const;

private:
    std::map<std::uint16_t, std::u16string> names_;
    bool built_ = false;
};

// The list, built on first use: after start-up has installed the language file, whose word for
// "Neutral" the neutral ids carry.
LanguageList& ensure_language_names(LanguageList& list, Platform& platform, const UiStrings& strings);

}  // namespace tavorin
