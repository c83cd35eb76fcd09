#pragma once
// A real write fault for tests: while a FileSizeLimit lives, no file of this process may grow
// beyond the limit, and a write past it fails as on a full disk ("File too large"). POSIX only;
// `available` says whether the limit could be set.

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include <cstdint>

namespace tavorin::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit([[maybe_unused]] std::uint64_t bytes) {
#ifndef _WIN32
        // Without this the process would be ended by the signal instead of the write failing.
        previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &previous_) != 0) return;
        rlimit limit = previous_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        available_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
#endif
    }
    ~FileSizeLimit() {
#ifndef _WIN32
        if (available_) setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previous_handler_);
#endif
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool available() const { return available_; }

private:
    bool available_ = false;
#ifndef _WIN32
    rlimit previous_{};
    void (*previous_handler_)(int) = nullptr;
#endif
};

}  // namespace tavorin::testing
