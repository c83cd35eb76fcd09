#pragma once
// The update check's Win32 side: downloads over HTTPS with WinHTTP (the server's certificate
// checked by the system, no plain HTTP, no redirection to it) and the check's own thread.

#include "platform/win32/windows_api.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/update_flow.h"
#include "app/win32/app_context.h"

namespace tavorin {

// The bytes at an https address, or nothing when it cannot be fetched, the server does not
// answer 200, or it sends more than `limit` bytes.
std::optional<std::vector<std::uint8_t>> download_https(const std::u16string& url, std::size_t limit);

class UpdateService {
public:
    explicit UpdateService(App& app) : app_(app) {}
    ~UpdateService();
    UpdateService(const UpdateService&) = delete;
    UpdateService& operator=(const UpdateService&) = delete;

    // Starts a check on its own thread unless one is running; when the user wants to restart
    // after an update, the Quit command is posted to `main_window`.
    void start(HWND main_window, bool manual);
    bool running() const { return running_; }

    // Replaces the download, for tests.
    Download download = download_https;

private:
    App& app_;
    std::thread worker_;
    std::atomic<bool> running_{false};
    std::atomic<bool> installed_{false};
};

}  // namespace tavorin
