#include "CTessarineEventManager.h"
#include "CTessarineMidiEvent.h"
#include "CTessarineSysExEvent.h"
#include "CTessarineTempoEvent.h"
#include "TessarineTestSupport.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::int32_t kConductor = 2047;

Bytes SmfBytes(const CTessarineEvent& event)
{
    std::uint8_t* data = nullptr;
    std::int32_t length = -1;
    event.GetSmfData(nullptr, 0, &data, &length);
    std::unique_ptr<std::uint8_t[]> owned(data);
    EXPECT_EQ(data == nullptr, length == 0);
    return data ? Bytes(data, data + length) : Bytes{};
}

TEST(TessarineEventManager, new_manager_has_the_default_clock_and_no_events)
{
    const CTessarineEventManager manager;
    EXPECT_EQ(manager.GetTimeBase(), 480u);
    EXPECT_EQ(manager.GetTempo(), 120u);
    EXPECT_DOUBLE_EQ(manager.GetDeltaTick(), 0.96);
    EXPECT_EQ(manager.GetTrackNum(), 2048);
    EXPECT_EQ(manager.GetLastEventTime(-1), 0u);
    EXPECT_DOUBLE_EQ(manager.GetCurrentTick(), 0.0);
    EXPECT_EQ(manager.IsSMFOut(), 0);
    EXPECT_EQ(CTessarineEventManager::DEF_TEMPO, 120);
    EXPECT_EQ(CTessarineEventManager::DEF_TIME_BASE, 480);
    EXPECT_EQ(CTessarineEventManager::DELTA_TIME_FOR_BEAT_TIME, 192);
    EXPECT_EQ(CTessarineEventManager::TRACK_NUM, 2048);
}

TEST(TessarineEventManager, time_base_recomputes_the_delta_tick_and_tempo_does_not)
{
    CTessarineEventManager manager;
    manager.SetTimeBase(96);
    EXPECT_DOUBLE_EQ(manager.GetDeltaTick(), 0.192);
    manager.SetTempo(60);
    EXPECT_DOUBLE_EQ(manager.GetDeltaTick(), 0.192);
    manager.CalcDeltaTick();
    EXPECT_DOUBLE_EQ(manager.GetDeltaTick(), 0.096);
}

TEST(TessarineEventManager, tempo_event_stores_three_quarters_of_at_least_8)
{
    const struct
    {
        std::uint32_t given;
        std::uint32_t stored;
    } cases[] = {{120, 90}, {4, 6}, {0, 6}, {8, 6}, {121, 91}, {122, 92}, {60, 45}};
    for (const auto& c : cases) {
        CTessarineEventManager manager;
        manager.SetTempoEvent(kConductor, 0, c.given, 0);
        std::uint32_t message = 0;
        ASSERT_EQ(manager.GetNextMidiEvent(&message, kConductor, 0), 1);
        EXPECT_EQ(message, (c.stored << 16) | 0x51FF) << "tempo " << c.given;
    }
}

TEST(TessarineEventManager, tempo_event_recomputes_the_delta_tick_from_the_managers_tempo)
{
    CTessarineEventManager manager;
    manager.SetTempo(60);
    manager.SetTempoEvent(kConductor, 0, 240, 0);
    EXPECT_DOUBLE_EQ(manager.GetDeltaTick(), 0.48);
    EXPECT_EQ(manager.GetTempo(), 60u);
}

TEST(TessarineEventManager, control_change_message_clamps_the_value_and_puts_high_channels_in_the_top_byte)
{
    EXPECT_EQ(CTessarineEventManager::MakeMidiCCMsg(0, 7, 200), 0x007F07B0u);
    EXPECT_EQ(CTessarineEventManager::MakeMidiCCMsg(17, 64, -5), 0x010040B1u);
    EXPECT_EQ(CTessarineEventManager::MakeMidiCCMsg(15, 0x87, 64), 0x004007BFu);
}

TEST(TessarineEvents, smf_bytes_of_each_kind)
{
    EXPECT_EQ(SmfBytes(CTessarineTempoEvent(90)), (Bytes{0xFF, 0x51, 0x03, 0x0A, 0x2C, 0x2A}));
    // Too slow for three bytes: the slowest the file form holds.
    EXPECT_EQ(SmfBytes(CTessarineTempoEvent(0)), (Bytes{0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(SmfBytes(CTessarineMidiEvent(0x643C92)), (Bytes{0x90, 0x3C, 0x64}));
    EXPECT_EQ(SmfBytes(CTessarineMidiEvent(0x0040E3)), (Bytes{0xE0, 0x40, 0x00}));
    EXPECT_EQ(SmfBytes(CTessarineMidiEvent(0x0033D3)), (Bytes{0xD0, 0x33}));
    EXPECT_EQ(SmfBytes(CTessarineMidiEvent(0x0005C0)), Bytes{});
    EXPECT_EQ(SmfBytes(CTessarineMidiEvent(0x7F07B0)), Bytes{});
    EXPECT_EQ(SmfBytes(CTessarineMidiEvent(0)), Bytes{});
    const Bytes sysex{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    EXPECT_EQ(SmfBytes(CTessarineSysExEvent(sysex.data(), 6)), (Bytes{0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}));
    Bytes bulk(201, 0x11);
    bulk.front() = 0xF0;
    const Bytes rendered = SmfBytes(CTessarineSysExEvent(bulk.data(), 201));
    ASSERT_EQ(rendered.size(), 203u);
    EXPECT_EQ((Bytes{rendered[0], rendered[1], rendered[2], rendered[3]}), (Bytes{0xF0, 0x81, 0x48, 0x11}));
}

TEST(TessarineEventManager, next_event_waits_for_its_time_and_advances_the_position)
{
    CTessarineEventManager manager;
    CTessarineEvent* event = nullptr;
    EXPECT_EQ(manager.GetNextEvent(&event, 3, 1000), 0);

    manager.SetMidiEvent(3, 10, 0x643C90, 0);
    manager.SetMidiEvent(3, 20, 0x003C80, 0);
    EXPECT_EQ(manager.GetNextEvent(&event, 3, 9), 0);
    EXPECT_EQ(manager.GetPlayPosition(3), 0u);
    ASSERT_EQ(manager.GetNextEvent(&event, 3, 10), 1);
    EXPECT_EQ(event->GetTime(), 10u);
    EXPECT_EQ(event->GetType(), CTessarineEvent::TYPE_MIDI);
    std::uint32_t message = 0;
    ASSERT_EQ(manager.GetNextMidiEvent(&message, 3, 100), 1);
    EXPECT_EQ(message, 0x003C80u);
    EXPECT_EQ(manager.GetNextMidiEvent(&message, 3, 100), 0);

    manager.SetPlayPosition(3, 0);
    std::uint8_t* data = nullptr;
    std::int32_t length = 0;
    ASSERT_EQ(manager.GetNextSmfEvent(&data, &length, 3, 10), 1);
    std::unique_ptr<std::uint8_t[]> owned(data);
    EXPECT_EQ(Bytes(data, data + length), (Bytes{0x90, 0x3C, 0x64}));
}

TEST(TessarineEventManager, counts_and_last_times_follow_appends_removals_and_clears)
{
    CTessarineEventManager manager;
    manager.SetMidiEvent(0, 50, 0x643C90, 0);
    manager.SetMidiEvent(0, 30, 0x643C90, 0); // out of order: the last time stays the latest
    const Bytes sysex{0xF0, 0x01, 0xF7};
    manager.SetSysExEvent(kConductor, 70, sysex.data(), 3, 0);
    manager.SetNewEvent(5, 40, new CTessarineTempoEvent(90), 0);
    EXPECT_EQ(manager.GetEventNum(0), 2);
    EXPECT_EQ(manager.GetLastEventTime(0), 50u);
    EXPECT_EQ(manager.GetLastEventTime(5), 40u);
    EXPECT_EQ(manager.GetLastEventTime(-1), 70u);

    manager.RemoveEvent(0, 1);
    manager.RemoveEvent(0, 7); // no such event
    EXPECT_EQ(manager.GetEventNum(0), 1);
    EXPECT_EQ(manager.GetLastEventTime(0), 50u);

    manager.ClearEvents(5);
    EXPECT_EQ(manager.GetEventNum(5), 0);
    EXPECT_EQ(manager.GetLastEventTime(5), 0u);
    EXPECT_EQ(manager.GetLastEventTime(-1), 0u);
    EXPECT_EQ(manager.GetLastEventTime(0), 50u);

    manager.SetCurrentTick(12.5);
    manager.ClearAllTracks();
    EXPECT_EQ(manager.GetEventNum(0), 0);
    EXPECT_EQ(manager.GetEventNum(kConductor), 0);
    EXPECT_DOUBLE_EQ(manager.GetCurrentTick(), 12.5);
}

TEST(TessarineEventManager, tracks_out_of_range_are_ignored)
{
    CTessarineEventManager manager;
    for (const std::int32_t track : {-2, -1, 2048, 100000}) {
        manager.SetMidiEvent(track, 10, 0x643C90, 0);
        manager.SetTempoEvent(track, 10, 120, 0);
        manager.SetNewEvent(track, 10, new CTessarineMidiEvent(0x643C90), 0); // destroyed, not leaked
        manager.RemoveEvent(track, 0);
        manager.ClearEvents(track);
        CTessarineEvent* event = nullptr;
        EXPECT_EQ(manager.GetNextEvent(&event, track, 100), 0);
        EXPECT_EQ(manager.GetEventNum(track), 0);
    }
    EXPECT_EQ(manager.GetLastEventTime(-1), 0u);
}

TEST(TessarineEventManager, song_info_names_the_conductor_and_clears_its_area)
{
    const CTessarineEventManager manager;
    tagTESSARINESONGINFO info;
    info.dwReserved1 = 11;
    info.dwReserved2 = 22;
    info.dwConductorTrack = 0;
    std::fill(std::begin(info.info), std::end(info.info), std::uint8_t{0xAA});
    manager.GetSongInfo(&info);
    EXPECT_EQ(info.dwReserved1, 11);
    EXPECT_EQ(info.dwReserved2, 22);
    EXPECT_EQ(info.dwConductorTrack, 2047);
    EXPECT_TRUE(std::all_of(std::begin(info.info), std::end(info.info), [](std::uint8_t b) { return b == 0; }));
}

TEST(TessarineEventManager, beat_time_steps_192_ms_until_the_conductor_ends_and_stops_on_a_still_clock)
{
    CTessarineEventManager manager;
    manager.SetTempoEvent(kConductor, 0, 240, 0);
    manager.SetMidiEvent(kConductor, 1000, 0x643C90, 0);
    // 0.96 ticks per ms: 184.32 ticks a step, the sixth reaches 1000.
    EXPECT_EQ(manager.CalcBeatEventPlayTime(0.0, 100), 6u * 192u);
    EXPECT_EQ(manager.GetTempo(), 180u); // the tempo event was played
    EXPECT_EQ(manager.GetPlayPosition(kConductor), 2u);

    CTessarineEventManager still;
    still.SetTimeBase(0);
    still.SetMidiEvent(kConductor, 10, 0x643C90, 0);
    EXPECT_EQ(still.GetSongLength(), 0u);
}

// Events played through the library's output.
class TessarineEventPlay : public TessarineFixture
{
protected:
    void SetUp() override
    {
        TessarineFixture::SetUp();
        ASSERT_EQ(tsrMidiOutOpen(0), 0);
    }

    CTessarineVirtualOutPort m_port{"Events Out"};
    CTessarineEventManager m_manager;
};

TEST_F(TessarineEventPlay, midi_events_sound_on_channel_1_and_changes_of_control_or_program_stay_silent)
{
    for (const std::uint32_t message : {0xAB643C92u, 0x0005C0u, 0x7F07B3u, 0x0000000Fu, 0u})
        CTessarineMidiEvent(message).Play(&m_manager, 0);
    const Bytes sysex{0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    CTessarineSysExEvent(sysex.data(), 6).Play(&m_manager, kConductor);
    CTessarineTempoEvent(45).Play(&m_manager, kConductor);

    EXPECT_EQ(m_port.GetReceived(), (std::vector<Bytes>{{0x90, 0x3C, 0x64}, sysex}));
    EXPECT_EQ(m_manager.GetTempo(), 45u);
    EXPECT_DOUBLE_EQ(m_manager.GetDeltaTick(), 0.96);
}

TEST_F(TessarineEventPlay, a_failed_send_is_thrown_to_the_player)
{
    m_port.FailSends();
    CTessarineMidiEvent event(0x643C90);
    EXPECT_THROW(event.Play(&m_manager, 0), CTessarineException);
}

TEST_F(TessarineEventPlay, managers_that_outlive_the_library_send_nothing)
{
    tsrDestroy();
    EXPECT_EQ(m_manager.GetMidiOutDev(), nullptr);
    EXPECT_EQ(m_manager.GetSequencer(), nullptr);
    CTessarineMidiEvent(0x643C90).Play(&m_manager, 0);
    EXPECT_TRUE(m_port.GetReceived().empty());
}

} // namespace
