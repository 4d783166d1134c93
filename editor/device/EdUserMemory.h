#pragma once

#include "EdMidiSettingData.h"
#include "EdOffsetData.h"
#include "EdTouchCurveData.h"

// One of the instrument's five user memories. The windows are handed pointers to the members,
// so a memory is neither copied nor moved.
class CEdUserMemory
{
public:
    CEdUserMemory() = default;
    CEdUserMemory(const CEdUserMemory&) = delete;
    CEdUserMemory& operator=(const CEdUserMemory&) = delete;
    virtual ~CEdUserMemory() = default;

    virtual CEdTouchCurveData* GetTouchCurve() { return &m_touchCurve; }
    virtual CEdOffsetData* GetOffsetData() { return &m_offsetData; }
    virtual CEdMidiSettingData* GetMidiSettingData() { return &m_midiSettingData; }

private:
    CEdTouchCurveData m_touchCurve;
    CEdOffsetData m_offsetData;
    CEdMidiSettingData m_midiSettingData;
};
