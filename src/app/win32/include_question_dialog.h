#pragma once
// The start-up question about include paths: the question, a "Do not ask again" box and the
// buttons Yes, No and Cancel.

#include "platform/win32/windows_api.h"

#include "app/win32/app_context.h"
#include "platform/platform.h"

namespace tavorin {

namespace include_question_control {
inline constexpr int question = 100;
inline constexpr int do_not_ask = 101;
}  // namespace include_question_control

struct IncludeQuestionResult {
    Answer answer = Answer::cancel;
    bool do_not_ask_again = false;
};

IncludeQuestionResult ask_include_question(App& app, HWND owner);

}  // namespace tavorin
