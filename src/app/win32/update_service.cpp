#include "app/win32/update_service.h"

#include <winhttp.h>

#include "app/command_ids.h"
#include "platform/win32/wide_text.h"

namespace tavorin {

namespace {

struct InternetHandle {
    HINTERNET handle = nullptr;
    explicit InternetHandle(HINTERNET h) : handle(h) {}
    ~InternetHandle() {
        if (handle != nullptr) WinHttpCloseHandle(handle);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> download_https(const std::u16string& url, std::size_t limit) {
    std::wstring address = wide(url);
    wchar_t host[256] = {};
    wchar_t path[2048] = {};
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = static_cast<DWORD>(std::size(host));
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = static_cast<DWORD>(std::size(path));
    if (!WinHttpCrackUrl(address.c_str(), 0, 0, &parts) || parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;

    InternetHandle session(WinHttpOpen(L"Tavorin", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, 0));
    if (session.handle == nullptr) return std::nullopt;
    WinHttpSetTimeouts(session.handle, 10000, 10000, 30000, 30000);
    InternetHandle connection(WinHttpConnect(session.handle, host, parts.nPort, 0));
    if (connection.handle == nullptr) return std::nullopt;
    InternetHandle request(WinHttpOpenRequest(connection.handle, L"GET", path, nullptr, WINHTTP_NO_REFERER,
                                              WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE));
    if (request.handle == nullptr) return std::nullopt;
    // A redirection may only lead to another https address.
    DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP;
    WinHttpSetOption(request.handle, WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
    if (!WinHttpSendRequest(request.handle, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.handle, nullptr)) {
        return std::nullopt;
    }
    DWORD status = 0;
    DWORD status_size = sizeof status;
    if (!WinHttpQueryHeaders(request.handle, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &status_size, WINHTTP_NO_HEADER_INDEX) ||
        status != 200) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    for (;;) {
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request.handle, &available)) return std::nullopt;
        if (available == 0) break;
        if (available > limit - bytes.size()) return std::nullopt;  // more than such a file can be
        const std::size_t at = bytes.size();
        bytes.resize(at + available);
        DWORD read = 0;
        if (!WinHttpReadData(request.handle, bytes.data() + at, available, &read)) return std::nullopt;
        bytes.resize(at + read);
    }
    return bytes;
}

UpdateService::~UpdateService() {
    if (worker_.joinable()) worker_.join();
}

void UpdateService::start(HWND main_window, bool manual) {
    if (running_.exchange(true)) return;
    if (worker_.joinable()) worker_.join();
    UpdateCheckRequest request{manual, installed_, app_.paths.config_file.parent_path(), app_.session.config().update_server};
    worker_ = std::thread([this, main_window, request, strings = app_.session.strings()] {
        UpdateOutcome outcome = UpdateOutcome::failed;
        try {
            outcome = run_update_check(app_.session, strings, request, download);
        } catch (...) {
            outcome = UpdateOutcome::failed;
        }
        if (outcome == UpdateOutcome::installed || outcome == UpdateOutcome::restart_now) installed_ = true;
        if (outcome == UpdateOutcome::restart_now) PostMessageW(main_window, WM_COMMAND, cmd::quit, 0);
        running_ = false;
    });
}

}  // namespace tavorin
