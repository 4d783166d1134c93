#include "CTessarineMidiEvent.h"

#include "CTessarineEventManager.h"
#include "CTessarineOutputDeviceMgr.h"

namespace {

// Channel bits and top byte cleared.
constexpr std::uint32_t kChannelOneMask = 0xFFFFF0;

} // namespace

CTessarineMidiEvent::~CTessarineMidiEvent() = default;

bool CTessarineMidiEvent::IsPlayable(std::uint32_t message)
{
    const std::uint32_t kind = message & 0xF0;
    return kind != 0xB0 && kind != 0xC0 && (message & kChannelOneMask) != 0;
}

void CTessarineMidiEvent::Play(CTessarineEventManager* pManager, std::int32_t)
{
    if (!pManager || !IsPlayable(m_message))
        return;
    if (CTessarineOutputDeviceMgr* device = pManager->GetMidiOutDev())
        device->SendShortMsg(m_message & kChannelOneMask);
}

std::uint32_t CTessarineMidiEvent::GetMidiMsg(std::int32_t) const
{
    return m_message;
}

void CTessarineMidiEvent::GetSmfData(CTessarineEventManager*, std::int32_t, std::uint8_t** pData,
                                     std::int32_t* pLength) const
{
    static constexpr std::int32_t kLengths[8] = {3, 3, 3, 3, 2, 2, 3, 0};
    std::uint8_t* data = nullptr;
    std::int32_t length = 0;
    if (IsPlayable(m_message)) {
        length = kLengths[(m_message >> 4) & 7];
        if (length > 0) {
            const std::uint32_t message = m_message & kChannelOneMask;
            data = new std::uint8_t[static_cast<std::size_t>(length)];
            for (std::int32_t i = 0; i < length; ++i)
                data[i] = static_cast<std::uint8_t>(message >> (8 * i));
        }
    }
    if (pData)
        *pData = data;
    else
        delete[] data;
    if (pLength)
        *pLength = length;
}
