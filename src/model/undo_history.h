#pragma once
// The undo history of one editor: the recorded actions, oldest first, and a cursor. The actions
// before the cursor can be undone, those from the cursor on can be redone. There is no size
// limit; the editor clears the history when its window closes.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/undo_action.h"

namespace tavorin {

class Platform;

// What the history tells its editor. Before- and after-undo are called around every undo and
// redo (the dialog editor saves and restores its selection there).
class UndoListener {
public:
    virtual ~UndoListener() = default;
    virtual void before_undo() {}
    virtual void after_undo() {}
    // The Undo and Redo commands should be enabled as can_undo() and can_redo() say.
    virtual void undo_state_changed() {}
};

class UndoHistory {
public:
    // The platform sounds the beep when there is nothing (more) to undo or redo.
    explicit UndoHistory(Platform& platform, UndoListener* listener = nullptr)
        : platform_(platform), listener_(listener) {}
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    void set_listener(UndoListener* listener) { listener_ = listener; }

    // Records an action the editor has already applied (none: an "Unknown action"). With a group
    // open the action joins the group; otherwise the redo part is dropped and the action becomes
    // the newest entry. Actions recorded while an undo or redo is running are discarded: they
    // are the echo of the change being undone, not a new edit.
    void record(std::unique_ptr<Action> action = nullptr);

    // Gathers the actions recorded until close_group() into one entry. Groups may nest: a
    // group closed inside another becomes one child of it.
    void open_group(std::u16string name);
    // Records the open group as one entry; a group that received no action records nothing.
    void close_group();
    bool group_open() const { return !open_groups_.empty(); }

    bool can_undo() const { return cursor_ > 0; }
    bool can_redo() const { return cursor_ < actions_.size(); }

    // Undoes (redoes) up to `count` entries. With nothing to undo (redo) the beep sounds and
    // nothing else happens; when fewer than `count` entries are left, all of them are undone
    // (redone) and the beep sounds once.
    void undo(int count = 1);
    void redo(int count = 1);

    // True while an undo or redo runs; editors record nothing then.
    bool undoing() const { return undoing_; }

    // For the Undo drop-down list: the undoable entries, newest first.
    std::vector<std::u16string> undo_names() const;
    // For the Redo drop-down list: the redoable entries, next first.
    std::vector<std::u16string> redo_names() const;

    void clear();

    // The newest entry while nothing has been undone and no group is open (typing extends it),
    // else null.
    Action* newest() const {
        return open_groups_.empty() && cursor_ > 0 && cursor_ == actions_.size() ? actions_.back().get() : nullptr;
    }

    std::size_t size() const { return actions_.size(); }
    std::size_t cursor() const { return cursor_; }

private:
    enum class Direction { undo, redo };
    void step(Direction direction, int count);
    void push(std::unique_ptr<Action> action);
    void notify_state() const;

    Platform& platform_;
    UndoListener* listener_;
    std::vector<std::unique_ptr<Action>> actions_;
    std::size_t cursor_ = 0;
    std::vector<std::unique_ptr<GroupAction>> open_groups_;
    bool undoing_ = false;
};

}  // namespace tavorin
