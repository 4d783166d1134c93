#pragma once

#include "CTessarineEvent.h"

// A tempo change, in the unit of the manager's tempo. Playing it sets the manager's tempo only:
// the playing speed (the delta tick) stays.
class TESSARINE_API CTessarineTempoEvent : public CTessarineEvent
{
public:
    explicit CTessarineTempoEvent(std::uint32_t tempo = 0) : CTessarineEvent(TYPE_TEMPO), m_tempo(tempo) {}
    ~CTessarineTempoEvent() override;

    std::uint32_t GetTempo() const { return m_tempo; }

    void Play(CTessarineEventManager* pManager, std::int32_t track) override;
    // (tempo << 16) | 0x51FF
    std::uint32_t GetMidiMsg(std::int32_t track) const override;
    // FF 51 03 and 60000000 / tempo as three bytes, most significant first.
    void GetSmfData(CTessarineEventManager* pManager, std::int32_t track, std::uint8_t** pData,
                    std::int32_t* pLength) const override;

private:
    std::uint32_t m_tempo;
};
