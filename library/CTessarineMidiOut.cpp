#include "CTessarineMidiOut.h"

#include "TessarineWait.h"
#include "ports/PortLayerChoice.h"

CTessarineMidiOut::CTessarineMidiOut(std::int32_t deviceId) : m_deviceId(deviceId) {}

CTessarineMidiOut::~CTessarineMidiOut()
{
    if (m_handle)
        m_handle->close();
}

void CTessarineMidiOut::Open()
{
    auto layer = tessarine::currentPortLayer();
    for (int attempt = 1;; ++attempt) {
        if (m_deviceId >= 0)
            m_handle = layer->openOutput(static_cast<std::uint32_t>(m_deviceId));
        if (m_handle)
            return;
        if (attempt == kOpenCloseAttempts)
            throw CTessarineException(TESSARINEERR_MIDI_OUT_OPEN);
        tessarine::waitMilliseconds(kOpenCloseRetryMs);
    }
}

void CTessarineMidiOut::Close()
{
    if (!m_handle)
        return;
    for (int attempt = 1;; ++attempt) {
        if (m_handle->close()) {
            m_handle.reset();
            return;
        }
        if (attempt == kOpenCloseAttempts)
            throw CTessarineException(TESSARINEERR_MIDI_OUT_CLOSE);
        tessarine::waitMilliseconds(kOpenCloseRetryMs);
    }
}

void CTessarineMidiOut::ShortMsg(std::uint32_t message)
{
    const std::uint32_t packed = message & 0x00FFFFFF;
    for (int attempt = 1;; ++attempt) {
        if (m_handle && m_handle->sendShort(packed))
            return;
        if (attempt == kShortMsgAttempts)
            throw CTessarineException(TESSARINEERR_MIDI_OUT_SHORTMSG);
        tessarine::waitMilliseconds(kShortMsgRetryMs);
    }
}

void CTessarineMidiOut::LongMsg(const std::uint8_t* data, std::uint32_t length)
{
    m_pHeader.reset();
    if (!data || length == 0)
        throw CTessarineException(TESSARINEERR_MIDI_OUT_LONGMSG);

    auto header = std::make_unique<LongMsgHeader>();
    header->buffer.assign(data, data + length);
    header->header.lpData = header->buffer.data();
    header->header.dwBufferLength = length;
    header->header.dwBytesRecorded = length;
    m_pHeader = std::move(header);

    if (!m_handle || !m_handle->sendLong(m_pHeader->buffer))
        throw CTessarineException(TESSARINEERR_MIDI_OUT_LONGMSG);
    m_pHeader->header.dwFlags = TESSARINE_MHDR_PREPARED | TESSARINE_MHDR_DONE;
    // The instrument needs one millisecond per byte before the next message.
    tessarine::waitMilliseconds(length);
}
