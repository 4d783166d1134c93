#include "EdCurveHistory.h"

#include "EdTouchCurveMessages.h"

bool EdCurveNeedsSnapshot(const CEdTouchCurveData& curve)
{
    // With no snapshot below the cursor, or with redo snapshots above it, an edit without a
    // snapshot could not be undone (or would leave a stale redo branch): always record then.
    const int cursor = curve.GetHistoryCursor();
    if (cursor == 0 || cursor < curve.GetSnapshotCount())
        return true;
    CEdTouchCurveData below;
    curve.PeekUndo(&below);
    return !curve.IsEqual(&below);
}

bool EdTakeCurveSnapshot(CEdTouchCurveData& curve, EdCurveEditMoment moment)
{
    switch (moment) {
    case EdCurveEditMoment::GraphPress:
    case EdCurveEditMoment::Reset:
        if (!EdCurveNeedsSnapshot(curve))
            return false;
        break;
    case EdCurveEditMoment::PointDelete:
    case EdCurveEditMoment::KeyEditStart:
        break;
    }
    curve.PushHistory();
    return true;
}

void EdResetCurve(CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    EdTakeCurveSnapshot(curve, EdCurveEditMoment::Reset);
    curve.Reset();
    sender.Send(EdMakeCurveResetMessage());
}

bool EdSendCurveAgainstHistory(const CEdTouchCurveData& curve, IEdSysExSender& sender, bool againstRedo)
{
    CEdTouchCurveData reference;
    if (againstRedo)
        curve.PeekRedo(&reference);
    else
        curve.PeekUndo(&reference);
    return SendCurveDifferences(sender, curve, reference.Points());
}

bool EdUndoCurve(CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    if (!curve.CanUndo())
        return false;
    curve.Undo();
    EdSendCurveAgainstHistory(curve, sender, true);
    return true;
}

bool EdRedoCurve(CEdTouchCurveData& curve, IEdSysExSender& sender)
{
    if (!curve.CanRedo())
        return false;
    curve.Redo();
    EdSendCurveAgainstHistory(curve, sender, false);
    return true;
}
