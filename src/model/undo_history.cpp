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

void UndoHistory::record(std::unique_ptr<Action> action) { root().record_as(std::move(action), owner_); }

void UndoHistory::record_as(std::unique_ptr<Action> action, const void* owner) {
    if (undoing_) return;
    if (!action) action = std::make_unique<Action>();
    if (!open_groups_.empty()) {
        open_groups_.back()->add(std::move(action));
        return;
    }
    push(std::move(action), owner);
}

void UndoHistory::push(std::unique_ptr<Action> action, const void* owner) {
    actions_.erase(actions_.begin() + static_cast<std::ptrdiff_t>(cursor_), actions_.end());
    owners_.erase(owners_.begin() + static_cast<std::ptrdiff_t>(cursor_), owners_.end());
    actions_.push_back(std::move(action));
    owners_.push_back(owner);
    cursor_ = actions_.size();
    notify_state();
}

void UndoHistory::open_group(std::u16string name) {
    UndoHistory& list = root();
    if (list.open_groups_.empty()) list.group_owner_ = owner_;
    list.open_groups_.push_back(std::make_unique<GroupAction>(std::move(name)));
}

void UndoHistory::close_group() {
    UndoHistory& list = root();
    if (list.open_groups_.empty()) return;
    std::unique_ptr<GroupAction> group = std::move(list.open_groups_.back());
    list.open_groups_.pop_back();
    // An empty entry would undo nothing yet still throw away the redo part.
    if (group->empty()) return;
    if (!list.open_groups_.empty()) {
        list.open_groups_.back()->add(std::move(group));
    } else {
        list.push(std::move(group), list.group_owner_);
    }
}

void UndoHistory::remove_steps_of(const void* owner) {
    UndoHistory& list = root();
    std::size_t kept = 0;
    std::size_t cursor = list.cursor_;
    for (std::size_t i = 0; i < list.actions_.size(); ++i) {
        if (list.owners_[i] == owner) {
            if (i < list.cursor_) --cursor;
            continue;
        }
        list.actions_[kept] = std::move(list.actions_[i]);
        list.owners_[kept] = list.owners_[i];
        ++kept;
    }
    if (kept == list.actions_.size()) return;
    list.actions_.resize(kept);
    list.owners_.resize(kept);
    list.cursor_ = cursor;
    list.notify_state();
}

void UndoHistory::undo(int count) { root().step(Direction::undo, count); }

void UndoHistory::redo(int count) { root().step(Direction::redo, count); }

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
    if (shared_ != nullptr) return shared_->undo_names();
    std::vector<std::u16string> names;
    for (std::size_t i = cursor_; i > 0; --i) names.push_back(actions_[i - 1]->name());
    return names;
}

std::vector<std::u16string> UndoHistory::redo_names() const {
    if (shared_ != nullptr) return shared_->redo_names();
    std::vector<std::u16string> names;
    for (std::size_t i = cursor_; i < actions_.size(); ++i) names.push_back(actions_[i]->name());
    return names;
}

void UndoHistory::clear() {
    if (shared_ != nullptr) {
        shared_->clear();
        return;
    }
    actions_.clear();
    owners_.clear();
    open_groups_.clear();
    cursor_ = 0;
    notify_state();
}

void UndoHistory::notify_state() const {
    if (listener_) listener_->undo_state_changed();
}

}  // namespace tavorin
