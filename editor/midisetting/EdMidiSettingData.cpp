#include "EdMidiSettingData.h"

#include <array>

namespace {
constexpr int kFieldCount = 9;
}

int* CEdMidiSettingData::Fields(int index)
{
    int* const fields[kFieldCount] = {&m_channel,           &m_leftPedalCC,         &m_centerPedalCC,
                                      &m_rightPedalCC,      &m_keyboardToMidiOut,   &m_midiInToMidiOut,
                                      &m_pcToMidiOut,       &m_keyboardToUsbMidiOut, &m_midiInToUsbMidiOut};
    return fields[index];
}

void CEdMidiSettingData::Serialize(CEdArchive& ar)
{
    if (ar.IsStoring()) {
        for (int i = 0; i < kFieldCount; ++i)
            ar.WriteInt32(*Fields(i));
        return;
    }
    std::array<int, kFieldCount> read{};
    for (int& value : read)
        value = ar.ReadInt32();
    for (int i = 0; i < kFieldCount; ++i)
        *Fields(i) = read[static_cast<std::size_t>(i)];
}

bool CEdMidiSettingData::Reset()
{
    m_channel = 0;
    m_leftPedalCC = kDefaultLeftPedalCC;
    m_centerPedalCC = kDefaultCenterPedalCC;
    m_rightPedalCC = kDefaultRightPedalCC;
    m_keyboardToMidiOut = 1;
    m_midiInToMidiOut = 0;
    m_pcToMidiOut = 0;
    m_keyboardToUsbMidiOut = 1;
    m_midiInToUsbMidiOut = 1;
    return true;
}
