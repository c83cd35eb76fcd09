#pragma once
// The update check from the first download to the restart question, with the download itself
// handed in (the GUI's is WinHTTP over HTTPS; tests serve bytes from memory). It runs on the
// check's own thread; it asks through the session's prompts, which the platform shows owned by the
// main window.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/session.h"

namespace tavorin {

// The bytes at the address, or nothing when it cannot be fetched or holds more than `limit`.
using Download = std::function<std::optional<std::vector<std::uint8_t>>(const std::u16string& url, std::size_t limit)>;

enum class UpdateOutcome {
    failed,            // reported to the user when the check was asked for
    up_to_date,
    declined,          // a newer version exists; the user did not want it
    installed,         // installed; the user restarts later
    restart_now,       // installed (now or earlier in this run) and the user wants to restart now
};

struct UpdateCheckRequest {
    bool manual = false;               // asked for from the menu: every outcome is reported
    bool installed_earlier = false;    // an update was already installed in this run
    std::filesystem::path program_folder;
    std::u16string server;  // the configured update server, taken when the check starts
};

// `strings` is the check's own copy of the UI strings: the user may switch the interface language
// on the other thread meanwhile.
UpdateOutcome run_update_check(Session& session, const UiStrings& strings, const UpdateCheckRequest& request,
                               const Download& download);

}  // namespace tavorin
