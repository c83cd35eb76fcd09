#include "resources/accelerator/accelerator_key.h"

#include "base/text.h"

namespace tavorin {

AcceleratorKey AcceleratorKey::virtual_code(std::uint16_t code, const VirtualKeyNames& names) {
    if (const auto name = names.name_of(code)) return named(std::u16string(*name), code);
    return number(code);
}

std::u16string key_text(const AcceleratorKey& key) {
    switch (key.form) {
        case AcceleratorKeyForm::character:
        case AcceleratorKeyForm::letter: return std::u16string(1, static_cast<char16_t>(key.code));
        case AcceleratorKeyForm::named: return key.name;
        case AcceleratorKeyForm::number: break;
    }
    return decimal(key.code);
}

}  // namespace tavorin
