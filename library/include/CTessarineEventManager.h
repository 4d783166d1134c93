#pragma once

#include "CTessarineEvent.h"
#include "Tessarine.h"
#include "TessarineExport.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class CTessarineOutputDeviceMgr;
class CTessarineSequencer;

// Filled by CTessarineEventManager::GetSongInfo.
struct tagTESSARINESONGINFO
{
    std::int32_t dwReserved1; // left alone
    std::int32_t dwReserved2; // left alone
    std::int32_t dwConductorTrack;
    std::uint8_t info[1024];
};

// A piece of music as timed events on TRACK_NUM tracks, with the clock the sequencer plays it
// by. Tracks are played in the order they were filled, so fill each in time order. The
// sequencer's timer thread reads and advances the play positions and the current tick: do not
// change the tracks while the manager is being played.
class TESSARINE_API CTessarineEventManager
{
public:
    static constexpr std::int32_t DEF_TEMPO = 120;
    static constexpr std::int32_t DEF_TIME_BASE = 480;
    static constexpr std::int32_t DELTA_TIME_FOR_BEAT_TIME = 192;
    static constexpr std::int32_t TRACK_NUM = 2048;
    // Tempo and SysEx events of a loaded file go here.
    static constexpr std::int32_t CONDUCTOR_TRACK = TRACK_NUM - 1;

    // Set by the library when its output opens and by tsrInitialize; null while there is none.
    static std::atomic<CTessarineOutputDeviceMgr**> m_ppMidiDev;
    static std::atomic<CTessarineSequencer**> m_ppSeq;

    CTessarineEventManager();
    // Copies would share the events and destroy them twice.
    CTessarineEventManager(const CTessarineEventManager&) = delete;
    CTessarineEventManager& operator=(const CTessarineEventManager&) = delete;
    virtual ~CTessarineEventManager();

    std::int32_t GetTrackNum() const;
    std::int32_t GetEventNum(std::int32_t track) const;

    // The appending methods ignore their last argument and do nothing for a track out of range.
    void SetMidiEvent(std::int32_t track, std::uint32_t time, std::uint32_t message, std::int32_t);
    // Stores three quarters of max(tempo, 8), rounded.
    void SetTempoEvent(std::int32_t track, std::uint32_t time, std::uint32_t tempo, std::int32_t);
    void SetSysExEvent(std::int32_t track, std::uint32_t time, const std::uint8_t* data, std::uint32_t length,
                       std::int32_t);
    // Takes ownership of the event (and destroys it when the track is out of range).
    void SetNewEvent(std::int32_t track, std::uint32_t time, CTessarineEvent* pEvent, std::int32_t);
    void RemoveEvent(std::int32_t track, std::int32_t index);
    void ClearEvents(std::int32_t track);
    void ClearAllTracks();

    // 1 with the event at the track's play position (and the position advanced) when its time is
    // at most time; else 0.
    std::int32_t GetNextEvent(CTessarineEvent** ppEvent, std::int32_t track, std::uint32_t time);
    std::int32_t GetNextMidiEvent(std::uint32_t* pMessage, std::int32_t track, std::uint32_t time);
    // *ppData is a new array (delete[]) or null.
    std::int32_t GetNextSmfEvent(std::uint8_t** ppData, std::int32_t* pLength, std::int32_t track,
                                 std::uint32_t time);

    void SetLastEventTime(std::int32_t track, std::uint32_t time);
    // Track -1: the song end.
    std::uint32_t GetLastEventTime(std::int32_t track) const;
    void ResetTheLastEventTime();

    std::uint32_t GetTimeBase() const;
    // Recomputes the delta tick.
    void SetTimeBase(std::uint32_t timeBase);
    std::uint32_t GetTempo() const;
    // Leaves the delta tick as it is.
    void SetTempo(std::uint32_t tempo);
    void CalcDeltaTick();
    double GetCurrentTick() const;
    void SetCurrentTick(double tick);
    void AddCurrentTick(double ticks);
    // Ticks per millisecond.
    double GetDeltaTick() const;
    void SetIsSMFOut(std::int32_t value);
    std::int32_t IsSMFOut() const;

    std::uint32_t GetSongLength();
    // Plays the conductor track ahead of time in steps of DELTA_TIME_FOR_BEAT_TIME ms and
    // returns the milliseconds it took; the first argument is not used.
    std::uint32_t CalcBeatEventPlayTime(double, std::int32_t tempo);
    void GetSongInfo(tagTESSARINESONGINFO* pInfo) const;

    CTessarineOutputDeviceMgr* GetMidiOutDev() const;
    static void SetMidiOutDev(CTessarineOutputDeviceMgr** ppMidiDev);
    CTessarineSequencer* GetSequencer() const;
    CTessarineSequencer* GetSeq() const;
    static void SetSequener(CTessarineSequencer** ppSeq);
    static void SetSeq(CTessarineSequencer** ppSeq);

    // The sequencer's target; null clears it.
    void SetControlTargetWindow(const tagTESSARINETARGET* pTarget);
    // A copy of the sequencer's target (a null post function when there is none).
    tagTESSARINETARGET GetSettingTargetWindow() const;
    std::int32_t PostMessageW(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    // Control change; a channel of 16 or more puts channel / 16 into the top byte.
    static std::uint32_t MakeMidiCCMsg(std::int32_t channel, std::int32_t controller, std::int32_t value);

    // The sequencer's view of one track, for the timer thread.
    CTessarineEvent* GetEventAt(std::int32_t track, std::uint32_t index) const;
    std::uint32_t GetPlayPosition(std::int32_t track) const;
    void SetPlayPosition(std::int32_t track, std::uint32_t position);

protected:
    void CreateTracks();
    void DestroyTracks();
    void ResetPlayParams();

private:
    bool IsTrack(std::int32_t track) const { return track >= 0 && track < TRACK_NUM && m_tracks; }
    void Append(std::int32_t track, std::uint32_t time, std::unique_ptr<CTessarineEvent> event);
    template <class Produce>
    std::int32_t TakeNext(std::int32_t track, std::uint32_t time, Produce&& produce);

    // The counters are atomics: the timer thread reads them while the caller may look.
    std::unique_ptr<std::vector<CTessarineEvent*>[]> m_tracks;
    std::unique_ptr<std::atomic<std::uint32_t>[]> m_playPositions;
    std::unique_ptr<std::atomic<std::uint32_t>[]> m_eventCounts;
    std::unique_ptr<std::atomic<std::uint32_t>[]> m_lastEventTimes;
    std::atomic<std::uint32_t> m_songEnd{0};
    std::atomic<double> m_currentTick{0.0};
    std::atomic<double> m_deltaTick{0.0};
    std::atomic<std::uint32_t> m_timeBase{DEF_TIME_BASE};
    std::atomic<std::uint32_t> m_tempo{DEF_TEMPO};
    std::atomic<std::int32_t> m_smfOut{0};
};
