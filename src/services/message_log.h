#pragma once
// What the program tells the user about its work: start-up, files opened and closed, every
// warning and error met while reading files. Shown in the Messages window.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tavorin {

enum class LogLevel : std::uint16_t { error = 0, warning = 1, information = 2 };

struct LogEntry {
    LogLevel level = LogLevel::information;
    std::u16string time;  // "hh:mm:ss", 24-hour clock
    std::u16string text;  // always one line
};

// Which levels a view shows, indexed by level.
using LogFilter = std::array<bool, 3>;

class MessageLog {
public:
    explicit MessageLog(Platform& platform) : platform_(platform) {}

    // Appends an entry stamped with the local time and counts it.
    void add(LogLevel level, std::u16string_view text);
    void error(std::u16string_view text) { add(LogLevel::error, text); }
    void warning(std::u16string_view text) { add(LogLevel::warning, text); }
    void information(std::u16string_view text) { add(LogLevel::information, text); }

    void clear();

    const std::vector<LogEntry>& entries() const { return entries_; }
    // The entries whose level the filter shows, oldest first.
    std::vector<const LogEntry*> visible(const LogFilter& filter) const;

    int errors() const { return counters_[0]; }
    int warnings() const { return counters_[1]; }
    int informations() const { return counters_[2]; }
    // Operations remember this before they run; a change afterwards opens the Messages window.
    int problems() const { return errors() + warnings(); }

private:
    Platform& platform_;
    std::vector<LogEntry> entries_;
    std::array<int, 3> counters_{};
};

// CR LF becomes ", ", any other LF becomes ","; a lone CR stays.
std::u16string fold_line_breaks(std::u16string_view text);

std::u16string format_time(const LocalTime& time);

}  // namespace tavorin
