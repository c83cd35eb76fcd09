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
