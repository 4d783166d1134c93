#include "CTessarineSequencer.h"

#include "CTessarineEventManager.h"
#include "CTessarineOutputDeviceMgr.h"
#include "TessarineTick.h"

#include <vector>

CTessarineSequencer::~CTessarineSequencer() = default;

void CTessarineSequencer::OnTimerTick(std::uint32_t elapsed, std::uintptr_t argument)
{
    reinterpret_cast<CTessarineSequencer*>(argument)->Tick(elapsed);
}

void CTessarineSequencer::Tick(std::uint32_t elapsed)
{
    std::lock_guard lock(m_mutex);
    CTessarineEventManager* manager = m_pEventManager.load();
    if (!manager)
        return;
    const std::uint32_t last = m_lastTime.load() == 0 ? elapsed : m_lastTime.load();
    const std::uint32_t dt = elapsed > last ? elapsed - last : 0;
    m_lastTime = elapsed;
    if (!IsPlaying())
        return;
    if (m_startTime.load() == 0xFFFFFFFFu)
        m_startTime = elapsed;

    const std::uint32_t songEnd = manager->GetLastEventTime(-1);
    manager->AddCurrentTick(static_cast<double>(dt) * manager->GetDeltaTick());
    const std::uint32_t t = tessarine::truncateTick(manager->GetCurrentTick());
    try {
        for (std::int32_t track = 0; track < CTessarineEventManager::TRACK_NUM; ++track) {
            const auto count = static_cast<std::uint32_t>(manager->GetEventNum(track));
            if (count == 0)
                continue;
            for (std::uint32_t position = manager->GetPlayPosition(track); position < count; ++position) {
                CTessarineEvent* event = manager->GetEventAt(track, position);
                if (!event || event->GetTime() > t)
                    break;
                manager->SetPlayPosition(track, position + 1);
                if (event->GetTime() <= songEnd)
                    event->Play(manager, track);
            }
        }
    } catch (const CTessarineException& e) {
        // A message that did not go out leaves the rest meaningless (a firmware image with a hole
        // in it): playback ends here, and the caller can read why.
        m_playError = e.GetCode();
        try {
            Silence();
        } catch (const CTessarineException&) {
        }
        m_playing = 0;
        return;
    }
    // Playing is cleared only after the silencing went out: a caller that sees the end may use
    // the output at once.
    if (manager->GetCurrentTick() > static_cast<double>(songEnd)) {
        try {
            Silence();
        } catch (const CTessarineException& e) {
            m_playError = e.GetCode();
        }
        m_playing = 0;
    }
}

void CTessarineSequencer::SetEventManager(CTessarineEventManager* pManager)
{
    std::lock_guard lock(m_mutex);
    m_pEventManager = pManager;
}

void CTessarineSequencer::Play()
{
    std::lock_guard lock(m_mutex);
    m_startTime = 0xFFFFFFFFu;
    m_playError = 0;
    m_playing = 1;
}

void CTessarineSequencer::Stop()
{
    std::lock_guard lock(m_mutex);
    if (m_playing.exchange(0) != 0)
        Silence();
}

void CTessarineSequencer::StopAllSound()
{
    std::lock_guard lock(m_mutex);
    SendToAllChannels(ALL_NOTES_OFF);
}

void CTessarineSequencer::SetTempo(std::uint32_t tempo)
{
    if (CTessarineEventManager* manager = m_pEventManager.load())
        manager->SetTempo(tempo);
}

void CTessarineSequencer::Silence()
{
    SendToAllChannels(ALL_NOTES_OFF);
    SendToAllChannels(DAMPER_OFF);
    SendToAllChannels(PITCH_BEND_CENTRE);
}

void CTessarineSequencer::SendToAllChannels(std::uint32_t base)
{
    CTessarineEventManager* manager = m_pEventManager.load();
    if (!manager)
        return;
    std::vector<std::uint32_t> list;
    list.reserve(16);
    for (std::uint32_t channel = 0; channel < 16; ++channel)
        list.push_back((base & 0xFFFFF0) | channel);
    if (CTessarineOutputDeviceMgr* device = manager->GetMidiOutDev())
        device->SendShortMsgList(list);
}
