#pragma once
// The system's modeless Find and Replace boxes for one editor: opening them, and turning the
// messages they send their owner into requests the editor carries out.

#include "platform/win32/windows_api.h"

#include <commdlg.h>

#include <optional>
#include <string>

namespace tavorin {

struct FindRequest {
    enum class Action { find_next, replace, replace_all };
    Action action = Action::find_next;
    std::u16string what;
    std::u16string with;
    bool match_case = false;
    bool forward = true;
};

class FindReplaceBox {
public:
    // `hidden_options`: FR_HIDEUPDOWN and the like, for what the editor does not offer.
    explicit FindReplaceBox(DWORD hidden_options);
    ~FindReplaceBox();
    FindReplaceBox(const FindReplaceBox&) = delete;
    FindReplaceBox& operator=(const FindReplaceBox&) = delete;

    // Shows the Find (or Replace) box owned by `owner`; an open box of the same form only takes
    // the focus, one of the other form is replaced.
    void open(HWND owner, bool replace);
    HWND window() const { return box_; }

    // Whether `message` comes from the boxes (the owner answers it with 0).
    bool is_box_message(UINT message) const { return message == message_ && message_ != 0; }
    // What the user asked for with a box message; none when the box was closed.
    std::optional<FindRequest> take(LPARAM lparam);

private:
    DWORD hidden_options_;
    UINT message_;
    // The box keeps pointers into these while it is open.
    FINDREPLACEW request_{};
    wchar_t what_[256] = {};
    wchar_t with_[256] = {};
    HWND box_ = nullptr;
    bool replace_ = false;
};

}  // namespace tavorin
