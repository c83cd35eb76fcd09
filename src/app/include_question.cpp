#include "app/include_question.h"

#include "base/text.h"

namespace tavorin {

bool should_ask_for_include_paths(const Config& config, bool first_run) {
    return config.include_paths.empty() && (config.ask_includes || first_run);
}

bool take_include_question_answer(Config& config, Answer answer, bool do_not_ask_again) {
    if (answer == Answer::cancel || answer == Answer::none) return false;
    config.ask_includes = !do_not_ask_again;
    return answer == Answer::yes;
}

bool is_openable_address(std::u16string_view address) {
    for (const std::u16string_view scheme : {u"https://", u"http://", u"mailto:"}) {
        if (address.size() > scheme.size() && equals_ignore_case(address.substr(0, scheme.size()), scheme)) {
            return address.find_first_of(u" \t\r\n\"") == std::u16string_view::npos;
        }
    }
    return false;
}

}  // namespace tavorin
