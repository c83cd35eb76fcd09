#pragma once
// The key of an accelerator. An ASCII entry's key is a character; a virtual key is written in
// one of three forms: a name of the virtual-key table (VK_F1), a single upper-case letter
// (quoted in scripts, its code the letter's), or a decimal number for codes without a name.

#include <cstdint>
#include <string>

#include "resources/accelerator/virtual_key_names.h"

namespace tavorin {

enum class AcceleratorKeyForm { character, named, letter, number };

struct AcceleratorKey {
    AcceleratorKeyForm form = AcceleratorKeyForm::character;
    // The character code, or the virtual-key code.
    std::uint16_t code = 0;
    // The virtual-key name (named form only).
    std::u16string name;

    static AcceleratorKey character(std::uint16_t code) { return {AcceleratorKeyForm::character, code, {}}; }
    static AcceleratorKey letter(char16_t upper_case_letter) {
        return {AcceleratorKeyForm::letter, upper_case_letter, {}};
    }
    static AcceleratorKey number(std::uint16_t code) { return {AcceleratorKeyForm::number, code, {}}; }
    static AcceleratorKey named(std::u16string name, std::uint16_t code) {
        return {AcceleratorKeyForm::named, code, std::move(name)};
    }
    // A virtual-key code by its first name in the table, or as a number when it has none.
    static AcceleratorKey virtual_code(std::uint16_t code, const VirtualKeyNames& names);

    bool is_virtual() const { return form != AcceleratorKeyForm::character; }

    friend bool operator==(const AcceleratorKey&, const AcceleratorKey&) = default;
};

// What the Key column shows: the character, the key name, the letter or the number.
std::u16string key_text(const AcceleratorKey& key);

}  // namespace tavorin
