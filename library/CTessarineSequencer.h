#pragma once

#include "TessarineTarget.h"

#include <atomic>
#include <cstdint>
#include <mutex>

class CTessarineEventManager;
class CTessarineOutputDeviceMgr;

// Plays an event manager from the timer's ticks. The caller's thread sets the manager, starts and
// stops; the timer thread runs OnTimerTick. A tick holds the sequencer's mutex while it plays, so
// once SetEventManager or Stop returns the timer thread no longer touches the old manager.
class CTessarineSequencer
{
public:
    // Packed bases of the silencing messages, each sent on all 16 channels in this order.
    static constexpr std::uint32_t ALL_NOTES_OFF = 0x7BB0;
    static constexpr std::uint32_t DAMPER_OFF = 0x40B0;
    static constexpr std::uint32_t PITCH_BEND_CENTRE = 0x4000E0;

    CTessarineSequencer() = default;
    CTessarineSequencer(const CTessarineSequencer&) = delete;
    CTessarineSequencer& operator=(const CTessarineSequencer&) = delete;
    virtual ~CTessarineSequencer();

    // The timer client; argument is the sequencer.
    static void OnTimerTick(std::uint32_t elapsed, std::uintptr_t argument);
    void Tick(std::uint32_t elapsed);

    void SetEventManager(CTessarineEventManager* pManager);
    CTessarineEventManager* GetEventManager() const { return m_pEventManager.load(); }
    // Continues from the manager's play positions and current tick.
    void Play();
    // Clears playing and, if it was set, silences all channels; throws the output's error.
    void Stop();
    // All notes off on all channels; throws the output's error.
    void StopAllSound();
    void SetTempo(std::uint32_t tempo);
    bool IsPlaying() const { return m_playing.load() != 0; }
    // The output error that ended the last playback, or 0.
    std::int32_t GetPlayError() const { return m_playError.load(); }

    tessarine::TessarineTarget& Target() { return m_target; }

private:
    void Silence();
    void SendToAllChannels(std::uint32_t base);

    std::mutex m_mutex;
    std::atomic<CTessarineEventManager*> m_pEventManager{nullptr};
    std::atomic<std::int32_t> m_playing{0};
    std::atomic<std::uint32_t> m_lastTime{0};
    std::atomic<std::uint32_t> m_startTime{0};
    std::atomic<std::int32_t> m_playError{0};
    tessarine::TessarineTarget m_target;
};
