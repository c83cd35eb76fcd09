#pragma once
// How a reading of a script ends: success, an error with its file and line, or a stop the user
// chose in a question (which is not reported).

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace tavorin {

struct ReadFailure {
    std::u16string message;
    std::filesystem::path file;
    int line = 0;
    // The user answered a question with a stop; there is no error to show.
    bool stopped_by_user = false;
};

class [[nodiscard]] ReadStatus {
public:
    ReadStatus() = default;
    ReadStatus(ReadFailure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    const ReadFailure& failure() const { return *failure_; }

private:
    std::optional<ReadFailure> failure_;
};

}  // namespace tavorin
