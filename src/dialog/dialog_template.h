#pragma once
// The binary dialog template of compiled resource files and PE modules (RT_DIALOG), DIALOG and
// DIALOGEX, written and read.

#include <cstdint>
#include <memory>
#include <span>

#include "base/binary_buffer.h"
#include "base/result.h"

namespace tavorin {

class Dialog;
class Workspace;

struct TemplateContent {
    // Without controls the template announces none (the designer's test run creates them
    // itself); without menu it names none.
    bool controls = true;
    bool menu = true;
};

void encode_dialog_template(const Dialog& dialog, BinaryBuffer& out, TemplateContent content = {});

// A new dialog (not named, not in the project) from template bytes; its controls register their
// identifiers (the decimal text of each value) with the workspace's symbol table. Controls whose
// class and style give no kind are left out. Data that ends early is refused with a message
// naming the offset.
Result<std::unique_ptr<Dialog>> decode_dialog_template(std::span<const std::uint8_t> data, Workspace& workspace);

}  // namespace tavorin
