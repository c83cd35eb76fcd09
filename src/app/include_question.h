#pragma once
// The start-up question "No include paths are configured. Do you want to configure include paths
// now?" with its "Do not ask again" box.

#include "platform/platform.h"
#include "services/config.h"

namespace tavorin {

// Asked when no include path is configured and the setting allows it. A first run (no
// configuration file yet) asks as well: without include paths no script that includes the
// platform headers can be read, and a new user would otherwise never hear of them.
bool should_ask_for_include_paths(const Config& config, bool first_run);

// Cancel changes nothing; otherwise the box decides whether to ask again. True when the
// preferences should open at the include paths (the answer was Yes).
bool take_include_question_answer(Config& config, Answer answer, bool do_not_ask_again);

// The addresses the Help menu may hand to the shell: web pages and mail addresses only, never a
// program or a file that a changed configuration could name.
bool is_openable_address(std::u16string_view address);

}  // namespace tavorin
