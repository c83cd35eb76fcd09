#include "model/undo_history.h"

#include "platform/platform.h"

namespace tavorin {

namespace {

// Clears the in-progress flag however the undo ends, so that an action that throws does not
// leave the editor unable to record.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = false; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace

void UndoHistory::record(std::unique_ptr<Action> action) {
    if (undoing_) return;
    if (!action) action = std::make_unique<Action>();
    if (!open_groups_.empty()) {
        open_groups_.back()->add(std::move(action));
        return;
    }
    push(std::move(action));
}

void UndoHistory::push(std::unique_ptr<Action> action) {
    actions_.erase(actions_.begin() + static_cast<std::ptrdiff_t>(cursor_), actions_.end());
    actions_.push_back(std::move(action));
    cursor_ = actions_.size();
    notify_state();
}

void UndoHistory::open_group(std::u16string name) {
    open_groups_.push_back(std::make_unique<GroupAction>(std::move(name)));
}

void UndoHistory::close_group() {
    if (open_groups_.empty()) return;
    std::unique_ptr<GroupAction> group = std::move(open_groups_.back());
    open_groups_.pop_back();
    // An empty entry would undo nothing yet still throw away the redo part.
    if (group->empty()) return;
    if (!open_groups_.empty()) {
        open_groups_.back()->add(std::move(group));
    } else {
        push(std::move(group));
    }
}

void UndoHistory::undo(int count) { step(Direction::undo, count); }

void UndoHistory::redo(int count) { step(Direction::redo, count); }

void UndoHistory::step(Direction direction, int count) {
    const auto possible = [&] { return direction == Direction::undo ? can_undo() : can_redo(); };
    if (!possible()) {
        platform_.beep();
        return;
    }
    {
        ScopedFlag running(undoing_);
        if (listener_) listener_->before_undo();
        for (int i = 0; i < count; ++i) {
            if (!possible()) {
                platform_.beep();
                break;
            }
            if (direction == Direction::undo) {
                --cursor_;
                actions_[cursor_]->undo();
            } else {
                actions_[cursor_]->redo();
                ++cursor_;
            }
        }
    }
    notify_state();
    if (listener_) listener_->after_undo();
}

std::vector<std::u16string> UndoHistory::undo_names() const {
    std::vector<std::u16string> names;
    for (std::size_t i = cursor_; i > 0; --i) names.push_back(actions_[i - 1]->name());
    return names;
}

std::vector<std::u16string> UndoHistory::redo_names() const {
    std::vector<std::u16string> names;
    for (std::size_t i = cursor_; i < actions_.size(); ++i) names.push_back(actions_[i]->name());
    return names;
}

void UndoHistory::clear() {
    actions_.clear();
    open_groups_.clear();
    cursor_ = 0;
    notify_state();
}

void UndoHistory::notify_state() const {
    if (listener_) listener_->undo_state_changed();
}

}  // namespace tavorin
