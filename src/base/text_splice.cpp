#include "base/text_splice.h"

#include <algorithm>
#include <optional>

#include "base/text.h"

namespace tavorin {

namespace {

std::size_t byte_order_mark_size(const StoredText& stored) {
    const auto& b = stored.bytes;
    if (stored.encoding == DetectedEncoding::utf16le && b.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) return 2;
    if (stored.encoding == DetectedEncoding::utf8 && b.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        return 3;
    }
    return 0;
}

TextEncoding encoding_of(DetectedEncoding detected) {
    switch (detected) {
        case DetectedEncoding::utf16le: return TextEncoding::utf16le;
        case DetectedEncoding::utf8: return TextEncoding::utf8;
        case DetectedEncoding::ansi: break;
    }
    return TextEncoding::ansi;
}

// The byte offset of every text offset (one more than the text's length), or nothing when the
// text encoded again is not the bytes it came from.
std::optional<std::vector<std::size_t>> byte_offsets(const StoredText& stored, const AnsiEncoder& ansi) {
    const std::size_t start = byte_order_mark_size(stored);
    const std::u16string& text = stored.text;
    std::vector<std::size_t> offsets(text.size() + 1);
    std::size_t at = start;
    for (std::size_t i = 0; i < text.size(); ++i) {
        offsets[i] = at;
        const char16_t c = text[i];
        switch (stored.encoding) {
            case DetectedEncoding::utf16le: at += 2; break;
            case DetectedEncoding::utf8:
                if (c < 0x80) at += 1;
                else if (c < 0x800) at += 2;
                else if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) at += 4, offsets[++i] = at;
                else at += 3;
                break;
            case DetectedEncoding::ansi: at += c < 0x80 ? 1 : ansi(std::u16string_view(&text[i], 1)).size(); break;
        }
    }
    offsets[text.size()] = at;
    if (at != stored.bytes.size()) return std::nullopt;
    // The offsets are right only when the text is what the bytes say.
    const auto encoded = encode_text(text, encoding_of(stored.encoding), false, ansi);
    if (!std::equal(encoded.begin(), encoded.end(), stored.bytes.begin() + static_cast<std::ptrdiff_t>(start),
                    stored.bytes.end())) {
        return std::nullopt;
    }
    return offsets;
}

}  // namespace

bool edit_order(const TextEdit& a, const TextEdit& b) {
    // At one offset an insertion goes before the text that is replaced there.
    if (a.begin != b.begin) return a.begin < b.begin;
    return a.end == a.begin && b.end > b.begin;
}

StoredText decode_stored_text(std::vector<std::uint8_t> bytes, const AnsiDecoder& ansi) {
    StoredText stored;
    DecodedText decoded = decode_text(bytes, ansi);
    stored.text = std::move(decoded.text);
    stored.encoding = decoded.encoding;
    stored.bytes = std::move(bytes);
    stored.crlf = stored.text.find(u"\r\n") != std::u16string::npos;
    return stored;
}

Result<std::vector<std::uint8_t>> splice_stored_text(const StoredText& stored, std::vector<TextEdit> edits,
                                                     const AnsiDecoder& ansi_decoder, const AnsiEncoder& ansi_encoder) {
    const auto offsets = byte_offsets(stored, ansi_encoder);
    if (!offsets) return Error{u"The file's bytes are not valid in its encoding, so it cannot be edited in place."};
    std::stable_sort(edits.begin(), edits.end(), edit_order);
    // The byte-order mark, then the text with its edits.
    std::vector<std::uint8_t> out(stored.bytes.begin(), stored.bytes.begin() + static_cast<std::ptrdiff_t>((*offsets)[0]));
    out.reserve(stored.bytes.size() + 1024);
    std::size_t copied = 0;  // text offset up to which the bytes are in `out`
    const TextEncoding encoding = encoding_of(stored.encoding);
    for (const TextEdit& edit : edits) {
        if (edit.begin < copied || edit.end < edit.begin || edit.end > stored.text.size()) {
            return Error{u"Two changes overlap in the file."};
        }
        out.insert(out.end(), stored.bytes.begin() + static_cast<std::ptrdiff_t>((*offsets)[copied]),
                   stored.bytes.begin() + static_cast<std::ptrdiff_t>((*offsets)[edit.begin]));
        std::u16string text;
        text.reserve(edit.text.size() + edit.text.size() / 16);
        for (char16_t c : edit.text) {
            if (c == u'\r') continue;
            if (c == u'\n' && stored.crlf) text.push_back(u'\r');
            text.push_back(c);
        }
        if (encoding == TextEncoding::ansi && ansi_decoder(ansi_encoder(text)) != text) {
            return Error{u"The file's code page has no place for some characters of the new text."};
        }
        const auto bytes = encode_text(text, encoding, false, ansi_encoder);
        out.insert(out.end(), bytes.begin(), bytes.end());
        copied = edit.end;
    }
    out.insert(out.end(), stored.bytes.begin() + static_cast<std::ptrdiff_t>((*offsets)[copied]), stored.bytes.end());
    return out;
}

}  // namespace tavorin
