#include "CTessarineMidiKeyboard.h"

#include "Tessarine.h"

CTessarineMidiKeyboard::~CTessarineMidiKeyboard() = default;

std::intptr_t CTessarineMidiKeyboard::SetParam(std::uint16_t kind, std::intptr_t value, std::intptr_t)
{
    switch (kind) {
    case 0:
        m_deviceId = static_cast<std::int32_t>(value);
        return 0;
    case 1:
        m_window = value;
        return value;
    default:
        return static_cast<std::intptr_t>(kind) - 1;
    }
}

void CTessarineMidiKeyboard::Open()
{
    if (m_pPort)
        Close();
    m_pPort = std::make_unique<CTessarineMidiOut>(m_deviceId);
    m_pPort->Open();
}

void CTessarineMidiKeyboard::Close()
{
    if (!m_pPort)
        return;
    m_pPort->Close();
    m_pPort.reset();
}

void CTessarineMidiKeyboard::ShortMsg(std::uint32_t message)
{
    if (!m_pPort)
        throw CTessarineException(TESSARINEERR_MIDI_OUT_SHORTMSG);
    m_pPort->ShortMsg(message);
}

void CTessarineMidiKeyboard::ShortMsgList(const std::vector<std::uint32_t>& list)
{
    for (const std::uint32_t message : list)
        ShortMsg(message);
}

void CTessarineMidiKeyboard::LongMsg(const std::uint8_t* data, std::uint32_t length)
{
    if (!m_pPort)
        throw CTessarineException(TESSARINEERR_MIDI_OUT_LONGMSG);
    m_pPort->LongMsg(data, length);
}
