#include "CTessarineMidiIn.h"

#include "ports/PortLayerChoice.h"

#include <algorithm>

std::deque<std::unique_ptr<CTessarineMidiIn::SysExHeader>>& CTessarineMidiIn::retiredHeaders()
{
    // Only the caller's thread touches it.
    static std::deque<std::unique_ptr<SysExHeader>> headers;
    return headers;
}

CTessarineMidiIn::~CTessarineMidiIn()
{
    Shutdown();
    releaseHeader();
}

void CTessarineMidiIn::Shutdown()
{
    if (!m_handle)
        return;
    m_started = 0;
    m_handle->stop();
    m_handle.reset();
}

void CTessarineMidiIn::Open(std::int32_t deviceId)
{
    m_deviceId = deviceId;
    if (m_handle)
        Close();

    if (deviceId >= 0)
        m_handle = tessarine::currentPortLayer()->openInput(static_cast<std::uint32_t>(deviceId), *this);
    if (!m_handle)
        throw CTessarineException(TESSARINEERR_MIDI_IN_OPEN);

    {
        std::lock_guard lock(m_mutex);
        if (!m_pHeader) {
            m_pHeader = std::make_unique<SysExHeader>();
            m_pHeader->header.lpData = m_pHeader->buffer.data();
            m_pHeader->header.dwBufferLength = TESSARINE_SYSEX_BUFFER_SIZE;
        }
        m_pHeader->header.dwFlags = TESSARINE_MHDR_PREPARED | TESSARINE_MHDR_INQUEUE;
        m_armed = true;
    }

    m_started = 1;
    if (!m_handle->start())
        throw CTessarineException(TESSARINEERR_MIDI_IN_START);
}

void CTessarineMidiIn::Close()
{
    if (!m_handle)
        return;
    if (m_started.exchange(0) != 0 && !m_handle->stop())
        throw CTessarineException(TESSARINEERR_MIDI_IN_STOP);
    releaseHeader();
    if (!m_handle->close())
        throw CTessarineException(TESSARINEERR_MIDI_IN_CLOSE);
    m_handle.reset();
}

void CTessarineMidiIn::releaseHeader()
{
    std::unique_ptr<SysExHeader> header;
    {
        std::lock_guard lock(m_mutex);
        header = std::move(m_pHeader);
        m_waiting.clear();
        m_armed = false;
    }
    if (!header)
        return;
    const bool handedOut = (header->header.dwFlags & TESSARINE_MHDR_DONE) != 0;
    if (!handedOut)
        return;
    // The target may still read it: keep it until it is given back.
    retiredHeaders().push_back(std::move(header));
}

bool CTessarineMidiIn::GiveBackRetiredHeader()
{
    auto& headers = retiredHeaders();
    if (headers.empty())
        return false;
    headers.pop_front();
    return true;
}

void CTessarineMidiIn::ReleaseRetiredHeaders()
{
    retiredHeaders().clear();
}

void CTessarineMidiIn::PrepareHeader()
{
    if (!m_handle)
        throw CTessarineException(TESSARINEERR_MIDI_IN_PREPARE_HEADER);
    {
        std::lock_guard lock(m_mutex);
        if (!m_pHeader)
            throw CTessarineException(TESSARINEERR_MIDI_IN_PREPARE_HEADER);
        if (m_armed)
            return;
    }
    giveBack();
}

bool CTessarineMidiIn::OnMidiInput(std::uint32_t, std::uintptr_t, std::uintptr_t)
{
    return false;
}

void CTessarineMidiIn::onShortMessage(std::uint32_t packed)
{
    OnMidiInput(MIM_DATA, packed, 0);
}

void CTessarineMidiIn::onSysEx(std::span<const std::uint8_t> message)
{
    tagTESSARINEMIDIHDR* header = nullptr;
    {
        std::lock_guard lock(m_mutex);
        if (!m_pHeader)
            return;
        if (!m_armed) {
            if (m_waiting.size() < TESSARINE_SYSEX_QUEUE_LENGTH)
                m_waiting.emplace_back(message.begin(), message.end());
            else
                ++m_dropped;
            return;
        }
        header = handOutLocked(message);
    }
    if (!OnMidiInput(MIM_LONGDATA, reinterpret_cast<std::uintptr_t>(header), 0))
        giveBack();
}

tagTESSARINEMIDIHDR* CTessarineMidiIn::handOutLocked(std::span<const std::uint8_t> message)
{
    // A longer message fills the buffer; the rest is not received.
    const std::size_t length = std::min<std::size_t>(message.size(), m_pHeader->buffer.size());
    std::copy_n(message.begin(), length, m_pHeader->buffer.begin());
    m_pHeader->header.dwBytesRecorded = static_cast<std::uint32_t>(length);
    m_pHeader->header.dwFlags = TESSARINE_MHDR_PREPARED | TESSARINE_MHDR_DONE;
    m_armed = false;
    return &m_pHeader->header;
}

void CTessarineMidiIn::giveBack()
{
    for (;;) {
        tagTESSARINEMIDIHDR* header = nullptr;
        {
            std::lock_guard lock(m_mutex);
            if (!m_pHeader)
                return;
            if (m_waiting.empty()) {
                m_pHeader->header.dwFlags = TESSARINE_MHDR_PREPARED | TESSARINE_MHDR_INQUEUE;
                m_pHeader->header.dwBytesRecorded = 0;
                m_armed = true;
                return;
            }
            const std::vector<std::uint8_t> next = std::move(m_waiting.front());
            m_waiting.pop_front();
            header = handOutLocked(next);
        }
        // A message nobody takes is dropped, as it would be without the queue.
        if (OnMidiInput(MIM_LONGDATA, reinterpret_cast<std::uintptr_t>(header), 0))
            return;
    }
}
