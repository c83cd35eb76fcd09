#pragma once
// One recorded change that an editor can undo and redo. An action keeps what it needs to find
// its target again (a dialog action keeps the control's unique key, not the control), so it
// survives the deletion and re-creation of the objects it concerns.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavorin {

class Action {
public:
    virtual ~Action() = default;
    // The name shown in the Undo and Redo drop-down lists.
    virtual std::u16string name() const { return u"Unknown action"; }
    virtual void redo() {}
    virtual void undo() {}
};

// Several actions that undo and redo as one entry: redo runs the children first to last, undo
// last to first.
class GroupAction : public Action {
public:
    explicit GroupAction(std::u16string name) : name_(std::move(name)) {}

    std::u16string name() const override { return name_; }
    void redo() override;
    void undo() override;

    void add(std::unique_ptr<Action> child) { children_.push_back(std::move(child)); }
    bool empty() const { return children_.empty(); }
    std::size_t size() const { return children_.size(); }

private:
    std::u16string name_;
    std::vector<std::unique_ptr<Action>> children_;
};

// An action that calls one editor operation to redo and another to undo.
class CallbackAction : public Action {
public:
    CallbackAction(std::u16string name, std::function<void()> redo, std::function<void()> undo)
        : name_(std::move(name)), redo_(std::move(redo)), undo_(std::move(undo)) {}

    std::u16string name() const override { return name_; }
    void redo() override { if (redo_) redo_(); }
    void undo() override { if (undo_) undo_(); }

private:
    std::u16string name_;
    std::function<void()> redo_;
    std::function<void()> undo_;
};

// An action that sets one text field of the item with a given identifier: the new text to redo,
// the old one to undo, through the editor's set-field operation.
class FieldTextAction : public Action {
public:
    using Setter = std::function<void(const std::u16string& identifier, int field, const std::u16string& text)>;

    FieldTextAction(std::u16string name, Setter setter, std::u16string identifier, int field,
                    std::u16string old_text, std::u16string new_text)
        : name_(std::move(name)), setter_(std::move(setter)), identifier_(std::move(identifier)), field_(field),
          old_text_(std::move(old_text)), new_text_(std::move(new_text)) {}

    std::u16string name() const override { return name_; }
    void redo() override { setter_(identifier_, field_, new_text_); }
    void undo() override { setter_(identifier_, field_, old_text_); }

private:
    std::u16string name_;
    Setter setter_;
    std::u16string identifier_;
    int field_;
    std::u16string old_text_;
    std::u16string new_text_;
};

}  // namespace tavorin
