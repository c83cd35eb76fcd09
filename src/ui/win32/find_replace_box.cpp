#include "ui/win32/find_replace_box.h"

#include "platform/win32/wide_text.h"

namespace tavorin {

FindReplaceBox::FindReplaceBox(DWORD hidden_options)
    : hidden_options_(hidden_options), message_(RegisterWindowMessageW(FINDMSGSTRINGW)) {}

FindReplaceBox::~FindReplaceBox() {
    if (box_ != nullptr) DestroyWindow(box_);
}

void FindReplaceBox::open(HWND owner, bool replace) {
    if (box_ != nullptr) {
        if (replace == replace_) {
            SetFocus(box_);
            return;
        }
        DestroyWindow(box_);
        box_ = nullptr;
    }
    request_ = FINDREPLACEW{};
    request_.lStructSize = sizeof(request_);
    request_.hwndOwner = owner;
    request_.Flags = FR_DOWN | FR_HIDEWHOLEWORD | hidden_options_;
    request_.lpstrFindWhat = what_;
    request_.wFindWhatLen = static_cast<WORD>(std::size(what_));
    request_.lpstrReplaceWith = with_;
    request_.wReplaceWithLen = static_cast<WORD>(std::size(with_));
    replace_ = replace;
    box_ = replace ? ReplaceTextW(&request_) : FindTextW(&request_);
}

std::optional<FindRequest> FindReplaceBox::take(LPARAM lparam) {
    const auto& sent = *reinterpret_cast<const FINDREPLACEW*>(lparam);
    if ((sent.Flags & FR_DIALOGTERM) != 0) {
        box_ = nullptr;
        return std::nullopt;
    }
    FindRequest request;
    request.what = from_wide(sent.lpstrFindWhat);
    if (sent.lpstrReplaceWith != nullptr) request.with = from_wide(sent.lpstrReplaceWith);
    request.match_case = (sent.Flags & FR_MATCHCASE) != 0;
    request.forward = (sent.Flags & FR_DOWN) != 0;
    if ((sent.Flags & FR_REPLACEALL) != 0) {
        request.action = FindRequest::Action::replace_all;
    } else if ((sent.Flags & FR_REPLACE) != 0) {
        request.action = FindRequest::Action::replace;
    } else if ((sent.Flags & FR_FINDNEXT) == 0) {
        return std::nullopt;
    }
    return request;
}

}  // namespace tavorin
