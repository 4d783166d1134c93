#pragma once

#include "EdSysExMessage.h"
#include "EdTouchCurveData.h"

#include <QString>

#include <span>
#include <vector>

// Moves, sets or removes one control point: `out` of -1 means no point at `in` after the change.
// `oldIn` is where the point was before a sideways drag (else equal to `in`).
CEdSysExMessage EdMakeCurvePointMessage(int oldIn, int in, int out);
// 129 bytes: 3 x length, then 40 groups of three 7-bit bytes per UTF-16 unit.
CEdSysExMessage EdMakeCurveNameMessage(const QString& name);
CEdSysExMessage EdMakeCurveResetMessage();
// Start, three data blocks and end; only the end drops the connection on a failed send.
std::vector<CEdSysExMessage> EdMakeCurveBulkTransfer(const CEdTouchCurveData::Table& points);

// The messages that bring an instrument holding `reference` to `curve`: the bulk transfer when
// 25 or more entries differ, else one point message per differing entry in ascending order.
std::vector<CEdSysExMessage> EdCurveDifferenceMessages(const CEdTouchCurveData& curve,
                                                       const CEdTouchCurveData::Table& reference);
// Sends those messages through the frame's send path; false when any send failed.
bool SendCurveDifferences(IEdSysExSender& sender, const CEdTouchCurveData& curve,
                          const CEdTouchCurveData::Table& reference);
