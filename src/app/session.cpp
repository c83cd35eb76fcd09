#include "app/session.h"

namespace tavorin {

Answer Session::ask(std::u16string_view text, std::u16string_view caption, AskButtons buttons, AskIcon icon) {
    if (!interactive_) return Answer::none;
    return platform_.ask(Question{std::u16string(text), std::u16string(caption), buttons, icon});
}

}  // namespace tavorin
