#pragma once
// The undo history of one editor: the recorded actions, oldest first, and a cursor. The actions
// before the cursor can be undone, those from the cursor on can be redone. There is no size
// limit. The editors of one project record into one shared list, each through a history of its
// own that marks its entries, so that Undo steps back through the project's changes in order and
// a removed resource takes only its own steps with it.

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
    // The history of one editor inside `shared`: what it records goes into the shared list
    // marked as `owner`'s, so that the owner's steps can be dropped without the others'. Every
    // other operation (undo, redo, the names) is the shared list's. `shared` must outlive it.
    UndoHistory(UndoHistory& shared, const void* owner)
        : platform_(shared.platform_), listener_(nullptr), shared_(&shared.root()), owner_(owner) {}
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    void set_listener(UndoListener* listener) { root().listener_ = listener; }

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
    bool group_open() const { return !root().open_groups_.empty(); }

    bool can_undo() const { return root().cursor_ > 0; }
    bool can_redo() const { return root().cursor_ < root().actions_.size(); }

    // Undoes (redoes) up to `count` entries. With nothing to undo (redo) the beep sounds and
    // nothing else happens; when fewer than `count` entries are left, all of them are undone
    // (redone) and the beep sounds once.
    void undo(int count = 1);
    void redo(int count = 1);

    // True while an undo or redo runs; editors record nothing then.
    bool undoing() const { return root().undoing_; }

    // For the Undo drop-down list: the undoable entries, newest first.
    std::vector<std::u16string> undo_names() const;
    // For the Redo drop-down list: the redoable entries, next first.
    std::vector<std::u16string> redo_names() const;

    void clear();
    // Drops the entries recorded by `owner` (an editor's history made with it), undone or not,
    // and keeps every other entry in its order and state: the steps of a resource that is
    // removed must go, the steps of the others stay.
    void remove_steps_of(const void* owner);

    // The newest entry while nothing has been undone and no group is open (typing extends it),
    // else null.
    Action* newest() const {
        const UndoHistory& list = root();
        return list.open_groups_.empty() && list.cursor_ > 0 && list.cursor_ == list.actions_.size()
                   ? list.actions_.back().get()
                   : nullptr;
    }

    std::size_t size() const { return root().actions_.size(); }
    std::size_t cursor() const { return root().cursor_; }

private:
    enum class Direction { undo, redo };
    UndoHistory& root() { return shared_ != nullptr ? *shared_ : *this; }
    const UndoHistory& root() const { return shared_ != nullptr ? *shared_ : *this; }
    void record_as(std::unique_ptr<Action> action, const void* owner);
    void step(Direction direction, int count);
    void push(std::unique_ptr<Action> action, const void* owner);
    void notify_state() const;

    Platform& platform_;
    UndoListener* listener_;
    // Set for an editor's history inside a shared one: everything goes there.
    UndoHistory* shared_ = nullptr;
    const void* owner_ = nullptr;
    std::vector<std::unique_ptr<Action>> actions_;
    std::vector<const void*> owners_;  // who recorded each entry of actions_
    std::size_t cursor_ = 0;
    std::vector<std::unique_ptr<GroupAction>> open_groups_;
    const void* group_owner_ = nullptr;  // who opened the outermost open group
    bool undoing_ = false;
};

}  // namespace tavorin
