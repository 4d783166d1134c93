#include "EdOffsetData.h"

#include <gtest/gtest.h>

namespace {

// The offset object serves as the concrete history: key 0 carries the state number.
class SnapshotHistory : public testing::Test
{
protected:
    void SetState(int state) { data.SetOffset(0, state); }
    int State() const { return data.GetOffset(0); }
    int Peeked(bool undo) const
    {
        CEdOffsetData target;
        target.SetOffset(0, -99);
        if (undo)
            data.PeekUndo(&target);
        else
            data.PeekRedo(&target);
        return target.GetOffset(0);
    }

    CEdOffsetData data;
};

TEST_F(SnapshotHistory, NewObjectHasNothingToUndoOrRedo)
{
    EXPECT_FALSE(data.CanUndo());
    EXPECT_FALSE(data.CanRedo());
    EXPECT_EQ(Peeked(true), -99);
    EXPECT_EQ(Peeked(false), -99);
    // Unchecked calls do nothing rather than index outside the history.
    data.Undo();
    data.Redo();
    EXPECT_EQ(State(), 0);
}

TEST_F(SnapshotHistory, WorkedSequence)
{
    SetState(0);
    data.PushHistory();
    SetState(1);
    EXPECT_EQ(data.GetSnapshotCount(), 1);
    EXPECT_EQ(data.GetHistoryCursor(), 1);
    EXPECT_TRUE(data.CanUndo());
    EXPECT_FALSE(data.CanRedo());
    EXPECT_EQ(Peeked(true), 0);

    data.Undo(); // keeps S1 for redo, loads S0
    EXPECT_EQ(State(), 0);
    EXPECT_EQ(data.GetSnapshotCount(), 2);
    EXPECT_EQ(data.GetHistoryCursor(), 0);
    EXPECT_FALSE(data.CanUndo());
    EXPECT_TRUE(data.CanRedo());
    EXPECT_EQ(Peeked(false), 1);

    data.Redo();
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(data.GetHistoryCursor(), 1);
    EXPECT_TRUE(data.CanUndo());
    EXPECT_FALSE(data.CanRedo());
    EXPECT_EQ(Peeked(true), 0);

    data.PushHistory(); // replaces the old S1 snapshot with a new one
    EXPECT_EQ(data.GetSnapshotCount(), 2);
    EXPECT_EQ(data.GetHistoryCursor(), 2);
    SetState(2);

    data.Undo();
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(data.GetSnapshotCount(), 3);
    EXPECT_EQ(data.GetHistoryCursor(), 1);
    data.Undo();
    EXPECT_EQ(State(), 0);
    data.Redo();
    data.Redo();
    EXPECT_EQ(State(), 2);
    EXPECT_FALSE(data.CanRedo());
}

TEST_F(SnapshotHistory, TwoPushesWithoutAnEditUndoToTheSameState)
{
    SetState(5);
    data.PushHistory();
    data.PushHistory();
    data.Undo();
    EXPECT_EQ(State(), 5);
    EXPECT_TRUE(data.CanUndo());
}

TEST_F(SnapshotHistory, PushAfterUndoCutsTheRedoTail)
{
    data.PushHistory();
    SetState(1);
    data.PushHistory();
    SetState(2);
    data.Undo();
    data.Undo();
    ASSERT_TRUE(data.CanRedo());
    data.PushHistory();
    SetState(7);
    EXPECT_FALSE(data.CanRedo());
    data.Undo();
    EXPECT_EQ(State(), 0);
}

TEST_F(SnapshotHistory, ClearKeepsThePresentState)
{
    for (int state = 1; state <= 3; ++state) {
        data.PushHistory();
        SetState(state);
    }
    data.Undo();
    data.ClearHistory();
    EXPECT_FALSE(data.CanUndo());
    EXPECT_FALSE(data.CanRedo());
    EXPECT_EQ(State(), 2);
}

TEST_F(SnapshotHistory, SnapshotsHoldExactlyWhatSerializeWrites)
{
    SetState(-1);
    data.PushHistory();
    EXPECT_EQ(data.Store().size(), 352u);
    // Restoring a snapshot does not touch the history of the object.
    SetState(3);
    data.Undo();
    EXPECT_EQ(data.GetSnapshotCount(), 2);
    EXPECT_EQ(State(), -1);
}

} // namespace
