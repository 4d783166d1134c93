#pragma once

#include "CTessarineEvent.h"

// A packed short message: status in bits 0-7, data bytes in bits 8-15 and 16-23.
class TESSARINE_API CTessarineMidiEvent : public CTessarineEvent
{
public:
    explicit CTessarineMidiEvent(std::uint32_t message = 0) : CTessarineEvent(TYPE_MIDI), m_message(message) {}
    ~CTessarineMidiEvent() override;

    // Control and program changes are not played; what is played goes out on channel 1.
    void Play(CTessarineEventManager* pManager, std::int32_t track) override;
    std::uint32_t GetMidiMsg(std::int32_t track) const override;
    void GetSmfData(CTessarineEventManager* pManager, std::int32_t track, std::uint8_t** pData,
                    std::int32_t* pLength) const override;

    // False for the messages Play skips.
    static bool IsPlayable(std::uint32_t message);

private:
    std::uint32_t m_message;
};
