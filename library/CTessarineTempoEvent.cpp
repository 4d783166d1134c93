#include "CTessarineTempoEvent.h"

#include "CTessarineEventManager.h"

#include <algorithm>

CTessarineTempoEvent::~CTessarineTempoEvent() = default;

void CTessarineTempoEvent::Play(CTessarineEventManager* pManager, std::int32_t)
{
    if (pManager)
        pManager->SetTempo(m_tempo);
}

std::uint32_t CTessarineTempoEvent::GetMidiMsg(std::int32_t) const
{
    return (m_tempo << 16) | 0x51FF;
}

void CTessarineTempoEvent::GetSmfData(CTessarineEventManager*, std::int32_t, std::uint8_t** pData,
                                      std::int32_t* pLength) const
{
    // Tempos below 4 would not fit the three bytes (and 0 would divide by zero): the slowest
    // tempo the file form holds is taken instead.
    constexpr std::uint32_t kLargest = 0xFFFFFF;
    const std::uint32_t microseconds = m_tempo == 0 ? kLargest : std::min(60000000u / m_tempo, kLargest);
    auto* data = new std::uint8_t[6]{0xFF,
                                     0x51,
                                     0x03,
                                     static_cast<std::uint8_t>(microseconds >> 16),
                                     static_cast<std::uint8_t>(microseconds >> 8),
                                     static_cast<std::uint8_t>(microseconds)};
    if (pData)
        *pData = data;
    else
        delete[] data;
    if (pLength)
        *pLength = 6;
}
