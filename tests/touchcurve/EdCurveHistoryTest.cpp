#include "EdCurveHistory.h"

#include "ByteHelpers.h"
#include "CurvePoints.h"
#include "RecordingSender.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::map<int, int> kStraightLine = {{0, 0}, {127, 127}};

class curve_history_test : public testing::Test
{
protected:
    // One edit as the editor makes it: the snapshot of the moment, then the change.
    void Edit(int in, int out, EdCurveEditMoment moment = EdCurveEditMoment::GraphPress)
    {
        EdTakeCurveSnapshot(curve, moment);
        curve.SetPoint(in, out);
    }

    CEdTouchCurveData curve;
    RecordingSender sender;
};

TEST_F(curve_history_test, pressing_twice_without_a_change_records_one_snapshot)
{
    Edit(64, 30);
    const int before = curve.GetSnapshotCount();
    EXPECT_TRUE(EdTakeCurveSnapshot(curve, EdCurveEditMoment::GraphPress));
    EXPECT_FALSE(EdTakeCurveSnapshot(curve, EdCurveEditMoment::GraphPress));
    EXPECT_EQ(curve.GetSnapshotCount(), before + 1);
}

TEST_F(curve_history_test, deleting_and_key_edits_always_record)
{
    EXPECT_TRUE(EdTakeCurveSnapshot(curve, EdCurveEditMoment::PointDelete));
    EXPECT_TRUE(EdTakeCurveSnapshot(curve, EdCurveEditMoment::PointDelete));
    EXPECT_TRUE(EdTakeCurveSnapshot(curve, EdCurveEditMoment::KeyEditStart));
    EXPECT_EQ(curve.GetSnapshotCount(), 3);
}

TEST_F(curve_history_test, a_name_change_counts_as_a_difference)
{
    Edit(64, 30);
    EdTakeCurveSnapshot(curve, EdCurveEditMoment::GraphPress);
    curve.SetName("Soft");
    EXPECT_TRUE(EdTakeCurveSnapshot(curve, EdCurveEditMoment::GraphPress));
}

TEST_F(curve_history_test, the_first_edit_of_a_default_curve_can_be_undone)
{
    // The new curve equals the default one; the edit must still be undoable.
    Edit(64, 30);
    ASSERT_TRUE(EdUndoCurve(curve, sender));
    EXPECT_EQ(CurvePoints(curve), kStraightLine);
}

TEST_F(curve_history_test, an_edit_after_undoing_to_the_start_is_what_redo_brings_back)
{
    Edit(64, 30);
    EdUndoCurve(curve, sender);
    // Back at the default curve with a redo snapshot above: the new edit replaces that branch.
    Edit(80, 90);
    EXPECT_FALSE(curve.CanRedo());
    EdUndoCurve(curve, sender);
    ASSERT_TRUE(EdRedoCurve(curve, sender));
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {80, 90}, {127, 127}}));
}

TEST_F(curve_history_test, a_new_edit_after_undo_and_redo_removes_the_redo_snapshots)
{
    Edit(10, 10);
    Edit(20, 20);
    Edit(30, 30);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(EdUndoCurve(curve, sender));
    ASSERT_TRUE(EdRedoCurve(curve, sender));
    EXPECT_TRUE(curve.CanUndo());
    EXPECT_TRUE(curve.CanRedo());
    Edit(40, 40);
    EXPECT_FALSE(curve.CanRedo());
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {10, 10}, {40, 40}, {127, 127}}));
}

TEST_F(curve_history_test, undo_and_redo_write_the_change_against_the_other_side)
{
    Edit(64, 30);
    ASSERT_TRUE(EdUndoCurve(curve, sender));
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].bytes, Hex("F0 40 7F 10 06 01 38 40 40 01 7F F7"));

    sender.sent.clear();
    ASSERT_TRUE(EdRedoCurve(curve, sender));
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].bytes, Hex("F0 40 7F 10 06 01 38 40 40 00 1E F7"));
}

TEST_F(curve_history_test, undo_and_redo_with_nothing_to_do_send_nothing)
{
    EXPECT_FALSE(EdUndoCurve(curve, sender));
    EXPECT_FALSE(EdRedoCurve(curve, sender));
    Edit(64, 30);
    EXPECT_FALSE(EdRedoCurve(curve, sender));
    EXPECT_TRUE(sender.sent.empty());
    EXPECT_EQ(curve.GetPoint(64), 30);
}

TEST_F(curve_history_test, undo_sends_points_only)
{
    EdTakeCurveSnapshot(curve, EdCurveEditMoment::KeyEditStart);
    curve.SetName("Soft");
    ASSERT_TRUE(EdUndoCurve(curve, sender));
    EXPECT_EQ(curve.GetName(), "Normal");
    EXPECT_TRUE(sender.sent.empty());
}

TEST_F(curve_history_test, reset_records_the_curve_and_sends_the_reset_message)
{
    Edit(64, 30);
    Edit(65, 40);
    const int before = curve.GetSnapshotCount();
    EdResetCurve(curve, sender);
    EXPECT_EQ(CurvePoints(curve), kStraightLine);
    EXPECT_EQ(curve.GetSnapshotCount(), before + 1);
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0].bytes, Hex("F0 40 7F 10 06 01 39 F7"));

    sender.sent.clear();
    ASSERT_TRUE(EdUndoCurve(curve, sender));
    EXPECT_EQ(CurvePoints(curve), (std::map<int, int>{{0, 0}, {64, 30}, {65, 40}, {127, 127}}));
    EXPECT_EQ(sender.sent.size(), 2u); // both points, against the straight line
}

TEST_F(curve_history_test, sending_against_a_missing_snapshot_uses_the_straight_line)
{
    curve.SetPoint(64, 30);
    EXPECT_TRUE(EdSendCurveAgainstHistory(curve, sender, false));
    EXPECT_TRUE(EdSendCurveAgainstHistory(curve, sender, true));
    ASSERT_EQ(sender.sent.size(), 2u);
    EXPECT_EQ(sender.sent[0].bytes, Hex("F0 40 7F 10 06 01 38 40 40 00 1E F7"));
    EXPECT_EQ(sender.sent[1], sender.sent[0]);
}

} // namespace
