#include "formats/text_file_output.h"

#include "app/session.h"
#include "base/file_io.h"
#include "formats/read_only_target.h"

namespace tavorin {

std::vector<std::uint8_t> encode_for_output(std::u16string_view text, Session& session) {
    return encode_for_output(text, session, session.config().encoding);
}

std::vector<std::uint8_t> encode_for_output(std::u16string_view text, Session& session, TextEncoding encoding) {
    Platform& platform = session.platform();
    return encode_text(text, encoding, session.config().insert_bom,
                       [&platform](std::u16string_view part) { return platform.text_to_ansi(part); });
}

bool fits_ansi(std::u16string_view text, Session& session) {
    Platform& platform = session.platform();
    return platform.ansi_to_text(platform.text_to_ansi(text)) == text;
}

bool write_output_file(Session& session, const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    const auto permission = read_only_permission(session, path);
    if (!permission) {
        session.log().error(permission.error());
        return false;
    }
    for (;;) {
        const Status written = write_file_atomically(path, bytes, *permission);
        if (written) return true;
        if (!session.interactive()) {
            session.log().error(written.error());
            return false;
        }
        if (session.ask(written.error(), AskButtons::retry_cancel, AskIcon::error) != Answer::retry) return false;
    }
}

bool write_text_file(Session& session, const std::filesystem::path& path, std::u16string_view text) {
    return write_output_file(session, path, encode_for_output(text, session));
}

bool write_text_file(Session& session, const std::filesystem::path& path, std::u16string_view text,
                     TextEncoding encoding) {
    return write_output_file(session, path, encode_for_output(text, session, encoding));
}

}  // namespace tavorin
