#include "services/message_log.h"

namespace tavorin {

std::u16string fold_line_breaks(std::u16string_view text) {
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == u'\r' && i + 1 < out.size() && out[i + 1] == u'\n') {
            out[i] = u',';
            out[i + 1] = u' ';
            ++i;
        } else if (out[i] == u'\n') {
            out[i] = u',';
        }
    }
    return out;
}

std::u16string format_time(const LocalTime& time) {
    std::u16string out;
    for (int part : {time.hour, time.minute, time.second}) {
        if (!out.empty()) out.push_back(u':');
        out.push_back(static_cast<char16_t>(u'0' + part / 10 % 10));
        out.push_back(static_cast<char16_t>(u'0' + part % 10));
    }
    return out;
}

void MessageLog::add(LogLevel level, std::u16string_view text) {
    ++counters_[static_cast<std::size_t>(level)];
    entries_.push_back(LogEntry{level, format_time(platform_.local_time()), fold_line_breaks(text)});
}

void MessageLog::clear() {
    entries_.clear();
    counters_ = {};
}

std::vector<const LogEntry*> MessageLog::visible(const LogFilter& filter) const {
    std::vector<const LogEntry*> rows;
    for (const auto& entry : entries_) {
        if (filter[static_cast<std::size_t>(entry.level)]) rows.push_back(&entry);
    }
    return rows;
}

}  // namespace tavorin
