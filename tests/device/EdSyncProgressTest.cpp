#include "EdSyncProgress.h"

#include <gtest/gtest.h>

namespace {

// Ticks until a result shows; returns that tick (counting from 1), or -1.
int TicksUntilResult(CEdSyncProgress& progress, int syncState, bool ready)
{
    for (int tick = 1; tick <= 60; ++tick) {
        if (progress.Tick(syncState, ready).repaint)
            return tick;
    }
    return -1;
}

TEST(SyncProgress, DeadlineGrowsOneSecondPerAcceptedBlock)
{
    const struct
    {
        int syncState;
        int deadlineMs;
        int failingTick;
    } cases[] = {{0, 2000, 4}, {1, 3000, 5}, {35, 37000, 39}, {36, 38000, 40}};
    for (const auto& c : cases) {
        EXPECT_EQ(CEdSyncProgress::DeadlineMs(c.syncState), c.deadlineMs);
        CEdSyncProgress progress;
        progress.Start();
        EXPECT_EQ(TicksUntilResult(progress, c.syncState, false), c.failingTick) << c.syncState;
        EXPECT_EQ(progress.GetStatus(), CEdSyncProgress::Status::Failed);
    }
}

TEST(SyncProgress, ReadyShowsCompleteAndTheDialogClosesOnTheThirdTickAfter)
{
    CEdSyncProgress progress;
    progress.Start();
    EXPECT_FALSE(progress.Tick(5, false).repaint);
    const auto shown = progress.Tick(5, true);
    EXPECT_TRUE(shown.repaint);
    EXPECT_TRUE(shown.resetSyncState);
    EXPECT_EQ(progress.GetStatus(), CEdSyncProgress::Status::Complete);
    EXPECT_FALSE(progress.Tick(0, true).endDialog);
    EXPECT_FALSE(progress.Tick(0, true).endDialog);
    EXPECT_TRUE(progress.Tick(0, true).endDialog);
}

TEST(SyncProgress, LateReadinessTurnsFailedIntoComplete)
{
    CEdSyncProgress progress;
    progress.Start();
    EXPECT_EQ(TicksUntilResult(progress, 0, false), 4);
    progress.Tick(0, true);
    EXPECT_EQ(progress.GetStatus(), CEdSyncProgress::Status::Complete);
}

} // namespace
