#pragma once

#include "EdSysExMessage.h"
#include "EdTouchCurveData.h"

// The moments at which the curve editor records an undo snapshot, before it changes the curve.
enum class EdCurveEditMoment
{
    GraphPress,   // left button pressed on the graph, not in delete mode
    PointDelete,  // a point deleted with the mouse
    KeyEditStart, // first key-down of a keyboard edit (not Tab)
    Reset,        // reset, also at the start of learning
};

// True when an edit now needs a snapshot for Undo to bring the present state back. False only
// when the newest snapshot already holds the present state (the cursor is at the top of the
// history and the snapshot below it is equal), so pressing twice without a change records one.
bool EdCurveNeedsSnapshot(const CEdTouchCurveData& curve);

// Records the snapshot the moment calls for; true when one was recorded.
bool EdTakeCurveSnapshot(CEdTouchCurveData& curve, EdCurveEditMoment moment);

// The editor's reset: snapshot when needed, the straight line, and the reset message.
void EdResetCurve(CEdTouchCurveData& curve, IEdSysExSender& sender);

// Writes the curve as changed against what the instrument holds next to it in the history:
// the snapshot above the cursor (againstRedo) or below it; the straight line when there is none.
bool EdSendCurveAgainstHistory(const CEdTouchCurveData& curve, IEdSysExSender& sender, bool againstRedo);

// Undo and Redo with the change written into the instrument. False, and nothing changed or
// sent, when there is nothing to undo or redo.
bool EdUndoCurve(CEdTouchCurveData& curve, IEdSysExSender& sender);
bool EdRedoCurve(CEdTouchCurveData& curve, IEdSysExSender& sender);
