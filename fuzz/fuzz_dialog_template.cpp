// Fuzz target for the dialog template reader (RT_DIALOG data of .res files and PE modules).
// Whatever decodes is encoded again and read back, so the writer sees every dialog the reader
// accepts: a control count, rectangles, classes, captions and fonts of any shape.

#include <cstddef>
#include <cstdint>
#include <span>

#include "app/session.h"
#include "dialog/dialog.h"
#include "dialog/dialog_template.h"
#include "platform/scripted_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavorin::ScriptedPlatform platform;
    tavorin::Session session(platform);
    const auto dialog = tavorin::decode_dialog_template(std::span<const std::uint8_t>(data, size), session.workspace());
    if (!dialog) return 0;

    tavorin::BinaryBuffer encoded;
    tavorin::encode_dialog_template(**dialog, encoded);
    const auto again = tavorin::decode_dialog_template(encoded.bytes(), session.workspace());
    if (!again || (*again)->controls().size() != (*dialog)->controls().size()) __builtin_trap();

    tavorin::TextWriter script;
    (*again)->write_script_text(script, session.workspace());
    return 0;
}
