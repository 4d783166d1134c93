#include "CTessarineEventManager.h"

#include "CTessarineMidiEvent.h"
#include "CTessarineSequencer.h"
#include "CTessarineSysExEvent.h"
#include "CTessarineTempoEvent.h"
#include "TessarineTick.h"

#include <algorithm>
#include <cstring>

std::atomic<CTessarineOutputDeviceMgr**> CTessarineEventManager::m_ppMidiDev{nullptr};
std::atomic<CTessarineSequencer**> CTessarineEventManager::m_ppSeq{nullptr};

namespace {

std::size_t ix(std::int32_t track)
{
    return static_cast<std::size_t>(track);
}

void raise(std::atomic<std::uint32_t>& value, std::uint32_t to)
{
    if (value.load(std::memory_order_relaxed) < to)
        value.store(to, std::memory_order_relaxed);
}

} // namespace

CTessarineEventManager::CTessarineEventManager()
{
    CreateTracks();
    CalcDeltaTick();
}

CTessarineEventManager::~CTessarineEventManager()
{
    DestroyTracks();
}

void CTessarineEventManager::CreateTracks()
{
    m_tracks = std::make_unique<std::vector<CTessarineEvent*>[]>(ix(TRACK_NUM));
    m_playPositions = std::make_unique<std::atomic<std::uint32_t>[]>(ix(TRACK_NUM));
    m_eventCounts = std::make_unique<std::atomic<std::uint32_t>[]>(ix(TRACK_NUM));
    m_lastEventTimes = std::make_unique<std::atomic<std::uint32_t>[]>(ix(TRACK_NUM));
    for (std::int32_t t = 0; t < TRACK_NUM; ++t) {
        m_playPositions[ix(t)] = 0;
        m_eventCounts[ix(t)] = 0;
        m_lastEventTimes[ix(t)] = 0;
    }
    m_songEnd = 0;
}

void CTessarineEventManager::DestroyTracks()
{
    if (m_tracks)
        for (std::int32_t t = 0; t < TRACK_NUM; ++t)
            for (CTessarineEvent* event : m_tracks[ix(t)])
                delete event;
    m_tracks.reset();
    m_playPositions.reset();
    m_eventCounts.reset();
    m_lastEventTimes.reset();
}

void CTessarineEventManager::ResetPlayParams()
{
}

std::int32_t CTessarineEventManager::GetTrackNum() const
{
    return TRACK_NUM;
}

std::int32_t CTessarineEventManager::GetEventNum(std::int32_t track) const
{
    return IsTrack(track) ? static_cast<std::int32_t>(m_eventCounts[ix(track)].load(std::memory_order_relaxed)) : 0;
}

void CTessarineEventManager::Append(std::int32_t track, std::uint32_t time, std::unique_ptr<CTessarineEvent> event)
{
    if (!IsTrack(track))
        return;
    event->SetTime(time);
    m_tracks[ix(track)].push_back(event.get());
    event.release();
    SetLastEventTime(track, time);
    m_eventCounts[ix(track)].store(static_cast<std::uint32_t>(m_tracks[ix(track)].size()), std::memory_order_release);
}

void CTessarineEventManager::SetMidiEvent(std::int32_t track, std::uint32_t time, std::uint32_t message, std::int32_t)
{
    Append(track, time, std::make_unique<CTessarineMidiEvent>(message));
}

void CTessarineEventManager::SetTempoEvent(std::int32_t track, std::uint32_t time, std::uint32_t tempo, std::int32_t)
{
    // Three quarters, rounded to the nearest (MulDiv's rounding).
    const std::uint64_t raised = std::max<std::uint32_t>(tempo, 8);
    const auto stored = static_cast<std::uint32_t>((raised * 3 + 2) / 4);
    CalcDeltaTick();
    Append(track, time, std::make_unique<CTessarineTempoEvent>(stored));
}

void CTessarineEventManager::SetSysExEvent(std::int32_t track, std::uint32_t time, const std::uint8_t* data,
                                           std::uint32_t length, std::int32_t)
{
    if (!IsTrack(track))
        return;
    Append(track, time, std::make_unique<CTessarineSysExEvent>(data, length));
}

void CTessarineEventManager::SetNewEvent(std::int32_t track, std::uint32_t time, CTessarineEvent* pEvent, std::int32_t)
{
    std::unique_ptr<CTessarineEvent> event(pEvent);
    if (event)
        Append(track, time, std::move(event));
}

void CTessarineEventManager::RemoveEvent(std::int32_t track, std::int32_t index)
{
    if (!IsTrack(track) || index < 0 || static_cast<std::size_t>(index) >= m_tracks[ix(track)].size())
        return;
    auto& events = m_tracks[ix(track)];
    delete events[static_cast<std::size_t>(index)];
    events.erase(events.begin() + index);
    m_eventCounts[ix(track)].store(static_cast<std::uint32_t>(events.size()), std::memory_order_release);
}

void CTessarineEventManager::ClearEvents(std::int32_t track)
{
    if (!IsTrack(track))
        return;
    for (CTessarineEvent* event : m_tracks[ix(track)])
        delete event;
    m_tracks[ix(track)].clear();
    m_playPositions[ix(track)] = 0;
    m_eventCounts[ix(track)] = 0;
    m_lastEventTimes[ix(track)] = 0;
    m_songEnd = 0;
}

void CTessarineEventManager::ClearAllTracks()
{
    for (std::int32_t t = 0; t < TRACK_NUM; ++t)
        ClearEvents(t);
}

CTessarineEvent* CTessarineEventManager::GetEventAt(std::int32_t track, std::uint32_t index) const
{
    if (!IsTrack(track) || index >= m_tracks[ix(track)].size())
        return nullptr;
    return m_tracks[ix(track)][index];
}

std::uint32_t CTessarineEventManager::GetPlayPosition(std::int32_t track) const
{
    return IsTrack(track) ? m_playPositions[ix(track)].load(std::memory_order_relaxed) : 0;
}

void CTessarineEventManager::SetPlayPosition(std::int32_t track, std::uint32_t position)
{
    if (IsTrack(track))
        m_playPositions[ix(track)].store(position, std::memory_order_relaxed);
}

template <class Produce>
std::int32_t CTessarineEventManager::TakeNext(std::int32_t track, std::uint32_t time, Produce&& produce)
{
    if (!IsTrack(track))
        return 0;
    const std::uint32_t position = m_playPositions[ix(track)].load(std::memory_order_relaxed);
    if (position >= m_eventCounts[ix(track)].load(std::memory_order_acquire))
        return 0;
    CTessarineEvent* event = GetEventAt(track, position);
    if (!event || time < event->GetTime())
        return 0;
    produce(*event);
    m_playPositions[ix(track)].store(position + 1, std::memory_order_relaxed);
    return 1;
}

std::int32_t CTessarineEventManager::GetNextEvent(CTessarineEvent** ppEvent, std::int32_t track, std::uint32_t time)
{
    return TakeNext(track, time, [&](CTessarineEvent& event) {
        if (ppEvent)
            *ppEvent = &event;
    });
}

std::int32_t CTessarineEventManager::GetNextMidiEvent(std::uint32_t* pMessage, std::int32_t track, std::uint32_t time)
{
    return TakeNext(track, time, [&](CTessarineEvent& event) {
        if (pMessage)
            *pMessage = event.GetMidiMsg(track);
    });
}

std::int32_t CTessarineEventManager::GetNextSmfEvent(std::uint8_t** ppData, std::int32_t* pLength,
                                                     std::int32_t track, std::uint32_t time)
{
    return TakeNext(track, time, [&](CTessarineEvent& event) { event.GetSmfData(this, track, ppData, pLength); });
}

void CTessarineEventManager::SetLastEventTime(std::int32_t track, std::uint32_t time)
{
    if (!IsTrack(track))
        return;
    raise(m_lastEventTimes[ix(track)], time);
    raise(m_songEnd, time);
}

std::uint32_t CTessarineEventManager::GetLastEventTime(std::int32_t track) const
{
    if (track == -1)
        return m_songEnd.load(std::memory_order_relaxed);
    return IsTrack(track) ? m_lastEventTimes[ix(track)].load(std::memory_order_relaxed) : 0;
}

void CTessarineEventManager::ResetTheLastEventTime()
{
    m_songEnd = 0;
}

std::uint32_t CTessarineEventManager::GetTimeBase() const
{
    return m_timeBase.load();
}

void CTessarineEventManager::SetTimeBase(std::uint32_t timeBase)
{
    m_timeBase = timeBase;
    CalcDeltaTick();
}

std::uint32_t CTessarineEventManager::GetTempo() const
{
    return m_tempo.load();
}

void CTessarineEventManager::SetTempo(std::uint32_t tempo)
{
    m_tempo = tempo;
}

void CTessarineEventManager::CalcDeltaTick()
{
    m_deltaTick = static_cast<double>(m_timeBase.load()) / 60000.0 * static_cast<double>(m_tempo.load());
}

double CTessarineEventManager::GetCurrentTick() const
{
    return m_currentTick.load();
}

void CTessarineEventManager::SetCurrentTick(double tick)
{
    m_currentTick = tick;
}

void CTessarineEventManager::AddCurrentTick(double ticks)
{
    m_currentTick = m_currentTick.load() + ticks;
}

double CTessarineEventManager::GetDeltaTick() const
{
    return m_deltaTick.load();
}

void CTessarineEventManager::SetIsSMFOut(std::int32_t value)
{
    m_smfOut = value;
}

std::int32_t CTessarineEventManager::IsSMFOut() const
{
    return m_smfOut.load();
}

std::uint32_t CTessarineEventManager::GetSongLength()
{
    return CalcBeatEventPlayTime(1.0, DEF_TEMPO);
}

std::uint32_t CTessarineEventManager::CalcBeatEventPlayTime(double, std::int32_t tempo)
{
    m_currentTick = 0.0;
    SetTempo(static_cast<std::uint32_t>(tempo));
    const double step = GetDeltaTick() * DELTA_TIME_FOR_BEAT_TIME;
    // A clock that does not advance would never reach the end.
    if (!(step > 0.0))
        return 0;
    const std::uint32_t end = GetLastEventTime(CONDUCTOR_TRACK);
    std::uint32_t milliseconds = 0;
    std::uint32_t t = 0;
    do {
        AddCurrentTick(step);
        milliseconds += DELTA_TIME_FOR_BEAT_TIME;
        t = tessarine::truncateTick(GetCurrentTick());
        CTessarineEvent* event = nullptr;
        while (GetNextEvent(&event, CONDUCTOR_TRACK, t) != 0)
            event->Play(this, CONDUCTOR_TRACK);
    } while (end > t);
    return milliseconds;
}

void CTessarineEventManager::GetSongInfo(tagTESSARINESONGINFO* pInfo) const
{
    if (!pInfo)
        return;
    pInfo->dwConductorTrack = CONDUCTOR_TRACK;
    std::memset(pInfo->info, 0, sizeof pInfo->info);
}

CTessarineOutputDeviceMgr* CTessarineEventManager::GetMidiOutDev() const
{
    CTessarineOutputDeviceMgr** pp = m_ppMidiDev.load();
    return pp ? *pp : nullptr;
}

void CTessarineEventManager::SetMidiOutDev(CTessarineOutputDeviceMgr** ppMidiDev)
{
    m_ppMidiDev = ppMidiDev;
}

CTessarineSequencer* CTessarineEventManager::GetSequencer() const
{
    CTessarineSequencer** pp = m_ppSeq.load();
    return pp ? *pp : nullptr;
}

CTessarineSequencer* CTessarineEventManager::GetSeq() const
{
    return GetSequencer();
}

void CTessarineEventManager::SetSequener(CTessarineSequencer** ppSeq)
{
    m_ppSeq = ppSeq;
}

void CTessarineEventManager::SetSeq(CTessarineSequencer** ppSeq)
{
    SetSequener(ppSeq);
}

void CTessarineEventManager::SetControlTargetWindow(const tagTESSARINETARGET* pTarget)
{
    if (CTessarineSequencer* sequencer = GetSequencer())
        sequencer->Target().set(pTarget);
}

tagTESSARINETARGET CTessarineEventManager::GetSettingTargetWindow() const
{
    if (CTessarineSequencer* sequencer = GetSequencer())
        return sequencer->Target().get();
    return {};
}

std::int32_t CTessarineEventManager::PostMessageW(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    CTessarineSequencer* sequencer = GetSequencer();
    return sequencer && sequencer->Target().post(message, wParam, lParam) ? 1 : 0;
}

std::uint32_t CTessarineEventManager::MakeMidiCCMsg(std::int32_t channel, std::int32_t controller, std::int32_t value)
{
    const auto ch = static_cast<std::uint32_t>(channel);
    const auto clamped = static_cast<std::uint32_t>(std::clamp(value, 0, 127));
    return 0xB0u | (ch & 0x0F) | (static_cast<std::uint32_t>(controller) & 0x7F) << 8 | clamped << 16 |
           (ch & 0x7F0) << 20;
}
