#include "CTessarineSysExEvent.h"

#include "CTessarineEventManager.h"
#include "CTessarineOutputDeviceMgr.h"

#include <algorithm>
#include <vector>

CTessarineSysExEvent::CTessarineSysExEvent(const std::uint8_t* data, std::uint32_t length)
    : CTessarineEvent(TYPE_SYSEX), m_data(std::make_unique<std::uint8_t[]>(data ? length : 0)),
      m_length(data ? length : 0)
{
    if (m_length > 0)
        std::copy_n(data, m_length, m_data.get());
}

CTessarineSysExEvent::~CTessarineSysExEvent() = default;

void CTessarineSysExEvent::Play(CTessarineEventManager* pManager, std::int32_t)
{
    if (!pManager || m_length == 0)
        return;
    if (CTessarineOutputDeviceMgr* device = pManager->GetMidiOutDev())
        device->SendLongMsg(m_data.get(), m_length);
}

void CTessarineSysExEvent::GetSmfData(CTessarineEventManager*, std::int32_t, std::uint8_t** pData,
                                      std::int32_t* pLength) const
{
    std::vector<std::uint8_t> bytes;
    if (m_length > 0) {
        bytes.push_back(0xF0);
        const std::uint32_t rest = m_length - 1;
        std::uint8_t groups[5];
        int count = 0;
        std::uint32_t value = rest;
        do {
            groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
            value >>= 7;
        } while (value != 0);
        while (count > 1)
            bytes.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
        bytes.push_back(groups[0]);
        bytes.insert(bytes.end(), m_data.get() + 1, m_data.get() + m_length);
    }
    std::uint8_t* data = nullptr;
    if (!bytes.empty()) {
        data = new std::uint8_t[bytes.size()];
        std::copy(bytes.begin(), bytes.end(), data);
    }
    if (pData)
        *pData = data;
    else
        delete[] data;
    if (pLength)
        *pLength = static_cast<std::int32_t>(bytes.size());
}
