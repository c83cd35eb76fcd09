#pragma once
// Edits of a decoded text made on the bytes it was decoded from: the bytes outside the edits stay
// exactly as they were (encoding, byte-order mark, line ends), and each edit's text is encoded
// the way the file is.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "base/text_file.h"
#include "base/text_writer.h"

namespace tavorin {

struct TextEdit {
    std::size_t begin = 0;  // offsets into the decoded text
    std::size_t end = 0;
    std::u16string text;    // with line feeds; each becomes the file's own line end
};

struct StoredText {
    std::vector<std::uint8_t> bytes;
    std::u16string text;
    DetectedEncoding encoding = DetectedEncoding::utf8;
    // The file ends its lines with CR LF.
    bool crlf = false;
};

// The order edits are made in: by offset, an insertion before a replacement at the same offset.
bool edit_order(const TextEdit& a, const TextEdit& b);

StoredText decode_stored_text(std::vector<std::uint8_t> bytes, const AnsiDecoder& ansi);

// The new bytes. Edits must not overlap; those at one offset are made in their order. Fails
// when the file's bytes cannot be placed under its text (not what its encoding says) or an
// edit's text has characters the file's ANSI code page lacks.
Result<std::vector<std::uint8_t>> splice_stored_text(const StoredText& stored, std::vector<TextEdit> edits,
                                                     const AnsiDecoder& ansi_decoder, const AnsiEncoder& ansi_encoder);

}  // namespace tavorin
