#pragma once
// What the editors of manifests, HTML pages and raw data need from the program around them,
// handed in by the main window.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/text_writer.h"
#include "resources/rawdata/text_view.h"

namespace tavorin {

struct RawEditorServices {
    AnsiDecoder ansi_decode;
    AnsiEncoder ansi_encode;
    // A UI string by number.
    std::function<std::u16string(std::uint32_t id)> text;
    // A message to the user; `error` picks the icon.
    std::function<void(std::u16string_view message, bool error)> tell;
    // The file dialogs: a file to read, a file to write.
    std::function<std::optional<std::filesystem::path>()> choose_file_to_open;
    std::function<std::optional<std::filesystem::path>()> choose_file_to_save;
};

}  // namespace tavorin
