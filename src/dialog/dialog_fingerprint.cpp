#include "dialog/dialog_fingerprint.h"

#include "base/fingerprint.h"
#include "dialog/control.h"
#include "dialog/dialog.h"

namespace tavorin {
namespace {

std::uint64_t as_bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

}  // namespace

std::uint64_t dialog_header_fingerprint(const Dialog& dialog) {
    const DialogRect rect = dialog.rect();
    const DialogFont& font = dialog.font();
    Fingerprint fold;
    fold.add(dialog.name_text()).add(dialog.extended() ? 1u : 0u);
    fold.add(as_bits(rect.x)).add(as_bits(rect.y)).add(as_bits(rect.width)).add(as_bits(rect.height));
    fold.add(dialog.style()).add(dialog.extended_style()).add(dialog.caption()).add(dialog.menu()).add(dialog.class_name());
    fold.add(font.point_size).add(font.face).add(font.weight).add(font.italic).add(font.character_set);
    return fold.value();
}

std::uint64_t control_fingerprint(const Control& control) {
    const DialogRect& rect = control.rect();
    Fingerprint fold;
    fold.add(static_cast<std::uint64_t>(control.kind())).add(control.text());
    fold.add(control.text_ordinal() ? 0x10000u + *control.text_ordinal() : 0u);
    fold.add(control.identifier()).add(as_bits(control.identifier_value()));
    fold.add(as_bits(rect.x)).add(as_bits(rect.y)).add(as_bits(rect.width)).add(as_bits(rect.height));
    fold.add(control.style()).add(control.extended_style()).add(control.help_id());
    fold.add(control.named_class()).add(control.window_class());
    fold.add(control.creation_data().size());
    for (const std::uint8_t b : control.creation_data()) fold.add(b);
    return fold.value();
}

}  // namespace tavorin
