#pragma once

#include "CTessarineEvent.h"

#include <memory>

// A SysEx message, stored as given (it starts with F0).
class TESSARINE_API CTessarineSysExEvent : public CTessarineEvent
{
public:
    // Copies length bytes.
    CTessarineSysExEvent(const std::uint8_t* data, std::uint32_t length);
    ~CTessarineSysExEvent() override;

    const std::uint8_t* GetData() const { return m_data.get(); }
    std::uint32_t GetLength() const { return m_length; }

    // Sends the bytes; the one millisecond per byte pause happens on the playing thread.
    void Play(CTessarineEventManager* pManager, std::int32_t track) override;
    // The file form: F0, the length of the rest as a variable-length quantity, the rest.
    void GetSmfData(CTessarineEventManager* pManager, std::int32_t track, std::uint8_t** pData,
                    std::int32_t* pLength) const override;

private:
    std::unique_ptr<std::uint8_t[]> m_data;
    std::uint32_t m_length;
};
