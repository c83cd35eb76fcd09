#pragma once
// Writing the program's text files (scripts, ".dlg" files, headers, C code): the configured
// encoding and byte-order mark, a temporary file renamed over the target only when complete, and
// the file error box when the file cannot be written.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/text_writer.h"

namespace tavorin {

class Workspace;

// The text in the configured encoding, with the byte-order mark when `insertBom` asks for one.
std::vector<std::uint8_t> encode_for_output(std::u16string_view text, Workspace& workspace);
std::vector<std::uint8_t> encode_for_output(std::u16string_view text, Workspace& workspace, TextEncoding encoding);

// Whether the ANSI code page holds every character of the text: converted there and back it is
// unchanged. The conversion alone silently puts question marks (or look-alikes) in their place.
bool fits_ansi(std::u16string_view text, Workspace& workspace);

// Writes the bytes; while that fails, the file error box (the path, a line break and the reason;
// Retry and Cancel) lets the user try again. False after Cancel, with the previous file intact.
// Without a user to ask (the conversion mode) the failure is logged instead.
bool write_output_file(Workspace& workspace, const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

bool write_text_file(Workspace& workspace, const std::filesystem::path& path, std::u16string_view text);
bool write_text_file(Workspace& workspace, const std::filesystem::path& path, std::u16string_view text,
                     TextEncoding encoding);

}  // namespace tavorin
