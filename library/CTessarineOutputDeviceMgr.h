#pragma once

#include "CTessarineMidiDevice.h"
#include "TessarineTarget.h"

#include <atomic>
#include <cstdint>
#include <memory>

// Owns the current output device. Sends go to it only while it is open; otherwise they are
// skipped without an error.
class CTessarineOutputDeviceMgr
{
public:
    CTessarineOutputDeviceMgr() = default;
    CTessarineOutputDeviceMgr(const CTessarineOutputDeviceMgr&) = delete;
    CTessarineOutputDeviceMgr& operator=(const CTessarineOutputDeviceMgr&) = delete;
    // Closes the device (without reporting errors) and destroys it.
    virtual ~CTessarineOutputDeviceMgr();

    // Replaces the device with one on this id and opens it; throws TESSARINEERR_MIDI_OUT_CLOSE
    // (the old device did not close) or TESSARINEERR_MIDI_OUT_OPEN.
    void OpenOutput(std::int32_t deviceId);
    // Throws TESSARINEERR_MIDI_OUT_CLOSE and keeps the device when it did not close.
    void CloseOutput();

    void SendShortMsg(std::uint32_t message);
    void SendShortMsgList(const std::vector<std::uint32_t>& list);
    void SendLongMsg(const std::uint8_t* data, std::uint32_t length);

    // The manager's timer client; it has nothing to do between sends.
    static void OnTimerTick(std::uint32_t elapsed, std::uintptr_t argument);

    CTessarineMidiDevice* GetDevice() const { return m_pDevice.get(); }
    bool IsOpen() const { return m_open.load() != 0; }
    std::int32_t GetOutputDeviceId() const { return m_outputDeviceId; }
    void SetOutputDeviceId(std::int32_t deviceId) { m_outputDeviceId = deviceId; }

    void SetTargetWindow(const tagTESSARINETARGET* target) { m_target.set(target); }
    const tessarine::TessarineTarget& GetTargetWindow() const { return m_target; }

private:
    std::unique_ptr<CTessarineMidiDevice> m_pDevice;
    std::int32_t m_outputDeviceId = -1;
    tessarine::TessarineTarget m_target;
    std::atomic<std::int32_t> m_open{0};
};
