#pragma once

#include "TessarineExport.h"

#include <cstdint>

class CTessarineEventManager;

// A timed event of an event manager's track. Events play themselves through the library's
// current output device.
class TESSARINE_API CTessarineEvent
{
public:
    enum : std::int32_t
    {
        TYPE_MIDI = 1,
        TYPE_TEMPO = 2,
        TYPE_SYSEX = 4,
    };

    explicit CTessarineEvent(std::int32_t type) : m_type(type) {}
    CTessarineEvent(const CTessarineEvent&) = delete;
    CTessarineEvent& operator=(const CTessarineEvent&) = delete;
    virtual ~CTessarineEvent();

    virtual std::int32_t GetType() const;
    virtual std::uint32_t GetTime() const;
    virtual void SetTime(std::uint32_t time);
    // Throws CTessarineException when the output fails.
    virtual void Play(CTessarineEventManager* pManager, std::int32_t track) = 0;
    virtual std::uint32_t GetMidiMsg(std::int32_t track) const;
    // *pData becomes a new array (free it with delete[]) or null when *pLength is 0.
    virtual void GetSmfData(CTessarineEventManager* pManager, std::int32_t track, std::uint8_t** pData,
                            std::int32_t* pLength) const;

private:
    std::int32_t m_type;
    std::uint32_t m_time = 0;
};
