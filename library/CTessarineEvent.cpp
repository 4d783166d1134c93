#include "CTessarineEvent.h"

CTessarineEvent::~CTessarineEvent() = default;

std::int32_t CTessarineEvent::GetType() const
{
    return m_type;
}

std::uint32_t CTessarineEvent::GetTime() const
{
    return m_time;
}

void CTessarineEvent::SetTime(std::uint32_t time)
{
    m_time = time;
}

std::uint32_t CTessarineEvent::GetMidiMsg(std::int32_t) const
{
    return 0;
}

void CTessarineEvent::GetSmfData(CTessarineEventManager*, std::int32_t, std::uint8_t** pData,
                                 std::int32_t* pLength) const
{
    if (pData)
        *pData = nullptr;
    if (pLength)
        *pLength = 0;
}
