#pragma once
// The session's objects, created once at start-up (and fresh in every test). The core keeps no
// other mutable state.

#include <string>
#include <string_view>

#include "app/config.h"
#include "app/message_log.h"
#include "app/string_ids.h"
#include "app/ui_strings.h"
#include "platform/platform.h"

namespace tavorin {

class Session {
public:
    explicit Session(Platform& platform) : platform_(platform), log_(platform) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Platform& platform() { return platform_; }
    MessageLog& log() { return log_; }
    UiStrings& strings() { return strings_; }
    const UiStrings& strings() const { return strings_; }
    Config& config() { return config_; }
    const Config& config() const { return config_; }

    const std::u16string& text(str::Id id) const { return strings_.text(id); }

    // False until the main window is about to exist, and throughout the conversion mode: then
    // every question is suppressed and answered with Answer::none.
    bool interactive() const { return interactive_; }
    void set_interactive(bool interactive) { interactive_ = interactive; }

    Answer ask(std::u16string_view text, std::u16string_view caption, AskButtons buttons, AskIcon icon);
    // A question captioned "Tavorin".
    Answer ask(std::u16string_view text, AskButtons buttons, AskIcon icon) {
        return ask(text, u"Tavorin", buttons, icon);
    }

private:
    Platform& platform_;
    MessageLog log_;
    UiStrings strings_;
    Config config_;
    bool interactive_ = false;
};

}  // namespace tavorin
