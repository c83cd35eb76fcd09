#include "model/undo_history.h"

#include <gtest/gtest.h>

#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

// The edited "document": a text that actions append letters to.
struct Document {
    std::u16string text;
};

class UndoHistoryTest : public ::testing::Test, public UndoListener {
protected:
    void before_undo() override { events.push_back(u"before"); }
    void after_undo() override { events.push_back(u"after"); }
    void undo_state_changed() override { ++state_changes; }

    // Applies the change, then records it, as editors do.
    void append(char16_t letter) {
        document.text += letter;
        history.record(append_action(letter));
    }

    std::unique_ptr<Action> append_action(char16_t letter) {
        return std::make_unique<CallbackAction>(
            std::u16string(u"Add ") + letter, [this, letter] { document.text += letter; },
            [this] { document.text.pop_back(); });
    }

    ScriptedPlatform platform;
    UndoHistory history{platform, this};
    Document document;
    std::vector<std::u16string> events;
    int state_changes = 0;
};

TEST_F(UndoHistoryTest, UndoAndRedoMoveTheCursor) {
    append(u'a');
    append(u'b');
    append(u'c');
    EXPECT_EQ(state_changes, 3);
    history.undo();
    EXPECT_EQ(document.text, u"ab");
    history.undo(1);
    EXPECT_EQ(document.text, u"a");
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Add a"}));
    EXPECT_EQ(history.redo_names(), (std::vector<std::u16string>{u"Add b", u"Add c"}));
    history.redo(2);
    EXPECT_EQ(document.text, u"abc");
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Add c", u"Add b", u"Add a"}));
    EXPECT_TRUE(history.redo_names().empty());
    EXPECT_EQ(platform.beeps, 0);
    EXPECT_EQ(events, (std::vector<std::u16string>{u"before", u"after", u"before", u"after", u"before", u"after"}));
}

TEST_F(UndoHistoryTest, UndoingMoreThanThereIsUndoesAllAndBeepsOnce) {
    append(u'a');
    append(u'b');
    history.undo(5);
    EXPECT_EQ(document.text, u"");
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_FALSE(history.can_undo());
    EXPECT_EQ(events, (std::vector<std::u16string>{u"before", u"after"}));
    history.redo(3);
    EXPECT_EQ(document.text, u"ab");
    EXPECT_EQ(platform.beeps, 2);
}

TEST_F(UndoHistoryTest, NothingToUndoOnlyBeeps) {
    history.undo();
    history.redo();
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(state_changes, 0);
}

TEST_F(UndoHistoryTest, RecordingAfterUndoDropsTheRedoPart) {
    append(u'a');
    append(u'b');
    append(u'c');
    history.undo(2);
    append(u'x');
    EXPECT_EQ(document.text, u"ax");
    EXPECT_FALSE(history.can_redo());
    EXPECT_EQ(history.size(), 2u);
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Add x", u"Add a"}));
    history.redo();
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(document.text, u"ax");
}

TEST_F(UndoHistoryTest, GroupUndoesAsOneEntryInReverseOrder) {
    append(u'a');
    history.open_group(u"Paste");
    append(u'b');
    history.open_group(u"Inner");
    append(u'c');
    history.close_group();
    append(u'd');
    EXPECT_EQ(history.size(), 1u);  // nothing reaches the history while the group is open
    history.close_group();
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Paste", u"Add a"}));
    history.undo();
    EXPECT_EQ(document.text, u"a");
    history.redo();
    EXPECT_EQ(document.text, u"abcd");
}

TEST_F(UndoHistoryTest, EmptyGroupKeepsTheRedoPart) {
    append(u'a');
    history.undo();
    history.open_group(u"Control Style");
    history.close_group();
    EXPECT_TRUE(history.can_redo());
    history.close_group();  // none open: nothing happens
    EXPECT_EQ(history.size(), 1u);
}

TEST_F(UndoHistoryTest, ChangesMadeByAnUndoAreNotRecorded) {
    // An action whose undo goes through an editor operation that records again.
    bool undoing_seen = false;
    history.record(std::make_unique<CallbackAction>(u"Echo", nullptr, [&] {
        undoing_seen = history.undoing();
        history.record(append_action(u'z'));
    }));
    history.undo();
    EXPECT_TRUE(undoing_seen);
    EXPECT_FALSE(history.undoing());
    EXPECT_EQ(history.size(), 1u);
    EXPECT_EQ(history.redo_names(), (std::vector<std::u16string>{u"Echo"}));
}

TEST_F(UndoHistoryTest, UnnamedRecordAndClear) {
    history.record();
    history.open_group(u"Open");
    history.record();
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Unknown action"}));
    history.clear();
    EXPECT_FALSE(history.can_undo());
    EXPECT_FALSE(history.group_open());
    EXPECT_EQ(history.size(), 0u);
}

// Two editors record into the project's list through their own histories: Undo steps back
// through both in the order of the edits, and removing one resource drops only its steps, done
// or undone, keeping the cursor on the same remaining step.
TEST_F(UndoHistoryTest, EditorsShareOneListAndARemovedOwnerTakesOnlyItsSteps) {
    Document menu;
    Document dialog;
    UndoHistory menu_history(history, &menu);
    UndoHistory dialog_history(history, &dialog);
    const auto add = [](UndoHistory& owner, Document& target, char16_t letter) {
        target.text += letter;
        owner.record(std::make_unique<CallbackAction>(
            std::u16string(u"Add ") + letter, [&target, letter] { target.text += letter; },
            [&target] { target.text.pop_back(); }));
    };
    add(menu_history, menu, u'a');
    add(dialog_history, dialog, u'B');
    dialog_history.open_group(u"Group");
    add(dialog_history, dialog, u'C');
    add(dialog_history, dialog, u'D');
    dialog_history.close_group();
    add(menu_history, menu, u'e');
    add(dialog_history, dialog, u'F');
    EXPECT_EQ(menu_history.undo_names(), (std::vector<std::u16string>{u"Add F", u"Add e", u"Group", u"Add B", u"Add a"}));
    EXPECT_EQ(dialog_history.size(), 5u);

    history.undo();  // F, the dialog's
    EXPECT_EQ(dialog.text, u"BCD");
    history.remove_steps_of(&menu);
    EXPECT_EQ(history.undo_names(), (std::vector<std::u16string>{u"Group", u"Add B"}));
    EXPECT_EQ(history.redo_names(), (std::vector<std::u16string>{u"Add F"}));
    // The dialog's steps still undo and redo as before; the menu is not touched.
    history.undo(2);
    EXPECT_EQ(dialog.text, u"");
    history.redo(3);
    EXPECT_EQ(dialog.text, u"BCDF");
    EXPECT_EQ(menu.text, u"ae");
    EXPECT_FALSE(history.can_redo());

    // An owner with no steps left changes nothing.
    const int changes = state_changes;
    history.remove_steps_of(&menu);
    EXPECT_EQ(state_changes, changes);
    dialog_history.remove_steps_of(&dialog);
    EXPECT_FALSE(history.can_undo());
    EXPECT_EQ(history.size(), 0u);
}

TEST(UndoActions, FieldTextActionSetsNewAndOldText) {
    std::vector<std::u16string> calls;
    FieldTextAction action(u"Item text",
                           [&](const std::u16string& id, int field, const std::u16string& text) {
                               calls.push_back(id + u":" + static_cast<char16_t>(u'0' + field) + u":" + text);
                           },
                           u"ID_OPEN", 2, u"Old", u"New");
    action.redo();
    action.undo();
    EXPECT_EQ(action.name(), u"Item text");
    EXPECT_EQ(calls, (std::vector<std::u16string>{u"ID_OPEN:2:New", u"ID_OPEN:2:Old"}));
}

}  // namespace
}  // namespace tavorin
