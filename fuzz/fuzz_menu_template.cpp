// The menu template decoder over arbitrary data. Whatever decodes is encoded again: decoding that
// encoding and encoding once more must give the same bytes, and both script forms are written.

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/session.h"
#include "base/text_writer.h"
#include "platform/scripted_platform.h"
#include "resources/menu/live_menu.h"
#include "resources/menu/menu_template.h"

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

std::vector<std::uint8_t> encode(const tavorin::Menu& menu) {
    tavorin::BinaryBuffer out;
    check(menu.serialize(out).ok());
    return out.take();
}

void visit(const tavorin::Menu& menu, const tavorin::MenuItems& items) {
    for (const tavorin::MenuItem& item : items) {
        (void)tavorin::live_menu_entry(item, static_cast<std::uint32_t>(menu.value_of(item)));
        visit(menu, item.submenu);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavorin;
    ScriptedPlatform platform;
    Session session(platform);

    auto menu = decode_menu_template(std::span(data, size), session.symbols());
    if (!menu) return 0;
    Menu& first = **menu;
    first.identity().name = u"IDR_MENU1";
    visit(first, first.items());
    const bool extended_form = first.extended();
    for (const bool extended : {false, true}) {
        first.set_extended(extended);
        TextWriter out;
        first.write_script_text(out, session.workspace());
    }
    first.set_extended(extended_form);

    const std::vector<std::uint8_t> encoded = encode(first);
    auto again = decode_menu_template(encoded, session.symbols());
    check(again.ok());
    check(encode(**again) == encoded);
    return 0;
}
