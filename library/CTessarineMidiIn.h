#pragma once

#include "Tessarine.h"
#include "ports/PortLayer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

// One input port and its single SysEx buffer.
//
// The buffer is either armed (the next SysEx is copied into it) or handed out (posted to the
// target, which reads it until it gives it back with PrepareHeader). SysEx that arrives while
// it is handed out waits in a bounded queue and is handed out on the give-back; a full queue
// drops and counts. A buffer still handed out when the port closes is kept, not freed, until the
// target gives it back or the library is destroyed, so the target never reads freed memory.
//
// The port layer calls the sink on its own thread; everything else runs on the caller's thread.
class CTessarineMidiIn : private tessarine::InputSink
{
public:
    static constexpr std::uint32_t MIM_DATA = 0x3C3;
    static constexpr std::uint32_t MIM_LONGDATA = 0x3C4;

    CTessarineMidiIn() = default;
    CTessarineMidiIn(const CTessarineMidiIn&) = delete;
    CTessarineMidiIn& operator=(const CTessarineMidiIn&) = delete;
    virtual ~CTessarineMidiIn();

    // Closes first when open; throws 17, 19, 21 (or 18, 22 from the close).
    void Open(std::int32_t deviceId);
    // Throws TESSARINEERR_MIDI_IN_STOP or TESSARINEERR_MIDI_IN_CLOSE; nothing when closed.
    void Close();
    // Gives the buffer back (or arms it); throws TESSARINEERR_MIDI_IN_PREPARE_HEADER when closed.
    void PrepareHeader();

    bool IsOpen() const { return m_handle != nullptr; }
    bool IsStarted() const { return m_started.load() != 0; }
    std::int32_t GetDeviceId() const { return m_deviceId; }
    std::uint32_t GetDroppedSysExCount() const { return m_dropped.load(); }

    // Input thread. MIM_DATA: param1 is the packed short message; MIM_LONGDATA: param1 is the
    // address of the SysEx header. True when the message was passed on.
    virtual bool OnMidiInput(std::uint32_t event, std::uintptr_t param1, std::uintptr_t param2);

    // Buffers that were handed out when their port closed. The first gives back the oldest one
    // (true when there was one); the second frees them all (the library is going away).
    static bool GiveBackRetiredHeader();
    static void ReleaseRetiredHeaders();

protected:
    // Stops and destroys the port without reporting errors; no input call follows. A derived
    // class calls it in its destructor, before its own part is gone.
    void Shutdown();

private:
    struct SysExHeader
    {
        tagTESSARINEMIDIHDR header{};
        std::array<std::uint8_t, TESSARINE_SYSEX_BUFFER_SIZE> buffer{};
    };

    static std::deque<std::unique_ptr<SysExHeader>>& retiredHeaders();

    void onShortMessage(std::uint32_t packed) override;
    void onSysEx(std::span<const std::uint8_t> message) override;

    // With m_mutex held: copy the message in and mark the buffer handed out.
    tagTESSARINEMIDIHDR* handOutLocked(std::span<const std::uint8_t> message);
    // Arms the buffer, or hands out the next queued message.
    void giveBack();
    void releaseHeader();

    std::unique_ptr<tessarine::InputPort> m_handle;
    std::int32_t m_deviceId = -1;
    std::atomic<std::int32_t> m_started{0};
    std::atomic<std::uint32_t> m_dropped{0};

    std::mutex m_mutex; // guards the buffer and the queue against the input thread
    std::unique_ptr<SysExHeader> m_pHeader;
    bool m_armed = false;
    std::deque<std::vector<std::uint8_t>> m_waiting;
};
